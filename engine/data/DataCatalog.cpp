#include "engine/data/DataCatalog.h"

#include "BpObject.h"
#include "engine/data/LazyCsvColumns.h"
#include "engine/data/VariableNames.h"
#include "engine/session/EngineSession.h"

namespace {

constexpr int kShow = 2;

void Report(const DataProblems& problems, int level) {
  for (const DataProblems::Problem& problem : problems.All())
    if (problem.level == level) BpError(BpString(problem.text, false), kShow, level);
}

// The columns of the data set that have the given names.
std::vector<int> ColumnsNamed(const CaseData& data, const std::vector<std::string>& names) {
  std::vector<int> columns;
  for (const std::string& name : names)
    if (int column = data.dictionary.Find(name); column >= 0) columns.push_back(column);
  return columns;
}

std::vector<int> AllColumns(const CaseData& data) {
  std::vector<int> columns(static_cast<std::size_t>(data.dictionary.VariableCount()));
  for (std::size_t c = 0; c < columns.size(); ++c) columns[c] = static_cast<int>(c);
  return columns;
}

void ReportLaterPass(const DataProblems& problems) {
  Report(problems, DataProblems::kWarning);
  Report(problems, DataProblems::kError);
}

}  // namespace

DataCatalog::DataCatalog(std::string workingPath, const std::vector<std::pair<std::string, std::string>>& dataSets,
                         CsvReadOptions readOptions)
    : readOptions_(readOptions) {
  working_.path = std::move(workingPath);
  for (const auto& [name, path] : dataSets) named_.emplace_back(name, Entry{path, false, {}});
}

DataCatalog::~DataCatalog() = default;

DataCatalog::Opened DataCatalog::Open(Entry& entry, const CsvReadOptions& options) {
  if (!entry.loaded) {
    entry.result = LoadDataFile(entry.path, entry.path, options);
    if (entry.result.data && entry.result.data->lazy) entry.result.data->lazy->SetReporter(ReportLaterPass);
    entry.loaded = true;
    // The run's outputs are refused by the session when it ends.
    if (EngineSession* session = EngineSession::Current())
      for (const std::string& file : entry.result.files) session->IsOutputOfTheRun(file);
    Report(entry.result.problems, DataProblems::kWarning);
  }
  if (!entry.result.data) {
    Report(entry.result.problems, DataProblems::kError);
    return Opened{nullptr, true};
  }
  return Opened{entry.result.data, false};
}

DataCatalog::Opened DataCatalog::OpenWorkingData(const std::optional<std::vector<std::string>>& readFirst) {
  if (working_.path.empty()) return Opened{};
  bool loadedBefore = working_.loaded;
  CsvReadOptions options = readOptions_;
  options.lazy = readFirst.has_value();
  if (readFirst) options.readFirst = *readFirst;
  Opened opened = Open(working_, options);
  if (loadedBefore && opened.data)
    opened.data->Know(readFirst ? ColumnsNamed(*opened.data, *readFirst) : AllColumns(*opened.data));
  return opened;
}

DataCatalog::Entry* DataCatalog::FindDataSet(const std::string& name) {
  for (auto& [known, entry] : named_)
    if (SameName(known, name)) return &entry;
  return nullptr;
}

bool DataCatalog::HasDataSet(const std::string& name) const {
  for (const auto& [known, entry] : named_)
    if (SameName(known, name)) return true;
  return false;
}

DataCatalog::Opened DataCatalog::OpenDataSet(const std::string& name) {
  Entry* entry = FindDataSet(name);
  return entry ? Open(*entry, readOptions_) : Opened{};
}
