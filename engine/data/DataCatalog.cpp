#include "engine/data/DataCatalog.h"

#include "BpObject.h"
#include "engine/data/VariableNames.h"
#include "engine/session/EngineSession.h"

namespace {

constexpr int kShow = 2;

void Report(const DataProblems& problems, int level) {
  for (const DataProblems::Problem& problem : problems.All())
    if (problem.level == level) BpError(BpString(problem.text, false), kShow, level);
}

}  // namespace

DataCatalog::DataCatalog(std::string workingPath, const std::vector<std::pair<std::string, std::string>>& dataSets,
                         CsvReadOptions readOptions)
    : readOptions_(readOptions) {
  working_.path = std::move(workingPath);
  for (const auto& [name, path] : dataSets) named_.emplace_back(name, Entry{path, false, {}});
}

DataCatalog::~DataCatalog() = default;

DataCatalog::Opened DataCatalog::Open(Entry& entry) {
  if (!entry.loaded) {
    entry.result = LoadDataFile(entry.path, entry.path, readOptions_);
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

DataCatalog::Opened DataCatalog::OpenWorkingData() {
  if (working_.path.empty()) return Opened{};
  return Open(working_);
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
  return entry ? Open(*entry) : Opened{};
}
