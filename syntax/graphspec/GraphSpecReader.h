#pragma once
// What the pieces of the GRAPHSPEC handler share while one subcommand is read.

#include <array>
#include <memory>
#include <string>

#include "graphspec/GraphSpec.h"
#include "syntax/SubcommandTokens.h"

class GGraphCommandParser;
class SubComObj;

// The map of a VIZMAP keyword until a TYPE files it. The location stays for
// later maps of the subcommand; the counters limit TYPE, MAPKEY and
// SHOWALLFEATURES over the whole subcommand.
struct PendingMap {
  std::string name;
  MapLocation location = LOCATION_LOCAL;
  std::string path;
  std::array<int, 4> optionsSeen{};
};

struct GraphSpecReader {
  GraphSpecReader(GGraphCommandParser& parser, const SubComObj& subcommand, int firstToken);

  GGraphCommandParser& parser;
  SubcommandTokens tokens;
  std::unique_ptr<GraphSpec> spec;
  PendingMap map;
};

// Readers of one keyword's value, called after its equal sign. Each issues its
// message and returns false when the value is not accepted.
bool ReadSource(GraphSpecReader& reader);
bool ReadVizTemplate(GraphSpecReader& reader);
bool ReadStyleSheet(GraphSpecReader& reader);
bool ReadMap(GraphSpecReader& reader);

// Files a map still waiting for its TYPE as the data map.
void FilePendingMap(GraphSpecReader& reader);

// LOCAL, FILE or a quoted directory.
bool ReadLocation(GraphSpecReader& reader, MapLocation& location, std::string& directory);
// 'name'[ ... LOCATION=location]: words before LOCATION are passed over.
bool ReadNameAndLocation(GraphSpecReader& reader, void (GraphSpec::*setName)(const std::string&),
                         void (GraphSpec::*setLocation)(MapLocation, const std::string&));
