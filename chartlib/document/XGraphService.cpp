#include "XGraphService.h"

#include "chartlib/document/DocumentState.h"

XGraphService::XGraphService() : XDocument(Kind{"graphService"}) {}

void XGraphService::setChartOptions(const std::string& text) {
  MutableState().service.options = text;
  bool blank = text.find_first_not_of(" \t\r\n\f\v") == std::string::npos;
  MutableState().parseError = blank ? "the graph-service options are empty" : "";
}

void XGraphService::createDocument(const std::string& sourceName) {
  MutableState().service.source = sourceName;
  MutableState().service.variables.clear();
}

void XGraphService::addVariable(const std::string& name, int index) {
  MutableState().service.variables.emplace_back(name, index);
}

bool XGraphService::sendChartOptions() { return Send(); }

bool XGraphService::SendChart(bool show, bool later, bool thumbnail) {
  return implementationExists() && XDocument::SendChart(show, later, thumbnail);
}
