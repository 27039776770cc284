#pragma once
#include <string>

#include "engine/output/OutputItem.h"

struct DocumentState;

// A chart document as an item of the output document. Charts ("gpl",
// "vizml"), JSON charts, images and graph-service documents each have their
// own writer; see docs/output-format.md. A chart that is drawn carries its
// Vega-Lite JSON, written as "vegaLite".
class DocumentItem : public OutputItem {
 public:
  DocumentItem(const DocumentState& state, bool later, bool thumbnail, const std::string* vegaLite = nullptr)
      : state_(state), later_(later), thumbnail_(thumbnail), vegaLite_(vegaLite) {}
  void WriteJson(JsonWriter& json) const override;
  void WriteListing(std::ostream& out) const override;

  const DocumentState& State() const { return state_; }
  bool Later() const { return later_; }
  // The chart's Vega-Lite JSON; null when the chart is not drawn.
  const std::string* VegaLite() const { return vegaLite_; }

 private:
  const DocumentState& state_;
  bool later_;
  bool thumbnail_;
  const std::string* vegaLite_;
};
