#include "engine/data/DataVariable.h"

#include "engine/data/TextCells.h"

int DataVariable::GetDisplayWidth() const {
  return IsString() ? definition_.width : FormatWidth(definition_.format);
}

int DataVariable::IsMissing(const OBS* cell) const {
  if (!cell) return 1;
  if (IsString()) return definition_.missing.Contains(TrimmedCellText(cell, definition_.width)) ? 1 : 0;
  return cell->number == kSysMiss || definition_.missing.Contains(cell->number) ? 1 : 0;
}
