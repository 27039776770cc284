#include "model/RelabelString.h"

#include <sstream>
#include <vector>

#include "host/engine/OBS.h"
#include "host/engine/VEXA_Variable.h"
#include "model/VariableResolver.h"

namespace {

constexpr int kStringFormatType = 1;

struct RelabelEntry {
  double code;
  std::string valueText;
  std::string label;  // UTF-8
  int column;
};

std::string NumberText(double value) {
  std::ostringstream out;
  out.precision(16);
  out << value;
  return out ? out.str() : std::string();
}

std::string ValueText(const OBS* cell, const VariableResolver* resolver) {
  if (!cell) return {};
  const VEXA_Variable* variable = resolver ? resolver->getVariable() : nullptr;
  if (variable && FormatType(variable->GetFormatEx()) == kStringFormatType) {
    // A string value spans as many cells as its width needs.
    std::size_t width = static_cast<std::size_t>(FormatWidth(variable->GetFormatEx()));
    return std::string(reinterpret_cast<const char*>(cell), width);
  }
  return NumberText(cell->number);
}

}  // namespace

struct RelabelString::Rep {
  std::vector<RelabelEntry> entries;
};

RelabelString::RelabelString() : rep_(new Rep) {}

RelabelString::~RelabelString() { delete rep_; }

void RelabelString::AddRelabel(double code, const OBS* cell, int column, const VariableResolver* resolver) {
  std::string label = resolver && cell ? resolver->getValueLabel(std::string(), cell) : std::string();
  rep_->entries.push_back({code, ValueText(cell, resolver), std::move(label), column});
}

bool RelabelString::FindRelabel(int column, int occurrence, double& code, std::string& valueText,
                                std::string& label) const {
  int seen = 0;
  for (const RelabelEntry& entry : rep_->entries) {
    if (entry.column != column || seen++ != occurrence) continue;
    code = entry.code;
    valueText = entry.valueText;
    label = entry.label;
    return true;
  }
  return false;
}
