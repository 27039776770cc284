#pragma once
#include <cstdint>
#include <future>
#include <memory>
#include <mutex>
#include <vector>

#include "OBS.h"
#include "engine/data/CsvRowMap.h"
#include "engine/data/CsvTableReader.h"

// The cells of some columns of a CSV file for one pass over its cases, in
// chunks of rows: the chunk after the current one is parsed on other
// threads while the cases of the current one are used, and a chunk is
// dropped once the pass has moved past it and no reader holds it, so memory
// does not grow with the file. The file was checked and the columns' kinds
// and widths are known.
class ColumnStream {
 public:
  // table: the columns' final kinds, strings with their widths declared;
  // streamed: one flag per field.
  ColumnStream(const FileReader& file, CsvTable table, const CsvRowMap& map, std::vector<bool> streamed,
               const CsvReadOptions& options);
  ~ColumnStream();
  ColumnStream(const ColumnStream&) = delete;
  ColumnStream& operator=(const ColumnStream&) = delete;

  bool Streams(int column) const {
    return column >= 0 && column < static_cast<int>(streamed_.size()) && streamed_[static_cast<std::size_t>(column)];
  }
  // Makes the chunk holding row current; rows come in file order. Inline:
  // a pass moves once per case, and only a chunk's last row moves on.
  void MoveTo(long row) {
    if (row >= ChunkEnd()) MoveOn(row);
  }
  // A streamed column's cells in a row of the current chunk; null otherwise.
  // Inline: a pass asks for it once per case and column.
  const OBS* Cell(int column, long row) const {
    long offset = row - chunk_->firstRow;
    if (!Streams(column) || offset < 0 || offset >= chunk_->columns.rows) return nullptr;
    const OBS* cells = firstCells_[static_cast<std::size_t>(column)];
    return cells ? cells + offset * cells_[static_cast<std::size_t>(column)] : nullptr;
  }

  // Bulk reading, for readers on other threads. Keeps the current chunk
  // (which holds row) while the returned token lives; null when row is not
  // in it.
  std::shared_ptr<const void> Hold(long row) const;
  // The first row after the current chunk, where a run of rows read in bulk
  // must end.
  long ChunkEnd() const { return chunkEnd_; }
  // Up to count cells of a streamed column from row first, in a held chunk:
  // sets *cells and returns how many rows follow there (0 when none).
  std::int64_t Cells(int column, std::int64_t first, std::int64_t count, const OBS** cells) const;

 private:
  struct Chunk {
    long firstRow = 0;
    CsvColumns columns;
  };
  // The cells of chunks no one holds any longer, for the chunks parsed
  // next: a pass then does not ask the kernel for fresh (zeroed) pages chunk
  // after chunk. Shared with the chunks, which may outlive the stream.
  struct SpentCells {
    std::mutex mutex;
    std::vector<CsvColumns> cells;
  };
  std::shared_ptr<Chunk> Shared(Chunk chunk) const;
  // Parses chunk `index`, into spent cells when there are any.
  Chunk Parse(std::size_t index) const;
  void ParseNextAhead();
  void MoveOn(long row);
  void NoteFirstCells();

  const FileReader& file_;
  CsvTable table_;
  const CsvRowMap& map_;
  std::vector<bool> streamed_;
  std::vector<int> cells_;  // per field
  CsvReadOptions options_;
  std::size_t chunkBlocks_ = 0;
  std::size_t chunks_ = 0;
  std::size_t current_ = 0;
  std::shared_ptr<Chunk> chunk_;
  std::vector<const OBS*> firstCells_;  // per field: the current chunk's first row, or null
  long chunkEnd_ = 0;                   // the current chunk's first row after its last
  std::future<Chunk> next_;
  std::shared_ptr<SpentCells> spent_ = std::make_shared<SpentCells>();
  // The chunks that were current, while some reader may hold them.
  mutable std::mutex heldMutex_;
  mutable std::vector<std::weak_ptr<const Chunk>> held_;
};
