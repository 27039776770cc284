#include "chartlib/output/DocumentItem.h"

#include <cstring>

#include "chartlib/document/DocumentState.h"
#include "chartlib/output/DocumentWriters.h"
#include "chartlib/output/JsonValues.h"

namespace {

struct DocumentWriter {
  const char* kind;
  const char* type;
  void (*writeJson)(JsonWriter&, const DocumentState&, SendOptions);
  void (*writeListing)(std::ostream&, const DocumentState&, SendOptions);
};

constexpr DocumentWriter kWriters[] = {
    {"gpl", "chart", WriteChartFields, ListChart},
    {"vizml", "chart", WriteChartFields, ListChart},
    {"graphService", "graphService", WriteGraphServiceFields, ListGraphService},
    {"jsonChart", "jsonChart", WriteJsonChartFields, ListJsonChart},
    {"image", "image", WriteImageFields, ListImage},
};

const DocumentWriter& WriterFor(const std::string& kind) {
  for (const DocumentWriter& writer : kWriters)
    if (kind == writer.kind) return writer;
  return kWriters[0];
}

}  // namespace

void DocumentItem::WriteJson(JsonWriter& json) const {
  const DocumentWriter& writer = WriterFor(state_.kind);
  json.StartObject();
  WriteField(json, "type", writer.type);
  writer.writeJson(json, state_, send_);
  if (vegaLite_) {
    json.Key("vegaLite");
    WriteRawJson(json, *vegaLite_);
  }
  json.EndObject();
}

void DocumentItem::WriteListing(std::ostream& out) const {
  WriterFor(state_.kind).writeListing(out, state_, send_);
}
