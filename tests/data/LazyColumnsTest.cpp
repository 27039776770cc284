#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "ProcedureDataSource.h"
#include "VEXA_InputCaseIterator.h"
#include "engine/data/CaseColumnAccess.h"
#include "engine/data/DataCatalog.h"
#include "engine/data/DataSourceView.h"
#include "engine/data/LazyCsvColumns.h"
#include "engine/data/TextCells.h"
#include "engine/input/CommandInput.h"
#include "engine/output/OutputDocument.h"
#include "engine/session/EngineSession.h"
#include "tests/data/DataFiles.h"

namespace {

// Beyond the rows the kinds are guessed from, so that only a full read of a
// column shows what it holds.
constexpr int kRows = 1500;
constexpr int kLateRow = 1400;

// id: whole numbers; late: numbers until a text cell near the end; note:
// short words with one long one near the end; bad: a declared number with
// text cells (packages only); x: decimals, one empty.
std::string Csv(bool withBad) {
  std::string csv = withBad ? "id,late,note,bad,x\n" : "id,late,note,x\n";
  for (int i = 1; i <= kRows; ++i) {
    csv += std::to_string(i) + "," + (i == kLateRow ? "n/a" : std::to_string(i % 7)) + "," +
           (i == kLateRow ? "a much longer note" : "ab") + ",";
    if (withBad) csv += (i % 100 == 0 ? "oops" : "1") + std::string(",");
    csv += (i == 3 ? "" : std::to_string(i) + ".125") + "\n";
  }
  return csv;
}

std::string CellText(const CaseData& data, int column, long row) {
  const DataVariable* variable = data.dictionary.Variable(column);
  if (!variable->IsString()) return std::to_string(data.Cell(column, row)->number);
  return std::string(TrimmedCellText(data.Cell(column, row), variable->GetType()));
}

CsvReadOptions Lazy(std::vector<std::string> readFirst, std::size_t blockBytes = std::size_t{4} << 20) {
  CsvReadOptions options;
  options.blockBytes = blockBytes;
  options.workers = 2;
  options.lazy = true;
  options.readFirst = std::move(readFirst);
  return options;
}

// A column never asked for is not parsed: its cells are not held and its
// faulty cells raise no warning; the dictionary still names and types it.
TEST(LazyColumns, AColumnNeverReadIsNotParsedAndRaisesNoWarning) {
  DataFiles files;
  std::string path = WritePackage(files,
                                  "{\"fields\": [{\"name\": \"id\", \"type\": \"integer\"}, {\"name\": \"late\", "
                                  "\"type\": \"string\"}, {\"name\": \"note\", \"type\": \"string\"}, {\"name\": "
                                  "\"bad\", \"type\": \"number\"}, {\"name\": \"x\", \"type\": \"number\"}]}",
                                  Csv(true));
  LoadedData lazy = LoadDataFile(path, path, Lazy({"x"}));
  ASSERT_NE(lazy.data, nullptr) << ProblemTexts(lazy);
  EXPECT_EQ(ProblemTexts(lazy), "");
  EXPECT_EQ(lazy.data->caseCount, kRows);
  EXPECT_TRUE(lazy.data->IsRead(4));
  EXPECT_FALSE(lazy.data->IsRead(3));
  EXPECT_EQ(lazy.data->columns[3].size(), 0u);
  EXPECT_STREQ(lazy.data->dictionary.Variable(3)->GetName(), "bad");
  EXPECT_FALSE(lazy.data->dictionary.Variable(3)->IsString());

  std::string later;
  lazy.data->lazy->SetReporter([&](const DataProblems& problems) {
    for (const auto& problem : problems.All()) later += problem.text + "\n";
  });
  lazy.data->Need(3);
  EXPECT_NE(later.find("the variable bad has 15 cell(s) that are not numbers"), std::string::npos) << later;
  EXPECT_EQ(lazy.data->Cell(3, 99)->number, kSysMiss);
  EXPECT_EQ(lazy.data->Cell(3, 98)->number, 1);
}

// A column that is read has exactly the kind, width and format a full load
// gives it, whether it is read at load or on first use, and the same values.
TEST(LazyColumns, AColumnReadGetsTheKindAndFormatOfAFullLoad) {
  DataFiles files;
  std::string path = files.Write("data.csv", Csv(false));
  LoadedData full = LoadDataFile(path, path);
  ASSERT_NE(full.data, nullptr) << ProblemTexts(full);
  const DataDictionary& expected = full.data->dictionary;
  ASSERT_TRUE(expected.Variable(1)->IsString()) << "the late text makes late a string column";
  ASSERT_EQ(expected.Variable(2)->GetType(), 18);

  for (std::size_t blockBytes : {std::size_t{97}, std::size_t{4} << 20}) {
    LoadedData lazy = LoadDataFile(path, path, Lazy({"late", "x"}, blockBytes));
    ASSERT_NE(lazy.data, nullptr) << ProblemTexts(lazy);
    EXPECT_NE(ProblemTexts(lazy).find("the variable late is read as text"), std::string::npos) << ProblemTexts(lazy);
    DataSourceView view(lazy.data, false);
    for (int column = 0; column < expected.VariableCount(); ++column) {
      const VEXA_Variable* variable = view.GetVariable(column);  // reads the column
      EXPECT_EQ(variable->GetType(), expected.Variable(column)->GetType()) << column;
      EXPECT_EQ(variable->GetFormat(), expected.Variable(column)->GetFormat()) << column;
      EXPECT_EQ(variable->GetMeasurementLevel(), expected.Variable(column)->GetMeasurementLevel()) << column;
      for (long row : {0L, 2L, static_cast<long>(kLateRow - 1), static_cast<long>(kRows - 1)})
        EXPECT_EQ(CellText(*lazy.data, column, row), CellText(*full.data, column, row)) << column << " " << row;
    }
  }
}

// An iterator over lazy data reads a column when a case's cell is first
// asked for, and gives the cells a full load gives.
TEST(LazyColumns, AnIteratorReadsAColumnOnFirstUse) {
  DataFiles files;
  std::string path = files.Write("data.csv", Csv(false));
  LoadedData full = LoadDataFile(path, path);
  LoadedData lazy = LoadDataFile(path, path, Lazy({}));
  ASSERT_NE(lazy.data, nullptr) << ProblemTexts(lazy);
  DataSourceView view(lazy.data, false);
  std::unique_ptr<VEXA_InputCaseIterator> cases(view.CreateCaseIterator(0));
  long row = 0;
  while (cases->NextCase()) {
    ASSERT_EQ(cases->GetObsPointer(0)->number, full.data->Cell(0, row)->number);
    ASSERT_EQ(cases->GetObsPointer(3)->number, full.data->Cell(3, row)->number);
    ++row;
  }
  EXPECT_EQ(row, kRows);
  EXPECT_FALSE(lazy.data->IsRead(1));
}

// Columns too large to keep are checked when first used and parsed again,
// chunk by chunk, by each pass over the cases: every pass, split-aware or
// not, sees the cells of a full load across the chunk borders, and the
// dictionary is that of a full load.
TEST(StreamedColumns, APassSeesTheCellsOfAFullLoadAcrossChunks) {
  DataFiles files;
  std::string path = files.Write("data.csv", Csv(false));
  LoadedData full = LoadDataFile(path, path);
  CsvReadOptions options = Lazy({"id", "late", "note"}, 97);
  options.keepBytes = 0;
  options.chunkBlocks = 3;  // about 9 rows a chunk
  LoadedData lazy = LoadDataFile(path, path, options);
  ASSERT_NE(lazy.data, nullptr) << ProblemTexts(lazy);
  EXPECT_NE(ProblemTexts(lazy).find("the variable late is read as text"), std::string::npos) << ProblemTexts(lazy);
  for (bool splitAware : {false, true}) {
    DataSourceView view(lazy.data, splitAware);
    for (int column = 0; column < 4; ++column) {
      EXPECT_EQ(view.GetVariable(column)->GetType(), full.data->dictionary.Variable(column)->GetType()) << column;
      EXPECT_EQ(view.GetVariable(column)->GetFormat(), full.data->dictionary.Variable(column)->GetFormat()) << column;
    }
    std::unique_ptr<VEXA_InputCaseIterator> cases(view.CreateCaseIterator(0));
    long row = 0;
    while (cases->NextCase()) {
      for (int column = 0; column < 4; ++column) {
        const OBS* cell = cases->GetObsPointer(column);
        ASSERT_NE(cell, nullptr) << column << " " << row;
        const DataVariable* variable = full.data->dictionary.Variable(column);
        std::size_t bytes = static_cast<std::size_t>(variable->Cells()) * sizeof(OBS);
        ASSERT_EQ(std::memcmp(cell, full.data->Cell(column, row), bytes), 0) << column << " " << row;
      }
      ++row;
    }
    EXPECT_EQ(row, kRows);
  }
  EXPECT_FALSE(lazy.data->IsRead(0)) << "a streamed column is not kept";
}

// A session over the working data whose commands come from lines.
class CommandSession {
 public:
  explicit CommandSession(std::string data) {
    EngineOptions options;
    options.dataPath = std::move(data);
    session_ = std::make_unique<EngineSession>(options, output_);
  }
  // Opens the working data the way a procedure of the command does.
  std::shared_ptr<const CaseData> OpenFor(const std::string& command) {
    input_ = std::make_unique<CommandInput>(std::vector<std::string>{command});
    input_->NextCommand();
    session_->BindInput(input_.get());
    ProcedureDataSource procedureData;
    EXPECT_FALSE(procedureData.FatalError());
    return session_->Data().LoadedWorkingData();
  }
  OutputDocument& Output() { return output_; }

 private:
  OutputDocument output_;
  std::unique_ptr<EngineSession> session_;
  std::unique_ptr<CommandInput> input_;
};

// A procedure parses the columns its command names when it opens the data;
// a later command naming another column reads that one, with its warning;
// a command that names variables by ALL or TO reads every column.
TEST(LazyColumns, AProcedureReadsTheColumnsItsCommandNames) {
  DataFiles files;
  std::string path = files.Write("data.csv", Csv(false));
  CommandSession session(path);
  std::shared_ptr<const CaseData> data = session.OpenFor("GGRAPH /GRAPHDATASET NAME=\"g\" VARIABLES=id x.");
  ASSERT_NE(data, nullptr);
  EXPECT_TRUE(data->IsRead(0));
  EXPECT_TRUE(data->IsRead(3));
  EXPECT_FALSE(data->IsRead(1));
  EXPECT_EQ(session.Output().WarningCount(), 0);
  data = session.OpenFor("GGRAPH /GRAPHDATASET NAME=\"g\" VARIABLES=late.");
  EXPECT_TRUE(data->IsRead(1));
  EXPECT_TRUE(data->dictionary.Variable(1)->IsString());
  EXPECT_EQ(session.Output().WarningCount(), 1);

  CommandSession everything(path);
  data = everything.OpenFor("GGRAPH /GRAPHDATASET NAME=\"g\" VARIABLES=id TO note.");
  for (int column = 0; column < 4; ++column) EXPECT_TRUE(data->IsRead(column)) << column;
}

// A fault anywhere in the file makes it unusable when it is loaded, even in
// a column that is not read.
TEST(LazyColumns, AFaultInAColumnNotReadStillFailsTheLoad) {
  DataFiles files;
  std::string path = files.Write("data.csv", "a,b\n1,x\n2,\"open\n3,y\n");
  LoadedData lazy = LoadDataFile(path, path, Lazy({"a"}));
  EXPECT_EQ(lazy.data, nullptr);
  EXPECT_NE(ProblemTexts(lazy).find("the quoted value is not closed"), std::string::npos) << ProblemTexts(lazy);
}

}  // namespace
