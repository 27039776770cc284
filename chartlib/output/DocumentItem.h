#pragma once
#include <string>

#include "OutputItem.h"
#include "XDocument.h"

struct DocumentState;

// A chart document as an item of the output document. Charts ("gpl",
// "vizml"), JSON charts, images and graph-service documents each have their
// own writer; see docs/output-format.md. A chart that is drawn carries its
// Vega-Lite JSON, written as "vegaLite".
class DocumentItem : public OutputItem {
 public:
  DocumentItem(const DocumentState& state, XDocument::SendOptions send, const std::string* vegaLite = nullptr)
      : state_(state), send_(send), vegaLite_(vegaLite) {}
  void WriteJson(JsonWriter& json) const override;
  void WriteListing(std::ostream& out) const override;

  const DocumentState& State() const { return state_; }
  bool Later() const { return send_.later; }
  // The chart's Vega-Lite JSON; null when the chart is not drawn.
  const std::string* VegaLite() const { return vegaLite_; }

 private:
  const DocumentState& state_;
  XDocument::SendOptions send_;
  const std::string* vegaLite_;
};
