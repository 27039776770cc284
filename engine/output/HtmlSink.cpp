#include "engine/output/HtmlSink.h"

#include "OutputItem.h"

namespace {

std::string EscapeHtml(const std::string& text) {
  std::string escaped;
  for (char c : text) {
    switch (c) {
      case '<': escaped += "&lt;"; break;
      case '>': escaped += "&gt;"; break;
      case '&': escaped += "&amp;"; break;
      case '"': escaped += "&quot;"; break;
      case '\'': escaped += "&#39;"; break;
      default: escaped += c;
    }
  }
  return escaped;
}

}  // namespace

HtmlSink::HtmlSink(std::ostream& out, const PageAssets& assets, const std::string& title)
    : out_(out), assets_(assets), buffer_(out), json_(&buffer_) {
  out_ << "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
       << "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
       << "<title>" << EscapeHtml(title) << "</title>\n<style>\n"
       << assets_.style << "</style>\n" << assets_.libraries << "</head>\n<body>\n<header>\n<h1>"
       << EscapeHtml(title) << "</h1>\n<nav id=\"gg-contents\" aria-label=\"Contents\"></nav>\n</header>\n"
       << "<main id=\"gg-output\">\n";
}

void HtmlSink::OpenItem() { out_ << "<script type=\"application/json\" class=\"gg-item\">"; }

void HtmlSink::CloseItem() {
  json_.flush();
  out_ << "</script>\n";
}

void HtmlSink::BeginProcedure(const std::string& title) {
  OpenItem();
  rapidjson::OStreamWrapper stream(json_);
  JsonWriter writer(stream);
  writer.StartObject();
  writer.Key("type");
  writer.String("procedureBegin");
  writer.Key("title");
  writer.String(title.c_str(), static_cast<rapidjson::SizeType>(title.size()));
  writer.EndObject();
  CloseItem();
}

void HtmlSink::EndProcedure() {
  OpenItem();
  json_ << "{\"type\":\"procedureEnd\"}";
  CloseItem();
}

void HtmlSink::Item(const OutputItem& item) {
  OpenItem();
  rapidjson::OStreamWrapper stream(json_);
  JsonWriter writer(stream);
  item.WriteJson(writer);
  CloseItem();
}

void HtmlSink::Finish() {
  out_ << "</main>\n<script>\n" << assets_.script << "</script>\n</body>\n</html>\n";
  out_.flush();
}
