#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "OBS.h"
#include "VarDataProcessor.h"

namespace {

using Kind = VarDataValue::Kind;

double Number(const VarDataProcessor& table, const char* source, const char* column, int row) {
  VarDataValue value = table.GetValue(source, column, row);
  EXPECT_EQ(value.kind, Kind::kNumber) << column << " row " << row;
  return value.number;
}

std::string Text(const VarDataProcessor& table, const char* source, const char* column, int row) {
  VarDataValue value = table.GetValue(source, column, row);
  EXPECT_EQ(value.kind, Kind::kText) << column << " row " << row;
  return value.text;
}

TEST(VarDataProcessor, WritesByHandleAndByNameLandInTheSameColumns) {
  VarDataProcessor table;
  EXPECT_TRUE(table.AddDataSource("ds", 10000));
  EXPECT_FALSE(table.AddDataSource("ds", 10));
  VarDataColumn value, label;
  ASSERT_TRUE(table.AddVariable("ds", "x", &value));
  ASSERT_TRUE(table.AddVariable("ds", "labelingVariable_0", &label));
  EXPECT_EQ(value.sourceName(), "ds");
  EXPECT_EQ(value.columnName(), "x");

  EXPECT_TRUE(table.SetVariableValue(value, 0, 1.5));
  EXPECT_TRUE(table.SetStringVariableValue(label, 0, "Männlich"));
  EXPECT_TRUE(table.SetVariableValue("ds", "x", 2, kSysMiss));  // rows need no announcing
  EXPECT_TRUE(table.SetVariableValue(label, 2, 7));              // a label column holds numbers too
  EXPECT_TRUE(table.SetStringVariableValue("ds", "#LOW", 1, "created by its first write"));

  EXPECT_EQ(table.GetRowCount("ds"), 3);
  EXPECT_EQ(table.GetColumnNames("ds"), (std::vector<std::string>{"x", "labelingVariable_0", "#LOW"}));
  EXPECT_EQ(Number(table, "ds", "x", 0), 1.5);
  EXPECT_EQ(table.GetValue("ds", "x", 1).kind, Kind::kEmpty);
  EXPECT_EQ(Number(table, "ds", "x", 2), kSysMiss);
  EXPECT_EQ(Text(table, "ds", "labelingVariable_0", 0), "Männlich");
  EXPECT_EQ(Number(table, "ds", "labelingVariable_0", 2), 7);
  EXPECT_EQ(Text(table, "ds", "#LOW", 1), "created by its first write");

  VarDataColumn unfilled;
  EXPECT_FALSE(table.SetVariableValue(unfilled, 0, 1));
  EXPECT_FALSE(table.SetVariableValue(value, -1, 1));
}

TEST(VarDataProcessor, AWrittenCellCanBeOverwrittenWithTheOtherKind) {
  VarDataProcessor table;
  VarDataColumn column;
  table.AddVariable("ds", "mixed", &column);
  table.SetStringVariableValue(column, 0, "text");
  table.SetVariableValue(column, 0, 4);
  table.SetVariableValue(column, 1, std::numeric_limits<double>::quiet_NaN());
  EXPECT_EQ(Number(table, "ds", "mixed", 0), 4);
  EXPECT_TRUE(std::isnan(Number(table, "ds", "mixed", 1)));
}

TEST(VarDataProcessor, ADeletedRowIsEmptiedAndItsNumberReused) {
  VarDataProcessor table;
  table.AddDataSource("ds", 10);
  VarDataColumn x, y;
  table.AddVariable("ds", "x", &x);
  table.AddVariable("ds", "y", &y);
  // A case rejected after its first cell was written, then the next case
  // written into the same row, as listwise deletion does.
  table.SetVariableValue(x, 0, 1);
  table.SetVariableValue(y, 0, 10);
  table.SetVariableValue(x, 1, 2);
  EXPECT_TRUE(table.DeleteRow("ds", 1));
  EXPECT_EQ(table.GetRowCount("ds"), 1);
  table.SetVariableValue(x, 1, 3);
  table.SetVariableValue(y, 1, 30);
  EXPECT_EQ(table.GetRowCount("ds"), 2);
  EXPECT_EQ(Number(table, "ds", "x", 1), 3);

  // A row in the middle keeps its place, emptied.
  table.SetVariableValue(x, 2, 4);
  EXPECT_TRUE(table.DeleteRow("ds", 1));
  EXPECT_EQ(table.GetRowCount("ds"), 3);
  EXPECT_EQ(table.GetValue("ds", "y", 1).kind, Kind::kEmpty);
  EXPECT_FALSE(table.DeleteRow("nosuch", 0));
}

TEST(VarDataProcessor, MergingCopiesSourcesAndReplacesOnesOfTheSameName) {
  VarDataProcessor first;
  first.AddDataSource("ds1", 10);
  first.SetVariableValue("ds1", "a", 0, 1);
  VarDataProcessor second;
  second.AddDataSource("ds2", 10);
  second.SetStringVariableValue("ds2", "b", 0, "x");
  second.SetStringVariableValue("ds2", "b", 1, "y");

  first.AddVDP(&second);
  first.AddVDP(&second);  // the same table again changes nothing
  first.AddVDP(nullptr);
  EXPECT_EQ(first.GetSourceNames(), (std::vector<std::string>{"ds1", "ds2"}));
  EXPECT_EQ(first.GetRowCount("ds2"), 2);
  EXPECT_EQ(Text(first, "ds2", "b", 1), "y");

  // The copy is independent of the table it came from.
  second.SetStringVariableValue("ds2", "b", 0, "changed");
  EXPECT_EQ(Text(first, "ds2", "b", 0), "x");
}

TEST(VarDataProcessor, AHandleStillWritesItsOwnColumnAfterItsSourceWasReplaced) {
  VarDataProcessor table;
  VarDataColumn a, b;
  table.AddVariable("ds", "a", &a);
  table.AddVariable("ds", "b", &b);
  VarDataProcessor other;
  other.SetVariableValue("ds", "b", 0, 5);  // "b" is its first column
  table.AddVDP(&other);

  EXPECT_TRUE(table.SetVariableValue(b, 1, 6));
  EXPECT_EQ(Number(table, "ds", "b", 1), 6);
  EXPECT_TRUE(table.SetVariableValue(a, 1, 7));
  EXPECT_EQ(table.GetColumnNames("ds"), (std::vector<std::string>{"b", "a"}));
}

TEST(VarDataProcessor, SourcesAreListedInCreationOrder) {
  VarDataProcessor table;
  for (const char* name : {"zeta", "alpha", "mid"}) table.AddDataSource(name, 1);
  table.SetVariableValue("late", "c", 0, 1);
  EXPECT_EQ(table.GetSourceNames(), (std::vector<std::string>{"zeta", "alpha", "mid", "late"}));
}

}  // namespace
