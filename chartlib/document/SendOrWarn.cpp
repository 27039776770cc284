#include "chartlib/document/SendOrWarn.h"

#include "ChartOutput.h"

bool SendOrWarn(XDocument& document, bool show, bool later, bool thumbnail, const char* warning) {
  if (document.implementationExists()) return document.XDocument::SendChart(show, later, thumbnail);
  if (ChartOutput* output = CurrentChartOutput()) output->AddMessage(2, warning);
  return false;
}
