// GRAPHSPEC: one graph spec, handed to the settings once the whole
// subcommand has been accepted.

#include <array>
#include <climits>

#include "command/GGraphSettings.h"
#include "host/chart/XImage.h"
#include "host/engine/OperatorCodes.h"
#include "host/engine/SubComObj.h"
#include "report/SyntaxMessages.h"
#include "syntax/GGraphCommandParser.h"
#include "syntax/SubcommandHandler.h"
#include "syntax/graphspec/GraphSpecReader.h"

namespace {

template <void (GraphSpec::*set)(bool)>
bool ReadYesNo(GraphSpecReader& reader) {
  bool value = false;
  if (!reader.tokens.TakeYesNo(value)) return false;
  (reader.spec.get()->*set)(value);
  return true;
}

bool ReadLabel(GraphSpecReader& reader) {
  const TokenInfoObj* value = reader.tokens.TakeValue();
  if (!value) return false;
  reader.spec->SetOutputLabel(value->getString());
  return true;
}

// One text, or a list of texts between brackets.
template <void (GraphSpec::*add)(const std::string&)>
bool ReadTextList(GraphSpecReader& reader) {
  SubcommandTokens& tokens = reader.tokens;
  const TokenInfoObj* value = tokens.TakeValue();
  if (!value) return false;
  if (!SubcommandTokens::IsOperator(value, kOpOpenBracket)) {
    (reader.spec.get()->*add)(value->getString());
    return true;
  }
  while (true) {
    const TokenInfoObj* item = tokens.TakeValue();
    if (!item) return false;
    if (SubcommandTokens::IsOperator(item, kOpCloseBracket)) return true;
    (reader.spec.get()->*add)(item->getString());
  }
}

struct ImageFormat {
  const char* keyword;
  std::int32_t subtype;
};

constexpr std::array kImageFormats = {ImageFormat{"PNG", kImagePng}, ImageFormat{"BMP", kImageBmp},
                                      ImageFormat{"JPG", kImageJpeg}};

bool ReadImageFormat(GraphSpecReader& reader) {
  const TokenInfoObj* value = reader.tokens.TakeValue();
  if (!value) return false;
  int format = SubcommandTokens::KeywordIndex(value, kImageFormats);
  if (format < 0) return ReportUnknownToken(reader.tokens.Name(), SubcommandTokens::Text(value));
  reader.spec->SetImageFormat(kImageFormats[static_cast<std::size_t>(format)].subtype);
  return true;
}

struct GraphSpecKeyword {
  const char* keyword;
  int maximum;
  bool (*read)(GraphSpecReader& reader);
};

// SOURCE may be given again: the last one counts.
constexpr std::array kGraphSpecKeywords = {
    GraphSpecKeyword{"SOURCE", INT_MAX, ReadSource},
    GraphSpecKeyword{"EDITABLE", 1, ReadYesNo<&GraphSpec::SetEditable>},
    GraphSpecKeyword{"LABEL", 1, ReadLabel},
    GraphSpecKeyword{"DEFAULTTEMPLATE", 1, ReadYesNo<&GraphSpec::SetDefaultTemplate>},
    GraphSpecKeyword{"TEMPLATE", 1, ReadTextList<&GraphSpec::AddTemplateFile>},
    GraphSpecKeyword{"INLINETEMPLATE", 1, ReadTextList<&GraphSpec::AddInlineTemplate>},
    GraphSpecKeyword{"IMAGEFORMAT", 1, ReadImageFormat},
    GraphSpecKeyword{"VIZSTYLESHEET", 1, ReadStyleSheet},
    GraphSpecKeyword{"VIZMAP", 2, ReadMap},
};

bool ReadKeyword(GraphSpecReader& reader, std::array<int, kGraphSpecKeywords.size()>& seen) {
  SubcommandTokens& tokens = reader.tokens;
  const TokenInfoObj* token = tokens.Take();
  int index = SubcommandTokens::KeywordIndex(token, kGraphSpecKeywords);
  if (index < 0) return ReportUnknownToken(tokens.Name(), SubcommandTokens::Text(token));
  const GraphSpecKeyword& keyword = kGraphSpecKeywords[static_cast<std::size_t>(index)];
  if (++seen[static_cast<std::size_t>(index)] > keyword.maximum) return ReportDuplicate(tokens.Name(), keyword.keyword);
  return tokens.TakeEqualSign(keyword.keyword) && keyword.read(reader);
}

}  // namespace

std::vector<std::string> GraphSpecKeywords() { return SubcommandTokens::KeywordNames(kGraphSpecKeywords); }

bool HandleGraphSpec(GGraphCommandParser& parser, const SubComObj& subcommand, int firstToken) {
  GraphSpecReader reader(parser, subcommand, firstToken);
  if (reader.tokens.Empty()) return ReportIncomplete(reader.tokens.Name());
  std::array<int, kGraphSpecKeywords.size()> seen{};
  while (!reader.tokens.AtEnd()) {
    if (!ReadKeyword(reader, seen)) return false;
  }
  FilePendingMap(reader);
  // A DESCRIPTION before this chart no longer counts.
  parser.Settings().SetDescriptionType(0);
  parser.Settings().AddGraphSpec(reader.spec.release());
  return true;
}
