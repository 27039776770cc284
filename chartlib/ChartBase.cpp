#include "ChartBase.h"

#include "ChartOutput.h"

void ChartBase::printDebugInfo(const std::string& text) {
  if (ChartOutput* output = CurrentChartOutput()) output->AddDebug(text);
}
