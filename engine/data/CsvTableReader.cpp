#include "engine/data/CsvTableReader.h"

#include <algorithm>
#include <atomic>
#include <cstring>

#include "engine/data/CsvRowMap.h"
#include "engine/data/ParallelBlocks.h"
#include "engine/progress/ProgressLine.h"

namespace {

int CellsFor(const CsvField& field) {
  if (field.kind != FieldKind::kString) return 1;
  return ObsCellsForWidth(field.declaredWidth > 0 ? field.declaredWidth : std::max(1, field.expectedWidth));
}

// Gives a string column more cells per row and stores the values that did
// not fit before.
ObsBuffer WidenColumn(const ObsBuffer& column, int oldCells, int cells, long rows,
                      const std::vector<CsvBlockResult>& results, std::size_t field) {
  ObsBuffer wider(static_cast<std::size_t>(rows * cells));
  for (long r = 0; r < rows; ++r) {
    OBS* to = wider.data() + r * cells;
    std::memset(to, ' ', static_cast<std::size_t>(cells) * sizeof(OBS));
    std::memcpy(to, column.data() + r * oldCells, static_cast<std::size_t>(oldCells) * sizeof(OBS));
  }
  for (const CsvBlockResult& result : results)
    for (const WideText& wide : result.wideTexts[field])
      std::memcpy(wider.data() + wide.row * cells, wide.text.data(), wide.text.size());
  return wider;
}

const CsvFault* EarliestFault(const std::vector<CsvBlockResult>& results) {
  const CsvFault* earliest = nullptr;
  for (const CsvBlockResult& result : results)
    if (result.fault && (!earliest || result.fault->line < earliest->line)) earliest = &*result.fault;
  return earliest;
}

int Workers(const CsvReadOptions& options) { return options.workers > 0 ? options.workers : LoadThreads(); }

}  // namespace

std::size_t ChunkBlocks(const CsvReadOptions& options) {
  return static_cast<std::size_t>(options.chunkBlocks > 0 ? options.chunkBlocks : 4 * Workers(options));
}

bool MapCsvTable(const FileReader& file, const CsvTable& table, const CsvHeader& header, const CsvReadOptions& options,
                 CsvRowMap* map, DataProblems& problems) {
  *map = MapCsvRows(file, header.dataStart, header.dataEnd, header.firstDataLine, table.dialect.quote,
                    options.blockBytes, Workers(options));
  if (map->readFailed) problems.Error(table.shownName, "the file cannot be read");
  return !map->readFailed;
}

bool ReadCsvTable(const FileReader& file, const CsvTable& table, const CsvHeader& header, const CsvReadOptions& options,
                  CsvColumns* out, DataProblems& problems) {
  CsvRowMap map;
  return MapCsvTable(file, table, header, options, &map, problems) &&
         ReadCsvColumns(file, table, map, std::vector<bool>(table.fields.size(), true), options, out, problems);
}

bool ReadCsvColumns(const FileReader& file, const CsvTable& table, const CsvRowMap& map,
                    const std::vector<bool>& wanted, const CsvReadOptions& options, CsvColumns* out,
                    DataProblems& problems, bool values) {
  const int workers = Workers(options);
  const std::size_t fields = table.fields.size();
  out->rows = map.rows;
  out->columns.resize(fields);
  out->read = wanted;
  ColumnTargets targets;
  targets.values = values;
  for (std::size_t c = 0; c < fields; ++c) {
    targets.cells.push_back(CellsFor(table.fields[c]));
    const auto cells = static_cast<std::size_t>(map.rows * targets.cells[c]);
    if (wanted[c] && out->columns[c].size() < cells) out->columns[c] = ObsBuffer(cells);
    targets.columns.push_back(wanted[c] ? out->columns[c].data() : nullptr);
  }
  std::vector<CsvBlockResult> results(map.blocks.size());
  std::vector<std::vector<char>> buffers(static_cast<std::size_t>(workers));
  std::atomic<bool> readFailed{false};
  std::size_t bytes = map.blocks.empty() ? 0 : map.blocks.back().end - map.blocks.front().begin;
  ProgressLine progress("Reading " + table.shownName, static_cast<std::uint64_t>(bytes), ProgressLine::Unit::kBytes);
  ParallelBlocks(map.blocks.size(), workers, [&](std::size_t k, int worker) {
    const CsvBlock& block = map.blocks[k];
    long rows = (k + 1 < map.blocks.size() ? map.blocks[k + 1].firstRow : map.rows) - block.firstRow;
    const std::size_t size = block.end - block.begin;
    const char* text = file.Bytes(block.begin, size, buffers[static_cast<std::size_t>(worker)]);
    if (!text) {
      readFailed = true;
      return;
    }
    results[k] = ParseCsvBlock(table, text, text + size, block, rows, targets);
    file.Release(block.begin, size);
    progress.Advance(static_cast<std::uint64_t>(block.end - block.begin));
  });
  if (readFailed) {
    problems.Error(table.shownName, "the file cannot be read");
    return false;
  }
  if (const CsvFault* fault = EarliestFault(results)) {
    problems.Error(DataProblems::Where(table.shownName, fault->line, fault->column), fault->text);
    return false;
  }
  out->stats.assign(fields, ColumnStats{});
  out->stringWidths.assign(fields, 0);
  for (const CsvBlockResult& result : results)
    for (std::size_t c = 0; c < fields; ++c) out->stats[c].Merge(result.stats[c]);
  for (std::size_t c = 0; c < fields; ++c) {
    const CsvField& field = table.fields[c];
    if (field.kind != FieldKind::kString || !wanted[c]) continue;
    out->stringWidths[c] = field.declaredWidth > 0 ? field.declaredWidth : std::max(1, out->stats[c].maxLength);
    int cells = ObsCellsForWidth(out->stringWidths[c]);
    if (cells > targets.cells[c])
      out->columns[c] = WidenColumn(out->columns[c], targets.cells[c], cells, map.rows, results, c);
  }
  return true;
}
