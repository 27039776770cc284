#pragma once
#include <memory>

#include "BpObject.h"

struct PivotTableModel;
struct PivotCategoryModel;

class BpCategory {
 public:
  explicit BpCategory(PivotCategoryModel* model) : model_(model) {}
  void Cell(const BpObject& content);

 private:
  PivotCategoryModel* model_;
};

class BpGroup {
 public:
  explicit BpGroup(std::shared_ptr<PivotTableModel> table) : table_(std::move(table)) {}
  virtual ~BpGroup() = default;
  std::unique_ptr<BpCategory> Category(const BpObject& label);

 protected:
  std::shared_ptr<PivotTableModel> table_;
};

class BpDimension : public BpGroup {
 public:
  using BpGroup::BpGroup;
  void Position(int place, int level, bool show, bool hideLabel);
};

// A pivot table; it goes to the output when it is released.
class BpPivotTable {
 public:
  explicit BpPivotTable(std::shared_ptr<PivotTableModel> model) : model_(std::move(model)) {}
  ~BpPivotTable();
  BpPivotTable(const BpPivotTable&) = delete;
  BpPivotTable& operator=(const BpPivotTable&) = delete;

  void HideTitle();
  void MinDataColumnWidth(int width);
  void MaxDataColumnWidth(int width);
  std::unique_ptr<BpDimension> Dimension(const BpObject& label, int sortValue);

 private:
  std::shared_ptr<PivotTableModel> model_;
};

class BpHeading {
 public:
  virtual ~BpHeading() = default;
  std::unique_ptr<BpPivotTable> PivotTable(const BpObject& title, const BpObject& name, bool show);
};
