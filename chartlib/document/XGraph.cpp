#include "XGraph.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <stdexcept>
#include <unordered_map>

#include <fmt/format.h>

#include "XVariable.h"
#include "chartlib/text/Utf8.h"

namespace {

constexpr const char* kCaseNumberColumn = "$CASENUM";
constexpr const char* kWeightColumn = "$WEIGHT";

// A key that is equal for relabels of the same value.
std::string ValueKey(const XVariable::Relabel& relabel) {
  switch (relabel.by) {
    case XVariable::Relabel::By::kText:
      return fmt::format("t{}", relabel.text);
    case XVariable::Relabel::By::kNumber:
      return fmt::format("n{}", std::bit_cast<std::uint64_t>(relabel.number == 0 ? 0.0 : relabel.number));
    case XVariable::Relabel::By::kIndex:
      return fmt::format("i{}", relabel.index);
  }
  return {};
}

// Each value once, at its first place, with its last label.
void FoldRelabels(std::vector<XVariable::Relabel>& relabels) {
  std::vector<XVariable::Relabel> folded;
  std::unordered_map<std::string, std::size_t> place;
  for (auto& relabel : relabels) {
    auto [found, added] = place.emplace(ValueKey(relabel), folded.size());
    if (added)
      folded.push_back(std::move(relabel));
    else
      folded[found->second].label = std::move(relabel.label);
  }
  relabels = std::move(folded);
}

}  // namespace

XGraph::XGraph(Declarations declarations)
    : declarations_(std::move(declarations)), subtitle_(SanitizeUtf8(declarations_.subtitle)) {
  for (std::string& source : declarations_.userSources) source = SanitizeUtf8(source);
}

XGraph::~XGraph() = default;

std::vector<std::string> XGraph::getUserSourceNames() const { return declarations_.userSources; }

XVariable* XGraph::getVariable(const ChartString& name, int n) {
  std::string column = name.toUTF8();
  int seen = 0;
  for (const auto& variable : declarations_.variables)
    if (variable->getName() == column && seen++ == n) return variable.get();
  throw std::out_of_range(fmt::format("the chart has no variable '{}' number {}", column, n));
}

bool XGraph::doesSourceExist(const ChartString& name) const {
  const auto& sources = declarations_.userSources;
  return std::find(sources.begin(), sources.end(), name.toUTF8()) != sources.end();
}

bool XGraph::doesSubTitleExist() const { return !subtitle_.empty(); }
void XGraph::setSubTitle(const ChartString& subtitle) { subtitle_ = subtitle.toUTF8(); }
ChartString XGraph::getSubTitle() const { return ChartString(subtitle_); }

void XGraph::UpdateCategoricalDomains() {
  for (auto& variable : declarations_.variables)
    if (variable->getCategorical()) FoldRelabels(variable->relabels());
}

void XGraph::copyVariableFormats() {
  auto& variables = declarations_.variables;
  for (auto& variable : variables) {
    if (variable->doesFormatExist()) continue;
    auto donor = std::find_if(variables.begin(), variables.end(), [&](const auto& other) {
      return other->doesFormatExist() && other->getName() == variable->getName() &&
             other->getSource() == variable->getSource();
    });
    if (donor == variables.end()) continue;
    const XVariable::Format& format = *(*donor)->getFormat();
    if (format.kind == XVariable::Format::Kind::kNumber)
      variable->SetNumberFormat(format.decimals, format.grouping, format.prefix, format.suffix);
    else
      variable->setFormat(format.packed);
  }
}

void XGraph::tweakExpressionVars() {}

XVariable* XGraph::findOrCreate(const std::string& source, const std::string& column, bool categorical,
                                bool weight) {
  for (const auto& variable : declarations_.variables)
    if (variable->getSource() == source && variable->getName() == column) return variable.get();
  declarations_.variables.push_back(std::make_unique<XVariable>(column, source, categorical, weight));
  return declarations_.variables.back().get();
}

XVariable* XGraph::createCaseNumberVariable(const ChartString& source) {
  return findOrCreate(source.toUTF8(), kCaseNumberColumn, false, false);
}

XVariable* XGraph::createWeightVariable(const ChartString& source) {
  return findOrCreate(source.toUTF8(), kWeightColumn, false, true);
}

XVariable* XGraph::createVariable(const ChartString& source, bool categorical, const std::string& name) {
  return findOrCreate(source.toUTF8(), name, categorical, false);
}

const std::vector<std::unique_ptr<XVariable>>& XGraph::variables() const { return declarations_.variables; }
