#pragma once
#include <string>
#include <vector>

class GGraphCommandParser;
class SubComObj;

// Reads one subcommand into the parser's settings. Returns false after it has
// issued its message; the parse then stops.
using SubcommandHandler = bool (*)(GGraphCommandParser& parser, const SubComObj& subcommand, int firstToken);

// The handlers of the subcommands.
bool HandleGraphDataSet(GGraphCommandParser& parser, const SubComObj& subcommand, int firstToken);
bool HandleGraphSpec(GGraphCommandParser& parser, const SubComObj& subcommand, int firstToken);
bool HandleFitLine(GGraphCommandParser& parser, const SubComObj& subcommand, int firstToken);
bool HandleStyle(GGraphCommandParser& parser, const SubComObj& subcommand, int firstToken);
bool HandleDescription(GGraphCommandParser& parser, const SubComObj& subcommand, int firstToken);
bool HandleColorCycle(GGraphCommandParser& parser, const SubComObj& subcommand, int firstToken);
bool HandleFrame(GGraphCommandParser& parser, const SubComObj& subcommand, int firstToken);
bool HandleGridlines(GGraphCommandParser& parser, const SubComObj& subcommand, int firstToken);
bool HandleVGraphSpec(GGraphCommandParser& parser, const SubComObj& subcommand, int firstToken);

// The keywords each handler reads, from its own table (for the reference).
using SubcommandKeywords = std::vector<std::string> (*)();
std::vector<std::string> GraphDataSetKeywords();
std::vector<std::string> GraphSpecKeywords();
std::vector<std::string> FitLineKeywords();
std::vector<std::string> StyleKeywords();
std::vector<std::string> DescriptionKeywords();
std::vector<std::string> ColorCycleKeywords();
std::vector<std::string> FrameKeywords();
std::vector<std::string> GridlinesKeywords();
std::vector<std::string> VGraphSpecKeywords();
