#include "chartlib/output/VariableJson.h"

#include "XGraph.h"
#include "XVariable.h"
#include "chartlib/output/JsonValues.h"

namespace {

void WriteStatistic(JsonWriter& json, const XVariable::Statistic& statistic) {
  json.Key("statistic");
  json.StartObject();
  WriteField(json, "kind", statistic.kind);
  json.Key("a");
  WriteNumber(json, statistic.a);
  json.Key("b");
  WriteNumber(json, statistic.b);
  json.Key("c");
  WriteNumber(json, statistic.c);
  WriteField(json, "flag", statistic.flag);
  json.EndObject();
}

void WriteFormat(JsonWriter& json, const std::optional<XVariable::Format>& format) {
  json.Key("format");
  if (!format) {
    json.Null();
    return;
  }
  json.StartObject();
  if (format->kind == XVariable::Format::Kind::kPacked) {
    WriteField(json, "kind", "packed");
    WriteField(json, "packed", static_cast<int>(format->packed));
    WriteField(json, "type", FormatType(format->packed));
    WriteField(json, "width", FormatWidth(format->packed));
    WriteField(json, "decimals", FormatDecimals(format->packed));
    if (!format->variable.empty()) WriteField(json, "variable", format->variable);
  } else {
    WriteField(json, "kind", "number");
    WriteField(json, "decimals", format->decimals);
    WriteField(json, "grouping", format->grouping);
    WriteField(json, "prefix", format->prefix);
    WriteField(json, "suffix", format->suffix);
  }
  json.EndObject();
}

void WriteRelabel(JsonWriter& json, const XVariable::Relabel& relabel) {
  json.StartObject();
  json.Key("value");
  switch (relabel.by) {
    case XVariable::Relabel::By::kText:
      WriteText(json, relabel.text);
      break;
    case XVariable::Relabel::By::kNumber:
      WriteNumber(json, relabel.number);
      break;
    case XVariable::Relabel::By::kIndex:
      json.Int(relabel.index);
      WriteField(json, "byIndex", true);
      break;
  }
  WriteField(json, "label", relabel.label);
  json.EndObject();
}

void WriteVariable(JsonWriter& json, const XVariable& variable) {
  json.StartObject();
  WriteField(json, "name", variable.getName());
  WriteField(json, "source", variable.getSource());
  WriteField(json, "label", variable.getLabel().toUTF8());
  WriteField(json, "shortLabel", variable.getShortLabel().toUTF8());
  WriteField(json, "categorical", variable.getCategorical());
  WriteField(json, "creator", variable.getCreator());
  WriteField(json, "weight", variable.isWeightVariable());
  if (variable.getStatistic()) WriteStatistic(json, *variable.getStatistic());
  WriteFormat(json, variable.getFormat());
  json.Key("relabels");
  json.StartArray();
  for (const XVariable::Relabel& relabel : variable.getRelabels()) WriteRelabel(json, relabel);
  json.EndArray();
  json.Key("engineVariable");
  if (variable.hasVEXAVariable())
    WriteText(json, variable.getVEXAVariableName());
  else
    json.Null();
  json.EndObject();
}

}  // namespace

void WriteVariables(JsonWriter& json, const XGraph& graph) {
  json.Key("variables");
  json.StartArray();
  for (const auto& variable : graph.variables()) WriteVariable(json, *variable);
  json.EndArray();
}

void WriteVariableSummary(std::ostream& out, const XGraph& graph) {
  if (graph.variables().empty()) return;
  out << "  Variables:";
  for (const auto& variable : graph.variables()) {
    out << ' ' << variable->getName();
    if (variable->getCategorical()) out << " (categorical)";
  }
  out << '\n';
}
