#pragma once
#include <ostream>

#include "JsonWriter.h"

// One item of the output document: a message, an echoed line, a table, a chart.
class OutputItem {
 public:
  virtual ~OutputItem() = default;
  // Writes the item as one JSON object.
  virtual void WriteJson(JsonWriter& json) const = 0;
  // Writes the item's lines for the text listing.
  virtual void WriteListing(std::ostream& out) const = 0;
};
