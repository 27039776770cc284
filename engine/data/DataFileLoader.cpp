#include "engine/data/DataFileLoader.h"

#include <filesystem>

#include "engine/data/CsvColumnReading.h"
#include "engine/data/CsvSniffer.h"
#include "engine/data/DataPackageReader.h"
#include "engine/data/LazyCsvColumns.h"
#include "engine/data/PlainCsvPlan.h"
#include "engine/data/Utf8FileCopy.h"
#include "engine/data/VariableNames.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kPackageFile = "datapackage.json";

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

// The columns a lazy load parses at once: those named in readFirst, the
// weight and the split variables; every column when the load is not lazy.
std::vector<bool> ColumnsReadAtLoad(const DataPlan& plan, const CsvReadOptions& options) {
  std::vector<bool> wanted(plan.variables.size(), !options.lazy);
  auto mark = [&](int column) {
    if (column >= 0 && column < static_cast<int>(wanted.size())) wanted[static_cast<std::size_t>(column)] = true;
  };
  for (const std::string& name : options.readFirst)
    for (std::size_t c = 0; c < plan.variables.size(); ++c)
      if (SameName(plan.variables[c].definition.name, name)) mark(static_cast<int>(c));
  mark(plan.weight);
  for (int split : plan.splits) mark(split);
  return wanted;
}

// The memory the marked columns take when kept: strings as wide as their
// first rows suggest.
std::size_t BytesToKeep(const DataPlan& plan, const std::vector<bool>& wanted, long rows) {
  std::size_t cells = 0;
  for (std::size_t c = 0; c < wanted.size(); ++c)
    if (wanted[c])
      cells += plan.table.fields[c].kind == FieldKind::kString
                   ? static_cast<std::size_t>(ObsCellsForWidth(UnreadStringWidth(plan.table.fields[c])))
                   : 1;
  return cells * static_cast<std::size_t>(rows) * sizeof(OBS);
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
  // A file in another encoding is read from its UTF-8 copy; the reader keeps
  // the copy open, so lazy reads still find it after the copy is removed.
  Utf8FileCopy converted;
  const std::string& encoding = plan.table.dialect.encoding;
  if (!encoding.empty() && !converted.Make(plan.table.path, encoding, plan.table.shownName, loaded.problems))
    return loaded;
  auto file = std::make_unique<FileReader>(encoding.empty() ? plan.table.path : converted.Path());
  if (!file->IsOpen()) {
    loaded.problems.Error(plan.table.shownName, "the file cannot be read: " + file->Error());
    return loaded;
  }
  if (!package && !SniffCsvDialect(*file, plan.table.shownName, options.delimiter, &plan.table.dialect, loaded.problems))
    return loaded;
  CsvHeader header;
  if (!ReadCsvHeader(*file, plan.table.shownName, plan.table.dialect, &header, loaded.problems)) return loaded;
  bool planned = package ? CheckHeader(plan, header, loaded.problems) : PlanPlainCsv(*file, header, &plan, loaded.problems);
  if (!planned) return loaded;
  CsvRowMap map;
  if (!MapCsvTable(*file, plan.table, header, options, &map, loaded.problems)) return loaded;
  std::vector<bool> wanted = ColumnsReadAtLoad(plan, options);
  bool keep = !options.lazy || BytesToKeep(plan, wanted, map.rows) <= options.keepBytes;
  CsvColumns columns;
  if (!ReadColumnsOfKinds(*file, &plan, map, wanted, options, !package, keep, &columns, loaded.problems)) return loaded;
  DataPlan unread = options.lazy ? plan : DataPlan{};
  std::vector<LazyCsvColumns::State> states;
  for (bool read : wanted)
    states.push_back(!read ? LazyCsvColumns::kUnread : keep ? LazyCsvColumns::kKept : LazyCsvColumns::kKnown);
  std::vector<int> stringWidths = columns.stringWidths;
  std::shared_ptr<CaseData> data = BuildCaseData(std::move(plan), std::move(columns));
  if (options.lazy) {
    data->lazy = std::make_shared<LazyCsvColumns>(std::move(file), std::move(unread), std::move(map), options, !package,
                                                  std::move(states), std::move(stringWidths));
    data->Need(data->dictionary.Splits());  // split groups compare a case with the next one
  }
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
