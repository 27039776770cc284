#include "driver/CompleteChart.h"

#include "XDocument.h"

// The variables are filled in with chart completion.
bool CompleteChart::Complete(XDocument* document, GGraphSettings&, GraphSpec&, FacSTDictionary*, RelabelString&) {
  return document->implementationExists();
}
