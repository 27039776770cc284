#include <gtest/gtest.h>

#include <string>

#include "data/GGraphDataSet.h"
#include "tests/support/ModuleSession.h"

namespace {

std::string Text(const ChartString& summary, const ChartString& index, const ChartString& low,
                 const ChartString& high) {
  return summary.toUTF8() + " " + index.toUTF8() + " " + low.toUTF8() + " " + high.toUTF8();
}

TEST(GGraphDataSet, VarsToCasesNamesTakeTheirDefaults) {
  GGraphDataSet dataSet(nullptr, nullptr);
  ChartString summary("s"), index("i"), low("l"), high("h");
  EXPECT_FALSE(dataSet.IsVarsToCases());
  EXPECT_FALSE(dataSet.GetLowHighNames(low, high));
  dataSet.GetVarsToCasesNames(summary, index, low, high);
  EXPECT_EQ(Text(summary, index, low, high), "s i l h");

  dataSet.SetVarsToCases("", "", "", "");
  EXPECT_TRUE(dataSet.IsVarsToCases());
  dataSet.GetVarsToCasesNames(summary, index, low, high);
  EXPECT_EQ(Text(summary, index, low, high), "#SUMMARY #INDEX #LOW #HIGH");

  dataSet.SetVarsToCases("Wert", "", "unten", "");
  ASSERT_TRUE(dataSet.GetLowHighNames(low, high));
  EXPECT_EQ(low.toUTF8() + " " + high.toUTF8(), "unten #HIGH");
}

TEST(GGraphDataSet, ADataSetNotReadHasNoTables) {
  GGraphDataSet dataSet(nullptr, nullptr);
  EXPECT_FALSE(dataSet.containsSplits());
  for (int pass = 0; pass < 2; ++pass) {
    EXPECT_EQ(dataSet.getData(), nullptr);
    EXPECT_EQ(dataSet.getData(), nullptr);
    EXPECT_TRUE(dataSet.getSplitNames().empty());
    EXPECT_TRUE(dataSet.getSplitCategories().empty());
    dataSet.ResetDataCursor();
  }
}

TEST(GGraphDataSet, AHandleThatNamesNoDataSetIsReportedUnlessItIsACsvSource) {
  ModuleSession session("");
  GGraphDataSet csv(nullptr, nullptr);
  csv.SetDataSetHandle("nosuch");
  csv.SetCsvSource();
  EXPECT_EQ(csv.GetDataSource(), nullptr);
  EXPECT_EQ(csv.GetWeightVariableIndex(), -1);
  EXPECT_TRUE(csv.ResolveVariables());

  GGraphDataSet named(nullptr, nullptr);
  named.SetDataSetHandle("nosuch");
  EXPECT_FALSE(named.ResolveVariables());
  EXPECT_EQ(session.Messages(),
            (std::vector<std::pair<int, std::string>>{{3, "The specified VEXA dataset handle nosuch doesn't exist."}}));
}

}  // namespace
