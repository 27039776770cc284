#include "model/RelabelString.h"

#include <gtest/gtest.h>

#include "model/VariableResolver.h"
#include "tests/support/TestDataSource.h"

namespace {

struct Entry {
  double code;
  std::string valueText;
  std::string label;
};

bool operator==(const Entry& a, const Entry& b) {
  return a.code == b.code && a.valueText == b.valueText && a.label == b.label;
}

void PrintTo(const Entry& e, std::ostream* out) { *out << "{" << e.code << ", \"" << e.valueText << "\", \"" << e.label << "\"}"; }

std::optional<Entry> Find(const RelabelString& relabel, int column, int occurrence) {
  Entry entry{-1, "untouched", "untouched"};
  if (!relabel.FindRelabel(column, occurrence, entry.code, entry.valueText, entry.label)) {
    EXPECT_EQ(entry, (Entry{-1, "untouched", "untouched"}));
    return std::nullopt;
  }
  return entry;
}

TEST(RelabelString, FindsTheNthEntryOfAColumnAcrossOthers) {
  RelabelString relabel;
  EXPECT_EQ(Find(relabel, 3, 0), std::nullopt);
  const double values[] = {10, 20, 30, 40, 50};
  const int columns[] = {3, 5, 3, 5, 3};
  for (int i = 0; i < 5; ++i) {
    OBS cell{values[i]};
    relabel.AddRelabel(i + 1, &cell, columns[i], nullptr);
  }
  EXPECT_EQ(Find(relabel, 3, 0), (Entry{1, "10", ""}));
  EXPECT_EQ(Find(relabel, 3, 1), (Entry{3, "30", ""}));
  EXPECT_EQ(Find(relabel, 3, 2), (Entry{5, "50", ""}));
  EXPECT_EQ(Find(relabel, 5, 1), (Entry{4, "40", ""}));
  EXPECT_EQ(Find(relabel, 3, 3), std::nullopt);
  EXPECT_EQ(Find(relabel, 4, 0), std::nullopt);
}

// Columns: 0 n (labelled 1 "One"), 1 s (A8, "ab" labelled), 2 wide (A12).
class RelabelValues : public ::testing::Test {
 protected:
  RelabelValues() {
    data.AddNumeric("n").ValueLabel(1, "One");
    data.AddString("s", 8).ValueLabel("ab", "Alpha Beta");
    data.AddString("wide", 12);
    for (int column = 0; column < 3; ++column) resolvers[column].resolveVariable(&data, column);
  }

  Entry Added(const std::vector<OBS>& cell, const VariableResolver* resolver) {
    RelabelString relabel;
    relabel.AddRelabel(7, cell.data(), 0, resolver);
    return Find(relabel, 0, 0).value_or(Entry{});
  }

  TestDataSource data;
  VariableResolver resolvers[3];
};

TEST_F(RelabelValues, NumbersAreWrittenWithSixteenDigits) {
  struct Case {
    double value;
    const char* text;
  };
  for (const Case& c : {Case{3, "3"}, Case{0.1, "0.1"}, Case{1.0000000000000002, "1"}, Case{-2.5, "-2.5"},
                        Case{123456789012, "123456789012"}, Case{1e20, "1e+20"}}) {
    EXPECT_EQ(Added({OBS{c.value}}, nullptr).valueText, c.text);
    EXPECT_EQ(Added({OBS{c.value}}, &resolvers[0]).valueText, c.text);
  }
}

TEST_F(RelabelValues, LabelsComeFromTheResolver) {
  EXPECT_EQ(Added({OBS{1}}, &resolvers[0]), (Entry{7, "1", "One"}));
  EXPECT_EQ(Added({OBS{2}}, &resolvers[0]), (Entry{7, "2", ""}));
  EXPECT_EQ(Added({OBS{1}}, nullptr), (Entry{7, "1", ""}));
}

TEST_F(RelabelValues, StringsKeepTheirWholeWidthWithBlanks) {
  EXPECT_EQ(Added(TextCells("ab", 8), &resolvers[1]), (Entry{7, "ab      ", "Alpha Beta"}));
  EXPECT_EQ(Added(TextCells("abcdefghij", 12), &resolvers[2]), (Entry{7, "abcdefghij  ", ""}));
}

}  // namespace
