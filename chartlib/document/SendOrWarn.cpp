#include "chartlib/document/SendOrWarn.h"

#include "engine/output/OutputDocument.h"

bool SendOrWarn(XDocument& document, bool show, bool later, bool thumbnail, const char* warning) {
  if (document.implementationExists()) return document.XDocument::SendChart(show, later, thumbnail);
  if (OutputDocument* output = CurrentOutput()) output->AddMessage(2, warning);
  return false;
}
