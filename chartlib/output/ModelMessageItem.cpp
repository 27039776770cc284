#include "chartlib/output/ModelMessageItem.h"

#include "chartlib/output/Base64.h"
#include "chartlib/output/JsonValues.h"
#include "chartlib/text/Utf8.h"

void ModelMessageItem::WriteJson(JsonWriter& json) const {
  json.StartObject();
  WriteField(json, "type", "modelMessage");
  WriteField(json, "messageType", message_.type);
  json.Key("contents");
  json.StartArray();
  for (const ModelMessageContent& content : message_.contents) {
    json.StartObject();
    WriteField(json, "number", content.number);
    WriteField(json, "file", content.isFile);
    if (IsValidUtf8(content.content))
      WriteField(json, "text", content.content);
    else
      WriteField(json, "base64", EncodeBase64(content.content));
    json.EndObject();
  }
  json.EndArray();
  json.EndObject();
}

void ModelMessageItem::WriteListing(std::ostream& out) const {
  out << "Message to the front end (type " << message_.type << "):";
  for (const ModelMessageContent& content : message_.contents)
    out << " content " << content.number << " (" << content.content.size() << " bytes)";
  out << '\n';
}
