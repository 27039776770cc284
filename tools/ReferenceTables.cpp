// reference_tables: writes the tables of docs/reference/ from the module's own
// tables, so that the pages cannot drift from the code.
//   reference_tables functions      the summary functions (functions.md)
//   reference_tables keywords       GGRAPH's and VGRAPH's subcommands (ggraph.md)
//   reference_tables gpl            the elements, aesthetics and summaries drawn (gpl.md)
//   reference_tables keyword-list   "COMMAND SUBCOMMAND KEYWORD" lines, for the page check
//   reference_tables cli-functions  the table `ggraph functions` prints, as a C++ string
// The output goes to standard output, or to the file named after the table.

#include <algorithm>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "chartlib/render/RenderCatalogue.h"
#include "host/engine/FacSTDictionary.h"
#include "host/engine/PathFactory.h"
#include "host/engine/StatisticCodes.h"
#include "model/GGraphStatistic.h"
#include "model/StatisticCatalogue.h"
#include "service/VGraphGrammar.h"
#include "syntax/CommandGrammar.h"

namespace {

constexpr const char* kExampleVariable = "salary";

// The numbers after the variable in a function's example call.
std::vector<double> ExampleNumbers(ParameterShape shape) {
  switch (shape) {
    case ParameterShape::kCutPoint:
      return {25};
    case ParameterShape::kUpperLimit:
    case ParameterShape::kLowerLimit:
      return {1000};
    case ParameterShape::kLimits:
      return {1000, 2000};
    default:
      return {};
  }
}

std::string NumberText(double value) {
  std::string text = std::to_string(value);
  text.erase(text.find_last_not_of('0') + 1);
  if (text.back() == '.') text.pop_back();
  return text;
}

// A table cell: a bar would end the cell.
std::string Cell(const std::string& text) {
  std::string cell;
  for (char c : text) cell += c == '|' ? std::string("\\|") : std::string(1, c);
  return cell;
}

std::string Trimmed(std::string text) {
  text.erase(text.find_last_not_of(' ') + 1);
  return text;
}

struct Example {
  std::string call;
  std::string column;
  std::string label;
  std::string bounds;  // the bound columns of an interval function; empty otherwise
};

// The function applied to the example variable as the parser applies it.
Example ExampleOf(const StatisticEntry& entry, FacSTDictionary& dictionary) {
  GGraphStatistic statistic(entry.name, &dictionary);
  std::vector<std::string> arguments;
  if (statistic.TakesVariable()) {
    statistic.SetMainParameter(kExampleVariable, 0);
    arguments.push_back(kExampleVariable);
  }
  int position = 1;
  for (double number : ExampleNumbers(entry.shape)) {
    statistic.SetParameter(position++, number, NumberText(number));
    arguments.push_back(NumberText(number));
  }
  std::string call = std::string(entry.name) + "(";
  for (std::size_t i = 0; i < arguments.size(); ++i) call += (i ? ", " : "") + arguments[i];
  Example example{.call = call + ")", .column = statistic.GetGPLLabel().toUTF8(), .label = statistic.GetFullLabel()};
  if (statistic.IsInterval())
    example.bounds = statistic.GetLowGPLLabel().toUTF8() + ", " + statistic.GetHighGPLLabel().toUTF8();
  return example;
}

// Where docs/aggregation.md (or the page itself) defines what the function computes.
std::string DefinitionLink(const StatisticEntry& entry) {
  if (entry.interval && entry.interval->bounds != IntervalBounds::kFromResult)
    return "[Intervals](#intervals)";
  if (entry.interval) return "[Median confidence interval](../aggregation.md#median-confidence-interval-466)";
  switch (entry.code) {
    case kStatPercentile:
    case kStatMedian:
      return "[Percentiles](../aggregation.md#percentiles-ptile-median)";
    case kStatGroupedPercentile:
    case kStatGroupedMedian:
      return "[Grouped percentiles](../aggregation.md#grouped-percentiles-gptile-gmedian)";
    case kStatCaseValue:
      return "no aggregation";
    default:
      return "[Statistics](../aggregation.md#statistics)";
  }
}

void WriteFunctions(std::ostream& out) {
  FacSTDictionary dictionary(PathFactory::getPathInstance(3));
  dictionary.SetProcedure("GGRAPH");
  out << "| Function | Parameters | Computes | Defined in | Example | Column | Label |\n"
      << "|---|---|---|---|---|---|---|\n";
  for (const StatisticEntry& entry : StatisticCatalogue()) {
    Example example = ExampleOf(entry, dictionary);
    std::string column = "`" + example.column + "`";
    if (!example.bounds.empty()) column += "; bounds `" + example.bounds + "`";
    std::string parameters = StatisticParameters(entry);
    out << "| " << entry.name << " | " << (parameters.empty() ? "none" : "`" + Cell(parameters) + "`") << " | "
        << entry.meaning << " | " << DefinitionLink(entry) << " | `" << example.call << "` | " << column << " | "
        << Cell(Trimmed(example.label)) << " |\n";
  }
}

std::string Occurrences(const SubCommandEntry& entry) {
  std::string text = entry.maximum == kUnlimited ? "any number" : std::to_string(entry.maximum);
  return entry.rfmOnly ? text + " (RFM mode only)" : text;
}

std::string KeywordCell(const SubCommandEntry& entry) {
  if (!entry.keywords) return "an inline block follows the command";
  std::string cell;
  for (const std::string& keyword : entry.keywords()) cell += (cell.empty() ? "`" : ", `") + keyword + "`";
  return cell;
}

void WriteKeywords(std::ostream& out) {
  for (const CommandGrammar& grammar : {GGraphGrammar(), VGraphGrammar()}) {
    out << "\n| " << grammar.commandName << " subcommand | Times | Keywords |\n|---|---|---|\n";
    for (const SubCommandEntry& entry : grammar.table)
      out << "| " << entry.name << " | " << Occurrences(entry) << " | " << KeywordCell(entry) << " |\n";
  }
}

void WriteKeywordList(std::ostream& out) {
  for (const CommandGrammar& grammar : {GGraphGrammar(), VGraphGrammar()})
    for (const SubCommandEntry& entry : grammar.table)
      if (entry.keywords)
        for (const std::string& keyword : entry.keywords())
          out << grammar.commandName << ' ' << entry.name << ' ' << keyword << '\n';
}

// The renderer's own rows: what each construct is drawn as.
void WriteGpl(std::ostream& out) {
  out << "Elements (`ELEMENT: type(...)`):\n\n| GPL | drawn as | `.stack`, `.dodge` |\n|---|---|---|\n";
  for (const ElementKind& kind : ElementKinds())
    out << "| `" << kind.gpl << "` | " << kind.drawnAs << " | " << (kind.arrangeable ? "yes" : "no") << " |\n";
  out << "\nAesthetics (a field, or a constant such as `color(color.red)`):\n\n| GPL | drawn as |\n|---|---|\n";
  for (const AestheticKind& kind : AestheticKinds()) out << "| `" << kind.gpl << "` | " << kind.drawnAs << " |\n";
  out << "\nStatistics of the last position dimension, per category of the others:\n\n"
      << "| GPL | drawn as | axis title |\n|---|---|---|\n";
  for (const SummaryKind& kind : SummaryKinds())
    out << "| `" << kind.gpl << "` | " << kind.drawnAs << " | " << kind.title << " |\n";
}

// Name, parameters and meaning in aligned columns, as `ggraph functions` prints them.
void WriteCliFunctions(std::ostream& out) {
  std::size_t widest = 0;
  for (const StatisticEntry& entry : StatisticCatalogue())
    widest = std::max(widest, std::string(entry.name).size() + StatisticParameters(entry).size() + 2);
  out << "// Written by reference_tables cli-functions from the module's catalogue.\n"
      << "inline constexpr const char* kSummaryFunctionTable = R\"TABLE(";
  for (const StatisticEntry& entry : StatisticCatalogue()) {
    std::string call = std::string(entry.name) + "(" + StatisticParameters(entry) + ")";
    out << call << std::string(widest + 2 - call.size(), ' ') << entry.meaning << '\n';
  }
  out << ")TABLE\";\n";
}

}  // namespace

int main(int argc, char** argv) {
  constexpr std::pair<const char*, void (*)(std::ostream&)> kTables[] = {{"functions", WriteFunctions},
                                                                         {"keywords", WriteKeywords},
                                                                         {"gpl", WriteGpl},
                                                                         {"keyword-list", WriteKeywordList},
                                                                         {"cli-functions", WriteCliFunctions}};
  std::string what = argc >= 2 ? argv[1] : "";
  for (const auto& [name, write] : kTables) {
    if (what != name || argc > 3) continue;
    if (argc == 2) {
      write(std::cout);
      return 0;
    }
    std::ofstream file(argv[2]);
    write(file);
    return file ? 0 : 1;
  }
  std::cerr << "usage: reference_tables functions|keywords|gpl|keyword-list|cli-functions [FILE]\n";
  return 2;
}
