#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "XGraphService.h"
#include "chartlib/document/DocumentState.h"
#include "data/GGraphDataSet.h"
#include "model/GGraphVariable.h"
#include "model/VariableResolver.h"
#include "service/ServiceVariables.h"
#include "tests/support/TestProcedureData.h"

namespace {

using Handed = std::vector<std::pair<std::string, int>>;

class ServiceVariables : public ::testing::Test {
 protected:
  ServiceVariables() : dataSet_(&data_, nullptr) {
    data_.data.AddNumeric("a");
    data_.data.AddNumeric("b");
    data_.data.AddNumeric("c");
    data_.data.AddSet({"$bc", VariableSet::kCategories, "Both", {"b", "c"}, ""});
  }

  void Add(const std::string& name) {
    auto* resolver = new VariableResolver;
    ASSERT_TRUE(resolver->resolveVariable(&data_, name)) << name;
    dataSet_.AddVariable(new GGraphVariable(resolver));
  }

  // The variables one document of a split group is given.
  Handed HandOver(int& lastSingleIndex) {
    XGraphService service;
    service.createDocument("g");
    AddServiceVariables(service, dataSet_, lastSingleIndex);
    return service.State().service.variables;
  }

  TestProcedureData data_;
  GGraphDataSet dataSet_;
};

TEST_F(ServiceVariables, ASetTakesTheIndexOfTheLastSingleVariableBeforeIt) {
  Add("$bc");
  Add("c");
  dataSet_.AddVariable(new GGraphVariable(SYSVAR_CASENUM, nullptr));
  Add("$bc");
  Add("a");
  int lastSingleIndex = kNoSingleIndex;
  EXPECT_EQ(HandOver(lastSingleIndex), (Handed{{"", kNoSingleIndex}, {"c", 2}, {"", 2}, {"a", 0}}));
  // The next split group's document goes on from the last single variable of the spec.
  EXPECT_EQ(HandOver(lastSingleIndex), (Handed{{"", 0}, {"c", 2}, {"", 2}, {"a", 0}}));
}

}  // namespace
