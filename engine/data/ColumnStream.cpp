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
  chunk_ = Parse(0, Chunk{});
  NoteFirstCells();
  ParseNextAhead(Chunk{});
}

ColumnStream::~ColumnStream() {
  if (next_.valid()) next_.wait();
}

ColumnStream::Chunk ColumnStream::Parse(std::size_t index, Chunk chunk) const {
  std::size_t first = index * chunkBlocks_;
  CsvRowMap range = BlockRange(map_, first, std::min(first + chunkBlocks_, map_.blocks.size()));
  chunk.firstRow = map_.blocks[first].firstRow;
  DataProblems ignored;  // the file was checked when it was loaded
  if (!ReadCsvColumns(file_, table_, range, streamed_, options_, &chunk.columns, ignored)) chunk.columns = CsvColumns{};
  return chunk;
}

void ColumnStream::ParseNextAhead(Chunk spent) {
  if (current_ + 1 < chunks_)
    next_ = std::async(std::launch::async, &ColumnStream::Parse, this, current_ + 1, std::move(spent));
}

void ColumnStream::MoveTo(long row) {
  while (row >= chunk_.firstRow + chunk_.columns.rows && next_.valid()) {
    Chunk spent = std::move(chunk_);
    chunk_ = next_.get();
    NoteFirstCells();
    ++current_;
    ParseNextAhead(std::move(spent));
  }
}

void ColumnStream::NoteFirstCells() {
  firstCells_.assign(streamed_.size(), nullptr);
  for (std::size_t c = 0; c < streamed_.size() && c < chunk_.columns.columns.size(); ++c)
    if (streamed_[c] && chunk_.columns.columns[c].size() > 0) firstCells_[c] = chunk_.columns.columns[c].data();
}
