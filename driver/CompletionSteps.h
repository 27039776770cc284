#pragma once
#include "host/chart/ChartString.h"
#include "host/engine/VexaGoToCaller.h"

class FacSTDictionary;

// The localised text of a string-table key as the chart shows it; the key
// itself without a string table.
ChartString LocalisedText(const FacSTDictionary* dictionary, const char* key);

// Runs one step of chart completion. The chart library throws when the chart
// has no variable of a name, which only means that the chart does not show
// it: the step ends there and completion goes on. The engine's abandon
// passes through.
template <typename Step>
void RunCompletionStep(Step&& step) {
  try {
    step();
  } catch (const VexaGoToCaller&) {
    throw;
  } catch (...) {
  }
}
