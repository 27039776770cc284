#include "engine/data/NotFiniteWarning.h"

void WarnAboutNotFiniteNumbers(const DataPlan& plan, const std::vector<ColumnStats>& stats, DataProblems& problems) {
  for (std::size_t c = 0; c < stats.size(); ++c) {
    if (stats[c].notFinite == 0) continue;
    problems.Warning(DataProblems::Where(plan.table.shownName, stats[c].firstNotFiniteLine, static_cast<long>(c) + 1),
                     "the variable " + plan.variables[c].definition.name + " has " + std::to_string(stats[c].notFinite) +
                         " value(s) that are NaN, infinite or beyond the range of numbers, the first '" +
                         stats[c].firstNotFiniteText + "'; they are system-missing");
  }
}
