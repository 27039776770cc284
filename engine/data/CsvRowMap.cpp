#include "engine/data/CsvRowMap.h"

#include <algorithm>

#include "engine/data/ByteCounts.h"
#include "engine/data/ParallelBlocks.h"

namespace {

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

struct BlockCounts {
  ByteCounts counts;
  bool endsWithNewline = false;
  bool readFailed = false;
};

// Without quotes every line end ends a row, so the blocks can be counted in
// parallel and joined afterwards.
bool MapUnquoted(const std::vector<BlockCounts>& counted, std::size_t dataStart, std::size_t dataEnd, long firstLine,
                 std::size_t blockSize, CsvRowMap& map) {
  long newlines = 0;
  for (std::size_t k = 0; k < counted.size(); ++k) {
    if (counted[k].counts.hasQuote) return false;
    std::size_t nominal = dataStart + k * blockSize;
    std::size_t start = kNone;
    long before = newlines;
    if (k == 0 || counted[k - 1].endsWithNewline) {
      start = nominal;
    } else if (counted[k].counts.firstNewline != kNone) {
      start = nominal + counted[k].counts.firstNewline + 1;
      before += 1;
    }
    if (start != kNone && start < dataEnd) map.blocks.push_back(CsvBlock{start, 0, before, firstLine + before, false});
    newlines += static_cast<long>(counted[k].counts.newlines);
  }
  map.rows = dataEnd > dataStart ? newlines + 1 : 0;
  return true;
}

// With quotes the file is followed from its start, one byte at a time.
void MapQuoted(const FileReader& file, std::size_t dataStart, std::size_t dataEnd, long firstLine, char quote,
               std::size_t blockSize, CsvRowMap& map) {
  map.blocks.clear();
  std::vector<char> buffer;
  bool inQuote = false;
  long row = 0, line = firstLine;
  std::size_t nextBoundary = dataStart + blockSize;
  map.blocks.push_back(CsvBlock{dataStart, 0, 0, firstLine, false});
  for (std::size_t offset = dataStart; offset < dataEnd; offset += blockSize) {
    std::size_t size = std::min(blockSize, dataEnd - offset);
    if (!file.Read(offset, size, buffer)) {
      map.readFailed = true;
      return;
    }
    for (std::size_t i = 0; i < size; ++i) {
      char c = buffer[i];
      if (c == quote) {
        inQuote = !inQuote;
        map.blocks.back().quoted = true;
      } else if (c == '\n') {
        ++line;
        if (inQuote) continue;
        ++row;
        std::size_t start = offset + i + 1;
        if (start >= nextBoundary && start < dataEnd) {
          map.blocks.push_back(CsvBlock{start, 0, row, line, false});
          nextBoundary = start + blockSize;
        }
      }
    }
  }
  map.rows = dataEnd > dataStart ? row + 1 : 0;
}

}  // namespace

CsvRowMap MapCsvRows(const FileReader& file, std::size_t dataStart, std::size_t dataEnd, long firstLine, char quote,
                     std::size_t blockSize, int workers) {
  CsvRowMap map;
  std::size_t count = dataEnd > dataStart ? (dataEnd - dataStart + blockSize - 1) / blockSize : 0;
  std::vector<BlockCounts> counted(count);
  std::vector<std::vector<char>> buffers(static_cast<std::size_t>(std::max(workers, 1)));
  ParallelBlocks(count, workers, [&](std::size_t k, int worker) {
    std::vector<char>& buffer = buffers[static_cast<std::size_t>(worker)];
    std::size_t offset = dataStart + k * blockSize;
    std::size_t size = std::min(blockSize, dataEnd - offset);
    const char* bytes = file.Bytes(offset, size, buffer);
    if (!bytes) {
      counted[k].readFailed = true;
      return;
    }
    counted[k].counts = CountBytes(bytes, size, quote);
    counted[k].endsWithNewline = bytes[size - 1] == '\n';
    file.Release(offset, size);
  });
  if (std::any_of(counted.begin(), counted.end(), [](const BlockCounts& b) { return b.readFailed; })) {
    map.readFailed = true;
    return map;
  }
  if (!MapUnquoted(counted, dataStart, dataEnd, firstLine, blockSize, map))
    MapQuoted(file, dataStart, dataEnd, firstLine, quote, blockSize, map);
  for (std::size_t k = 0; k < map.blocks.size(); ++k)
    map.blocks[k].end = k + 1 < map.blocks.size() ? map.blocks[k + 1].begin : dataEnd;
  return map;
}

CsvRowMap BlockRange(const CsvRowMap& map, std::size_t first, std::size_t last) {
  CsvRowMap range;
  if (first >= last || last > map.blocks.size()) return range;
  const long base = map.blocks[first].firstRow;
  range.rows = (last < map.blocks.size() ? map.blocks[last].firstRow : map.rows) - base;
  range.blocks.assign(map.blocks.begin() + static_cast<std::ptrdiff_t>(first),
                      map.blocks.begin() + static_cast<std::ptrdiff_t>(last));
  for (CsvBlock& block : range.blocks) block.firstRow -= base;
  return range;
}
