#pragma once
#include "OutputItem.h"
#include "engine/output/PivotTableModel.h"

class TableItem : public OutputItem {
 public:
  explicit TableItem(const PivotTableModel& model) : model_(model) {}
  void WriteJson(JsonWriter& json) const override;
  void WriteListing(std::ostream& out) const override;

 private:
  const PivotTableModel& model_;
};
