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
  captured_.assign(slots_.size(), {});
}

void CaseRecorder::AddRun(std::int64_t first, std::int64_t count) {
  runs_.emplace_back(first, count);
  pending_ += count;
}

void CaseRecorder::CaptureCurrentCase() {
  for (std::size_t s = 0; s < slots_.size(); ++s) {
    const OBS* cells = cases_ ? cases_->GetObsPointer(slots_[s].column) : nullptr;
    std::vector<OBS>& out = captured_[s];
    if (cells != nullptr) {
      out.insert(out.end(), cells, cells + slots_[s].cells);
    } else {  // no such cell: system-missing
      out.resize(out.size() + slots_[s].cells, OBS{kSysMiss});
    }
  }
  ++pending_;
}

void CaseRecorder::Flush(Cube& cube) {
  if (pending_ == 0) return;
  if (runs_.empty()) {
    FlushCaptured(cube);
  } else {
    FlushRuns(cube);
  }
  Clear();
}

void CaseRecorder::FlushRuns(Cube& cube) {
  CaseBatch batch;
  batch.slots.resize(slots_.size());
  for (auto [first, count] : runs_) {
    while (count > 0) {
      std::int64_t rows = std::min<std::int64_t>(count, CaseBatch::kRows);
      for (std::size_t s = 0; s < slots_.size(); ++s) {
        ColumnView& view = batch.slots[s];
        rows = std::min(rows, access_->ReadColumn(slots_[s].column, first, rows, &view.cells, &view.stride));
      }
      if (rows < 1) break;  // the store has no such rows
      batch.rows = static_cast<int>(rows);
      cube.AddBatch(batch);
      first += rows;
      count -= rows;
    }
  }
}

void CaseRecorder::FlushCaptured(Cube& cube) {
  CaseBatch batch;
  batch.slots.resize(slots_.size());
  for (std::int64_t first = 0; first < pending_; first += CaseBatch::kRows) {
    batch.rows = static_cast<int>(std::min<std::int64_t>(pending_ - first, CaseBatch::kRows));
    for (std::size_t s = 0; s < slots_.size(); ++s)
      batch.slots[s] = ColumnView{captured_[s].data() + first * slots_[s].cells, slots_[s].cells};
    cube.AddBatch(batch);
  }
}

void CaseRecorder::Clear() {
  runs_.clear();
  for (std::vector<OBS>& cells : captured_) cells.clear();
  pending_ = 0;
}
