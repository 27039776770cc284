// The values of GRAPHSPEC's SOURCE keyword: where the chart's definition
// comes from.

#include <array>
#include <cstdint>
#include <limits>

#include "host/engine/OperatorCodes.h"
#include "host/engine/TokenInfoObj.h"
#include "report/SyntaxMessages.h"
#include "syntax/graphspec/GraphSpecReader.h"

namespace {

// Stores the value of a source written SOURCEWORD(value); false after a message.
using StoreSourceValue = bool (*)(GraphSpecReader& reader, const TokenInfoObj* value);

template <SourceKind kind, void (GraphSpec::*store)(const std::string&)>
bool StoreFile(GraphSpecReader& reader, const TokenInfoObj* value) {
  (reader.spec.get()->*store)(value->getString());
  reader.spec->SetSourceKind(kind);
  return true;
}

bool IsBinCount(const TokenInfoObj* token) {
  return token->IsInteger() && token->getInteger() >= std::numeric_limits<std::int32_t>::min() &&
         token->getInteger() <= std::numeric_limits<std::int32_t>::max();
}

// Every bin is a counter and a row of the binning table: a count beyond this
// would exhaust memory long before the table could be read.
constexpr std::int64_t kMostBins = 1'000'000;

bool StoreBinCount(GraphSpecReader& reader, const TokenInfoObj* value) {
  if (!IsBinCount(value)) return ReportUnknownToken(reader.tokens.Name(), SubcommandTokens::Text(value));
  // Binning divides the range by the count: fewer than one bin has no meaning.
  if (value->getInteger() < 1) {
    ReportTemplate("SubCmd ^1. The bin count of BINS must be at least 1, not ^2.",
                   {reader.tokens.Name(), SubcommandTokens::Text(value)}, kLevelError);
    return false;
  }
  if (value->getInteger() > kMostBins) {
    ReportTemplate("SubCmd ^1. The bin count of BINS must be at most 1000000, not ^2.",
                   {reader.tokens.Name(), SubcommandTokens::Text(value)}, kLevelError);
    return false;
  }
  reader.spec->SetBinCount(static_cast<std::int32_t>(value->getInteger()));
  reader.spec->SetSourceKind(BINS);
  return true;
}

struct ParenthesizedSource {
  const char* keyword;
  StoreSourceValue store;
};

// GEOJSONFILE adds to the files of a JSON template and so takes its kind.
constexpr std::array kParenthesizedSources = {
    ParenthesizedSource{"GPLFILE", StoreFile<GPLFILE, &GraphSpec::SetGplFile>},
    ParenthesizedSource{"VIZMLFILE", StoreFile<VIZMLFILE, &GraphSpec::SetVizmlFile>},
    ParenthesizedSource{"VIZJSONFILE", StoreFile<VIZJSONFILE, &GraphSpec::SetVizJsonFile>},
    ParenthesizedSource{"VIZJSONTEMPLATE", StoreFile<VIZJSONTEMPLATE, &GraphSpec::SetVizJsonTemplateFile>},
    ParenthesizedSource{"GEOJSONFILE", StoreFile<VIZJSONTEMPLATE, &GraphSpec::AddGeoJsonFile>},
    ParenthesizedSource{"IMAGEFILE", StoreFile<IMAGEFILE, &GraphSpec::SetImageFile>},
    ParenthesizedSource{"PMMLFILE", StoreFile<PMMLFILE, &GraphSpec::SetPmmlFile>},
    ParenthesizedSource{"BINS", StoreBinCount},
};

// Without the opening parenthesis the next token is passed over and nothing
// is stored.
bool ReadParenthesizedValue(GraphSpecReader& reader, const ParenthesizedSource& source) {
  SubcommandTokens& tokens = reader.tokens;
  if (!SubcommandTokens::IsOperator(tokens.Peek(), kOpOpenParen)) return tokens.TakeValue() != nullptr;
  tokens.Take();
  const TokenInfoObj* value = tokens.TakeValue();
  if (!value || !source.store(reader, value)) return false;
  if (SubcommandTokens::IsOperator(tokens.Take(), kOpCloseParen)) return true;
  ReportTemplate("Unbalanced parentheses in effect, parameter ^1, subcommand ^2 ...", {source.keyword, "GRAPHSPEC"},
                 kLevelError);
  return false;
}

}  // namespace

bool ReadSource(GraphSpecReader& reader) {
  const TokenInfoObj* value = reader.tokens.TakeValue();
  if (!value) return false;
  if (SubcommandTokens::IsWord(value, "INLINE")) {
    reader.spec->SetSourceKind(INLINE);
    return true;
  }
  if (SubcommandTokens::IsWord(value, "VIZTEMPLATE")) return ReadVizTemplate(reader);
  int source = SubcommandTokens::KeywordIndex(value, kParenthesizedSources);
  if (source < 0) return ReportUnknownToken(reader.tokens.Name(), SubcommandTokens::Text(value));
  return ReadParenthesizedValue(reader, kParenthesizedSources[static_cast<std::size_t>(source)]);
}
