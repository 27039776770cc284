#include "data/CellText.h"

#include "host/chart/ChartString.h"
#include "host/engine/OBS.h"
#include "host/engine/VEXA_Variable.h"

namespace {
constexpr int kSignificantDigits = 16;
}  // namespace

std::string StringCellText(const OBS* cell, int width) {
  std::string text(cell->text, static_cast<std::size_t>(width < 0 ? 0 : width));
  text.erase(text.find_last_not_of(' ') + 1);  // npos + 1 is 0: a blank cell gives ""
  return text;
}

std::string NumberText(double value) { return ChartString().assignDouble(value, kSignificantDigits).toUTF8(); }

int StringWidth(const VEXA_Variable& variable) {
  // Never past the value's own cells, whatever the format says.
  const int width = FormatWidth(variable.GetFormatEx());
  return variable.GetType() > 0 && width > variable.GetType() ? variable.GetType() : width;
}

std::string ValueText(const VEXA_Variable& variable, const OBS* cell) {
  if (variable.GetType() == 0) return NumberText(cell->number);
  return StringCellText(cell, StringWidth(variable));
}
