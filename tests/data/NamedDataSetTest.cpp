#include <gtest/gtest.h>

#include <memory>

#include "ProcedureDataSource.h"
#include "UserCaseFileSpec.h"
#include "UserInputCaseFile.h"
#include "VEXA_InputCaseIterator.h"
#include "currencyFormat.h"
#include "engine/output/OutputDocument.h"
#include "engine/session/EngineSession.h"
#include "tests/data/DataFiles.h"

namespace {

// A session started with --data and --dataset options.
class DataSession {
 public:
  DataSession(std::string data, std::vector<std::pair<std::string, std::string>> dataSets) {
    EngineOptions options;
    options.dataPath = std::move(data);
    options.dataSets = std::move(dataSets);
    session_ = std::make_unique<EngineSession>(options, output_);
  }
  OutputDocument& Output() { return output_; }

 private:
  OutputDocument output_;
  std::unique_ptr<EngineSession> session_;
};

TEST(NamedDataSets, HandlesNameTheWorkingDataAndEveryDataSet) {
  DataFiles files;
  std::string working = files.Write("working.csv", "a,b\n1,2\n");
  std::string other = files.Write("other.csv", "c\nx\ny\nz\n");
  DataSession session(working, {{"Other", other}});
  UserCaseFileSpec spec;
  EXPECT_TRUE(spec.Init("*", false, false));
  EXPECT_TRUE(spec.IsWorkingFile());
  EXPECT_TRUE(spec.Init("other", false, false));
  EXPECT_FALSE(spec.IsWorkingFile());
  EXPECT_FALSE(spec.Init("missing", false, false));

  ASSERT_TRUE(spec.Init("OTHER", false, false));
  UserInputCaseFile file(spec, nullptr);
  VEXA_DataSource* source = file.DataSource();
  ASSERT_NE(source, nullptr);
  EXPECT_EQ(source->ColumnCount(), 1);
  EXPECT_EQ(source->GetCaseCount(), 3);
  std::unique_ptr<VEXA_InputCaseIterator> cases(source->CreateCaseIterator(0));
  EXPECT_EQ(dynamic_cast<ProcDSIterator*>(cases.get()), nullptr);

  ProcedureDataSource procedureData;
  EXPECT_FALSE(procedureData.FatalError());
  EXPECT_EQ(procedureData.ColumnCount(), 2);
  std::unique_ptr<VEXA_InputCaseIterator> procedureCases(procedureData.CreateCaseIterator(0));
  EXPECT_NE(dynamic_cast<ProcDSIterator*>(procedureCases.get()), nullptr);
  EXPECT_EQ(session.Output().ErrorCount(), 0);
}

TEST(NamedDataSets, AnUnusableDataSetOpensToNothingWithItsError) {
  DataFiles files;
  std::string broken = files.Write("broken.csv", "a,b\n1,2,3\n");
  DataSession session("", {{"broken", broken}});
  UserCaseFileSpec spec;
  ASSERT_TRUE(spec.Init("broken", false, false));
  UserInputCaseFile file(spec, nullptr);
  EXPECT_EQ(file.DataSource(), nullptr);
  EXPECT_EQ(session.Output().ErrorCount(), 1);
}

TEST(WorkingData, ThatCannotBeUsedIsAFatalErrorForEveryProcedure) {
  DataFiles files;
  std::string broken = files.Write("broken.csv", "a,b\n1,\"2\n");
  DataSession session(broken, {});
  for (int procedure = 1; procedure <= 2; ++procedure) {
    ProcedureDataSource procedureData;
    EXPECT_TRUE(procedureData.FatalError());
    EXPECT_EQ(procedureData.ColumnCount(), 0);
    EXPECT_EQ(session.Output().ErrorCount(), procedure);
  }
}

TEST(WorkingData, WithoutDataProceduresSeeAnEmptyDataSource) {
  DataSession session("", {});
  ProcedureDataSource procedureData;
  EXPECT_FALSE(procedureData.FatalError());
  EXPECT_EQ(procedureData.ColumnCount(), 0);
  std::unique_ptr<VEXA_InputCaseIterator> cases(procedureData.CreateCaseIterator(0));
  EXPECT_EQ(cases->NextCase(), 0);
  EXPECT_EQ(session.Output().ErrorCount() + session.Output().WarningCount(), 0);
  EXPECT_EQ(currencyFormat::GetCCX(0).prefix, "");
}

TEST(WorkingData, WarningsAreReportedOnceAndCurrenciesComeFromItsDictionary) {
  DataFiles files;
  std::string path = WritePackage(files, R"({"fields": [{"name": "x", "type": "number", "displayFormat": "CCA8.2"}],
    "customCurrencies": {"CCA": {"prefix": "kr ", "suffix": ""}}})", "x\n1\nnone\n");
  DataSession session(path, {});
  for (int procedure = 0; procedure < 2; ++procedure) {
    ProcedureDataSource procedureData;
    EXPECT_FALSE(procedureData.FatalError());
  }
  EXPECT_EQ(session.Output().WarningCount(), 1);
  EXPECT_EQ(currencyFormat::GetCCX(0).prefix, "kr ");
  EXPECT_EQ(currencyFormat::GetCCX(5).prefix, "");
}

}  // namespace
