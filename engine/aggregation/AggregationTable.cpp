#include "AggregationTable.h"

#include <algorithm>

#include "VEXA_InputCaseIterator.h"

#include "engine/aggregation/CaseRecorder.h"
#include "engine/aggregation/ChunkWorker.h"
#include "engine/aggregation/ColumnCatalog.h"
#include "engine/aggregation/Cube.h"
#include "engine/data/CaseColumnAccess.h"

namespace {

// Cases recorded before they are aggregated: enough to make a batch's fixed
// costs vanish, few enough to keep copied cells in the caches.
constexpr std::int64_t kChunkRows = std::int64_t{1} << 16;
// The row number seen when the iterator offers no bulk reading: never a run.
constexpr std::int64_t kNoRow = -1;

}  // namespace

struct AggregationTable::Rep {
  explicit Rep(VEXA_InputCaseIterator* cases, bool notListwise)
      : cases(cases), notListwise(notListwise), recorder(cases) {}

  // Hands the cases recorded so far to the worker.
  void PostChunk() { worker->Post(recorder.TakeChunk()); }
  // Records the run that ends before row, if any.
  void EndRun(std::int64_t row) {
    if (row > runStart) recorder.AddRun(runStart, row - runStart, std::move(runHold));
    runHold.reset();
  }

  VEXA_InputCaseIterator* cases;
  bool notListwise;
  CaseRecorder recorder;
  std::unique_ptr<Cube> cube;
  std::unique_ptr<ChunkWorker> worker;  // after the cube: stops before it goes
  std::vector<CubeAggregator*> aggregators;
  std::int64_t runStart = 0;
  const CaseColumnAccess* access = dynamic_cast<const CaseColumnAccess*>(cases);
  std::shared_ptr<const void> runHold;  // keeps the current run's cells
};

AggregationTable::AggregationTable(VEXA_InputCaseIterator* cases, bool, bool notListwise, int)
    : rep_(std::make_unique<Rep>(cases, notListwise)) {
  currentRow_ = rep_->recorder.RowAddress();
  if (currentRow_ == nullptr) currentRow_ = &kNoRow;
}

AggregationTable::~AggregationTable() = default;

AggregationCube* AggregationTable::CreateCube() {
  if (rep_->cube) return nullptr;
  rep_->cube = std::make_unique<Cube>(rep_->notListwise, [this] {
    rep_->EndRun(nextRow_);
    rep_->runStart = nextRow_;
    runLimit_ = nextRow_;  // the next case starts a new run
    rep_->PostChunk();
    rep_->worker->Drain();
  });
  rep_->worker = std::make_unique<ChunkWorker>(Cube::kParts, [rep = rep_.get()](int part, const CaseChunk& chunk) {
    rep->recorder.Process(chunk, *rep->cube, part);
  });
  return rep_->cube.get();
}

void AggregationTable::AddCaseSlowly() {
  Cube* cube = rep_->cube.get();
  if (cube == nullptr) return;
  CaseRecorder& recorder = rep_->recorder;
  if (!cube->IsFrozen()) {
    const ColumnCatalog catalog(dynamic_cast<const CaseColumnAccess*>(rep_->cases));
    recorder.Bind(cube->Freeze(catalog));
  }
  if (currentRow_ == &kNoRow) {
    recorder.CaptureCurrentCase();
    if (recorder.PendingRows() >= kChunkRows) rep_->PostChunk();
    return;
  }
  rep_->EndRun(nextRow_);
  if (recorder.PendingRows() >= kChunkRows) rep_->PostChunk();
  const std::int64_t row = *currentRow_;
  if (row < 0) {  // no current case
    rep_->runStart = nextRow_ = runLimit_ = 0;
    return;
  }
  rep_->runStart = row;
  nextRow_ = row + 1;
  runLimit_ = row + (kChunkRows - recorder.PendingRows());
  // Cases read in chunks: the run stays in the chunk it starts in and keeps
  // it; cases held in memory set no end and need no token.
  if (rep_->access) {
    runLimit_ = std::min(runLimit_, rep_->access->RunEnd(row));
    rep_->runHold = rep_->access->HoldRows(row);
  }
}

void AggregationTable::ResetAggregator() {
  if (rep_->worker) {
    rep_->worker->Drain();
    rep_->worker->Restart();
  }
  rep_->recorder.Clear();
  rep_->runHold.reset();
  rep_->runStart = nextRow_ = runLimit_ = 0;
  if (rep_->cube) rep_->cube->Clear();
}

const std::vector<CubeAggregator*>& AggregationTable::GetCubeAggregators() const {
  rep_->aggregators.clear();
  if (rep_->cube && rep_->cube->HasAggregator()) rep_->aggregators.push_back(rep_->cube.get());
  return rep_->aggregators;
}
