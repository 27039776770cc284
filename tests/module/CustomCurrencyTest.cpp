#include <gtest/gtest.h>

#include "ProcedureDataSource.h"
#include "model/GGraphStatistic.h"
#include "tests/data/DataFiles.h"
#include "tests/support/ModuleSession.h"

namespace {

// Custom currencies belong to the working data's dictionary.
TEST(CustomCurrency, ValueAndSummaryResultsTakeTheCurrencysAffixes) {
  DataFiles files;
  EngineOptions options;
  options.dataPath = WritePackage(files, R"({"fields": [{"name": "x", "type": "number", "displayFormat": "CCB8.2"}],
    "customCurrencies": {"CCB": {"prefix": "EUR ", "suffix": " net"}}})",
                                  "x\n1\n");
  ModuleSession session("GGRAPH.", options);
  ProcedureDataSource data;

  struct Case {
    const char* function;
    int decimals;
    const char* prefix;
    const char* suffix;
  };
  for (const Case& c :
       {Case{"MEAN", 2, "EUR ", " net"}, Case{"STDDEV", 3, "EUR ", " net"}, Case{"CASEVALUE", 2, "EUR ", " net"},
        Case{"VARIANCE", 3, "", ""}, Case{"PLT", 1, "", "%"}, Case{"NGE", 0, "", ""}}) {
    GGraphStatistic statistic(c.function, nullptr);
    statistic.SetMainParameter("x", 0);
    ASSERT_TRUE(statistic.ResolveVariableParameter(&data)) << c.function;
    EXPECT_EQ(statistic.GetResultDecimals(), c.decimals) << c.function;
    EXPECT_EQ(statistic.GetResultPrefix().toUTF8(), c.prefix) << c.function;
    EXPECT_EQ(statistic.GetResultSuffix().toUTF8(), c.suffix) << c.function;
  }
}

}  // namespace
