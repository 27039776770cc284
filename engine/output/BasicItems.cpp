#include "engine/output/BasicItems.h"

void MessageItem::WriteJson(JsonWriter& json) const {
  json.StartObject();
  json.Key("type");
  json.String("message");
  json.Key("level");
  json.Int(level_);
  json.Key("text");
  json.String(text_.c_str(), static_cast<rapidjson::SizeType>(text_.size()));
  if (engineError_ != 0) {
    json.Key("engineError");
    json.Int(engineError_);
  }
  if (line_ > 0) {
    json.Key("line");
    json.Int(line_);
    json.Key("column");
    json.Int(column_);
  }
  json.EndObject();
}

void MessageItem::WriteListing(std::ostream& out) const {
  out << (level_ >= 3 ? "Error" : "Warning");
  if (engineError_ != 0) out << ' ' << engineError_;
  if (line_ > 0) out << " (line " << line_ << ", column " << column_ << ")";
  out << ": " << text_ << '\n';
}

void TextItem::WriteJson(JsonWriter& json) const {
  json.StartObject();
  json.Key("type");
  json.String(type_);
  json.Key("text");
  json.String(text_.c_str(), static_cast<rapidjson::SizeType>(text_.size()));
  if (line_ > 0) {
    json.Key("line");
    json.Int(line_);
  }
  json.EndObject();
}

void TextItem::WriteListing(std::ostream& out) const { out << prefix_ << text_ << '\n'; }
