// VIZSTYLESHEET='name'[LOCATION=...] and VIZMAP='name'[options]: the style
// sheet of a template chart and the maps of a map chart.

#include <array>
#include <climits>

#include "host/engine/OperatorCodes.h"
#include "host/engine/TokenInfoObj.h"
#include "report/SyntaxMessages.h"
#include "report/Utf8FromLocalCodePage.h"
#include "syntax/graphspec/GraphSpecReader.h"

namespace {

// Where a map is filed: as the data map or as the reference map.
struct MapKind {
  const char* keyword;
  void (GraphSpec::*setName)(const std::string&);
  void (GraphSpec::*setLocation)(MapLocation, const std::string&);
};

constexpr MapKind kDataMap{"DATA", &GraphSpec::SetDataMapName, &GraphSpec::SetDataMapLocation};
constexpr std::array kMapKinds = {kDataMap,
                                  MapKind{"REFERENCE", &GraphSpec::SetRefMapName, &GraphSpec::SetRefMapLocation}};

void FileMap(GraphSpecReader& reader, const MapKind& kind) {
  GraphSpec& spec = *reader.spec;
  (spec.*kind.setName)(reader.map.name);
  (spec.*kind.setLocation)(reader.map.location, reader.map.path);
  reader.map.name.clear();
}

bool ReadMapLocation(GraphSpecReader& reader) { return ReadLocation(reader, reader.map.location, reader.map.path); }

bool ReadMapType(GraphSpecReader& reader) {
  const TokenInfoObj* value = reader.tokens.TakeValue();
  if (!value) return false;
  int kind = SubcommandTokens::KeywordIndex(value, kMapKinds);
  if (kind < 0) return ReportUnknownToken(reader.tokens.Name(), SubcommandTokens::Text(value));
  FileMap(reader, kMapKinds[static_cast<std::size_t>(kind)]);
  return true;
}

bool ReadMapKey(GraphSpecReader& reader) {
  const TokenInfoObj* value = reader.tokens.TakeLiteral();
  if (!value) return false;
  reader.spec->SetMapKey(Utf8FromLocalCodePage(value->getString()));
  return true;
}

bool ReadShowAllFeatures(GraphSpecReader& reader) {
  bool show = false;
  if (!reader.tokens.TakeYesNo(show)) return false;
  reader.spec->SetShowAllFeatures(show);
  return true;
}

struct MapOption {
  const char* keyword;
  int maximum;  // per subcommand
  bool (*read)(GraphSpecReader& reader);
};

constexpr std::array kMapOptions = {
    MapOption{"LOCATION", INT_MAX, ReadMapLocation},
    MapOption{"TYPE", 2, ReadMapType},
    MapOption{"MAPKEY", 1, ReadMapKey},
    MapOption{"SHOWALLFEATURES", 1, ReadShowAllFeatures},
};
static_assert(kMapOptions.size() == std::tuple_size_v<decltype(PendingMap::optionsSeen)>);

bool ReadMapOption(GraphSpecReader& reader) {
  SubcommandTokens& tokens = reader.tokens;
  const TokenInfoObj* token = tokens.TakeValue();
  if (!token) return false;
  int index = SubcommandTokens::KeywordIndex(token, kMapOptions);
  if (index < 0) return ReportUnknownToken(tokens.Name(), SubcommandTokens::Text(token));
  const MapOption& option = kMapOptions[static_cast<std::size_t>(index)];
  if (++reader.map.optionsSeen[static_cast<std::size_t>(index)] > option.maximum)
    return ReportDuplicate(tokens.Name(), option.keyword);
  return tokens.TakeEqualSign(option.keyword) && option.read(reader);
}

}  // namespace

void FilePendingMap(GraphSpecReader& reader) {
  if (!reader.map.name.empty()) FileMap(reader, kDataMap);
}

bool ReadStyleSheet(GraphSpecReader& reader) {
  return ReadNameAndLocation(reader, &GraphSpec::SetStyleSheet, &GraphSpec::SetStyleSheetLocation);
}

bool ReadMap(GraphSpecReader& reader) {
  FilePendingMap(reader);
  SubcommandTokens& tokens = reader.tokens;
  const TokenInfoObj* name = tokens.TakeLiteral();
  if (!name) return false;
  reader.map.name = name->getString();
  if (!tokens.TakeOperator(kOpOpenBracket)) return false;
  do {
    if (!ReadMapOption(reader)) return false;
  } while (!SubcommandTokens::IsOperator(tokens.Peek(), kOpCloseBracket));
  tokens.Take();
  return true;
}
