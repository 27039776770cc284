#include <algorithm>
#include <map>
#include <strings.h>

#include "XVariable.h"
#include "chartlib/document/ParsedChart.h"
#include "chartlib/gpl/GplParser.h"

namespace {

bool Named(const GplNode& node, const char* name) {
  return (node.kind == GplNode::Kind::kCall || node.kind == GplNode::Kind::kName) &&
         strcasecmp(node.text.c_str(), name) == 0;
}

// The first argument of call that is a call (or bare name) of that name.
const GplNode* Argument(const GplNode& call, const char* name) {
  for (const GplNode& argument : call.operands)
    if (Named(argument, name)) return &argument;
  return nullptr;
}

// The first string among the arguments of call, or null.
const std::string* FirstString(const GplNode* call) {
  if (!call) return nullptr;
  for (const GplNode& argument : call->operands)
    if (argument.kind == GplNode::Kind::kString) return &argument.text;
  return nullptr;
}

// Reads the declarations statement by statement; GPL declares a source
// before the DATA statements that use it.
class GplDeclarationReader {
 public:
  void Read(const GplStatement& statement) {
    if (statement.label == "SOURCE") ReadSource(statement);
    if (statement.label == "DATA") ReadData(statement.value);
    if (statement.label == "GUIDE") ReadGuide(statement.value);
    if (statement.label == "ELEMENT") ++elements_;
  }

  int Elements() const { return elements_; }
  XGraph::Declarations Take() { return std::move(declarations_); }

 private:
  // The id of a userSource(id("...")) call, or null.
  static const std::string* UserSourceId(const GplNode& value) {
    return Named(value, "userSource") ? FirstString(Argument(value, "id")) : nullptr;
  }

  void ReadSource(const GplStatement& statement) {
    const std::string* id = UserSourceId(statement.value);
    if (!statement.target.empty()) sourceIds_[statement.target] = id ? *id : statement.target;
    if (!id) return;
    auto& sources = declarations_.userSources;
    if (std::find(sources.begin(), sources.end(), *id) == sources.end()) sources.push_back(*id);
  }

  // source(s) names a SOURCE variable, or holds a userSource call itself.
  std::string SourceOf(const GplNode& col) const {
    const GplNode* source = Argument(col, "source");
    if (!source || source->operands.empty()) return {};
    const GplNode& named = source->operands.front();
    if (const std::string* id = UserSourceId(named)) return *id;
    auto found = sourceIds_.find(named.text);
    return found == sourceIds_.end() ? named.text : found->second;
  }

  void ReadData(const GplNode& value) {
    if (!Named(value, "col")) return;
    const std::string* column = FirstString(Argument(value, "name"));
    if (!column) return;
    bool categorical = Argument(value, "unit.category") != nullptr;
    declarations_.variables.push_back(std::make_unique<XVariable>(*column, SourceOf(value), categorical, false));
  }

  void ReadGuide(const GplNode& value) {
    if (!Named(value, "text.subtitle") || !declarations_.subtitle.empty()) return;
    const std::string* text = FirstString(Argument(value, "label"));
    if (!text) text = FirstString(&value);
    if (text) declarations_.subtitle = *text;
  }

  XGraph::Declarations declarations_;
  std::map<std::string, std::string> sourceIds_;  // SOURCE variable -> id
  int elements_ = 0;
};

}  // namespace

ParsedChart ReadGplChart(std::string_view gpl) {
  ParsedChart chart;
  GplParser parser(gpl);
  std::optional<GplProgram> program = parser.Parse();
  if (!program) {
    chart.error = parser.Error()->Text();
    return chart;
  }
  GplDeclarationReader reader;
  for (const GplStatement& statement : program->statements) reader.Read(statement);
  chart.declarations = reader.Take();
  if (reader.Elements() == 0) chart.error = "the GPL has no ELEMENT statement";
  return chart;
}
