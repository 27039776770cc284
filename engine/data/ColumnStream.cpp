#include "engine/data/ColumnStream.h"

#include <algorithm>

ColumnStream::ColumnStream(const FileReader& file, CsvTable table, const CsvRowMap& map, std::vector<bool> streamed,
                           const CsvReadOptions& options)
    : file_(file),
      table_(std::move(table)),
      map_(map),
      streamed_(std::move(streamed)),
      options_(options),
      chunkBlocks_(ChunkBlocks(options)),
      chunks_((map.blocks.size() + chunkBlocks_ - 1) / chunkBlocks_) {
  for (const CsvField& field : table_.fields)
    cells_.push_back(field.kind == FieldKind::kString ? ObsCellsForWidth(field.declaredWidth) : 1);
  if (chunks_ == 0) return;
  chunk_ = Parse(0);
  ParseNextAhead();
}

ColumnStream::~ColumnStream() {
  if (next_.valid()) next_.wait();
}

ColumnStream::Chunk ColumnStream::Parse(std::size_t index) const {
  Chunk chunk;
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

void ColumnStream::MoveTo(long row) {
  while (row >= chunk_.firstRow + chunk_.columns.rows && next_.valid()) {
    chunk_ = Chunk{};  // its memory goes before the next chunk's comes
    chunk_ = next_.get();
    ++current_;
    ParseNextAhead();
  }
}

const OBS* ColumnStream::Cell(int column, long row) const {
  long offset = row - chunk_.firstRow;
  if (!Streams(column) || offset < 0 || offset >= chunk_.columns.rows) return nullptr;
  const ObsBuffer& cells = chunk_.columns.columns[static_cast<std::size_t>(column)];
  if (cells.size() == 0) return nullptr;
  return cells.data() + offset * cells_[static_cast<std::size_t>(column)];
}
