#include "engine/data/ColumnStream.h"

#include <algorithm>

namespace {

// Blocks per chunk, unless the options set them: about 48 MB of cells,
// between half and twice the reader's default. Larger chunks change hands
// less often (at each change a core waits while the last block of the next
// chunk is parsed); smaller ones keep a wide stream's memory down.
std::size_t StreamChunkBlocks(const CsvReadOptions& options, const CsvRowMap& map, const std::vector<int>& cells,
                              const std::vector<bool>& streamed) {
  const std::size_t standard = ChunkBlocks(options);
  if (options.chunkBlocks > 0 || map.blocks.empty()) return standard;
  constexpr double kChunkCellBytes = 48.0 * (1 << 20);
  double rowBytes = 0;
  for (std::size_t c = 0; c < cells.size(); ++c)
    if (streamed[c]) rowBytes += cells[c] * static_cast<double>(sizeof(OBS));
  const double blockBytes = rowBytes * static_cast<double>(map.rows) / static_cast<double>(map.blocks.size());
  const double fitting = blockBytes > 0 ? kChunkCellBytes / blockBytes : static_cast<double>(2 * standard);
  return std::clamp(static_cast<std::size_t>(fitting), std::max<std::size_t>(1, standard / 2), 2 * standard);
}

}  // namespace

ColumnStream::ColumnStream(const FileReader& file, CsvTable table, const CsvRowMap& map, std::vector<bool> streamed,
                           const CsvReadOptions& options)
    : file_(file),
      table_(std::move(table)),
      map_(map),
      streamed_(std::move(streamed)),
      options_(options),
      chunk_(std::make_shared<Chunk>()) {
  for (const CsvField& field : table_.fields)
    cells_.push_back(field.kind == FieldKind::kString ? ObsCellsForWidth(field.declaredWidth) : 1);
  chunkBlocks_ = StreamChunkBlocks(options_, map_, cells_, streamed_);
  chunks_ = (map.blocks.size() + chunkBlocks_ - 1) / chunkBlocks_;
  if (chunks_ == 0) return;
  chunk_ = Shared(Parse(0));
  NoteFirstCells();
  ParseNextAhead();
}

ColumnStream::~ColumnStream() {
  if (next_.valid()) next_.wait();
}

std::shared_ptr<ColumnStream::Chunk> ColumnStream::Shared(Chunk chunk) const {
  // Two chunks' cells are enough: the one parsed next and the one after.
  constexpr std::size_t kMostSpent = 2;
  return std::shared_ptr<Chunk>(new Chunk(std::move(chunk)), [spent = spent_](Chunk* done) {
    {
      std::lock_guard<std::mutex> lock(spent->mutex);
      if (spent->cells.size() < kMostSpent) spent->cells.push_back(std::move(done->columns));
    }
    delete done;
  });
}

ColumnStream::Chunk ColumnStream::Parse(std::size_t index) const {
  Chunk chunk;
  {
    std::lock_guard<std::mutex> lock(spent_->mutex);
    if (!spent_->cells.empty()) {
      chunk.columns = std::move(spent_->cells.back());
      spent_->cells.pop_back();
    }
  }
  std::size_t first = index * chunkBlocks_;
  CsvRowMap range = BlockRange(map_, first, std::min(first + chunkBlocks_, map_.blocks.size()));
  chunk.firstRow = map_.blocks[first].firstRow;
  DataProblems ignored;  // the file was checked when it was loaded
  if (!ReadCsvColumns(file_, table_, range, streamed_, options_, &chunk.columns, ignored)) chunk.columns = CsvColumns{};
  return chunk;
}

void ColumnStream::ParseNextAhead() {
  if (current_ + 1 < chunks_) next_ = std::async(std::launch::async, &ColumnStream::Parse, this, current_ + 1);
}

void ColumnStream::NoteFirstCells() {
  chunkEnd_ = chunk_->firstRow + chunk_->columns.rows;
  firstCells_.assign(streamed_.size(), nullptr);
  for (std::size_t c = 0; c < streamed_.size() && c < chunk_->columns.columns.size(); ++c)
    if (streamed_[c] && chunk_->columns.columns[c].size() > 0) firstCells_[c] = chunk_->columns.columns[c].data();
}

void ColumnStream::MoveOn(long row) {
  while (row >= ChunkEnd() && next_.valid()) {
    std::shared_ptr<Chunk> next = Shared(next_.get());
    {
      std::lock_guard<std::mutex> lock(heldMutex_);
      // The chunk left behind gives its cells to a later one once no reader holds it.
      chunk_ = std::move(next);
      held_.erase(std::remove_if(held_.begin(), held_.end(), [](const auto& chunk) { return chunk.expired(); }),
                  held_.end());
    }
    NoteFirstCells();
    ++current_;
    ParseNextAhead();
  }
}

std::shared_ptr<const void> ColumnStream::Hold(long row) const {
  if (row < chunk_->firstRow || row >= ChunkEnd()) return nullptr;
  std::lock_guard<std::mutex> lock(heldMutex_);
  if (std::none_of(held_.begin(), held_.end(), [&](const auto& chunk) { return chunk.lock() == chunk_; }))
    held_.push_back(chunk_);
  return chunk_;
}

std::int64_t ColumnStream::Cells(int column, std::int64_t first, std::int64_t count, const OBS** cells) const {
  if (!Streams(column)) return 0;
  std::lock_guard<std::mutex> lock(heldMutex_);
  for (const auto& weak : held_) {
    std::shared_ptr<const Chunk> chunk = weak.lock();
    if (!chunk || first < chunk->firstRow || first >= chunk->firstRow + chunk->columns.rows) continue;
    const ObsBuffer& columnCells = chunk->columns.columns[static_cast<std::size_t>(column)];
    if (columnCells.size() == 0) return 0;
    *cells = columnCells.data() + (first - chunk->firstRow) * cells_[static_cast<std::size_t>(column)];
    return std::min(count, chunk->firstRow + chunk->columns.rows - first);
  }
  return 0;
}
