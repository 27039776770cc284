#include "driver/BinningTable.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <vector>

#include "host/engine/BpObject.h"
#include "host/engine/BpProcedure.h"
#include "host/engine/ProcedureDataSource.h"
#include "host/engine/VEXA_InputCaseIterator.h"
#include "model/GGraphVariable.h"
#include "model/VariableResolver.h"

namespace {

constexpr double kSystemMissing = std::numeric_limits<double>::lowest();
constexpr int kSortValue = 2;

// The valid values of one column in case order, over every split group.
struct ColumnValues {
  std::vector<double> values;
  double minimum = 0;
  double maximum = 0;

  void Add(double value) {
    if (values.empty()) {
      minimum = maximum = value;
    } else {
      minimum = std::min(minimum, value);
      maximum = std::max(maximum, value);
    }
    values.push_back(value);
  }
};

// User-missing values count; only the system-missing value is left out. The
// output marks the end of every split group the data pass.
ColumnValues ReadColumn(BpProcedure& procedure, ProcedureDataSource& dataSource, int column) {
  ColumnValues read;
  std::unique_ptr<VEXA_InputCaseIterator> cases(dataSource.CreateCaseIterator(0));
  if (!cases) return read;
  const auto* splitAware = dynamic_cast<const ProcDSIterator*>(cases.get());
  while (cases->NextCase() != 0) {
    if (splitAware && splitAware->SplitGroupEnd()) {
      procedure.SplitChange();
      continue;
    }
    const OBS* cell = cases->GetObsPointer(column);
    if (cell && cell->number != kSystemMissing) read.Add(cell->number);
  }
  return read;
}

// The width is slightly wider than range / binCount, so that the maximum
// itself falls into the last bin.
double BinWidth(const ColumnValues& read, std::int32_t binCount) {
  if (read.minimum == read.maximum) return 0;
  const double range = read.maximum - read.minimum;
  const double bins = binCount;
  return (bins * range + 1 / range) / bins / bins;
}

std::vector<std::int32_t> CountBins(const ColumnValues& read, double width, std::int32_t binCount) {
  std::vector<std::int32_t> counts(static_cast<std::size_t>(binCount), 0);
  for (double value : read.values) {
    const double index = width == 0 ? 0 : std::trunc((value - read.minimum) / width);
    if (index < 0)
      ++counts[0];
    else if (index < binCount)
      ++counts[static_cast<std::size_t>(index)];
  }
  return counts;
}

void AddRow(BpDimension& dimension, const BpObject& label, const BpObject& cell) {
  dimension.Category(label)->Cell(cell);
}

void WriteTable(BpProcedure& procedure, const VEXA_Variable* variable, const ColumnValues& read, double width,
                const std::vector<std::int32_t>& counts) {
  auto table = procedure.PivotTable(BpVariable(variable, 2), BpString("Bins", false), true);
  auto dimension = table->Dimension(BpString("Bin", false), kSortValue);
  dimension->Position(0, 1, true, false);
  AddRow(*dimension, BpString("min", false), BpNumber(read.minimum, procedure.GeneralStat()));
  AddRow(*dimension, BpString("max", false), BpNumber(read.maximum, procedure.GeneralStat()));
  AddRow(*dimension, BpString("width", false), BpNumber(width, procedure.GeneralStat()));
  AddRow(*dimension, BpString("numBins", false), BpNumber(static_cast<double>(counts.size()), procedure.Count()));
  for (std::size_t bin = 0; bin < counts.size(); ++bin)
    AddRow(*dimension, BpNumber(static_cast<double>(bin), procedure.Count()), BpNumber(counts[bin], procedure.Count()));
}

}  // namespace

void WriteBinningTable(BpProcedure& procedure, ProcedureDataSource& dataSource, GGraphVariable& variable,
                       std::int32_t binCount) {
  // Only numeric variables have a column of values to bin: not the case
  // number (no resolver), not strings, not multiple-response sets.
  const VariableResolver* resolver = variable.GetResolver();
  if (!resolver || variable.IsStringVariable() || resolver->getVariableType() != SINGLE_VARIABLE) return;
  // The syntax accepts no smaller count; without a bin there is nothing to count into.
  if (binCount < 1) return;
  const ColumnValues read = ReadColumn(procedure, dataSource, resolver->getVariableIndex());
  const double width = BinWidth(read, binCount);
  // Equal values (or none) all fall into one bin.
  const std::int32_t bins = width == 0 ? 1 : binCount;
  WriteTable(procedure, resolver->getVariable(), read, width, CountBins(read, width, bins));
}
