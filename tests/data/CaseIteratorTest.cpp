#include <gtest/gtest.h>

#include <memory>

#include "VEXA_InputCaseIterator.h"
#include "engine/data/DataSourceView.h"
#include "tests/data/DataFiles.h"

namespace {

std::shared_ptr<const CaseData> Load(const DataFiles& files, const std::string& splits, const std::string& csv) {
  std::string path = WritePackage(
      files, "{\"fields\": [{\"name\": \"g\", \"type\": \"string\"}, {\"name\": \"x\", \"type\": \"integer\"}]" + splits + "}",
      csv);
  LoadedData loaded = LoadDataFile(path, path);
  EXPECT_NE(loaded.data, nullptr) << ProblemTexts(loaded);
  return loaded.data;
}

// The cases an iterator delivers, by case number, with "|" for a split stop.
std::string Trace(VEXA_DataSource& source) {
  std::unique_ptr<VEXA_InputCaseIterator> cases(source.CreateCaseIterator(0));
  auto* split = dynamic_cast<ProcDSIterator*>(cases.get());
  std::string trace;
  while (cases->NextCase()) {
    if (split && split->SplitGroupEnd()) {
      EXPECT_EQ(cases->GetObsPointer(1), nullptr);
      trace += "| ";
      continue;
    }
    const OBS* x = cases->GetObsPointer(1);
    EXPECT_EQ(x->number, static_cast<double>(cases->GetCaseNumber() * 10));
    trace += std::to_string(cases->GetCaseNumber()) + " ";
  }
  EXPECT_EQ(cases->NextCase(), 0);
  EXPECT_EQ(cases->GetObsPointer(1), nullptr);
  return trace;
}

TEST(SplitStops, ComeOnceBetweenGroupsAndNeverBeforeTheFirstOrAfterTheLast) {
  struct Case {
    const char* what;
    const char* splits;
    const char* csv;
    const char* trace;
  };
  for (Case c : {Case{"three groups", ",\"splitVariables\": [\"g\"]", "g,x\na,10\na,20\nb,30\nc a long group,40\nc a long group,50\n",
                      "1 2 | 3 | 4 5 "},
                 Case{"unsplit data", "", "g,x\na,10\nb,20\nc,30\n", "1 2 3 "},
                 Case{"one group", ",\"splitVariables\": [\"g\"]", "g,x\na,10\na,20\n", "1 2 "},
                 Case{"one case per group", ",\"splitVariables\": [\"g\"]", "g,x\na,10\nb,20\n", "1 | 2 "},
                 Case{"no cases", ",\"splitVariables\": [\"g\"]", "g,x\n", ""},
                 Case{"two split variables", ",\"splitVariables\": [\"g\", \"x\"]", "g,x\na,10\na,20\n", "1 | 2 "}}) {
    DataFiles files;
    auto data = Load(files, c.splits, c.csv);
    ASSERT_NE(data, nullptr) << c.what;
    DataSourceView procedureData(data, true);
    EXPECT_EQ(Trace(procedureData), c.trace) << c.what;
  }
}

TEST(SplitStops, APlainIteratorDeliversSplitDataAsOneGroup) {
  DataFiles files;
  auto data = Load(files, ",\"splitVariables\": [\"g\"]", "g,x\na,10\nb,20\nb,30\n");
  ASSERT_NE(data, nullptr);
  DataSourceView namedData(data, false);
  EXPECT_EQ(namedData.GetSplitVarCount(), 0);
  std::unique_ptr<VEXA_InputCaseIterator> cases(namedData.CreateCaseIterator(0));
  EXPECT_EQ(dynamic_cast<ProcDSIterator*>(cases.get()), nullptr);
  EXPECT_EQ(Trace(namedData), "1 2 3 ");
}

TEST(CaseIterator, PointsIntoTheColumns) {
  DataFiles files;
  auto data = Load(files, "", "g,x\nabcdefghij,10\nk,20\n");
  ASSERT_NE(data, nullptr);
  DataSourceView source(data, true);
  std::unique_ptr<VEXA_InputCaseIterator> cases(source.CreateCaseIterator(0));
  ASSERT_TRUE(cases->NextCase());
  ASSERT_TRUE(cases->NextCase());
  EXPECT_EQ(cases->GetObsPointer(0), source.GetColumnCells(0) + 2);  // two cells per case
  EXPECT_EQ(cases->GetObsPointer(1), source.GetColumnCells(1) + 1);
  EXPECT_EQ(std::string(cases->GetObsPointer(0)->text, 16), "k" + std::string(15, ' '));
  EXPECT_EQ(cases->GetObsPointer(2), nullptr);
  EXPECT_EQ(source.GetCaseCount(), 2);
}

}  // namespace
