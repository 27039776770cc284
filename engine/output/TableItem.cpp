#include "engine/output/TableItem.h"

#include <algorithm>
#include <iomanip>

namespace {

void WriteValue(JsonWriter& json, const OutputValue& value) {
  if (value.isNumber)
    json.Double(value.number);
  else
    json.String(value.text.c_str(), static_cast<rapidjson::SizeType>(value.text.size()));
}

}  // namespace

void TableItem::WriteJson(JsonWriter& json) const {
  json.StartObject();
  json.Key("type");
  json.String("table");
  json.Key("title");
  json.String(model_.title.c_str());
  json.Key("name");
  json.String(model_.name.c_str());
  json.Key("titleHidden");
  json.Bool(model_.titleHidden);
  json.Key("dimensions");
  json.StartArray();
  for (const PivotDimensionModel& dimension : model_.dimensions) json.String(dimension.label.c_str());
  json.EndArray();
  json.Key("rows");
  json.StartArray();
  for (const PivotCategoryModel& category : model_.categories) {
    json.StartObject();
    json.Key("label");
    json.String(category.label.c_str());
    json.Key("cells");
    json.StartArray();
    for (const OutputValue& cell : category.cells) WriteValue(json, cell);
    json.EndArray();
    json.Key("texts");
    json.StartArray();
    for (const OutputValue& cell : category.cells)
      json.String(cell.text.c_str(), static_cast<rapidjson::SizeType>(cell.text.size()));
    json.EndArray();
    json.EndObject();
  }
  json.EndArray();
  json.EndObject();
}

void TableItem::WriteListing(std::ostream& out) const {
  out << "Table: " << model_.title << '\n';
  std::size_t width = 4;
  for (const PivotCategoryModel& category : model_.categories) width = std::max(width, category.label.size());
  for (const PivotCategoryModel& category : model_.categories) {
    out << "  " << std::left << std::setw(static_cast<int>(width)) << category.label;
    for (const OutputValue& cell : category.cells) out << " | " << cell.text;
    out << '\n';
  }
}
