#include "BpPivotTable.h"
#include "BpProcedure.h"
#include "engine/output/OutputDocument.h"
#include "engine/output/TableItem.h"

namespace {

OutputValue ToValue(const BpObject& object) {
  OutputValue value;
  value.isNumber = object.IsNumber();
  value.number = object.Number();
  value.text = object.Render();
  return value;
}

}  // namespace

void BpCategory::Cell(const BpObject& content) { model_->cells.push_back(ToValue(content)); }

std::unique_ptr<BpCategory> BpGroup::Category(const BpObject& label) {
  table_->categories.push_back(PivotCategoryModel{label.Render(), {}});
  return std::make_unique<BpCategory>(&table_->categories.back());
}

void BpDimension::Position(int, int, bool, bool) {}

BpPivotTable::~BpPivotTable() {
  if (OutputDocument* output = CurrentOutput()) output->Add(TableItem(*model_));
}

void BpPivotTable::HideTitle() { model_->titleHidden = true; }
void BpPivotTable::MinDataColumnWidth(int width) { model_->minColumnWidth = width; }
void BpPivotTable::MaxDataColumnWidth(int width) { model_->maxColumnWidth = width; }

std::unique_ptr<BpDimension> BpPivotTable::Dimension(const BpObject& label, int sortValue) {
  model_->dimensions.push_back(PivotDimensionModel{label.Render(), sortValue});
  return std::make_unique<BpDimension>(model_);
}

std::unique_ptr<BpPivotTable> BpHeading::PivotTable(const BpObject& title, const BpObject& name, bool) {
  auto model = std::make_shared<PivotTableModel>();
  model->title = title.Render();
  model->name = name.Render();
  return std::make_unique<BpPivotTable>(std::move(model));
}

BpProcedure::BpProcedure(const std::string& title, int) {
  if (OutputDocument* output = CurrentOutput()) output->BeginProcedure(title);
}

BpProcedure::~BpProcedure() {
  if (OutputDocument* output = CurrentOutput()) output->EndProcedure();
}

void BpProcedure::SplitChange() {
  if (OutputDocument* output = CurrentOutput()) output->SplitChange();
}
