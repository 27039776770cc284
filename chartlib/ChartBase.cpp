#include "ChartBase.h"

#include "engine/output/OutputDocument.h"

void ChartBase::printDebugInfo(const std::string& text) {
  if (OutputDocument* output = CurrentOutput()) output->AddDebug(text);
}
