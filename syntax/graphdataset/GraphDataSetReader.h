#pragma once
// What the pieces of the GRAPHDATASET handler share while one subcommand is read.

#include <memory>
#include <string>

#include "data/GGraphDataSet.h"
#include "syntax/SubcommandTokens.h"

class GGraphCommandParser;
class SubComObj;

struct GraphDataSetReader {
  GraphDataSetReader(GGraphCommandParser& parser, const SubComObj& subcommand, int firstToken);

  GGraphCommandParser& parser;
  SubcommandTokens tokens;
  std::unique_ptr<GGraphDataSet> dataSet;
};

// Readers of the values of VARIABLES, DATAFILTER and TRANSFORM, called after
// the keyword's equal sign. Each stops before the next keyword of the
// subcommand, and issues its message and returns false when the value is not
// accepted.
bool ReadVariableList(GraphDataSetReader& reader);
bool ReadFilterList(GraphDataSetReader& reader);
bool ReadTransform(GraphDataSetReader& reader);

// A word followed by the equal sign: the next keyword of the subcommand.
bool KeywordFollows(const SubcommandTokens& tokens);

// "The variable name ^1 must be unique" and "The variable name ^1 is
// duplicated.", at the level each caller gives.
void ReportNameNotUnique(const std::string& name, int level);
void ReportNameDuplicated(const std::string& name, int level);
