#include "chartlib/render/GplModelReader.h"

#include <strings.h>

#include <algorithm>
#include <map>
#include <vector>

#include <fmt/format.h>

#include "chartlib/render/RenderCatalogue.h"

namespace {

using Node = GplNode;

bool Is(const Node& node, const char* name) {
  return (node.kind == Node::Kind::kCall || node.kind == Node::Kind::kName) &&
         strcasecmp(node.text.c_str(), name) == 0;
}

bool StartsWith(const std::string& text, const char* prefix) {
  return strncasecmp(text.c_str(), prefix, std::char_traits<char>::length(prefix)) == 0;
}

const Node* Arg(const Node& call, const char* name) {
  for (const Node& argument : call.operands)
    if (Is(argument, name)) return &argument;
  return nullptr;
}

const std::string* FirstString(const Node* call) {
  if (!call) return nullptr;
  for (const Node& argument : call->operands)
    if (argument.kind == Node::Kind::kString) return &argument.text;
  return nullptr;
}

std::optional<double> FirstNumber(const Node* call) {
  if (!call) return std::nullopt;
  for (const Node& argument : call->operands) {
    if (argument.kind == Node::Kind::kNumber) return argument.number;
    if (argument.kind == Node::Kind::kUnary && argument.text == "-" && !argument.operands.empty() &&
        argument.operands[0].kind == Node::Kind::kNumber)
      return -argument.operands[0].number;
  }
  return std::nullopt;
}

// The text of a label(...) argument, or of a string given directly.
const std::string* LabelText(const Node& call) {
  if (const std::string* text = FirstString(Arg(call, "label"))) return text;
  return FirstString(&call);
}

RenderWarning At(int line, int column, const std::string& what) {
  return MakeWarning(fmt::format("The chart is not drawn: {} (line {}, column {} of the GPL).", what, line, column),
                     line, column);
}

RenderWarning At(const Node& node, const std::string& what) { return At(node.line, node.column, what); }

std::string Shown(const Node& node) {
  switch (node.kind) {
    case Node::Kind::kName:
    case Node::Kind::kCall:
      return node.text;
    case Node::Kind::kString:
      return "\"" + node.text + "\"";
    case Node::Kind::kNumber:
      return fmt::format("{}{}", node.number, node.unit);
    case Node::Kind::kUnary:
      return node.text + (node.operands.empty() ? "" : Shown(node.operands[0]));
    case Node::Kind::kChain: {
      std::string text = Shown(node.operands[0]);
      for (std::size_t i = 0; i < node.operators.size(); ++i) text += node.operators[i] + Shown(node.operands[i + 1]);
      return "(" + text + ")";
    }
  }
  return {};
}

// A function the renderer does not take: named "not drawn" when GPL has it,
// "unknown" otherwise.
RenderWarning NotTaken(const char* what, const Node& node) {
  if (node.kind == Node::Kind::kCall || node.kind == Node::Kind::kName) {
    if (IsKnownUndrawn(node.text)) return At(node, fmt::format("the renderer does not draw {} \"{}\"", what, node.text));
    return At(node, fmt::format("the GPL names an unknown {} \"{}\"", what, node.text));
  }
  return At(node, fmt::format("the renderer does not draw the {} {}", what, Shown(node)));
}

class Reader;
using ReadFunction = bool (Reader::*)(const Node&);

struct FunctionRow {
  GplCoverageRow row;
  ReadFunction read;
};

class Reader {
 public:
  ReadChart Read(const GplProgram& program);

  bool Guide(const GplStatement& statement);
  bool Scale(const GplStatement& statement);
  bool Coord(const GplStatement& statement);
  bool Element(const GplStatement& statement);
  bool Source(const GplStatement& statement);
  bool Data(const GplStatement& statement);
  bool Skip(const GplStatement&) { return true; }
  bool Undrawn(const GplStatement& statement);
  bool Graph(const GplStatement& statement);
  bool Page(const GplStatement& statement);

  // GUIDE functions.
  bool Axis(const Node& call);
  bool Legend(const Node& call);
  bool Title(const Node& call);
  bool Subtitle(const Node& call);
  bool Footnote(const Node& call);
  // SCALE functions.
  bool LinearScale(const Node& call) { return ReadScale(call, "linear"); }
  bool LogScale(const Node& call) { return ReadScale(call, "log"); }
  bool CatScale(const Node& call) { return ReadScale(call, "cat"); }
  // COORD functions.
  bool Rect(const Node& call);
  bool Transpose(const Node& call);
  bool PolarTheta(const Node& call);
  // Position functions.
  bool BinRect(const Node& call);
  bool Range(const Node& call);
  bool SmoothLinear(const Node& call) { return Smooth(call, "linear"); }
  bool SmoothLoess(const Node& call) { return Smooth(call, "loess"); }
  bool Density(const Node& call);
  bool Quantiles(const Node& call);

 private:
  bool Fail(RenderWarning warning) {
    chart_.fault = std::move(warning);
    return false;
  }
  bool Dispatch(std::span<const FunctionRow> rows, const char* what, const Node& call);
  bool ReadScale(const Node& call, const char* type);
  ScaleModel* ScaleFor(const Node& call, const char* type, const Node*& target);
  bool Smooth(const Node& call, const char* method);
  bool ReadDimensions(const Node& dims, std::vector<int>& out);
  bool ReadElementArgument(const Node& argument);
  bool ReadAesthetic(const AestheticKind& kind, const Node& call);
  bool ReadAlgebra(const Node& node);
  bool ReadDim(const Node& node);
  bool Field(const Node& node, std::string& field);
  const Node* Inner(const Node& call);

  ReadChart chart_;
  std::map<std::string, std::string> sourceIds_;  // SOURCE variable -> userSource id
  ElementModel* element_ = nullptr;
  int graphs_ = 0;
};

using StatementRead = bool (Reader::*)(const GplStatement&);

struct StatementRow {
  const char* label;
  bool declares;  // read in the first pass, before the statements that use the names
  StatementRead read;
};

constexpr StatementRow kStatements[] = {
    {.label = "SOURCE", .declares = true, .read = &Reader::Source},
    {.label = "DATA", .declares = true, .read = &Reader::Data},
    {.label = "GUIDE", .declares = false, .read = &Reader::Guide},
    {.label = "SCALE", .declares = false, .read = &Reader::Scale},
    {.label = "COORD", .declares = false, .read = &Reader::Coord},
    {.label = "ELEMENT", .declares = false, .read = &Reader::Element},
    {.label = "TRANS", .declares = true, .read = &Reader::Undrawn},
    {.label = "GRAPH", .declares = false, .read = &Reader::Graph},
    {.label = "PAGE", .declares = false, .read = &Reader::Page},
};

const FunctionRow kGuides[] = {
    {{"GUIDE", "axis(dim(n), label(...))", "the axis title; `axis(dim(n), null())` hides the axis"}, &Reader::Axis},
    {{"GUIDE", "legend(aesthetic(...), label(...))", "the legend title; `null()` hides the legend"}, &Reader::Legend},
    {{"GUIDE", "text.title", "the chart's title (else the description)"}, &Reader::Title},
    {{"GUIDE", "text.subtitle", "the chart's subtitle (a split group's subtitle comes first)"}, &Reader::Subtitle},
    {{"GUIDE", "text.footnote", "a footnote below the chart"}, &Reader::Footnote},
};

const FunctionRow kScales[] = {
    {{"SCALE", "linear(dim(n), min, max, include, reverse)", "a linear scale with that domain"},
     &Reader::LinearScale},
    {{"SCALE", "log(dim(n), ...)", "a log scale"}, &Reader::LogScale},
    {{"SCALE", "cat(dim(n), include(...), reverse)", "the categories in the order given"}, &Reader::CatScale},
};

const FunctionRow kCoords[] = {
    {{"COORD", "rect(dim(1,2))", "the plain rectangular frame"}, &Reader::Rect},
    {{"COORD", "rect(dim(1,2), transpose())", "a horizontal chart"}, &Reader::Rect},
    {{"COORD", "rect(dim(1,2), cluster(3,0))", "grouped bars: clusters along x by dimension 3"}, &Reader::Rect},
    {{"COORD", "transpose(rect(...))", "a horizontal chart"}, &Reader::Transpose},
    {{"COORD", "polar.theta", "pie or arc, dimension 1 as the angle"}, &Reader::PolarTheta},
};

const FunctionRow kPositionFunctions[] = {
    {{"ELEMENT", "bin.rect(x, binCount(n), binWidth(w))", "a histogram of x (with or without `summary.count`)"}, &Reader::BinRect},
    {{"ELEMENT", "region.spread.range(a*(lo+hi))", "error bars with `shape(shape.ibeam)`, else ranged rules"}, &Reader::Range},
    {{"ELEMENT", "smooth.linear", "a regression line"}, &Reader::SmoothLinear},
    {{"ELEMENT", "smooth.loess", "a loess curve"}, &Reader::SmoothLoess},
    {{"ELEMENT", "density.kernel", "a density curve (a Gaussian kernel, whatever kernel is named)"}, &Reader::Density},
    {{"ELEMENT", "bin.quantile.letter", "the box plot's quartiles and whiskers (1.5 interquartile ranges)"}, &Reader::Quantiles},
};

const FunctionRow* FindFunction(std::span<const FunctionRow> rows, const Node& call) {
  std::string name = call.text;
  for (const FunctionRow& row : rows) {
    std::string gpl = row.row.gpl;
    std::string head = gpl.substr(0, gpl.find('('));
    if (strcasecmp(head.c_str(), name.c_str()) == 0) return &row;
  }
  // density.kernel.epanechnikov and the other kernels
  if (StartsWith(name, "density.kernel")) {
    Node density;
    density.kind = Node::Kind::kCall;
    density.text = "density.kernel";
    return FindFunction(rows, density);
  }
  return nullptr;
}

ReadChart Reader::Read(const GplProgram& program) {
  for (bool declaring : {true, false}) {
    for (const GplStatement& statement : program.statements) {
      const StatementRow* row = nullptr;
      for (const StatementRow& candidate : kStatements)
        if (statement.label == candidate.label) row = &candidate;
      if (!row) {
        if (declaring) continue;
        Fail(At(statement.line, statement.column, fmt::format("the GPL names an unknown statement \"{}\"", statement.label)));
        return std::move(chart_);
      }
      if (row->declares != declaring) continue;
      if (!(this->*row->read)(statement)) return std::move(chart_);
    }
  }
  if (chart_.model.elements.empty())
    chart_.fault = MakeWarning("The chart is not drawn: the GPL has no ELEMENT statement.");
  return std::move(chart_);
}

bool Reader::Undrawn(const GplStatement& statement) {
  return Fail(At(statement.line, statement.column, fmt::format("the renderer does not draw {} statements", statement.label)));
}

// One page with one graph frames the chart as it is drawn anyway; a second
// graph on the page would need a layout of its own.
bool Reader::Page(const GplStatement& statement) {
  if (Is(statement.value, "begin") || Is(statement.value, "end")) return true;
  return Fail(NotTaken("page function", statement.value));
}

bool Reader::Graph(const GplStatement& statement) {
  if (Is(statement.value, "end")) return true;
  if (!Is(statement.value, "begin")) return Fail(NotTaken("graph function", statement.value));
  if (++graphs_ > 1) return Fail(At(statement.value, "the renderer draws one graph per page"));
  return true;
}

bool Reader::Dispatch(std::span<const FunctionRow> rows, const char* what, const Node& call) {
  const FunctionRow* row = FindFunction(rows, call);
  if (!row) return Fail(NotTaken(what, call));
  return (this->*row->read)(call);
}

bool Reader::Source(const GplStatement& statement) {
  const Node& value = statement.value;
  const std::string* id = Is(value, "userSource") ? FirstString(Arg(value, "id")) : nullptr;
  if (!id) return Fail(NotTaken("source", value));
  sourceIds_[statement.target] = *id;
  return true;
}

bool Reader::Data(const GplStatement& statement) {
  const Node& value = statement.value;
  if (!Is(value, "col")) return Fail(NotTaken("data function", value));
  ColumnRef ref;
  ref.line = value.line;
  ref.col = value.column;
  for (const Node& argument : value.operands) {
    if (Is(argument, "source") && !argument.operands.empty()) {
      auto found = sourceIds_.find(argument.operands[0].text);
      if (found == sourceIds_.end())
        return Fail(At(argument, fmt::format("the DATA statement reads the undeclared source \"{}\"",
                                              argument.operands[0].text)));
      ref.source = found->second;
    } else if (Is(argument, "name") && FirstString(&argument)) {
      ref.column = *FirstString(&argument);
    } else if (Is(argument, "unit.category")) {
      ref.categorical = true;
    } else {
      return Fail(NotTaken("data option", argument));
    }
  }
  if (ref.column.empty()) return Fail(At(value, "the DATA statement names no column"));
  chart_.model.columns[statement.target] = ref;
  return true;
}

bool Reader::Guide(const GplStatement& statement) { return Dispatch(kGuides, "guide", statement.value); }
bool Reader::Scale(const GplStatement& statement) { return Dispatch(kScales, "scale", statement.value); }
bool Reader::Coord(const GplStatement& statement) { return Dispatch(kCoords, "coordinate", statement.value); }

bool Reader::ReadDimensions(const Node& dims, std::vector<int>& out) {
  for (const Node& operand : dims.operands) {
    if (operand.kind != Node::Kind::kNumber || operand.number < 1 || operand.number > 3)
      return Fail(At(operand, "a dimension must be 1, 2 or 3"));
    out.push_back(static_cast<int>(operand.number));
  }
  if (out.empty()) return Fail(At(dims, "dim() names no dimension"));
  return true;
}

bool Reader::Axis(const Node& call) {
  const Node* dim = Arg(call, "dim");
  std::vector<int> dims;
  if (!dim) return Fail(At(call, "the axis names no dim(...)"));
  if (!ReadDimensions(*dim, dims)) return false;
  AxisGuide& axis = chart_.model.axes[dims[0]];
  for (const Node& argument : call.operands) {
    if (&argument == dim) continue;
    if (Is(argument, "label") && FirstString(&argument))
      axis.title = *FirstString(&argument);
    else if (Is(argument, "null"))
      axis.hidden = true;
    else
      return Fail(NotTaken("axis option", argument));
  }
  return true;
}

bool Reader::Legend(const Node& call) {
  const Node* aesthetic = Arg(call, "aesthetic");
  if (!aesthetic || aesthetic->operands.empty()) return Fail(At(call, "the legend names no aesthetic(...)"));
  std::string name = aesthetic->operands[0].text;
  if (StartsWith(name, "aesthetic.")) name = name.substr(10);
  if (!FindAestheticKind(name)) return Fail(NotTaken("aesthetic", aesthetic->operands[0]));
  LegendGuide& legend = chart_.model.legends[name];
  for (const Node& argument : call.operands) {
    if (&argument == aesthetic) continue;
    if (Is(argument, "label") && FirstString(&argument))
      legend.title = *FirstString(&argument);
    else if (Is(argument, "null"))
      legend.hidden = true;
    else
      return Fail(NotTaken("legend option", argument));
  }
  return true;
}

bool Reader::Title(const Node& call) {
  if (const std::string* text = LabelText(call)) chart_.model.title = *text;
  return true;
}

bool Reader::Subtitle(const Node& call) {
  if (const std::string* text = LabelText(call)) chart_.model.subtitle = *text;
  return true;
}

bool Reader::Footnote(const Node& call) {
  if (const std::string* text = LabelText(call)) chart_.model.footnote = *text;
  return true;
}

ScaleModel* Reader::ScaleFor(const Node& call, const char* type, const Node*& target) {
  if ((target = Arg(call, "dim"))) {
    std::vector<int> dims;
    if (!ReadDimensions(*target, dims)) return nullptr;
    return &chart_.model.scales[dims[0]];
  }
  target = Arg(call, "aesthetic");
  if (target && !target->operands.empty() && std::string(type) == "cat") {
    std::string name = target->operands[0].text;
    if (StartsWith(name, "aesthetic.")) name = name.substr(10);
    if (FindAestheticKind(name)) return &chart_.model.aestheticScales[name];
  }
  Fail(At(call, fmt::format("the renderer does not draw this {} scale: it takes dim(n), or aesthetic(...) for cat", type)));
  return nullptr;
}

bool Reader::ReadScale(const Node& call, const char* type) {
  const Node* target = nullptr;
  ScaleModel* found = ScaleFor(call, type, target);
  if (!found) return false;
  ScaleModel& scale = *found;
  scale.type = type;
  for (const Node& argument : call.operands) {
    if (&argument == target) continue;
    if (Is(argument, "min") && FirstNumber(&argument)) {
      scale.min = FirstNumber(&argument);
    } else if (Is(argument, "max") && FirstNumber(&argument)) {
      scale.max = FirstNumber(&argument);
    } else if (Is(argument, "reverse")) {
      scale.reverse = true;
    } else if (Is(argument, "include")) {
      for (const Node& value : argument.operands) scale.include.push_back(value.kind == Node::Kind::kString ? value.text : Shown(value));
    } else if (Is(argument, "base") && std::string(type) == "log") {
      continue;
    } else if (Is(argument, "dataMinimum") || Is(argument, "dataMaximum")) {
      scale.fitData = true;
    } else {
      return Fail(NotTaken("scale option", argument));
    }
  }
  return true;
}

bool Reader::Rect(const Node& call) {
  for (const Node& argument : call.operands) {
    if (Is(argument, "dim")) continue;
    if (Is(argument, "transpose")) {
      chart_.model.transpose = true;
    } else if (Is(argument, "cluster") && FirstNumber(&argument)) {
      chart_.model.clusterDim = static_cast<int>(*FirstNumber(&argument));
      if (*chart_.model.clusterDim < 1 || *chart_.model.clusterDim > 3)
        return Fail(At(argument, "cluster(...) must name dimension 1, 2 or 3"));
    } else {
      return Fail(NotTaken("coordinate option", argument));
    }
  }
  return true;
}

bool Reader::Transpose(const Node& call) {
  chart_.model.transpose = true;
  for (const Node& argument : call.operands)
    if (!Dispatch(kCoords, "coordinate", argument)) return false;
  return true;
}

bool Reader::PolarTheta(const Node& call) {
  chart_.model.polar = true;
  for (const Node& argument : call.operands) {
    if (Is(argument, "dim")) continue;
    if (Is(argument, "startAngle") && FirstNumber(&argument)) {
      chart_.model.startAngle = *FirstNumber(&argument);
      continue;
    }
    return Fail(NotTaken("coordinate option", argument));
  }
  return true;
}

bool Reader::Element(const GplStatement& statement) {
  const Node& value = statement.value;
  std::string name = value.text;
  std::string arrangement;
  for (const char* suffix : {".stack", ".dodge"}) {
    std::size_t at = name.size() >= 6 ? name.size() - 6 : 0;
    if (name.size() > 6 && strcasecmp(name.c_str() + at, suffix) == 0) {
      arrangement = suffix + 1;
      name.resize(at);
    }
  }
  const ElementKind* kind = value.kind == Node::Kind::kCall ? FindElementKind(name) : nullptr;
  if (!kind || (!arrangement.empty() && !kind->arrangeable)) return Fail(NotTaken("element type", value));
  element_ = &chart_.model.elements.emplace_back();
  element_->kind = kind;
  element_->arrangement = arrangement;
  for (const Node& argument : value.operands)
    if (!ReadElementArgument(argument)) return false;
  if (element_->dims.empty() && !element_->summary)
    return Fail(At(value, fmt::format("the element \"{}\" has no position(...)", value.text)));
  if (kind->mark == std::string("boxplot") && !element_->boxPlot)
    return Fail(At(value, "a schema is drawn only with bin.quantile.letter(...)"));
  return true;
}

bool Reader::ReadElementArgument(const Node& argument) {
  if (argument.kind != Node::Kind::kCall) return Fail(NotTaken("element option", argument));
  if (Is(argument, "position")) {
    if (argument.operands.size() != 1) return Fail(At(argument, "position(...) takes one algebra expression"));
    return ReadAlgebra(argument.operands[0]);
  }
  if (const AestheticKind* kind = FindAestheticKind(argument.text)) return ReadAesthetic(*kind, argument);
  // lines break at missing values, which is what both ask for
  if (Is(argument, "missing.wings") || Is(argument, "missing.gap")) return true;
  return Fail(NotTaken("element option", argument));
}

bool Reader::ReadAesthetic(const AestheticKind& kind, const Node& call) {
  if (call.operands.size() != 1) return Fail(At(call, fmt::format("{}(...) takes one value", call.text)));
  const Node& value = call.operands[0];
  AestheticUse use;
  use.kind = &kind;
  if (value.kind == Node::Kind::kName && chart_.model.columns.count(value.text)) {
    use.field = value.text;
  } else if ((value.kind == Node::Kind::kName || value.kind == Node::Kind::kCall) && value.text.find('.') != std::string::npos) {
    // color.red, shape.ibeam, size."5px": the constant is the text after the family
    use.constant = value.text.substr(value.text.find('.') + 1);
    if (use.constant.size() >= 2 && use.constant.front() == '"' && use.constant.back() == '"')
      use.constant = use.constant.substr(1, use.constant.size() - 2);
  } else if (value.kind == Node::Kind::kString || value.kind == Node::Kind::kNumber) {
    use.constant = value.kind == Node::Kind::kString ? value.text : Shown(value);
  } else if (value.kind == Node::Kind::kName) {
    return Fail(At(value, fmt::format("the GPL uses \"{}\", which no DATA statement declares", value.text)));
  } else {
    return Fail(NotTaken(kind.gpl, value));
  }
  element_->aesthetics.push_back(use);
  return true;
}

bool Reader::ReadAlgebra(const Node& node) {
  if (node.kind == Node::Kind::kCall) {
    if (const SummaryKind* summary = FindSummaryKind(node.text)) {
      if (element_->summary) return Fail(At(node, "only one summary function per element is drawn"));
      element_->summary = summary;
      const Node* inner = Inner(node);
      return !inner || ReadAlgebra(*inner);
    }
    const FunctionRow* row = FindFunction(kPositionFunctions, node);
    if (!row) return Fail(NotTaken("function", node));
    return (this->*row->read)(node);
  }
  if (node.kind == Node::Kind::kChain &&
      std::all_of(node.operators.begin(), node.operators.end(), [](const std::string& op) { return op == "*"; })) {
    for (const Node& operand : node.operands)
      if (!ReadDim(operand)) return false;
    return true;
  }
  return ReadDim(node);
}

// The algebra a statistic function applies to: its first argument that is
// not one of its options.
const Node* Reader::Inner(const Node& call) {
  for (const Node& argument : call.operands)
    if (argument.kind != Node::Kind::kCall || !(Is(argument, "binCount") || Is(argument, "binWidth")))
      return &argument;
  return nullptr;
}

bool Reader::Field(const Node& node, std::string& field) {
  if (node.kind != Node::Kind::kName) return Fail(NotTaken("position", node));
  if (!chart_.model.columns.count(node.text))
    return Fail(At(node, fmt::format("the GPL uses \"{}\", which no DATA statement declares", node.text)));
  field = node.text;
  return true;
}

bool Reader::ReadDim(const Node& node) {
  PositionDim dim;
  if (node.kind == Node::Kind::kChain && node.operands.size() == 2 && node.operators[0] == "/") {
    if (!Field(node.operands[0], dim.field) || !Field(node.operands[1], dim.nestedIn)) return false;
  } else if (node.kind == Node::Kind::kChain && node.operands.size() == 2 && node.operators[0] == "+") {
    if (!Field(node.operands[0], dim.field) || !Field(node.operands[1], dim.rangeHigh)) return false;
  } else if (node.kind == Node::Kind::kCall && (FindFunction(kPositionFunctions, node) || FindSummaryKind(node.text))) {
    return Fail(At(node, fmt::format("the renderer does not draw \"{}\" inside one dimension of the position", node.text)));
  } else if (node.kind == Node::Kind::kCall) {
    return Fail(NotTaken("function", node));
  } else if (!Field(node, dim.field)) {
    return false;
  }
  if (element_->dims.size() == 3) return Fail(At(node, "more than three position dimensions are not drawn"));
  element_->dims.push_back(dim);
  return true;
}

bool Reader::BinRect(const Node& call) {
  element_->bin = true;
  element_->binCount = FirstNumber(Arg(call, "binCount"));
  element_->binWidth = FirstNumber(Arg(call, "binWidth"));
  const Node* inner = Inner(call);
  if (!inner) return Fail(At(call, "bin.rect(...) names no variable"));
  return ReadAlgebra(*inner);
}

bool Reader::Range(const Node& call) {
  const Node* inner = Inner(call);
  if (!inner) return Fail(At(call, "region.spread.range(...) names no variables"));
  if (!ReadAlgebra(*inner)) return false;
  bool ranged = std::any_of(element_->dims.begin(), element_->dims.end(),
                            [](const PositionDim& dim) { return !dim.rangeHigh.empty(); });
  if (!ranged) return Fail(At(call, "region.spread.range(...) needs a range (low+high)"));
  return true;
}

bool Reader::Smooth(const Node& call, const char* method) {
  element_->smooth = method;
  const Node* inner = Inner(call);
  if (!inner) return Fail(At(call, fmt::format("{}(...) names no variables", call.text)));
  return ReadAlgebra(*inner);
}

bool Reader::Density(const Node& call) {
  element_->density = true;
  const Node* inner = Inner(call);
  if (!inner) return Fail(At(call, fmt::format("{}(...) names no variable", call.text)));
  return ReadAlgebra(*inner);
}

bool Reader::Quantiles(const Node& call) {
  element_->boxPlot = true;
  const Node* inner = Inner(call);
  if (!inner) return Fail(At(call, "bin.quantile.letter(...) names no variables"));
  return ReadAlgebra(*inner);
}

}  // namespace

ReadChart ReadGplModel(const GplProgram& program) { return Reader().Read(program); }

std::span<const GplCoverageRow> GplCoverage() {
  static const std::vector<GplCoverageRow> rows = [] {
    std::vector<GplCoverageRow> all;
    for (std::span<const FunctionRow> table :
         {std::span<const FunctionRow>(kPositionFunctions), std::span<const FunctionRow>(kGuides),
          std::span<const FunctionRow>(kScales), std::span<const FunctionRow>(kCoords)})
      for (const FunctionRow& row : table) all.push_back(row.row);
    return all;
  }();
  return rows;
}
