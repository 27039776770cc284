#include <cmath>

#include "BpObject.h"
#include "OmComposite.h"
#include "VEXA_Variable.h"
#include "engine/output/OutputDocument.h"
#include "engine/strings/StringTableFile.h"
#include "engine/text/NumberText.h"
#include <fmt/format.h>

BpString::BpString(std::string text, bool translate) : text_(std::move(text)), translate_(translate) {}

std::string BpString::Render() const {
  if (!translate_) return text_;
  const auto& table = OutputStringTable();
  auto found = table.find(text_);
  return found == table.end() ? text_ : found->second;
}

std::string BpNumber::Render() const {
  switch (format_) {
    case BpFormat::kCount:
      return fmt::format("{:.0f}", value_);
    case BpFormat::kGeneralStat:
      return std::fabs(value_) >= 1e15 ? ShortestNumberText(value_) : fmt::format("{:.3f}", value_);
    case BpFormat::kGeneral:
      break;
  }
  return ShortestNumberText(value_);
}

BpVariable::BpVariable(const VEXA_Variable* variable, int /*show*/) {
  if (!variable) return;
  const char* label = variable->GetLabel();
  text_ = label && *label ? label : variable->GetName();
}

BpComposite::BpComposite(std::string pattern, bool translate) : pattern_(std::move(pattern), translate) {}

void BpComposite::Add(const BpObject& argument) { args_.push_back(argument.Render()); }

std::string BpComposite::Render() const { return SubstitutePlaceholders(pattern_.Render(), args_); }

void BpError(const BpObject& message, int /*show*/, int level) {
  if (OutputDocument* output = CurrentOutput()) output->AddMessage(level, message.Render());
}
