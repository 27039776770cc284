#include "model/GGraphStatistic.h"

#include <cfloat>

#include "host/chart/XUtility.h"
#include "host/engine/AggregationResult.h"
#include "host/engine/CtaDistFun.h"
#include "host/engine/StatisticCodes.h"
#include "host/engine/VEXA_Globals.h"
#include "host/engine/VEXA_Variable.h"
#include "host/engine/VexaText.h"
#include "model/GGraphStatisticRep.h"
#include "model/VariableResolver.h"
#include "report/SyntaxMessages.h"

namespace {

constexpr int kStringFormatType = 1;

void ReportInvalidParameter(const ChartString& function, const std::string& text) {
  ReportTemplate("The ^1 function contains an invalid numeric parameter (^2).", {function.toUTF8(), text}, kLevelError);
}

// Bounds that are no numbers (infinite, or the largest double either way).
bool IsUnbounded(double value) {
  return value == VEXA_Globals::infinity || value == -VEXA_Globals::infinity || value == DBL_MAX || value == -DBL_MAX;
}

}  // namespace

GGraphStatistic::Rep::Rep(const std::string& name, FacSTDictionary* table)
    : entry(FindStatisticEntry(name)),
      statistic(std::make_unique<AggregationStatistic>(entry.code)),
      dictionary(table),
      functionName(XUtility::ChartStringFromLocalCodePage(name)),
      intervalLevel(entry.interval ? entry.interval->defaultLevel : 0) {}

GGraphStatistic::GGraphStatistic(const std::string& name, FacSTDictionary* dictionary)
    : rep_(new Rep(name, dictionary)) {}

GGraphStatistic::~GGraphStatistic() { delete rep_; }

void GGraphStatistic::SetMainParameter(const std::string& text, double value) {
  switch (rep_->entry.shape) {
    case ParameterShape::kDuplicates:
      if (VEXAMBstricmp_A(text.c_str(), "DUP") == 0)
        rep_->countDuplicates = true;
      else if (VEXAMBstricmp_A(text.c_str(), "NODUP") == 0)
        rep_->countDuplicates = false;
      else
        ReportText("The RESPONSES() function can only accept DUP or NODUP as a parameter.", kLevelError);
      return;
    case ParameterShape::kCountInterval:
      if (value < 50 || value >= 100) {
        ReportInvalidParameter(rep_->functionName, text);
        value = 95;
      }
      rep_->intervalLevel = value / 100;
      return;
    case ParameterShape::kVariableInterval:
      // The parser passes 0 along with the variable name.
      if (value < 0) ReportInvalidParameter(rep_->functionName, text);
      rep_->variableName = text;
      return;
    default:
      rep_->variableName = text;
  }
}

void GGraphStatistic::SetParameter(int position, double value, const std::string& text) {
  AggregationStatistic& statistic = *rep_->statistic;
  if (position == 2) {
    if (rep_->entry.shape == ParameterShape::kLimits && value < statistic.GetLowerLimit())
      ReportInvalidParameter(rep_->functionName, text);
    statistic.SetUpperLimit(value);
    return;
  }
  if (position != 1) return;
  switch (rep_->entry.shape) {
    case ParameterShape::kCutPoint:
      if (value > 0 && value < 100)
        statistic.SetPTileCutPoint(value);
      else
        ReportInvalidParameter(rep_->functionName, text);
      return;
    case ParameterShape::kUpperLimit:
      statistic.SetUpperLimit(value);
      return;
    case ParameterShape::kVariableInterval:
    case ParameterShape::kCountInterval:
      // Confidence levels are written as percentages, multipliers as they are.
      // A level of 0 or 100 and beyond has no bounds; the default level stays.
      if (rep_->Kind() != kConfidenceInterval)
        rep_->intervalLevel = value;
      else if (value > 0 && value < 100)
        rep_->intervalLevel = value / 100;
      else
        ReportInvalidParameter(rep_->functionName, text);
      return;
    default:
      statistic.SetLowerLimit(value);
  }
}

bool GGraphStatistic::ResolveVariableParameter(const VEXA_DataSource* dataSource) {
  if (!TakesVariable()) return true;
  VariableResolver resolver;
  if (!resolver.resolveVariable(dataSource, rep_->variableName)) {
    ReportTemplate("The specified variable ^1 does not exist.", {rep_->variableName}, kLevelError);
    return false;
  }
  rep_->statistic->SetVarIndex(resolver.getVariableIndex());
  rep_->variable = resolver.getVariable();
  if (rep_->variable) rep_->variableName = rep_->variable->GetName();
  if (IsCaseValue() || resolver.getVariableType() != SINGLE_VARIABLE || !rep_->variable) return true;
  if (FormatType(rep_->variable->GetFormatEx()) != kStringFormatType) return true;
  ReportTemplate("Summary functions (^1) cannot be used with string variables (^2).",
                 {rep_->functionName.toUTF8(), rep_->variableName}, kLevelError);
  return false;
}

int GGraphStatistic::GetParameterCounts(int& keywordCount) const {
  keywordCount = rep_->entry.keywordCount;
  return rep_->entry.numericCount;
}

bool GGraphStatistic::IsValid() const { return rep_->entry.code != 0; }
bool GGraphStatistic::IsAggregating() const { return rep_->entry.code != kStatCaseValue; }
bool GGraphStatistic::IsCaseValue() const { return rep_->entry.code == kStatCaseValue; }
bool GGraphStatistic::IsCount() const { return rep_->entry.code == kStatCount; }
bool GGraphStatistic::IsInterval() const { return rep_->IsInterval(); }

bool GGraphStatistic::TakesVariable() const {
  switch (rep_->entry.shape) {
    case ParameterShape::kNone:
    case ParameterShape::kDuplicates:
    case ParameterShape::kCountInterval:
      return false;
    default:
      return true;
  }
}

bool GGraphStatistic::GetCountDuplicates() const { return rep_->countDuplicates; }
IntervalKind GGraphStatistic::GetIntervalKind() const { return rep_->Kind(); }
double GGraphStatistic::GetIntervalLevel() const { return rep_->intervalLevel; }
bool GGraphStatistic::HasMissingBound() const { return rep_->missingBound; }

double GGraphStatistic::BoundedResult(double value) {
  if (value == kSysMiss || (!IsUnbounded(value) && value == value)) return value;
  rep_->missingResult = true;
  return kSysMiss;
}

bool GGraphStatistic::HasMissingResult() const { return rep_->missingResult; }

int GGraphStatistic::GetIntervalStatistic() const {
  return rep_->IsInterval() ? rep_->entry.interval->boundStatistic : 0;
}

int GGraphStatistic::GetVariableIndex() const { return rep_->statistic->GetVarIndex(); }
VEXA_Variable* GGraphStatistic::GetStatisticVariable() const { return rep_->variable; }
AggregationStatistic* GGraphStatistic::GetAggregationStatistic() const { return rep_->statistic.get(); }

bool GGraphStatistic::ComputeInterval(double value, const AggregationResult& result, double count, double& low,
                                      double& high) {
  low = high = 0;
  if (!rep_->IsInterval()) return false;
  double level = rep_->intervalLevel;
  switch (rep_->entry.interval->bounds) {
    case IntervalBounds::kJeffreys: {
      // Jeffreys interval of the count.
      double tail = (1 - level) / 2;
      double a = value + 0.5;
      double b = count - value + 0.5;
      low = count * CtaDistFun::IdfBet(tail, a, b);
      high = count * CtaDistFun::IdfBet(1 - tail, a, b);
      break;
    }
    case IntervalBounds::kAroundMean: {
      double multiplier = rep_->Kind() == kConfidenceInterval ? CtaDistFun::IdfT(level / 2 + 0.5, count - 1) : level;
      low = value - multiplier * static_cast<double>(result);
      high = value + multiplier * static_cast<double>(result);
      break;
    }
    case IntervalBounds::kFromResult:
      low = result.GetValue1();
      high = result.GetValue2();
      break;
  }
  for (double* bound : {&low, &high}) {
    if (!IsUnbounded(*bound)) continue;
    *bound = kSysMiss;
    rep_->missingBound = true;
  }
  return true;
}
