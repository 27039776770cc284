#include "syntax/graphspec/GraphSpecReader.h"

#include "host/engine/OperatorCodes.h"
#include "host/engine/TokenInfoObj.h"
#include "report/SyntaxMessages.h"

GraphSpecReader::GraphSpecReader(GGraphCommandParser& parser, const SubComObj& subcommand, int firstToken)
    : parser(parser), tokens(subcommand, firstToken), spec(std::make_unique<GraphSpec>()) {}

bool ReadLocation(GraphSpecReader& reader, MapLocation& location, std::string& directory) {
  const TokenInfoObj* value = reader.tokens.TakeValue();
  if (!value) return false;
  directory.clear();
  if (value->IsLiteral()) {
    location = LOCATION_DIRECTORY;
    directory = value->getString();
  } else if (SubcommandTokens::IsWord(value, "LOCAL")) {
    location = LOCATION_LOCAL;
  } else if (SubcommandTokens::IsWord(value, "FILE")) {
    location = LOCATION_FILE;
  } else {
    return ReportUnknownToken(reader.tokens.Name(), SubcommandTokens::Text(value));
  }
  return true;
}

namespace {

bool ReadBracketedLocation(GraphSpecReader& reader, MapLocation& location, std::string& directory) {
  SubcommandTokens& tokens = reader.tokens;
  if (!tokens.TakeOperator(kOpOpenBracket)) return false;
  while (true) {
    const TokenInfoObj* token = tokens.TakeValue();
    if (!token) return false;
    if (SubcommandTokens::IsWord(token, "LOCATION")) break;
    // The location is required: the list may not close before it.
    if (SubcommandTokens::IsOperator(token, kOpCloseBracket))
      return ReportUnknownToken(tokens.Name(), SubcommandTokens::Text(token));
  }
  return tokens.TakeEqualSign("LOCATION") && ReadLocation(reader, location, directory) &&
         tokens.TakeOperator(kOpCloseBracket);
}

}  // namespace

bool ReadNameAndLocation(GraphSpecReader& reader, void (GraphSpec::*setName)(const std::string&),
                         void (GraphSpec::*setLocation)(MapLocation, const std::string&)) {
  const TokenInfoObj* name = reader.tokens.TakeLiteral();
  if (!name) return false;
  (reader.spec.get()->*setName)(name->getString());
  MapLocation location = LOCATION_LOCAL;
  std::string directory;
  if (!ReadBracketedLocation(reader, location, directory)) return false;
  (reader.spec.get()->*setLocation)(location, directory);
  return true;
}
