#pragma once
#include <string>

#include "XDocument.h"

// A graph-service document: chart options for a graph service, sent with the
// data of one source and the variables the service should use.
class XGraphService : public XDocument {
 public:
  XGraphService();

  // The options text; the document exists once it holds a non-blank character.
  void setChartOptions(const std::string& text);
  // Starts the document for one source (one split group): the variables of an
  // earlier group are dropped.
  void createDocument(const std::string& sourceName);
  // A variable of the source by name and its index in the engine data.
  void addVariable(const std::string& name, int index);
  // Puts the document into the output; false when it has no options.
  bool sendChartOptions();
  bool SendChart(bool show, bool later, bool thumbnail) override;
};
