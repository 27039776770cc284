#include "chartlib/render/FieldLook.h"

#include <fmt/format.h>

#include "VEXA_Format.h"
#include "XVariable.h"
#include "chartlib/render/ChartModel.h"

namespace {

bool IsDateFormat(int type) { return type == kFormatDate || type == kFormatDateTime; }

// A text as a Vega expression string literal.
std::string Quoted(const std::string& text) { return nlohmann::json(text).dump(); }

void SetFormat(FieldLook& look, const XVariable::Format& format) {
  if (format.kind == XVariable::Format::Kind::kNumber) {
    look.numberFormat = fmt::format("{}.{}f", format.grouping ? "," : "", format.decimals);
    look.prefix = format.prefix;
    look.suffix = format.suffix;
    return;
  }
  int type = FormatType(format.packed);
  int decimals = FormatDecimals(format.packed);
  if (IsDateFormat(type)) {
    look.temporal = true;
    return;
  }
  switch (type) {
    case kFormatComma:
      look.numberFormat = fmt::format(",.{}f", decimals);
      break;
    case kFormatDollar:
      look.numberFormat = fmt::format(",.{}f", decimals);
      look.prefix = "$";
      break;
    case kFormatF:
      look.numberFormat = fmt::format(".{}f", decimals);
      break;
    case kFormatPct:
      look.numberFormat = fmt::format(".{}f", decimals);
      look.suffix = "%";
      break;
    default:
      break;
  }
}

}  // namespace

std::string EscapeFieldName(const std::string& name) {
  std::string escaped;
  for (char c : name) {
    if (c == '.' || c == '[' || c == ']' || c == '\\') escaped += '\\';
    escaped += c;
  }
  return escaped;
}

FieldLook LookOf(const ColumnRef& column, const XVariable* variable) {
  FieldLook look;
  look.key = column.column;
  look.fieldRef = EscapeFieldName(column.column);
  look.title = column.column;
  look.categorical = column.categorical;
  if (!variable) return look;
  std::string label = variable->getLabel().toUTF8();
  if (!label.empty()) look.title = label;
  look.categorical = look.categorical || variable->getCategorical();
  if (variable->getFormat() && !look.categorical) SetFormat(look, *variable->getFormat());
  return look;
}

void FieldLook::AddNumberFormat(nlohmann::json& encoding, const char* guide) const {
  if (categorical || temporal) return;
  if (!numberFormat.empty()) encoding[guide]["format"] = numberFormat;
  if (!prefix.empty() || !suffix.empty())
    encoding[guide]["labelExpr"] = fmt::format("{} + datum.label + {}", Quoted(prefix), Quoted(suffix));
}
