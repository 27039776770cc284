#include "driver/CompletionSteps.h"

#include <string>

#include "host/chart/XUtility.h"
#include "host/engine/FacSTDictionary.h"

ChartString LocalisedText(const FacSTDictionary* dictionary, const char* key) {
  return XUtility::ChartStringFromOLANG(dictionary ? dictionary->LookUp(key) : std::string(key));
}
