#include "engine/data/DataFileLoader.h"

#include <filesystem>

#include "engine/data/CsvSniffer.h"
#include "engine/data/DataPackageReader.h"
#include "engine/data/NotFiniteWarning.h"
#include "engine/data/PlainCsvPlan.h"
#include "engine/data/Utf8FileCopy.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kPackageFile = "datapackage.json";

struct KindWord {
  FieldKind kind;
  const char* values;
};
constexpr KindWord kKindWords[] = {
    {FieldKind::kNumber, "numbers"},
    {FieldKind::kInteger, "whole numbers"},
    {FieldKind::kDate, "dates (yyyy-mm-dd)"},
    {FieldKind::kDateTime, "date-times (yyyy-mm-ddThh:mm:ss)"},
    {FieldKind::kTime, "times (hh:mm:ss)"},
};

const char* ValuesOfKind(FieldKind kind) {
  for (const KindWord& entry : kKindWords)
    if (entry.kind == kind) return entry.values;
  return "values";
}

bool IsPackage(const std::string& path, std::string* packagePath, std::string* shownPackage,
               const std::string& shownName) {
  std::error_code error;
  if (fs::is_directory(path, error)) {
    *packagePath = (fs::path(path) / kPackageFile).string();
    *shownPackage = (fs::path(shownName) / kPackageFile).string();
    return true;
  }
  *packagePath = path;
  *shownPackage = shownName;
  return fs::path(path).extension() == ".json";
}

// Names each header cell that differs from the dictionary's field.
bool CheckHeader(const DataPlan& plan, const CsvHeader& header, DataProblems& problems) {
  if (!plan.table.dialect.header) return true;
  const std::string& shown = plan.table.shownName;
  if (header.names.size() != plan.variables.size()) {
    problems.Error(DataProblems::Where(shown, 1, 0), "the header has " + std::to_string(header.names.size()) +
                                                         " fields, the table schema " +
                                                         std::to_string(plan.variables.size()));
    return false;
  }
  for (std::size_t c = 0; c < header.names.size(); ++c)
    if (header.names[c] != plan.variables[c].definition.name)
      problems.Error(DataProblems::Where(shown, 1, static_cast<long>(c) + 1),
                     "the header names '" + header.names[c] + "' where the table schema has the field '" +
                         plan.variables[c].definition.name + "'");
  return !problems.HasErrors();
}

// One warning per column whose cells were not all values of its kind.
void WarnAboutBadCells(const DataPlan& plan, const CsvColumns& columns, DataProblems& problems) {
  for (std::size_t c = 0; c < columns.stats.size(); ++c) {
    const ColumnStats& stats = columns.stats[c];
    if (stats.badCells == 0) continue;
    problems.Warning(DataProblems::Where(plan.table.shownName, stats.firstBadLine, static_cast<long>(c) + 1),
                     "the variable " + plan.variables[c].definition.name + " has " + std::to_string(stats.badCells) +
                         " cell(s) that are not " + ValuesOfKind(plan.table.fields[c].kind) + ", the first '" +
                         stats.firstBadText + "'; they are system-missing");
  }
}

// A plain column that would be numeric but for some cells is read as text;
// the user is told which cells made it so.
void WarnAboutColumnsReadAsText(const DataPlan& plan, const std::vector<ColumnStats>& stats, DataProblems& problems) {
  for (std::size_t c = 0; c < stats.size(); ++c) {
    if (plan.table.fields[c].kind == FieldKind::kString || stats[c].badCells == 0) continue;
    problems.Warning(DataProblems::Where(plan.table.shownName, stats[c].firstBadLine, static_cast<long>(c) + 1),
                     "the variable " + plan.variables[c].definition.name + " is read as text: " +
                         std::to_string(stats[c].badCells) + " value(s) are not numbers, the first '" +
                         stats[c].firstBadText + "'");
  }
}

LoadedData Load(const std::string& path, const std::string& shownName, const CsvReadOptions& options) {
  LoadedData loaded;
  DataPlan plan;
  std::string packagePath, shownPackage;
  bool package = IsPackage(path, &packagePath, &shownPackage, shownName);
  if (package) loaded.files.push_back(packagePath);
  if (package && !ReadDataPackage(packagePath, shownPackage, &plan, loaded.problems)) return loaded;
  if (!package) plan.table = CsvTable{path, shownName, {}, {}};
  loaded.files.push_back(plan.table.path);
  Utf8FileCopy converted;  // the file read, when it is not UTF-8
  const std::string& encoding = plan.table.dialect.encoding;
  if (!encoding.empty() && !converted.Make(plan.table.path, encoding, plan.table.shownName, loaded.problems))
    return loaded;
  FileReader file(encoding.empty() ? plan.table.path : converted.Path());
  if (!file.IsOpen()) {
    loaded.problems.Error(plan.table.shownName, "the file cannot be read: " + file.Error());
    return loaded;
  }
  if (!package && !SniffCsvDialect(file, plan.table.shownName, options.delimiter, &plan.table.dialect, loaded.problems)) return loaded;
  CsvHeader header;
  if (!ReadCsvHeader(file, plan.table.shownName, plan.table.dialect, &header, loaded.problems)) return loaded;
  bool planned = package ? CheckHeader(plan, header, loaded.problems) : PlanPlainCsv(file, header, &plan, loaded.problems);
  if (!planned) return loaded;
  CsvColumns columns;
  if (!ReadCsvTable(file, plan.table, header, options, &columns, loaded.problems)) return loaded;
  if (!package) WarnAboutColumnsReadAsText(plan, columns.stats, loaded.problems);
  if (!package && DemoteColumnsWithText(columns.stats, &plan)) {
    columns = CsvColumns{};
    if (!ReadCsvTable(file, plan.table, header, options, &columns, loaded.problems)) return loaded;
  }
  WarnAboutBadCells(plan, columns, loaded.problems);
  WarnAboutNotFiniteNumbers(plan, columns.stats, loaded.problems);
  std::shared_ptr<CaseData> data = BuildCaseData(std::move(plan), std::move(columns));
  data->file = shownName;
  loaded.data = std::move(data);
  return loaded;
}

}  // namespace

LoadedData LoadDataFile(const std::string& path, const std::string& shownName, const CsvReadOptions& options) {
  try {
    return Load(path, shownName, options);
  } catch (const std::bad_alloc&) {
    LoadedData failed;
    failed.problems.Error(shownName, "the data do not fit in memory");
    return failed;
  }
}
