#pragma once
#include <string>

#include "XDocument.h"

// A chart given as JSON: a chart file, or a template with GeoJSON maps.
class xLumo : public XDocument {
 public:
  xLumo();

  // Reads the JSON chart file (relative names from the command file's
  // folder). False when it cannot be read or is not valid JSON.
  bool setViZJSON(const std::string& file);
  // A JSON chart template given as text. False when it is not valid JSON.
  bool setViZJSONTemplate(const std::string& text);
  // Adds a GeoJSON file. False when it cannot be read or is not valid JSON.
  bool addGeoJSON(const std::string& file);
  // Puts the chart into the output; false when it has neither chart nor template.
  bool sendChart();
  bool SendChart(bool show, bool later, bool thumbnail) override;
};
