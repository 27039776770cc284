#include <gtest/gtest.h>

#include <limits>

#include "ChartString.h"
#include "XUtility.h"
#include "engine/text/LocalCodePage.h"

namespace {

TEST(ChartString, NumbersAreWrittenWithTheShortestTextOfTheirDigits) {
  struct Case {
    double value;
    int digits;
    const char* text;
  };
  for (Case c : {Case{3, 16, "3"}, Case{0.1, 16, "0.1"}, Case{1.0000000000000002, 16, "1"},
                 Case{-2.5, 16, "-2.5"}, Case{1.0 / 3, 16, "0.3333333333333333"}, Case{123456.0, 16, "123456"},
                 Case{1e20, 16, "1e+20"}, Case{3.14159, 3, "3.14"}, Case{0, 16, "0"},
                 Case{std::numeric_limits<double>::lowest(), 16, "-1.797693134862316e+308"}, Case{2.5e-7, 16, "2.5e-07"}}) {
    EXPECT_EQ(ChartString().assignDouble(c.value, c.digits).toUTF8(), c.text) << c.value;
  }
  EXPECT_EQ(ChartString("n=").appendDouble(2.50).toUTF8(), "n=2.5");
}

TEST(ChartString, Utf8RoundTripsAndInvalidBytesBecomeReplacementCharacters) {
  const std::string text = "Größe – 日本 😀";
  EXPECT_EQ(ChartString(text).toUTF8(), text);
  EXPECT_EQ(ChartString(text).length(), 12u);
  EXPECT_EQ(ChartString().assignUTF8("a\xFF" "b").toUTF8(), "a\xEF\xBF\xBD" "b");
  EXPECT_EQ(ChartString().assignUTF8("\xE2\x82").toUTF8(), "\xEF\xBF\xBD\xEF\xBF\xBD");  // cut-off sequence
  EXPECT_EQ(ChartString().assignUTF8("\xC0\xAF").toUTF8(), "\xEF\xBF\xBD\xEF\xBF\xBD");  // overlong "/"
  EXPECT_TRUE(ChartString(static_cast<const char*>(nullptr)).empty());
}

TEST(ChartString, TrimsBlanksAndReplacesEveryOccurrence) {
  EXPECT_EQ(ChartString("  ab c  ").trimSpaces().toUTF8(), "ab c");
  EXPECT_EQ(ChartString("  ab c  ").trimSpaces(false).toUTF8(), "  ab c");
  EXPECT_TRUE(ChartString("    ").trimSpaces(false).empty());

  ChartString label("first\\nsecond\\nthird");
  EXPECT_EQ(label.replaceSubstring("\\n", "\n"), 2);
  EXPECT_EQ(label.toUTF8(), "first\nsecond\nthird");
  ChartString growing("aaa");
  EXPECT_EQ(growing.replaceSubstring("a", "aa"), 3);  // replacements are not searched again
  EXPECT_EQ(growing.toUTF8(), "aaaaaa");
  EXPECT_EQ(growing.replaceSubstring("", "x"), 0);
}

class LocalCodePageTest : public ::testing::Test {
 protected:
  void TearDown() override { SetLocalCodePage(""); }
};

TEST_F(LocalCodePageTest, IsUtf8UnlessTheDataNameAnotherEncoding) {
  EXPECT_EQ(XUtility::ChartStringFromLocalCodePage("Größe").toUTF8(), "Größe");
  SetLocalCodePage("ISO-8859-1");
  EXPECT_EQ(XUtility::ChartStringFromLocalCodePage("Gr\xF6\xDF" "e").toUTF8(), "Größe");
  SetLocalCodePage("CP1252");
  EXPECT_EQ(XUtility::ChartStringFromLocalCodePage("\x80 5").toUTF8(), "€ 5");
  EXPECT_EQ(XUtility::ChartStringFromLocalCodePage("a\x81z").toUTF8(), "a\xEF\xBF\xBDz");  // unassigned in CP1252
  SetLocalCodePage("NO-SUCH-ENCODING");
  EXPECT_EQ(XUtility::ChartStringFromLocalCodePage("ok\xFF").toUTF8(), "ok\xEF\xBF\xBD");
  EXPECT_TRUE(XUtility::ChartStringFromLocalCodePage(static_cast<const char*>(nullptr)).empty());
}

TEST_F(LocalCodePageTest, OutputLanguageTextIsUtf8) {
  SetLocalCodePage("ISO-8859-1");
  EXPECT_EQ(XUtility::ChartStringFromOLANG("Häufigkeit").toUTF8(), "Häufigkeit");
}

}  // namespace
