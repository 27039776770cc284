// Completing inline GPL with the SOURCE and DATA declarations the user left
// out for the one graph data set.

#include <algorithm>
#include <string>
#include <vector>

#include "data/GGraphDataSet.h"
#include "graphspec/GraphSpec.h"
#include "host/engine/VEXA_Variable.h"
#include "model/GGraphStatistic.h"
#include "model/GGraphVariable.h"
#include "model/VariableResolver.h"

namespace {

constexpr const char* kUnnamedDataSet = "ggraphdataset";
constexpr const char* kDefaultSourceVariable = "s";
constexpr int kLevelNone = 0;
constexpr int kLevelScaleGiven = 1;

// What the GPL declares already.
struct DeclaredInGpl {
  std::vector<std::string> names;
  std::string sourceVariable;
  std::string userSourceId;
  // The GPL has a SOURCE it does not own, or several: it is left alone.
  bool leaveUnchanged = false;

  bool Declares(const std::string& name) const { return std::find(names.begin(), names.end(), name) != names.end(); }
};

std::string WithoutBlanks(std::string text) {
  text.erase(std::remove(text.begin(), text.end(), ' '), text.end());
  return text;
}

bool Contains(const std::string& line, const char* part) { return line.find(part) != std::string::npos; }

// The text after the line's first double quote, up to the next one or the
// end of the line.
std::string FirstQuoted(const std::string& line) {
  std::size_t open = line.find('"');
  std::size_t close = line.find('"', open + 1);
  return line.substr(open + 1, close == std::string::npos ? std::string::npos : close - open - 1);
}

// False when scanning must stop: the GPL keeps its own sources.
bool ScanSourceLine(const std::string& line, DeclaredInGpl& declared) {
  if (!declared.userSourceId.empty() || !Contains(line, "userSource")) return false;
  if (Contains(line, "\"")) declared.userSourceId = FirstQuoted(line);
  std::size_t start = line.find("SOURCE:") + std::string("SOURCE:").size();
  std::size_t equals = line.find('=', start);
  if (equals != std::string::npos) declared.sourceVariable = line.substr(start, equals - start);
  return true;
}

DeclaredInGpl ScanGpl(const std::string& gpl) {
  DeclaredInGpl declared;
  const std::string text = WithoutBlanks(gpl);
  for (std::size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
    const std::string line = text.substr(start, end - start);
    if (Contains(line, "DATA:") && Contains(line, "\"")) declared.names.push_back(FirstQuoted(line));
    if (Contains(line, "SOURCE:") && !ScanSourceLine(line, declared)) {
      declared.leaveUnchanged = true;
      break;
    }
  }
  if (declared.sourceVariable.empty()) declared.sourceVariable = std::string(kDefaultSourceVariable);
  return declared;
}

bool IsScale(const GGraphVariable& variable) {
  if (variable.GetLevel() != kLevelNone) return variable.GetLevel() == kLevelScaleGiven;
  const VariableResolver* resolver = variable.GetResolver();
  const VEXA_Variable* engineVariable = resolver ? resolver->getVariable() : nullptr;
  return engineVariable == nullptr || engineVariable->GetMeasurementLevel() == kLevelScale;
}

std::string DataDeclaration(const std::string& name, const std::string& sourceVariable, const char* unit) {
  return "\n  DATA: " + name + "=col(source(" + sourceVariable + "),name(\"" + name + "\")" + unit + ")";
}

std::string VariableDeclarations(const GGraphDataSet& dataSet, const DeclaredInGpl& declared) {
  std::string out;
  for (const auto& variable : dataSet.GetVariables()) {
    const std::string name = variable->GetVariableUnicodeName();
    // System variables ($CASENUM, $WEIGHT) are never the chart's to declare.
    if (name.empty() || name.front() == '$' || declared.Declares(name)) continue;
    out += DataDeclaration(name, declared.sourceVariable, IsScale(*variable) ? "" : ", unit.category()");
  }
  return out;
}

std::string StatisticDeclarations(const GGraphDataSet& dataSet, const DeclaredInGpl& declared) {
  std::string out;
  for (const auto& statistic : dataSet.GetStatistics()) {
    const std::string label = statistic->GetGPLLabel().toUTF8();
    if (!declared.Declares(label)) out += DataDeclaration(label, declared.sourceVariable, "");
  }
  return out;
}

}  // namespace

void GraphSpec::AddGplDeclarations(GGraphDataSet* dataSet) {
  if (!dataSet) return;
  const DeclaredInGpl declared = ScanGpl(GetGplText());
  if (declared.leaveUnchanged) return;
  std::string added;
  bool hasColumns = !dataSet->GetVariables().empty() || !dataSet->GetStatistics().empty();
  if (declared.userSourceId.empty() && hasColumns) {
    const std::string& name = dataSet->GetSourceNameUtf8();
    added += "\n  SOURCE:" + declared.sourceVariable + "=userSource(id(\"" + (name.empty() ? kUnnamedDataSet : name) +
             "\"))";
  }
  added += VariableDeclarations(*dataSet, declared);
  added += StatisticDeclarations(*dataSet, declared);
  SetGplText(GetGplText() + added);
}
