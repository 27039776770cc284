#include "command/GGraphSettings.h"

#include <cstdio>

#include "data/GGraphDataSet.h"
#include "graphspec/GraphSpec.h"
#include "model/GGraphVariable.h"
#include "model/VariableResolver.h"

struct GGraphSettings::Rep {
  DataSetList aggregatedDataSets;
  DataSetList unaggregatedDataSets;
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
  rep_->aggregatedDataSets.clear();
  rep_->unaggregatedDataSets.clear();
  for (GraphSpec* spec : rep_->graphSpecs) delete spec;
  delete rep_;
}

namespace {

std::string GeneratedSourceName(int held) {
  char name[32];
  std::snprintf(name, sizeof name, "source%i", held);
  return name;
}

void RemoveNamed(GGraphSettings::DataSetList& list, const std::string& name) {
  std::erase_if(list, [&](const std::unique_ptr<GGraphDataSet>& held) { return held->GetSourceName() == name; });
}

// The case number always; the weight when the data are weighted and the
// weight variable resolves.
void AddSystemVariables(GGraphDataSet& dataSet) {
  dataSet.AddVariable(new GGraphVariable(SYSVAR_CASENUM, nullptr));
  int weight = dataSet.GetWeightVariableIndex();
  if (weight == -1) return;
  auto resolver = std::make_unique<VariableResolver>();
  if (resolver->resolveVariable(dataSet.GetDataSource(), weight))
    dataSet.AddVariable(new GGraphVariable(SYSVAR_WEIGHT, resolver.release()));
}

}  // namespace

void GGraphSettings::AddDataSet(GGraphDataSet* dataSet) {
  std::unique_ptr<GGraphDataSet> added(dataSet);
  if (added->GetSourceName().empty()) added->SetSourceName(GeneratedSourceName(GetDataSetCount()));
  RemoveNamed(rep_->aggregatedDataSets, added->GetSourceName());
  RemoveNamed(rep_->unaggregatedDataSets, added->GetSourceName());
  if (added->HasAggregation()) {
    rep_->aggregatedDataSets.push_back(std::move(added));
    return;
  }
  AddSystemVariables(*added);
  rep_->unaggregatedDataSets.push_back(std::move(added));
}

const GGraphSettings::DataSetList& GGraphSettings::GetAggregatedDataSets() const { return rep_->aggregatedDataSets; }

const GGraphSettings::DataSetList& GGraphSettings::GetUnaggregatedDataSets() const {
  return rep_->unaggregatedDataSets;
}

int GGraphSettings::GetDataSetCount() const {
  return static_cast<int>(rep_->aggregatedDataSets.size() + rep_->unaggregatedDataSets.size());
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
