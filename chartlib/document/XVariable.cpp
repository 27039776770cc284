#include "XVariable.h"

#include "VEXA_Variable.h"
#include "XUtility.h"
#include "chartlib/text/Utf8.h"

namespace {

constexpr const char* kWeightColumn = "$WEIGHT";

// Engine names are in the local code page; the chart keeps UTF-8.
std::string EngineName(const VEXA_Variable* variable) {
  return variable ? XUtility::ChartStringFromLocalCodePage(variable->GetName()).toUTF8() : std::string();
}

}  // namespace

struct XVariable::Impl {
  std::string column;
  std::string source;
  bool categorical;
  bool weight;
  std::string label;
  std::string shortLabel;
  int creator = -1;
  std::optional<Statistic> statistic;
  std::optional<Format> format;
  std::vector<Relabel> relabels;
  const VEXA_Variable* engineVariable = nullptr;
  std::string engineVariableName;
};

XVariable::XVariable(std::string column, std::string source, bool categorical, bool weight)
    : impl_(std::make_unique<Impl>()) {
  // Names are compared as UTF-8 after a round trip through ChartString,
  // which repairs invalid bytes; keep them repaired from the start.
  impl_->column = SanitizeUtf8(column);
  impl_->source = SanitizeUtf8(source);
  impl_->weight = weight || impl_->column == kWeightColumn;
  impl_->categorical = categorical;
}

XVariable::~XVariable() = default;

const std::string& XVariable::getName() const { return impl_->column; }
const std::string& XVariable::getSource() const { return impl_->source; }

void XVariable::setLabel(const ChartString& label) { impl_->label = label.toUTF8(); }
ChartString XVariable::getLabel() const { return ChartString(impl_->label); }
void XVariable::setShortLabel(const ChartString& label) { impl_->shortLabel = label.toUTF8(); }
ChartString XVariable::getShortLabel() const { return ChartString(impl_->shortLabel); }
void XVariable::setCreator(int creator) { impl_->creator = creator; }
int XVariable::getCreator() const { return impl_->creator; }

void XVariable::setStatistic(int kind, double a, double b, double c, bool flag) {
  impl_->statistic = Statistic{kind, a, b, c, flag};
}

const std::optional<XVariable::Statistic>& XVariable::getStatistic() const { return impl_->statistic; }

void XVariable::setFormat(VEXA_Format format) {
  Format packed;
  packed.packed = format;
  impl_->format = packed;
}

void XVariable::setFormatBasedOnVEXAVariable(const VEXA_Variable* variable) {
  if (!variable) return;
  Format packed;
  packed.packed = variable->GetFormat();
  packed.variable = EngineName(variable);
  impl_->format = packed;
}

void XVariable::SetNumberFormat(int decimals, bool grouping, const ChartString& prefix, const ChartString& suffix) {
  Format number;
  number.kind = Format::Kind::kNumber;
  number.decimals = decimals;
  number.grouping = grouping;
  number.prefix = prefix.toUTF8();
  number.suffix = suffix.toUTF8();
  impl_->format = number;
}

bool XVariable::doesFormatExist() const { return impl_->format.has_value(); }
const std::optional<XVariable::Format>& XVariable::getFormat() const { return impl_->format; }

void XVariable::addRelabel(const ChartString& value, const ChartString& label) {
  impl_->relabels.push_back(Relabel{Relabel::By::kText, value.toUTF8(), 0, 0, label.toUTF8()});
}

void XVariable::addRelabel(double value, const ChartString& label) {
  impl_->relabels.push_back(Relabel{Relabel::By::kNumber, {}, value, 0, label.toUTF8()});
}

void XVariable::addRelabel(int index, const ChartString& label) {
  impl_->relabels.push_back(Relabel{Relabel::By::kIndex, {}, 0, index, label.toUTF8()});
}

const std::vector<XVariable::Relabel>& XVariable::getRelabels() const { return impl_->relabels; }
std::vector<XVariable::Relabel>& XVariable::relabels() { return impl_->relabels; }

void XVariable::setCategorical(bool categorical) { impl_->categorical = categorical; }
bool XVariable::getCategorical() const { return impl_->categorical; }
bool XVariable::isWeightVariable() const { return impl_->weight; }

void XVariable::setVEXAVariable(const VEXA_Variable* variable) {
  impl_->engineVariable = variable;
  impl_->engineVariableName = EngineName(variable);
}

bool XVariable::hasVEXAVariable() const { return impl_->engineVariable != nullptr; }
const VEXA_Variable* XVariable::getVEXAVariable() const { return impl_->engineVariable; }
const std::string& XVariable::getVEXAVariableName() const { return impl_->engineVariableName; }
