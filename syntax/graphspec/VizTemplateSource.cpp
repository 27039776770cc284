// SOURCE=VIZTEMPLATE(NAME='name'[LOCATION=...] MAPPING(slot=variable ...)):
// a visualization template and the variables that fill its slots.

#include <array>
#include <vector>

#include "host/engine/OperatorCodes.h"
#include "host/engine/ParserMessage.h"
#include "host/engine/TokenInfoObj.h"
#include "report/SyntaxMessages.h"
#include "report/Utf8FromLocalCodePage.h"
#include "syntax/GGraphCommandParser.h"
#include "syntax/graphspec/GraphSpecReader.h"

namespace {

// Violin plots cannot be paneled: their template has no such slots.
bool IsViolinPanelSlot(const std::string& templateName, const std::string& slot) {
  return templateName == "Violin" && (slot == "Panel_down" || slot == "Panel_across");
}

bool IsNameOrLiteral(const TokenInfoObj* token) { return token->IsVarName() || token->IsLiteral(); }

// The UTF-8 text of a slot or variable token; false after a message.
bool TakeMappingName(GraphSpecReader& reader, std::string& name) {
  const TokenInfoObj* token = reader.tokens.TakeValue();
  if (!token) return false;
  if (!IsNameOrLiteral(token)) return ReportUnknownToken(reader.tokens.Name(), SubcommandTokens::Text(token));
  name = Utf8FromLocalCodePage(token->getString());
  return true;
}

// [DATASET='name'] after a mapping's variable.
bool ReadMappingDataSet(GraphSpecReader& reader, VizVariableMapping& mapping) {
  SubcommandTokens& tokens = reader.tokens;
  tokens.Take();  // the opening bracket
  const TokenInfoObj* keyword = tokens.TakeValue();
  if (!keyword) return false;
  if (!SubcommandTokens::IsWord(keyword, "DATASET"))
    return ReportUnknownToken(tokens.Name(), SubcommandTokens::Text(keyword));
  if (!tokens.TakeEqualSign("DATASET")) return false;
  const TokenInfoObj* name = tokens.TakeLiteral();
  if (!name) return false;
  mapping.dataSetName = Utf8FromLocalCodePage(name->getString());
  return tokens.TakeOperator(kOpCloseBracket);
}

// slot = variable [DATASET='name']
bool ReadMapping(GraphSpecReader& reader, VizVariableMapping& mapping) {
  const TokenInfoObj* slot = reader.tokens.Peek();
  if (!TakeMappingName(reader, mapping.slotName)) return false;
  if (IsViolinPanelSlot(reader.spec->GetVizTemplateName(), mapping.slotName)) {
    ReportText("Paneling not supported for Violin plots", kLevelError);
    return false;
  }
  if (!reader.tokens.TakeEqualSign(slot->getString()) || !TakeMappingName(reader, mapping.variableName)) return false;
  if (!SubcommandTokens::IsOperator(reader.tokens.Peek(), kOpOpenBracket)) return true;
  return ReadMappingDataSet(reader, mapping);
}

// MAPPING(...): the whole list replaces the template's mappings. An empty
// list is not accepted.
bool ReadMappingList(GraphSpecReader& reader) {
  SubcommandTokens& tokens = reader.tokens;
  const TokenInfoObj* open = tokens.TakeValue();
  if (!open) return false;
  if (!SubcommandTokens::IsOperator(open, kOpOpenParen)) {
    reader.parser.Messages().ParenRequired(tokens.Name().c_str());
    return false;
  }
  std::vector<VizVariableMapping> mappings;
  while (!SubcommandTokens::IsOperator(tokens.Peek(), kOpCloseParen)) {
    if (!ReadMapping(reader, mappings.emplace_back())) return false;
  }
  tokens.Take();
  if (mappings.empty()) return false;
  reader.spec->SetVizTemplateMappings(mappings);
  return true;
}

// NAME='name'[LOCATION=...]
bool ReadTemplateName(GraphSpecReader& reader) {
  return reader.tokens.TakeEqualSign("NAME") &&
         ReadNameAndLocation(reader, &GraphSpec::SetVizTemplateName, &GraphSpec::SetVizTemplateLocation);
}

struct TemplateKeyword {
  const char* keyword;
  bool (*read)(GraphSpecReader& reader);
};

// Each once. The template's LOCATION stands inside NAME's brackets.
constexpr std::array kTemplateKeywords = {TemplateKeyword{"NAME", ReadTemplateName},
                                          TemplateKeyword{"MAPPING", ReadMappingList}};
constexpr int kName = 0;

}  // namespace

bool ReadVizTemplate(GraphSpecReader& reader) {
  SubcommandTokens& tokens = reader.tokens;
  if (!tokens.TakeOperator(kOpOpenParen)) return false;
  std::array<bool, kTemplateKeywords.size()> seen{};
  while (true) {
    const TokenInfoObj* token = tokens.TakeValue();
    if (!token) return false;
    if (SubcommandTokens::IsOperator(token, kOpCloseParen)) break;
    int index = SubcommandTokens::KeywordIndex(token, kTemplateKeywords);
    if (index < 0) {
      // A second LOCATION: the name has one already.
      if (seen[kName] && SubcommandTokens::IsWord(token, "LOCATION")) return ReportDuplicate(tokens.Name(), "LOCATION");
      return ReportUnknownToken(tokens.Name(), SubcommandTokens::Text(token));
    }
    const TemplateKeyword& keyword = kTemplateKeywords[static_cast<std::size_t>(index)];
    if (seen[static_cast<std::size_t>(index)]) return ReportDuplicate(tokens.Name(), keyword.keyword);
    seen[static_cast<std::size_t>(index)] = true;
    if (!keyword.read(reader)) return false;
  }
  // Without a name there is no template to draw; nothing further is said.
  if (!seen[kName]) return false;
  reader.spec->SetSourceKind(VIZTEMPLATE);
  return true;
}
