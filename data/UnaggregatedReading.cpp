// Reading a data set without summary functions: one row per case.

#include <memory>

#include "data/CaseLimit.h"
#include "data/CaseRowWriter.h"
#include "data/GGraphDataSetRep.h"
#include "host/engine/VEXA_DataSource.h"
#include "host/engine/VEXA_InputCaseIterator.h"
#include "report/ReadingMessages.h"

namespace {

// Reads on to the end of the current split group; false at the end of the data.
bool SkipGroup(VEXA_InputCaseIterator& cases, const ProcDSIterator* split) {
  while (cases.NextCase())
    if (split && split->SplitGroupEnd()) return true;
  return false;
}

}  // namespace

std::uint32_t GGraphDataSet::populateUnAggregatedData(RelabelString& relabel) {
  Rep& rep = *rep_;
  VEXA_DataSource* source = GetDataSource();
  if (!source) return 0;
  std::unique_ptr<VEXA_InputCaseIterator> cases(source->CreateCaseIterator(0));
  if (!cases) return 0;
  auto* split = dynamic_cast<ProcDSIterator*>(cases.get());
  CaseRowWriter writer(rep, *source, relabel);
  const std::uint32_t limit = EffectiveCaseLimit(rep.caseLimit);
  bool newGroup = true;
  bool stoppedAtLimit = false;
  std::uint64_t passedTests = 0;
  std::uint32_t keptRows = 0;
  for (bool more = cases->NextCase() != 0; more; more = cases->NextCase() != 0) {
    if (rep.rowCount >= limit) {
      stoppedAtLimit = true;
      break;
    }
    if (newGroup) {
      SplitGroup& group = rep.StartSplitGroup();
      newGroup = false;
      if (!CheckSplitGroup(cases.get())) {
        rep.DiscardNewestGroup();
        newGroup = true;
        if (SkipGroup(*cases, split)) continue;
        break;
      }
      writer.StartGroup(*group.data);
    }
    if (split && split->SplitGroupEnd()) {
      newGroup = true;
      continue;
    }
    ChartCaseCounts& counts = rep.splitGroups.back().cases;
    ++counts.read;
    bool kept = writer.WriteRow(*cases, rep.rowCount);
    if (!kept) ++counts.missing;
    for (const auto& filter : rep.filters) {
      if (TestFilter(*filter, cases.get(), source)) {
        ++passedTests;
        continue;
      }
      if (kept) {
        writer.RemoveRow(rep.rowCount);
        ++counts.filtered;
      }
      kept = false;
      break;
    }
    if (!kept) continue;
    writer.WriteCaseLabels(*cases, rep.rowCount);
    ++rep.rowCount;
    ++keptRows;
  }
  if (stoppedAtLimit) {
    if (!rep.splitGroups.empty()) rep.splitGroups.back().cases.caseLimit = limit;
    ReportCaseLimit(limit, rep.sourceName);
  }
  ReportFilterResults(passedTests == 0 && rep.rowCount == 0);
  return keptRows;
}
