// Reading a data set with summary functions: the cases go through the
// aggregation cube, one split group at a time, and each group's cells become
// the rows of its table.

#include "data/AggregatedCellWriter.h"
#include "data/CaseLimit.h"
#include "data/GGraphDataSetRep.h"
#include "host/engine/AggregationTable.h"
#include "host/engine/CubeAggregator.h"
#include "host/engine/VEXA_DataSource.h"
#include "host/engine/VEXA_InputCaseIterator.h"
#include "report/ReadingMessages.h"

namespace {

// The sums over the groups of one reading.
struct AggregatedTotals {
  std::uint32_t cells = 0;
  std::uint64_t cases = 0;
};

// Writes the group's cells into its table and empties the cube.
void WriteOutGroup(GGraphDataSet& dataSet, GGraphDataSet::Rep& rep, AggregatedCellWriter& writer,
                          AggregatedTotals& totals) {
  writer.StartGroup(*rep.splitGroups.back().data, rep.rowCount);
  const auto& aggregators = rep.aggregationTable->GetCubeAggregators();
  if (!aggregators.empty()) writer.WriteCells(*aggregators.front());
  dataSet.ResetAggregator();
  totals.cells += rep.cellCount;
  totals.cases += rep.rowCount;
  rep.cellCount = 0;
  rep.rowCount = 0;
}

}  // namespace

std::uint32_t GGraphDataSet::PopulateAggregatedData(VEXA_InputCaseIterator* cases) {
  Rep& rep = *rep_;
  VEXA_DataSource* source = GetDataSource();
  if (!source || !cases || !rep.aggregationTable) return 0;
  auto* split = dynamic_cast<ProcDSIterator*>(cases);
  AggregatedCellWriter writer(rep, *source);
  AggregatedTotals totals;
  const std::uint32_t limit = EffectiveCaseLimit(rep.caseLimit);
  rep.StartSplitGroup();
  bool checkPending = split != nullptr;
  bool skipping = false;
  bool stoppedAtLimit = false;
  while (cases->NextCase()) {
    if (rep.rowCount >= limit) {
      stoppedAtLimit = true;
      break;
    }
    if (split && split->SplitGroupEnd()) {
      if (skipping)
        rep.DiscardNewestGroup();
      else
        WriteOutGroup(*this, rep, writer, totals);
      rep.StartSplitGroup();
      checkPending = true;
      skipping = false;
      continue;
    }
    if (checkPending) {
      checkPending = false;
      skipping = !CheckSplitGroup(cases);
    }
    if (skipping) continue;
    ChartCaseCounts& counts = rep.splitGroups.back().cases;
    counts.missingCounted = false;
    ++counts.read;
    bool passes = true;
    for (const auto& filter : rep.filters)
      if (!TestFilter(*filter, cases, source)) {
        passes = false;
        break;
      }
    if (!passes) {
      ++counts.filtered;
      continue;
    }
    rep.aggregationTable->AddNewCase();
    ++rep.rowCount;
  }
  if (stoppedAtLimit) {
    rep.splitGroups.back().cases.caseLimit = limit;
    ReportCaseLimit(limit, rep.sourceName);
  }
  if (skipping)
    rep.DiscardNewestGroup();
  else
    WriteOutGroup(*this, rep, writer, totals);
  ReportFilterResults(totals.cases == 0);
  return totals.cells;
}
