#include "engine/aggregation/ColumnCatalog.h"

#include "VEXA_DataSource.h"
#include "VEXA_Variable.h"
#include "engine/data/CaseColumnAccess.h"

bool ColumnInfo::IsMissing(const OBS* cell) const {
  if (textCells == 0 && (cell->number == kSysMiss || cell->number != cell->number)) return true;
  return userMissing && variable->IsMissing(cell) != 0;
}

ColumnInfo ColumnCatalog::Describe(int column) const {
  ColumnInfo info;
  info.column = column;
  const VEXA_DataSource* dictionary = access_ ? access_->CaseDictionary() : nullptr;
  if (dictionary == nullptr) {
    info.exists = column >= 0;
    return info;
  }
  if (column < 0 || column >= dictionary->ColumnCount()) return info;
  info.variable = dictionary->GetVariable(column);
  info.exists = info.variable != nullptr;
  if (!info.exists) return info;
  const int width = info.variable->GetType();
  info.textCells = width > 0 ? ObsCellsForWidth(width) : 0;
  info.userMissing = access_->HasUserMissingValues(column);
  return info;
}

int ColumnCatalog::WeightColumn() const {
  const VEXA_DataSource* dictionary = access_ ? access_->CaseDictionary() : nullptr;
  return dictionary ? dictionary->GetWeightVarIndex() : -1;
}

std::string ColumnCatalog::NameOf(int column) const {
  const VEXA_DataSource* dictionary = access_ ? access_->CaseDictionary() : nullptr;
  const VEXA_Variable* variable = dictionary ? dictionary->GetVariable(column) : nullptr;
  if (variable) return variable->GetName();
  std::string name = "#";
  name += std::to_string(column);
  return name;
}
