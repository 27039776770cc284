#include "spec/GraphSpec.h"

struct GraphSpec::Rep {
  SourceKind sourceKind = INLINE;
  std::string gplText;
  std::string serviceText;
};

GraphSpec::GraphSpec() : rep_(new Rep) {}
GraphSpec::~GraphSpec() { delete rep_; }

void GraphSpec::SetSourceKind(SourceKind kind) { rep_->sourceKind = kind; }
SourceKind GraphSpec::GetSourceKind() const { return rep_->sourceKind; }
void GraphSpec::SetGplText(const std::string& text) { rep_->gplText = text; }
const std::string& GraphSpec::GetGplText() const { return rep_->gplText; }
void GraphSpec::SetServiceText(const std::string& text) { rep_->serviceText = text; }
const std::string& GraphSpec::GetServiceText() const { return rep_->serviceText; }
