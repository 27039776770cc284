#include "chartlib/output/ChartSummaryLines.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "chartlib/document/DocumentState.h"
#include "chartlib/gpl/GplParser.h"

namespace {

// The element types of the GPL's ELEMENT statements, in order; none when the
// text is no GPL or does not parse.
std::vector<std::string> ElementTypes(const DocumentState& state) {
  std::vector<std::string> types;
  if (state.kind != "gpl") return types;
  std::optional<GplProgram> program = GplParser(state.text).Parse();
  if (!program) return types;
  for (const GplStatement& statement : program->statements)
    if (statement.label == "ELEMENT" && statement.value.kind == GplNode::Kind::kCall)
      types.push_back(statement.value.text);
  return types;
}

std::string Joined(const std::vector<std::string>& parts, const char* separator) {
  std::string text;
  for (const std::string& part : parts) text += (text.empty() ? "" : separator) + part;
  return text;
}

std::string Cases(std::uint64_t count) { return std::to_string(count) + (count == 1 ? " case" : " cases"); }

// "418 cases read; removed 106 cases containing missing values, 6 cases by the data filters".
std::string CasesLine(const ChartCaseCounts& counts) {
  std::string line = Cases(counts.read) + " read";
  std::vector<std::string> removed;
  if (counts.missing) removed.push_back(Cases(counts.missing) + " containing missing values");
  if (counts.filtered) removed.push_back(Cases(counts.filtered) + " by the data filters");
  if (!removed.empty())
    line += "; removed " + Joined(removed, ", ");
  else if (counts.missingCounted)
    line += "; none removed";
  if (!counts.missingCounted) line += "; each summary leaves out the cases missing on its variables";
  if (counts.caseLimit) line += "; reading stopped at the case limit of " + std::to_string(counts.caseLimit);
  return line;
}

}  // namespace

void ListChartSummary(std::ostream& out, const DocumentState& state) {
  std::vector<std::string> types = ElementTypes(state);
  if (!types.empty()) out << "  Elements: " << Joined(types, ", ") << '\n';
  if (state.caseCounts) out << "  Cases: " << CasesLine(*state.caseCounts) << '\n';
}
