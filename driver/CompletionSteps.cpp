#include "driver/CompletionSteps.h"

#include <string>

#include "FacSTDictionary.h"
#include "XUtility.h"

ChartString LocalisedText(const FacSTDictionary* dictionary, const char* key) {
  return XUtility::ChartStringFromOLANG(dictionary ? dictionary->LookUp(key) : std::string(key));
}
