#include "model/GGraphSettings.h"

#include "spec/GraphSpec.h"

struct GGraphSettings::Rep {
  std::vector<GraphSpec*> graphSpecs;  // owned
  std::int32_t rfmMode = 0;
  std::int32_t descriptionType = 0;
  std::vector<std::string> csvFiles;
  bool fitLineTotal = false;
  bool fitLineSubgroup = false;
  bool gradientStyle = false;
  std::vector<ColorEntry> colorCycle;
  TriState outerFrame = 0;
  TriState innerFrame = 0;
  TriState xAxisGridlines = 0;
  TriState yAxisGridlines = 0;
};

GGraphSettings::GGraphSettings() : rep_(new Rep) {}

GGraphSettings::~GGraphSettings() {
  for (GraphSpec* spec : rep_->graphSpecs) delete spec;
  delete rep_;
}

void GGraphSettings::AddGraphSpec(GraphSpec* spec) { rep_->graphSpecs.push_back(spec); }
const std::vector<GraphSpec*>& GGraphSettings::GetGraphSpecs() const { return rep_->graphSpecs; }

void GGraphSettings::AddCsvFile(const std::string& file) { rep_->csvFiles.push_back(file); }
const std::vector<std::string>& GGraphSettings::GetCsvFiles() const { return rep_->csvFiles; }

void GGraphSettings::AddColorEntry(const ColorEntry& entry) { rep_->colorCycle.push_back(entry); }
const std::vector<ColorEntry>& GGraphSettings::GetColorCycle() const { return rep_->colorCycle; }

void GGraphSettings::SetOuterFrame(TriState value) { rep_->outerFrame = value; }
void GGraphSettings::SetInnerFrame(TriState value) { rep_->innerFrame = value; }
void GGraphSettings::SetXAxisGridlines(TriState value) { rep_->xAxisGridlines = value; }
void GGraphSettings::SetYAxisGridlines(TriState value) { rep_->yAxisGridlines = value; }
TriState GGraphSettings::GetOuterFrame() const { return rep_->outerFrame; }
TriState GGraphSettings::GetInnerFrame() const { return rep_->innerFrame; }
TriState GGraphSettings::GetXAxisGridlines() const { return rep_->xAxisGridlines; }
TriState GGraphSettings::GetYAxisGridlines() const { return rep_->yAxisGridlines; }

void GGraphSettings::SetFitLineTotal() { rep_->fitLineTotal = true; }
void GGraphSettings::SetFitLineSubgroup() { rep_->fitLineSubgroup = true; }
void GGraphSettings::SetGradientStyle() { rep_->gradientStyle = true; }
bool GGraphSettings::GetFitLineTotal() const { return rep_->fitLineTotal; }
bool GGraphSettings::GetFitLineSubgroup() const { return rep_->fitLineSubgroup; }
bool GGraphSettings::GetGradientStyle() const { return rep_->gradientStyle; }

void GGraphSettings::SetRfmMode(int mode) { rep_->rfmMode = mode; }
int GGraphSettings::GetRfmMode() const { return rep_->rfmMode; }
void GGraphSettings::SetDescriptionType(int type) { rep_->descriptionType = type; }
int GGraphSettings::GetDescriptionType() const { return rep_->descriptionType; }
