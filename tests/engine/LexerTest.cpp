#include <gtest/gtest.h>

#include "engine/input/Lexer.h"

namespace {

struct TokenCase {
  const char* text;
  std::vector<std::pair<int, std::string>> expected;  // (type, text)
};

class LexerCases : public ::testing::TestWithParam<TokenCase> {};

TEST_P(LexerCases, SplitsIntoTypedTokens) {
  const TokenCase& c = GetParam();
  Lexer::Result result = Lexer::Tokenize(c.text, 1);
  ASSERT_FALSE(result.error);
  ASSERT_EQ(result.tokens.size(), c.expected.size()) << c.text;
  for (std::size_t i = 0; i < c.expected.size(); ++i) {
    EXPECT_EQ(result.tokens[i].getType(), c.expected[i].first) << c.text << " token " << i;
    EXPECT_EQ(result.tokens[i].getString(), c.expected[i].second) << c.text << " token " << i;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Tokens, LexerCases,
    ::testing::Values(
        TokenCase{"PTILE(age, 25)", {{1, "PTILE"}, {5, "("}, {1, "age"}, {2, "25"}, {5, ")"}}},
        TokenCase{"COLOR1(255, 0, 0)", {{1, "COLOR1"}, {5, "("}, {2, "255"}, {2, "0"}, {2, "0"}, {5, ")"}}},
        TokenCase{"NAME='it''s'", {{1, "NAME"}, {5, "="}, {4, "it's"}}},
        TokenCase{"\"say \"\"hi\"\"\"", {{4, "say \"hi\""}}},
        TokenCase{"x=-1.5 [a]", {{1, "x"}, {5, "="}, {2, "-1.5"}, {5, "["}, {1, "a"}, {5, "]"}}},
        TokenCase{"a-1", {{1, "a"}, {5, "-"}, {2, "1"}}},
        TokenCase{"v.1 $CASENUM #x", {{1, "v.1"}, {1, "$CASENUM"}, {1, "#x"}}},
        TokenCase{"/GRAPHSPEC SOURCE=INLINE", {{5, "/"}, {1, "GRAPHSPEC"}, {1, "SOURCE"}, {5, "="}, {1, "INLINE"}}}));

TEST(Lexer, OperatorCodesAreDistinctAndFixedForTheTestedOnes) {
  Lexer::Result result = Lexer::Tokenize("= ( ) [ ] + * < <=", 1);
  ASSERT_EQ(result.tokens.size(), 9u);
  EXPECT_EQ(result.tokens[0].getOperatorCode(), 3);
  EXPECT_EQ(result.tokens[1].getOperatorCode(), 13);
  EXPECT_EQ(result.tokens[2].getOperatorCode(), 14);
  EXPECT_EQ(result.tokens[3].getOperatorCode(), 36);
  EXPECT_EQ(result.tokens[4].getOperatorCode(), 37);
  std::set<int> codes;
  for (const auto& token : result.tokens) codes.insert(token.getOperatorCode());
  EXPECT_EQ(codes.size(), result.tokens.size());
}

TEST(Lexer, NumbersKnowWhetherTheyAreIntegers) {
  Lexer::Result result = Lexer::Tokenize("12 12.5 1e3", 1);
  ASSERT_EQ(result.tokens.size(), 3u);
  EXPECT_TRUE(result.tokens[0].IsInteger());
  EXPECT_EQ(result.tokens[0].getInteger(), 12);
  EXPECT_FALSE(result.tokens[1].IsInteger());
  EXPECT_DOUBLE_EQ(result.tokens[1].getNumeric(), 12.5);
  EXPECT_FALSE(result.tokens[2].IsInteger());
  EXPECT_DOUBLE_EQ(result.tokens[2].getNumeric(), 1000);
}

TEST(Lexer, UnterminatedQuoteIsAnError) {
  EXPECT_TRUE(Lexer::Tokenize("NAME='open", 1).error);
  EXPECT_TRUE(Lexer::Tokenize("a ` b", 1).error);
}

}  // namespace
