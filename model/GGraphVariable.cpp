#include "model/GGraphVariable.h"

#include <memory>

#include "host/chart/VarDataProcessor.h"
#include "host/chart/XUtility.h"
#include "host/engine/VEXA_ValueLabelMap.h"
#include "host/engine/VEXA_Variable.h"
#include "model/VariableResolver.h"
#include "report/DictionaryText.h"
#include "report/Utf8FromLocalCodePage.h"

namespace {

// Names the labelling columns; shared by every command of the module's life.
unsigned int labelingVariableCounter = 0;

const char* SystemVariableName(SYSVAR which) {
  switch (which) {
    case SYSVAR_CASENUM:
      return "$CASENUM";
    case SYSVAR_WEIGHT:
      return "$WEIGHT";
  }
  return "";
}

std::string NameOfResolved(const VariableResolver& resolver) {
  if (resolver.getVariableType() != SINGLE_VARIABLE) return resolver.getSetLabel();
  const VEXA_Variable* variable = resolver.getVariable();
  return variable ? variable->GetName() : "";
}

}  // namespace

struct GGraphVariable::Rep {
  std::unique_ptr<VariableResolver> resolver;
  std::unique_ptr<VarDataColumn> valueColumn;
  std::unique_ptr<VarDataColumn> labelColumn;
  VarDataProcessor* processor = nullptr;
  std::string labelingVariableName;
  std::string parentSetName;
  std::string gplLabel;
  std::string gplLabelUtf8;
  std::string name;
  std::string nameUtf8;
  bool isCaseNumber = false;
  bool isWeight = false;
  int level = 0;

  const VEXA_ValueLabelMap* ValueLabels() const {
    const VEXA_Variable* variable = resolver ? resolver->getVariable() : nullptr;
    return variable ? variable->GetValueLabels() : nullptr;
  }
  bool WritesLabels() const { return labelColumn && resolver && resolver->getVariable(); }
};

GGraphVariable::GGraphVariable(VariableResolver* resolver) : rep_(new Rep) {
  rep_->resolver.reset(resolver);
  if (!resolver) return;
  rep_->name = NameOfResolved(*resolver);
  rep_->nameUtf8 = Utf8FromLocalCodePage(rep_->name);
  rep_->gplLabelUtf8 = rep_->nameUtf8;
}

GGraphVariable::GGraphVariable(SYSVAR which, VariableResolver* resolver) : rep_(new Rep) {
  rep_->resolver.reset(resolver);
  rep_->isCaseNumber = which == SYSVAR_CASENUM;
  rep_->isWeight = which == SYSVAR_WEIGHT;
  const std::string text = SystemVariableName(which);
  rep_->gplLabel = rep_->name = rep_->nameUtf8 = rep_->gplLabelUtf8 = text;
}

GGraphVariable::~GGraphVariable() { delete rep_; }

void GGraphVariable::SetGPLLabel(const std::string& label) {
  rep_->gplLabel = label;
  rep_->gplLabelUtf8 = Utf8FromLocalCodePage(label);
}

std::string GGraphVariable::GetGPLName() const { return rep_->gplLabel.empty() ? rep_->name : rep_->gplLabel; }

std::string GGraphVariable::GetVariableUnicodeName() const {
  return rep_->gplLabelUtf8.empty() ? rep_->nameUtf8 : rep_->gplLabelUtf8;
}

std::string GGraphVariable::GetVariableName() const { return rep_->name; }

std::string GGraphVariable::GetLabel() const {
  const VEXA_Variable* variable = rep_->resolver ? rep_->resolver->getVariable() : nullptr;
  return variable && HasText(variable->GetLabel()) ? variable->GetLabel() : rep_->name;
}

VariableResolver* GGraphVariable::GetResolver() const { return rep_->resolver.get(); }
bool GGraphVariable::IsCaseNumber() const { return rep_->isCaseNumber; }
bool GGraphVariable::IsWeight() const { return rep_->isWeight; }
bool GGraphVariable::IsStringVariable() const { return rep_->resolver && rep_->resolver->isString(); }

void GGraphVariable::SetLevel(int level) { rep_->level = level; }
int GGraphVariable::GetLevel() const { return rep_->level; }

void GGraphVariable::SetParentSetName(const std::string& name) { rep_->parentSetName = name; }
std::string GGraphVariable::GetParentSetName() const { return rep_->parentSetName; }
bool GGraphVariable::HasParentSetName() const { return !rep_->parentSetName.empty(); }

std::string GGraphVariable::MakeLabelingVariableName() {
  rep_->labelingVariableName = "labelingVariable_" + std::to_string(labelingVariableCounter++);
  return rep_->labelingVariableName;
}

std::string GGraphVariable::GetLabelingVariableName() const { return rep_->labelingVariableName; }

bool GGraphVariable::AddToDataProcessor(VarDataProcessor* processor, const std::string& tableName) {
  if (!processor || tableName.empty()) return false;
  rep_->valueColumn = std::make_unique<VarDataColumn>();
  rep_->processor = processor;
  processor->AddVariable(tableName, GetVariableUnicodeName(), rep_->valueColumn.get());
  if (!rep_->labelingVariableName.empty()) {
    rep_->labelColumn = std::make_unique<VarDataColumn>();
    processor->AddVariable(tableName, rep_->labelingVariableName, rep_->labelColumn.get());
  }
  return true;
}

bool GGraphVariable::SetNumericValue(double value, int row) {
  if (!rep_->processor || !rep_->valueColumn) return false;
  rep_->processor->SetVariableValue(*rep_->valueColumn, row, value);
  if (!rep_->WritesLabels()) return true;
  const VEXA_ValueLabelMap* labels = rep_->ValueLabels();
  const char* label = labels ? labels->GetLabel(value) : nullptr;
  if (label)
    rep_->processor->SetStringVariableValue(*rep_->labelColumn, row, Utf8FromLocalCodePage(label));
  else
    rep_->processor->SetVariableValue(*rep_->labelColumn, row, value);
  return true;
}

bool GGraphVariable::SetStringValue(const std::string& text, int row) {
  if (!rep_->processor || !rep_->valueColumn) return false;
  rep_->processor->SetStringVariableValue(*rep_->valueColumn, row, text);
  if (!rep_->WritesLabels()) return true;
  const VEXA_ValueLabelMap* labels = rep_->ValueLabels();
  const char* label = labels ? labels->GetLabel(text.c_str()) : nullptr;
  if (!label) {
    rep_->processor->SetStringVariableValue(*rep_->labelColumn, row, text);
    return true;
  }
  // Labels of string values may ask for a line break with a backslash and n.
  ChartString shown = XUtility::ChartStringFromLocalCodePage(label);
  shown.replaceSubstring("\\n", "\n");
  rep_->processor->SetStringVariableValue(*rep_->labelColumn, row, shown.toUTF8());
  return true;
}
