#include "cli/DictionaryReport.h"

#include <fmt/format.h>

#include <array>

#include "engine/data/CaseData.h"
#include "engine/data/DisplayFormat.h"
#include "engine/text/NumberText.h"

namespace {

using nlohmann::json;

struct LevelName {
  int level;
  const char* name;
};
constexpr std::array kLevelNames = {LevelName{kLevelScale, "scale"}, LevelName{kLevelNominal, "nominal"},
                                    LevelName{kLevelOrdinal, "ordinal"}};

const char* LevelText(int level) {
  for (const LevelName& entry : kLevelNames)
    if (entry.level == level) return entry.name;
  return "unknown";
}

const char* SetTypeText(int type) { return type == VariableSet::kDichotomies ? "dichotomies" : "categories"; }

std::string ValueText(const DataVariable& variable, const ValueLabelTable::Entry& entry) {
  return variable.IsString() ? "'" + entry.text + "'" : ShortestNumberText(entry.number);
}

std::string MissingText(const DataVariable& variable) {
  const MissingValues& missing = variable.Definition().missing;
  std::vector<std::string> parts;
  for (double value : missing.Numbers()) parts.push_back(ShortestNumberText(value));
  for (const std::string& text : missing.Texts()) parts.push_back("'" + text + "'");
  if (const auto& range = missing.GetRange())
    parts.push_back(fmt::format("{} thru {}", range->low ? ShortestNumberText(*range->low) : "lowest",
                                range->high ? ShortestNumberText(*range->high) : "highest"));
  return fmt::format("{}", fmt::join(parts, ", "));
}

std::string NamesText(const CaseData& data, const std::vector<int>& columns) {
  std::vector<std::string> names;
  for (int column : columns) names.push_back(data.dictionary.Variable(column)->GetName());
  return names.empty() ? "none" : fmt::format("{}", fmt::join(names, " "));
}

void WriteVariable(const DataVariable& variable, std::size_t nameWidth, std::ostream& out) {
  const VariableDefinition& d = variable.Definition();
  std::string type = variable.IsString() ? fmt::format("string({})", d.width) : "numeric";
  out << fmt::format("  {:<{}}  {:<12} {:<11} {:<8} {}\n", d.name, nameWidth, type, DisplayFormatText(d.format),
                     LevelText(d.level), d.label ? "\"" + *d.label + "\"" : "");
  // Written one by one: a variable may have a million labels.
  const char* separator = "      value labels: ";
  for (const auto& entry : d.valueLabels.Entries()) {
    out << separator << ValueText(variable, entry) << " \"" << entry.label << '"';
    separator = "; ";
  }
  if (!d.valueLabels.Entries().empty()) out << "\n";
  if (!d.missing.Empty()) out << "      user-missing: " << MissingText(variable) << "\n";
}

json VariableJson(const DataVariable& variable) {
  const VariableDefinition& d = variable.Definition();
  json item = {{"name", d.name},
               {"type", variable.IsString() ? "string" : "numeric"},
               {"width", d.width},
               {"format", DisplayFormatText(d.format)},
               {"level", LevelText(d.level)},
               {"label", d.label ? json(*d.label) : json()}};
  json labels = json::array();
  for (const auto& entry : d.valueLabels.Entries())
    labels.push_back({{"value", variable.IsString() ? json(entry.text) : json(entry.number)}, {"label", entry.label}});
  item["valueLabels"] = labels;
  json missing = json::array();
  for (double value : d.missing.Numbers()) missing.push_back(value);
  for (const std::string& text : d.missing.Texts()) missing.push_back(text);
  item["missingValues"] = missing;
  if (const auto& range = d.missing.GetRange())
    item["missingRange"] = {{"low", range->low ? json(*range->low) : json()},
                            {"high", range->high ? json(*range->high) : json()}};
  return item;
}

json SetJson(const VariableSet& set) {
  json item = {{"name", set.GetName(VariableSet::kAsDefined)},
               {"type", SetTypeText(set.GetType())},
               {"label", set.GetLabel()},
               {"variables", set.GetVariableNames(VariableSet::kAsDefined)}};
  if (set.GetType() == VariableSet::kDichotomies) {
    item["countedValue"] = set.GetValue();
    item["enhanced"] = set.qIsEnhancedDichotomy();
    item["useCategoryLabels"] = set.qUseVariableCategoryLabels();
  }
  return item;
}

}  // namespace

void WriteDictionaryText(const CaseData& data, std::ostream& out) {
  const DataDictionary& dictionary = data.dictionary;
  out << "File: " << data.file << "\n";
  out << "Cases: " << data.caseCount << "\n";
  out << "Weight: " << (dictionary.Weight() >= 0 ? dictionary.Variable(dictionary.Weight())->GetName() : "none") << "\n";
  out << "Split by: " << NamesText(data, dictionary.Splits()) << "\n";
  std::size_t nameWidth = 4;
  for (int c = 0; c < dictionary.VariableCount(); ++c)
    nameWidth = std::max(nameWidth, std::string(dictionary.Variable(c)->GetName()).size());
  out << "Variables (" << dictionary.VariableCount() << "):\n";
  out << fmt::format("  {:<{}}  {:<12} {:<11} {:<8} {}\n", "name", nameWidth, "type", "format", "level", "label");
  for (int c = 0; c < dictionary.VariableCount(); ++c) WriteVariable(*dictionary.Variable(c), nameWidth, out);
  out << "Multiple-response sets (" << dictionary.Sets().size() << "):\n";
  for (const VariableSet& set : dictionary.Sets()) {
    out << fmt::format("  {}  {}", set.GetName(VariableSet::kAsDefined), SetTypeText(set.GetType()));
    if (set.GetType() == VariableSet::kDichotomies)
      out << fmt::format(", counted value '{}'{}{}", set.GetValue(), set.qIsEnhancedDichotomy() ? ", enhanced" : "",
                         set.qUseVariableCategoryLabels() ? ", labelled by category labels" : "");
    if (*set.GetLabel()) out << "  \"" << set.GetLabel() << "\"";
    out << fmt::format("\n      variables: {}\n", fmt::join(set.GetVariableNames(VariableSet::kAsDefined), " "));
  }
}

nlohmann::json DictionaryJson(const CaseData& data) {
  const DataDictionary& dictionary = data.dictionary;
  json variables = json::array(), sets = json::array(), splits = json::array();
  for (int c = 0; c < dictionary.VariableCount(); ++c) variables.push_back(VariableJson(*dictionary.Variable(c)));
  for (const VariableSet& set : dictionary.Sets()) sets.push_back(SetJson(set));
  for (int column : dictionary.Splits()) splits.push_back(dictionary.Variable(column)->GetName());
  return {{"file", data.file},
          {"cases", data.caseCount},
          {"weight", dictionary.Weight() >= 0 ? json(dictionary.Variable(dictionary.Weight())->GetName()) : json()},
          {"splitVariables", splits},
          {"variables", variables},
          {"multipleResponseSets", sets}};
}
