#pragma once
#include "engine/output/OutputItem.h"

struct DocumentState;

// A chart document as an item of the output document. Charts ("gpl",
// "vizml"), JSON charts, images and graph-service documents each have their
// own writer; see docs/output-format.md.
class DocumentItem : public OutputItem {
 public:
  DocumentItem(const DocumentState& state, bool later, bool thumbnail)
      : state_(state), later_(later), thumbnail_(thumbnail) {}
  void WriteJson(JsonWriter& json) const override;
  void WriteListing(std::ostream& out) const override;

 private:
  const DocumentState& state_;
  bool later_;
  bool thumbnail_;
};
