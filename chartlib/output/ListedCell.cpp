#include "chartlib/output/ListedCell.h"

#include <fmt/format.h>

#include "OBS.h"
#include "XVariable.h"
#include "chartlib/text/ShortestDouble.h"

namespace {

const std::string* LabelOf(const DataColumn::Cell& cell, const XVariable& variable) {
  for (const XVariable::Relabel& relabel : variable.getRelabels()) {
    if (relabel.by == XVariable::Relabel::By::kNumber && cell.kind == DataColumn::Cell::Kind::kNumber &&
        relabel.number == cell.number)
      return &relabel.label;
    if (relabel.by == XVariable::Relabel::By::kText && cell.kind == DataColumn::Cell::Kind::kText &&
        relabel.text == *cell.text)
      return &relabel.label;
  }
  return nullptr;
}

// The packed formats that carry their own sign of the unit.
std::string FormattedPacked(double number, VEXA_Format packed) {
  std::string digits = fmt::format("{:.{}f}", number, FormatDecimals(packed));
  switch (FormatType(packed)) {
    case kFormatDollar:
      return "$" + digits;
    case kFormatPct:
      return digits + "%";
    case kFormatE:
      return fmt::format("{:.{}E}", number, FormatDecimals(packed));
    default:
      return digits;
  }
}

std::string FormattedNumber(double number, const XVariable* variable) {
  if (number == kSysMiss) return ".";
  const auto* format = variable ? &variable->getFormat() : nullptr;
  if (!format || !*format) return ShortestDoubleText(number, 16);
  if ((*format)->kind == XVariable::Format::Kind::kNumber)
    return (*format)->prefix + fmt::format("{:.{}f}", number, (*format)->decimals) + (*format)->suffix;
  int type = FormatType((*format)->packed);
  // Dates and times are seconds; their calendar form is the drawing's business.
  if (type == kFormatDate || type == kFormatTime || type == kFormatDateTime || type == kFormatA)
    return ShortestDoubleText(number, 16);
  return FormattedPacked(number, (*format)->packed);
}

}  // namespace

std::string ListedCell(const DataColumn::Cell& cell, const XVariable* variable) {
  std::string shown;
  switch (cell.kind) {
    case DataColumn::Cell::Kind::kNumber:
      shown = FormattedNumber(cell.number, variable);
      break;
    case DataColumn::Cell::Kind::kText:
      shown = *cell.text;
      break;
    case DataColumn::Cell::Kind::kEmpty:
      return "";
  }
  const std::string* label = variable ? LabelOf(cell, *variable) : nullptr;
  return label && *label != shown ? shown + " " + *label : shown;
}
