#include "engine/output/JsonSink.h"

#include "OutputItem.h"

JsonSink::JsonSink(std::ostream& out) : out_(out), stream_(out), writer_(stream_) {
  writer_.StartObject();
  writer_.Key("items");
  writer_.StartArray();
}

void JsonSink::BeginProcedure(const std::string& title) {
  writer_.StartObject();
  writer_.Key("type");
  writer_.String("procedure");
  writer_.Key("title");
  writer_.String(title.c_str(), static_cast<rapidjson::SizeType>(title.size()));
  writer_.Key("items");
  writer_.StartArray();
}

void JsonSink::EndProcedure() {
  writer_.EndArray();
  writer_.EndObject();
}

void JsonSink::Item(const OutputItem& item) { item.WriteJson(writer_); }

void JsonSink::Finish() {
  writer_.EndArray();
  writer_.EndObject();
  out_ << '\n';
  out_.flush();
}
