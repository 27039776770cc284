#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "BpProcedure.h"
#include "ProcedureDataSource.h"
#include "driver/BinningTable.h"
#include "model/GGraphVariable.h"
#include "model/VariableResolver.h"
#include "tests/data/DataFiles.h"
#include "tests/support/ModuleSession.h"

namespace {

// x: 0, 5, 10 and a system-missing value; same: all 3; none: no valid value;
// miss: 9 is user-missing; name: a string; grp splits the file after case 2.
const char* kSchema = R"({"fields": [
  {"name": "x", "type": "number"}, {"name": "same", "type": "number"}, {"name": "none", "type": "number"},
  {"name": "miss", "type": "number", "missingValues": [{"value": "9"}]},
  {"name": "name", "type": "string", "width": 4}, {"name": "grp", "type": "integer"}]%s})";
const char* kCases = "x,same,none,miss,name,grp\n0,3,,9,a,1\n5,3,,1,b,1\n10,3,,,c,2\n,3,,1,d,2\n";

std::string Schema(const std::string& extra) {
  std::string schema = kSchema;
  return schema.replace(schema.find("%s"), 2, extra);
}

// Bins one variable of the working data inside a procedure and gives the
// procedure's output items.
class Binning {
 public:
  explicit Binning(const std::string& schemaExtra = "") {
    options_.dataPath = WritePackage(files_, Schema(schemaExtra), kCases);
  }

  std::vector<nlohmann::json> Items(GGraphVariable& variable, std::int32_t binCount) {
    ModuleSession session("GGRAPH.", options_);
    {
      ProcedureDataSource data;
      BpProcedure procedure("GGraph", 2);
      if (VariableResolver* resolver = variable.GetResolver()) {
        EXPECT_TRUE(resolver->resolveVariable(&data, resolvedName_));
      }
      WriteBinningTable(procedure, data, variable, binCount);
    }
    const nlohmann::json document = session.Document();
    for (const auto& item : document["items"])
      if (item["type"] == "procedure") return item["items"].get<std::vector<nlohmann::json>>();
    ADD_FAILURE() << "no procedure output";
    return {};
  }

  std::vector<nlohmann::json> Items(const std::string& name, std::int32_t binCount) {
    resolvedName_ = name;
    GGraphVariable variable(new VariableResolver);
    return Items(variable, binCount);
  }

  void Resolve(const std::string& name) { resolvedName_ = name; }

 private:
  DataFiles files_;
  EngineOptions options_;
  std::string resolvedName_;
};

// Each row as "label=cell".
std::vector<std::string> Rows(const nlohmann::json& table) {
  std::vector<std::string> rows;
  for (const auto& row : table["rows"]) {
    const auto& cell = row["cells"][0];
    rows.push_back(row["label"].get<std::string>() + "=" +
                   (cell.is_number() ? nlohmann::json(cell.get<double>()).dump() : cell.get<std::string>()));
  }
  return rows;
}

TEST(BinningTable, DividesTheRangeIntoEqualBinsAndCountsTheValues) {
  struct Case {
    const char* variable;
    std::int32_t bins;
    std::vector<std::string> rows;
  };
  for (const Case& c : {
           // The width is a little over range / n so that the maximum lands in the last bin.
           Case{"x", 2, {"min=0.0", "max=10.0", "width=5.025", "numBins=2.0", "0=2.0", "1=1.0"}},
           Case{"x", 1, {"min=0.0", "max=10.0", "width=10.1", "numBins=1.0", "0=3.0"}},
           Case{"same", 5, {"min=3.0", "max=3.0", "width=0.0", "numBins=1.0", "0=4.0"}},
           Case{"none", 5, {"min=0.0", "max=0.0", "width=0.0", "numBins=1.0", "0=0.0"}},
           // User-missing values are binned like any other.
           Case{"miss", 2, {"min=1.0", "max=9.0", "width=4.03125", "numBins=2.0", "0=2.0", "1=1.0"}},
       }) {
    Binning binning;
    auto items = binning.Items(c.variable, c.bins);
    ASSERT_EQ(items.size(), 1u) << c.variable;
    EXPECT_EQ(items[0]["type"], "table");
    EXPECT_EQ(items[0]["title"], c.variable);
    EXPECT_EQ(items[0]["name"], "Bins");
    EXPECT_EQ(items[0]["dimensions"], nlohmann::json::array({"Bin"}));
    EXPECT_EQ(Rows(items[0]), c.rows) << c.variable << " into " << c.bins;
  }
}

TEST(BinningTable, WritesNothingForStringsAndTheCaseNumber) {
  Binning binning;
  EXPECT_TRUE(binning.Items("name", 2).empty());
  GGraphVariable caseNumber(SYSVAR_CASENUM, nullptr);
  EXPECT_TRUE(binning.Items(caseNumber, 2).empty());
}

TEST(BinningTable, CoversEverySplitGroupInOneTableAndMarksEachGroupEnd) {
  Binning binning(R"(, "splitVariables": ["grp"])");
  auto items = binning.Items("x", 2);
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[0]["type"], "splitChange");
  EXPECT_EQ(Rows(items[1]), (std::vector<std::string>{"min=0.0", "max=10.0", "width=5.025", "numBins=2.0", "0=2.0",
                                                      "1=1.0"}));
}

TEST(BinningTable, BinsTheWeightVariable) {
  Binning binning(R"(, "weightVariable": "grp")");
  binning.Resolve("grp");
  GGraphVariable weight(SYSVAR_WEIGHT, new VariableResolver);
  auto items = binning.Items(weight, 2);
  ASSERT_EQ(items.size(), 1u);
  EXPECT_EQ(items[0]["title"], "grp");
  EXPECT_EQ(Rows(items[0]), (std::vector<std::string>{"min=1.0", "max=2.0", "width=0.75", "numBins=2.0", "0=2.0",
                                                      "1=2.0"}));
}

}  // namespace
