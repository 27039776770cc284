#include <gtest/gtest.h>

#include <cmath>

#include "engine/data/ByteCounts.h"
#include "engine/data/CellParsers.h"
#include "engine/data/TextCells.h"
#include "tests/data/DataFiles.h"

namespace {

// A cell as text: a string value without trailing blanks, or a number.
std::string Text(const CaseData& data, int column, long row) {
  const DataVariable* variable = data.dictionary.Variable(column);
  if (!variable->IsString()) return std::to_string(data.Cell(column, row)->number);
  return std::string(TrimmedCellText(data.Cell(column, row), variable->GetType()));
}

TEST(NumberText, ReadsDecimalNumbersOnly) {
  struct Case {
    const char* text;
    bool ok;
    double value;
    int decimals;
  };
  const double inf = HUGE_VAL, nan = std::nan("");
  for (Case c : {Case{"1.5", true, 1.5, 1}, Case{"-0.25", true, -0.25, 2}, Case{"+2", true, 2, 0},
                 Case{".5", true, 0.5, 1}, Case{"5.", true, 5, 0}, Case{"1e3", true, 1000, 0},
                 Case{"2.5E-2", true, 0.025, 1}, Case{"0.1", true, 0.1, 1}, Case{"50.1234", true, 50.1234, 4},
                 Case{"123456789012345678901234", true, 1.2345678901234568e23, 0},
                 Case{"0.30000000000000000000001", true, 0.3, 23}, Case{"", false, 0, 0}, Case{"-", false, 0, 0},
                 Case{".", false, 0, 0}, Case{"abc", false, 0, 0}, Case{"1.2.3", false, 0, 0},
                 Case{"1e", false, 0, 0}, Case{"0x10", false, 0, 0}, Case{"1 2", false, 0, 0}, Case{"  ", false, 0, 0},
                 Case{"infinite", false, 0, 0}, Case{"nana", false, 0, 0},
                 // Blanks around a number, and the numbers that are not finite.
                 Case{" 1", true, 1, 0}, Case{"\t-2.5  ", true, -2.5, 1}, Case{"inf", true, inf, 0},
                 Case{"-INF", true, -inf, 0}, Case{"+Infinity", true, inf, 0}, Case{"NaN", true, nan, 0},
                 Case{"1e309", true, inf, 0}, Case{"-1e400", true, -inf, 0}, Case{"1e-400", true, 0, 0}}) {
    double value = 0;
    int decimals = -1;
    ASSERT_EQ(ParseNumberText(c.text, &value, &decimals), c.ok) << c.text;
    if (!c.ok) continue;
    if (std::isnan(c.value))
      EXPECT_TRUE(std::isnan(value)) << c.text;
    else
      EXPECT_EQ(value, c.value) << c.text;
    EXPECT_EQ(decimals, c.decimals) << c.text;
  }
}

// The number forms of a data package's fields.
TEST(NumberText, ReadsTheFormsOfPackageFields) {
  struct Case {
    NumberForm form;
    const char* text;
    bool ok;
    double value;
  };
  const NumberForm european{.groupChar = '.', .decimalChar = ','};
  const NumberForm grouped{.groupChar = ','};
  const NumberForm decorated{.bareNumber = false};
  const NumberForm decoratedEuropean{.groupChar = ' ', .decimalChar = ',', .bareNumber = false};
  for (Case c : {Case{european, "1.234,5", true, 1234.5}, Case{european, "-0,25", true, -0.25},
                 Case{european, "1,2,3", false, 0}, Case{european, "12", true, 12},
                 Case{grouped, "1,234,567", true, 1234567}, Case{grouped, "1,234.5", true, 1234.5},
                 Case{decorated, "$12.50", true, 12.5}, Case{decorated, "5 %", true, 5},
                 Case{decorated, "-3 kg", true, -3}, Case{decorated, "none", false, 0},
                 Case{decoratedEuropean, "EUR 1 234,50", true, 1234.5}, Case{NumberForm{}, "$12", false, 0}}) {
    double value = 0;
    int decimals;
    ASSERT_EQ(ParseNumberInForm(c.text, c.form, &value, &decimals), c.ok) << c.text;
    if (c.ok) EXPECT_EQ(value, c.value) << c.text;
  }
}

TEST(DateText, ReadsIsoDatesTimesAndDateTimes) {
  double value = 0;
  EXPECT_TRUE(ParseDateText("1970-01-02", &value));
  EXPECT_EQ(value, 86400);
  EXPECT_TRUE(ParseDateText("2000-02-29", &value));
  EXPECT_EQ(value, 951782400);
  EXPECT_FALSE(ParseDateText("2001-02-29", &value));
  EXPECT_FALSE(ParseDateText("2001-13-01", &value));
  EXPECT_TRUE(ParseTimeText("01:02:03.5", &value));
  EXPECT_EQ(value, 3723.5);
  EXPECT_FALSE(ParseTimeText("24:00", &value));
  EXPECT_TRUE(ParseDateTimeText("1970-01-01T00:01:00Z", &value));
  EXPECT_EQ(value, 60);
  EXPECT_TRUE(ParseDateTimeText("1969-12-31 23:59:59", &value));
  EXPECT_EQ(value, -1);
}

// Reading in tiny blocks on two threads must give what one block gives:
// quoted delimiters, doubled quotes, quoted line ends, CRLF and a missing
// final line end all cross block boundaries.
TEST(ByteCounts, CountsEveryNewlineOfLongAndShortStretches) {
  // Dense newlines overflow a byte counter after 255 runs of 16 bytes; the
  // tail after the last whole 16 bytes is counted apart.
  struct Case {
    std::size_t size;
    std::size_t every;  // a newline every this many bytes
    bool quote;
  };
  for (Case c : {Case{0, 1, false}, Case{15, 1, false}, Case{16, 1, true}, Case{4080, 1, false}, Case{4081, 1, true},
                 Case{100003, 1, false}, Case{100003, 7, true}, Case{70000, 100000, false}}) {
    std::string text(c.size, 'a');
    std::size_t newlines = 0;
    for (std::size_t i = c.every - 1; i < c.size; i += c.every, ++newlines) text[i] = '\n';
    if (c.quote && c.size > 0) text[c.size - 1] = '"';
    newlines -= c.quote && c.size > 0 && text.size() % c.every == 0;
    ByteCounts counts = CountBytes(text.data(), text.size(), '"');
    EXPECT_EQ(counts.newlines, newlines) << c.size << " " << c.every;
    EXPECT_EQ(counts.hasQuote, c.quote && c.size > 0) << c.size;
    EXPECT_EQ(counts.firstNewline, c.every <= c.size ? c.every - 1 : static_cast<std::size_t>(-1)) << c.size;
  }
}

TEST(CsvReader, TinyBlocksReadTheSameAsOneBlock) {
  std::string csv = "id,name,x\r\n";
  for (int i = 1; i <= 60; ++i) {
    std::string name = i % 7 == 0 ? "\"multi\nline, \"\"quoted\"\"\"" : i % 5 == 0 ? "\"a,b\"" : "plain" + std::to_string(i);
    csv += std::to_string(i) + "," + name + "," + (i % 4 == 0 ? "" : std::to_string(i) + ".25") + "\r\n";
  }
  csv += "61,last,1";
  DataFiles files;
  std::string path = files.Write("data.csv", csv);
  LoadedData whole = LoadDataFile(path, path, CsvReadOptions{1 << 20, 1});
  ASSERT_NE(whole.data, nullptr) << ProblemTexts(whole);
  ASSERT_EQ(whole.data->caseCount, 61);
  EXPECT_EQ(Text(*whole.data, 1, 6), "multi\nline, \"quoted\"");
  EXPECT_EQ(Text(*whole.data, 1, 4), "a,b");
  EXPECT_EQ(whole.data->Cell(2, 3)->number, kSysMiss);
  EXPECT_EQ(whole.data->Cell(2, 60)->number, 1);
  for (std::size_t blockBytes : {1, 5, 13, 64}) {
    LoadedData pieces = LoadDataFile(path, path, CsvReadOptions{blockBytes, 2});
    ASSERT_NE(pieces.data, nullptr) << blockBytes << ProblemTexts(pieces);
    ASSERT_EQ(pieces.data->caseCount, 61) << blockBytes;
    for (long row = 0; row < 61; ++row) {
      EXPECT_EQ(pieces.data->Cell(0, row)->number, whole.data->Cell(0, row)->number) << blockBytes << " " << row;
      EXPECT_EQ(Text(*pieces.data, 1, row), Text(*whole.data, 1, row)) << blockBytes << " " << row;
      EXPECT_EQ(pieces.data->Cell(2, row)->number, whole.data->Cell(2, row)->number) << blockBytes << " " << row;
    }
  }
}

TEST(CsvReader, FaultLinesCountQuotedLineEndsInEveryBlock) {
  std::string csv = "a,b\n";
  for (int i = 0; i < 20; ++i) csv += "1,\"x\ny\"\n";
  csv += "1,2,3\n";  // line 2 + 2 * 20
  DataFiles files;
  std::string path = files.Write("data.csv", csv);
  for (std::size_t blockBytes : {3, 1 << 20}) {
    LoadedData loaded = LoadDataFile(path, path, CsvReadOptions{blockBytes, 2});
    EXPECT_NE(ProblemTexts(loaded).find("data.csv, line 42, column 3"), std::string::npos)
        << blockBytes << ProblemTexts(loaded);
  }
}

TEST(PlainCsv, InfersNumbersAndStringsFromTheData) {
  DataFiles files;
  std::string path = files.Write("data.csv", "\xEF\xBB\xBFn,price,name,empty\n1,2.5,Anna,\n2,NA,Bo,\n30,-1.125,Christina,\n\n");
  LoadedData loaded = LoadDataFile(path, path);
  ASSERT_NE(loaded.data, nullptr) << ProblemTexts(loaded);
  const DataDictionary& d = loaded.data->dictionary;
  ASSERT_EQ(d.VariableCount(), 4);
  EXPECT_STREQ(d.Variable(0)->GetName(), "n");
  EXPECT_EQ(d.Variable(0)->GetFormat(), PackFormat(kFormatF, 8, 0));
  EXPECT_EQ(d.Variable(1)->GetFormat(), PackFormat(kFormatF, 8, 3));
  EXPECT_EQ(d.Variable(1)->GetMeasurementLevel(), kLevelScale);
  EXPECT_EQ(loaded.data->Cell(1, 1)->number, kSysMiss);  // NA
  EXPECT_EQ(d.Variable(2)->GetType(), 9);
  EXPECT_EQ(d.Variable(2)->GetFormat(), PackFormat(kFormatA, 9, 0));
  EXPECT_EQ(d.Variable(2)->GetMeasurementLevel(), kLevelNominal);
  EXPECT_EQ(d.Variable(3)->GetType(), 0);
  EXPECT_EQ(loaded.data->caseCount, 3);
  EXPECT_EQ(d.Weight(), -1);
  EXPECT_TRUE(loaded.problems.All().empty()) << ProblemTexts(loaded);
}

// A plain file's delimiter is the one its header line holds most often.
TEST(PlainCsv, FindsTheDelimiterInTheHeaderLine) {
  for (const char* csv : {"a;b;c\n1;2,5;x\n", "a\tb\tc\n1\t2,5\tx\n", "a|b|c\n1|2,5|x\n",
                          "a,b,c\n1,\"2;5\",x\n"}) {
    DataFiles files;
    std::string path = files.Write("data.csv", csv);
    LoadedData loaded = LoadDataFile(path, path);
    ASSERT_NE(loaded.data, nullptr) << csv << ProblemTexts(loaded);
    EXPECT_EQ(loaded.data->dictionary.VariableCount(), 3) << csv;
    EXPECT_EQ(Text(*loaded.data, 1, 0), csv[1] == ',' ? "2;5" : "2,5") << csv;
  }
}

// Beyond the rows the reader looks at first, a column may turn out to hold
// text, or longer text: nothing is lost or cut.
TEST(PlainCsv, TextLateInTheFileMakesAStringColumnAsWideAsItsLongestValue) {
  std::string csv = "code,word\n";
  for (int i = 0; i < 3000; ++i) csv += std::to_string(i) + ",ab\n";
  csv += "X17,a much longer word than before\n";
  DataFiles files;
  std::string path = files.Write("data.csv", csv);
  LoadedData loaded = LoadDataFile(path, path, CsvReadOptions{4096, 2});
  ASSERT_NE(loaded.data, nullptr) << ProblemTexts(loaded);
  // The one cell that made the column text is named.
  EXPECT_EQ(ProblemTexts(loaded),
            path + ", line 3002, column 1: the variable code is read as text: 1 value(s) are not numbers, the first 'X17'\n");
  const DataDictionary& d = loaded.data->dictionary;
  EXPECT_EQ(d.Variable(0)->GetType(), 4);
  EXPECT_EQ(d.Variable(1)->GetType(), 30);
  EXPECT_EQ(Text(*loaded.data, 0, 2999), "2999");
  EXPECT_EQ(Text(*loaded.data, 0, 3000), "X17");
  EXPECT_EQ(Text(*loaded.data, 1, 0), "ab");
  EXPECT_EQ(Text(*loaded.data, 1, 3000), "a much longer word than before");
}

}  // namespace

namespace {

// Whatever the bytes, a load ends in data or in faults (never a crash), and
// reading in tiny blocks on two threads ends the same way as in one block.
TEST(CsvReader, RandomTextLoadsTheSameInAnyBlocks) {
  const std::string alphabet = "ab1.,,,\"\"\n\n\r -e";
  std::uint64_t state = 12345;
  auto next = [&state] {
    state = state * 6364136223846793005ull + 1442695040888963407ull;
    return static_cast<std::size_t>(state >> 33);
  };
  DataFiles files;
  for (int round = 0; round < 300; ++round) {
    std::string csv = "a,b,c\n";
    for (std::size_t n = next() % 60; n > 0; --n) csv += alphabet[next() % alphabet.size()];
    std::string path = files.Write("random.csv", csv);
    LoadedData whole = LoadDataFile(path, path, CsvReadOptions{1 << 20, 1});
    LoadedData pieces = LoadDataFile(path, path, CsvReadOptions{3, 2});
    ASSERT_EQ(whole.data == nullptr, pieces.data == nullptr) << csv;
    ASSERT_EQ(ProblemTexts(whole), ProblemTexts(pieces)) << csv;
    if (!whole.data) {
      EXPECT_TRUE(whole.problems.HasErrors()) << csv;
      continue;
    }
    ASSERT_EQ(whole.data->caseCount, pieces.data->caseCount) << csv;
    for (int column = 0; column < 3; ++column)
      for (long row = 0; row < whole.data->caseCount; ++row)
        EXPECT_EQ(Text(*whole.data, column, row), Text(*pieces.data, column, row)) << csv;
  }
}

}  // namespace
