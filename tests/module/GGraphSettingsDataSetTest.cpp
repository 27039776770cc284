#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "command/GGraphSettings.h"
#include "data/GGraphDataSet.h"
#include "model/GGraphStatistic.h"
#include "model/GGraphVariable.h"
#include "model/VariableResolver.h"
#include "tests/support/ModuleSession.h"
#include "tests/support/TestProcedureData.h"

namespace {

class SettingsDataSets : public ::testing::Test {
 protected:
  SettingsDataSets() : session("") {
    data.data.AddNumeric("a");
    data.data.AddNumeric("w");
  }

  // A data set of the working data, with one summary function when one is named.
  GGraphDataSet* Make(const std::string& name, const std::string& function = "") {
    auto* dataSet = new GGraphDataSet(&data, nullptr);
    dataSet->SetDataSetHandle("*");
    if (!name.empty()) dataSet->SetSourceName(name);
    if (!function.empty()) dataSet->AddStatistic(new GGraphStatistic(function, nullptr));
    return dataSet;
  }

  static std::string Names(const GGraphSettings::DataSetList& list) {
    std::string out;
    for (const auto& dataSet : list) out += (out.empty() ? "" : " ") + dataSet->GetSourceName();
    return out;
  }

  static std::string Variables(const GGraphDataSet& dataSet) {
    std::string out;
    for (const auto& variable : dataSet.GetVariables()) out += (out.empty() ? "" : " ") + variable->GetVariableName();
    return out;
  }

  ModuleSession session;
  TestProcedureData data;
  GGraphSettings settings;
};

struct Added {
  const char* name;
  const char* function;
};

struct NamingCase {
  std::vector<Added> added;
  const char* aggregated;
  const char* unaggregated;
};

class DataSetNaming : public SettingsDataSets, public ::testing::WithParamInterface<NamingCase> {};

TEST_P(DataSetNaming, NamesReplacesAndFilesDataSets) {
  for (const Added& added : GetParam().added) settings.AddDataSet(Make(added.name, added.function));
  EXPECT_EQ(Names(settings.GetAggregatedDataSets()), GetParam().aggregated);
  EXPECT_EQ(Names(settings.GetUnaggregatedDataSets()), GetParam().unaggregated);
  EXPECT_EQ(settings.GetDataSetCount(),
            static_cast<int>(settings.GetAggregatedDataSets().size() + settings.GetUnaggregatedDataSets().size()));
}

INSTANTIATE_TEST_SUITE_P(Sequences, DataSetNaming,
                         ::testing::Values(
                             // The number is that of the data sets held, in both lists.
                             NamingCase{{{"", ""}, {"", "MEAN"}, {"", ""}}, "source1", "source0 source2"},
                             NamingCase{{{"g", ""}, {"", ""}, {"", "COUNT"}}, "source2", "g source1"},
                             // A generated name replaces a user's, also from the other list.
                             NamingCase{{{"source1", ""}, {"", "COUNT"}}, "source1", ""},
                             NamingCase{
                                 {{"", ""}, {"", ""}, {"source0", "SUM"}, {"", ""}}, "source0", "source1 source2"},
                             // Names are compared exactly.
                             NamingCase{{{"g", "MEAN"}, {"G", ""}, {"g", ""}}, "", "G g"}));

struct SystemVariableCase {
  const char* function;
  int weight;
  bool aggregated;
  const char* variables;
};

class SystemVariables : public SettingsDataSets, public ::testing::WithParamInterface<SystemVariableCase> {};

TEST_P(SystemVariables, GoOnlyToUnaggregatedDataSets) {
  const SystemVariableCase& c = GetParam();
  data.data.SetWeight(c.weight);
  GGraphDataSet* dataSet = Make("g", c.function);
  settings.AddDataSet(dataSet);
  EXPECT_EQ(settings.GetAggregatedDataSets().size(), c.aggregated ? 1u : 0u);
  EXPECT_EQ(Variables(*dataSet), c.variables);
  for (const auto& variable : dataSet->GetVariables()) {
    if (variable->IsWeight()) {
      EXPECT_EQ(variable->GetResolver()->getVariableIndex(), c.weight);
    } else {
      EXPECT_TRUE(variable->IsCaseNumber());
      EXPECT_EQ(variable->GetResolver(), nullptr);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Weights, SystemVariables,
                         ::testing::Values(SystemVariableCase{"", -1, false, "$CASENUM"},
                                           SystemVariableCase{"", 1, false, "$CASENUM $WEIGHT"},
                                           SystemVariableCase{"CASEVALUE", 1, false, "$CASENUM $WEIGHT"},
                                           SystemVariableCase{"MEAN", 1, true, ""},
                                           SystemVariableCase{"COUNT", -1, true, ""}));

TEST_F(SettingsDataSets, AWeightThatDoesNotResolveIsLeftOut) {
  data.data.SetWeight(-2);
  GGraphDataSet* dataSet = Make("g");
  settings.AddDataSet(dataSet);
  EXPECT_EQ(Variables(*dataSet), "$CASENUM");
}

}  // namespace
