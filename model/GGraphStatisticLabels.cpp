// The labels and result formats of a summary function.

#include <algorithm>
#include <sstream>

#include "host/chart/XUtility.h"
#include "host/engine/FacSTDictionary.h"
#include "host/engine/OmComposite.h"
#include "host/engine/StatisticCodes.h"
#include "host/engine/VEXA_Variable.h"
#include "host/engine/VexaText.h"
#include "host/engine/currencyFormat.h"
#include "model/GGraphStatisticRep.h"
#include "report/DictionaryText.h"

namespace {

constexpr int kDollarFormatType = 4;
constexpr int kFirstCurrencyFormatType = 33;
constexpr int kLastCurrencyFormatType = 37;
constexpr int kMostDecimals = 16;
constexpr int kChartDigits = 16;

bool IsStringOrDateType(int type) {
  return type == 1 || (type >= 20 && type <= 30) || type == 38 || type == 39 || type == 85 || type == 86;
}

bool IsDateType(int type) { return type != 1 && IsStringOrDateType(type); }

bool IsCurrencyType(int type) { return type >= kFirstCurrencyFormatType && type <= kLastCurrencyFormatType; }

// Number formats whose decimals a summary may extend.
bool IsPlainNumberType(int type) {
  return type == 3 || type == 4 || type == 5 || type == 17 || (type >= 31 && type <= kLastCurrencyFormatType);
}

bool ShowsCurrency(ResultRule rule) {
  return rule == ResultRule::kValue || rule == ResultRule::kSummary || rule == ResultRule::kSpread;
}

// As a default output stream writes it: six significant digits.
std::string StreamText(double value) {
  std::ostringstream out;
  out << value;
  return out.str();
}

std::string ChartNumberText(double value) { return ChartString().assignDouble(value, kChartDigits).toUTF8(); }

std::string Compose(const std::string& pattern, const std::vector<std::string>& args) {
  OmComposite composite(pattern);
  for (const std::string& arg : args) composite.Add(OmStringCell(arg));
  composite.End();
  composite.Substitute();
  return composite.Text();
}

// Patterns and words are keys of the string table; a key it lacks stays as it is.
std::string LookUp(const FacSTDictionary* dictionary, const char* pattern) {
  if (!pattern) return {};
  return dictionary ? dictionary->LookUp(pattern) : std::string(pattern);
}

VEXA_Format FormatOf(const VEXA_Variable* variable) { return variable ? variable->GetFormatEx() : 0; }

}  // namespace

std::vector<double> GGraphStatistic::Rep::LabelValues() const {
  switch (entry.shape) {
    case ParameterShape::kCutPoint:
      return {statistic->GetPTileCutPoint()};
    case ParameterShape::kLowerLimit:
      return {statistic->GetLowerLimit()};
    case ParameterShape::kUpperLimit:
      return {statistic->GetUpperLimit()};
    case ParameterShape::kLimits:
      return {statistic->GetLowerLimit(), statistic->GetUpperLimit()};
    default:
      return {};
  }
}

std::string GGraphStatistic::Rep::VariableText() const {
  return variable && HasText(variable->GetLabel()) ? variable->GetLabel() : variableName;
}

std::string GGraphStatistic::GetDisplayLabel() const {
  std::vector<std::string> args;
  for (double value : rep_->LabelValues()) args.push_back(StreamText(value));
  return Compose(LookUp(rep_->dictionary, rep_->entry.displayPattern), args);
}

std::string GGraphStatistic::GetFullLabel() const {
  std::vector<std::string> args;
  if (rep_->entry.word) args.push_back(LookUp(rep_->dictionary, rep_->entry.word));
  for (double value : rep_->LabelValues()) args.push_back(StreamText(value));
  if (!IsCount()) args.push_back(rep_->VariableText());
  std::string text = Compose(LookUp(rep_->dictionary, rep_->entry.fullPattern), args);
  return XUtility::ChartStringFromOLANG(text).toUTF8();
}

bool GGraphStatistic::GetIntervalLabels(ChartString& low, ChartString& high) const {
  const IntervalSpec* interval = rep_->entry.interval;
  if (!interval) return false;
  std::vector<std::string> args;
  if (interval->namesVariable) args.push_back(rep_->VariableText());
  args.push_back(ChartNumberText(rep_->intervalLevel * (interval->levelInPercent ? 100 : 1)));
  low = XUtility::ChartStringFromLocalCodePage(Compose(interval->lowPattern, args));
  high = XUtility::ChartStringFromLocalCodePage(Compose(interval->highPattern, args));
  return true;
}

ChartString GGraphStatistic::GetGPLLabel() const {
  if (!rep_->gplLabel.empty()) return rep_->gplLabel;
  std::string name = rep_->functionName.toUTF8();
  VEXAMBstrupr_A(name.data());
  ChartString label(name);
  if (!rep_->variableName.empty()) label.append("_").append(XUtility::ChartStringFromLocalCodePage(rep_->variableName));
  if (rep_->IsInterval()) {
    label.append("_").appendDouble(rep_->intervalLevel * 100, kChartDigits);
  } else if (rep_->entry.shape == ParameterShape::kDuplicates) {
    label.append(rep_->countDuplicates ? "_DUP" : "_NODUP");
  } else {
    // Every function labels its own parameters, so that two functions over
    // one variable with different values get different columns.
    for (double value : rep_->LabelValues()) label.append("_").appendDouble(value, kChartDigits);
  }
  rep_->gplLabel = label;
  return label;
}

ChartString GGraphStatistic::Rep::BoundGPLLabel(const char* ending) const {
  ChartString label(functionName);
  label.append("_");
  if (entry.interval->namesVariable) label.append(XUtility::ChartStringFromLocalCodePage(variableName)).append("_");
  return label.appendDouble(intervalLevel * 100, kChartDigits).append(ending);
}

ChartString GGraphStatistic::GetLowGPLLabel() const {
  if (rep_->lowGplLabel.empty() && rep_->IsInterval()) rep_->lowGplLabel = rep_->BoundGPLLabel("_LOW");
  return rep_->lowGplLabel;
}

ChartString GGraphStatistic::GetHighGPLLabel() const {
  if (rep_->highGplLabel.empty() && rep_->IsInterval()) rep_->highGplLabel = rep_->BoundGPLLabel("_HIGH");
  return rep_->highGplLabel;
}

void GGraphStatistic::SetGPLLabel(const std::string& label) {
  rep_->gplLabel = XUtility::ChartStringFromLocalCodePage(label);
}

void GGraphStatistic::SetLowGPLLabel(const std::string& label) {
  rep_->lowGplLabel = XUtility::ChartStringFromLocalCodePage(label);
}

void GGraphStatistic::SetHighGPLLabel(const std::string& label) {
  rep_->highGplLabel = XUtility::ChartStringFromLocalCodePage(label);
}

int GGraphStatistic::GetResultDecimals() const {
  VEXA_Format format = FormatOf(rep_->variable);
  int type = FormatType(format);
  int decimals = FormatDecimals(format);
  ResultRule rule = rep_->entry.result;
  if (IsStringOrDateType(type) && rule != ResultRule::kVariance) return -1;
  switch (rule) {
    case ResultRule::kCount:
      return 0;
    case ResultRule::kPercent:
      return 1;
    case ResultRule::kVariance:
      return 3;
    case ResultRule::kValue:
      return decimals;
    case ResultRule::kSummary:
    case ResultRule::kSpread:
      if (!IsPlainNumberType(type)) return decimals;
      return std::min(decimals + (rule == ResultRule::kSpread ? 1 : 0), kMostDecimals);
    case ResultRule::kNoRule:
      break;
  }
  return -1;
}

ChartString GGraphStatistic::GetResultPrefix() const {
  int type = FormatType(FormatOf(rep_->variable));
  if (!ShowsCurrency(rep_->entry.result)) return {};
  if (type == kDollarFormatType) return ChartString("$");
  if (!IsCurrencyType(type)) return {};
  return XUtility::ChartStringFromLocalCodePage(currencyFormat::GetCCX(type - kFirstCurrencyFormatType).prefix);
}

ChartString GGraphStatistic::GetResultSuffix() const {
  int type = FormatType(FormatOf(rep_->variable));
  if (rep_->entry.result == ResultRule::kPercent) return ChartString("%");
  if (!ShowsCurrency(rep_->entry.result) || !IsCurrencyType(type)) return {};
  return XUtility::ChartStringFromLocalCodePage(currencyFormat::GetCCX(type - kFirstCurrencyFormatType).suffix);
}

bool GGraphStatistic::IsDateSpread() const {
  return rep_->entry.result == ResultRule::kSpread && IsDateType(FormatType(FormatOf(rep_->variable)));
}
