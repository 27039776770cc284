#include "engine/aggregation/CaseRecorder.h"

#include <algorithm>
#include <cstring>

#include "VEXA_InputCaseIterator.h"
#include "engine/aggregation/CaseBatch.h"
#include "engine/aggregation/Cube.h"
#include "engine/data/CaseColumnAccess.h"

CaseRecorder::CaseRecorder(VEXA_InputCaseIterator* cases)
    : cases_(cases), access_(dynamic_cast<const CaseColumnAccess*>(cases)) {}

const std::int64_t* CaseRecorder::RowAddress() const {
  return access_ ? access_->CurrentRowAddress() : nullptr;
}

void CaseRecorder::Bind(std::vector<SlotColumn> slots) {
  slots_ = std::move(slots);
  Clear();
}

void CaseRecorder::AddRun(std::int64_t first, std::int64_t count, std::shared_ptr<const void> hold) {
  current_.runs.emplace_back(first, count);
  if (hold && (current_.held.empty() || current_.held.back() != hold)) current_.held.push_back(std::move(hold));
  current_.rows += count;
}

void CaseRecorder::CaptureCurrentCase() {
  for (std::size_t s = 0; s < slots_.size(); ++s) {
    const OBS* cells = cases_ ? cases_->GetObsPointer(slots_[s].column) : nullptr;
    std::vector<OBS>& out = current_.captured[s];
    if (cells != nullptr && slots_[s].cells == 1) {
      out.push_back(*cells);  // a number: no call to copy one cell
    } else if (cells != nullptr) {
      out.insert(out.end(), cells, cells + slots_[s].cells);
    } else {  // no such cell: system-missing
      out.resize(out.size() + slots_[s].cells, OBS{kSysMiss});
    }
  }
  ++current_.rows;
}

CaseChunk CaseRecorder::TakeChunk() {
  CaseChunk chunk = std::move(current_);
  Clear();
  return chunk;
}

void CaseRecorder::Process(const CaseChunk& chunk, Cube& cube, int part) const {
  if (chunk.rows == 0) return;
  if (chunk.runs.empty()) {
    ProcessCaptured(chunk, cube, part);
  } else {
    ProcessRuns(chunk, cube, part);
  }
}

void CaseRecorder::ProcessRuns(const CaseChunk& chunk, Cube& cube, int part) const {
  CaseBatch batch;
  batch.slots.resize(slots_.size());
  for (auto [first, count] : chunk.runs) {
    while (count > 0) {
      std::int64_t rows = std::min<std::int64_t>(count, CaseBatch::kRows);
      for (std::size_t s = 0; s < slots_.size(); ++s) {
        ColumnView& view = batch.slots[s];
        rows = std::min(rows, access_->ReadColumn(slots_[s].column, first, rows, &view.cells, &view.stride));
      }
      if (rows < 1) break;  // the store has no such rows
      batch.rows = static_cast<int>(rows);
      cube.AddBatch(part, batch);
      first += rows;
      count -= rows;
    }
  }
}

void CaseRecorder::ProcessCaptured(const CaseChunk& chunk, Cube& cube, int part) const {
  CaseBatch batch;
  batch.slots.resize(slots_.size());
  for (std::int64_t first = 0; first < chunk.rows; first += CaseBatch::kRows) {
    batch.rows = static_cast<int>(std::min<std::int64_t>(chunk.rows - first, CaseBatch::kRows));
    for (std::size_t s = 0; s < slots_.size(); ++s)
      batch.slots[s] = ColumnView{chunk.captured[s].data() + first * slots_[s].cells, slots_[s].cells};
    cube.AddBatch(part, batch);
  }
}

void CaseRecorder::Clear() {
  current_.runs.clear();
  current_.held.clear();
  current_.captured.assign(slots_.size(), {});
  current_.rows = 0;
}
