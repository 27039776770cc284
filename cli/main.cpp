// ggraph: runs command files through the engine and its graph module.

#include <CLI/CLI.hpp>

#include <filesystem>
#include <fstream>
#include <iostream>

#include "cli/DelimiterOption.h"
#include "cli/DescribeCommand.h"
#include "cli/FunctionsCommand.h"
#include "cli/InterruptCleanup.h"
#include "cli/RunCommand.h"

namespace {

// "run, describe": what a user can type after "ggraph".
std::string CommandNames(const CLI::App& app) {
  std::string names;
  for (const CLI::App* command : app.get_subcommands({}))
    names += (names.empty() ? "" : ", ") + command->get_name();
  return names + " (ggraph --help tells more)";
}

// Every help screen ends with where the whole reference is.
constexpr const char* kReferenceFooter =
    "The reference: docs/reference/ggraph.md (GGRAPH and VGRAPH), docs/reference/functions.md (summary functions), "
    "docs/reference/gpl.md (the GPL that is drawn), docs/cli.md (this program).";

constexpr const char* kDelimiterHelp =
    "The delimiter of plain CSV files: comma, semicolon, tab or pipe (detected when not given)";

}  // namespace

int main(int argc, char** argv) {
  StopCleanlyOnInterrupt();
  CLI::App app{"ggraph: runs GGRAPH and VGRAPH command files against a data file"};
  app.set_version_flag("--version", std::string("ggraph 0.1.0"));
  app.require_subcommand(1);
  app.footer(kReferenceFooter);

  RunArguments run;
  CLI::App* runCommand = app.add_subcommand("run", "Run a command file ('-' reads standard input)");
  runCommand->add_option("file", run.commandFile, "The command file")->required();
  runCommand->add_option("--data", run.options.dataPath, "The working data file (datapackage.json or .csv)");
  runCommand->add_option("--dataset", run.dataSets, "A named data set, as NAME=PATH")->take_all();
  std::string runDelimiter, describeDelimiter;
  runCommand->add_option("--delimiter", runDelimiter, kDelimiterHelp)->check(CheckDelimiterName);
  runCommand->add_option("--json", run.jsonPath, "Write the output document as JSON to this file");
  runCommand->add_option("--html", run.htmlPath, "Write the run as a self-contained web page to this file");
  runCommand->add_option("--svg", run.svgFolder, "Draw every chart as an SVG file into this folder");
  runCommand->add_option("--png", run.pngFolder, "Draw every chart as a PNG file into this folder");
  runCommand->add_option("--invoked-by", run.options.invokedBy, "Two-character code of the invoking module")
      ->check([](const std::string& code) { return code.size() == 2 ? std::string() : "must be two characters"; });
  runCommand->add_flag("--thin-client", run.options.thinClient, "The engine serves a thin client");
  runCommand->add_flag("--debug", run.options.debug, "Show debug lines");

  DescribeArguments describe;
  CLI::App* describeCommand = app.add_subcommand("describe", "Show the dictionary a data file yields");
  describeCommand->add_option("--data", describe.dataPath, "The data file (datapackage.json, its folder, or .csv)")
      ->required();
  describeCommand->add_option("--delimiter", describeDelimiter, kDelimiterHelp)->check(CheckDelimiterName);
  describeCommand->add_flag("--json", describe.json, "Write the dictionary as JSON");

  CLI::App* functionsCommand = app.add_subcommand("functions", "List the summary functions of GRAPHDATASET VARIABLES");
  for (CLI::App* command : {runCommand, describeCommand, functionsCommand}) command->footer(kReferenceFooter);

  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e);
  } catch (const CLI::CallForVersion& e) {
    return app.exit(e);
  } catch (const CLI::ParseError& e) {
    const bool unknownCommand = app.get_subcommands().empty() && argc > 1 && argv[1][0] != '-';
    if (unknownCommand) {
      std::cerr << "ggraph: there is no command '" << argv[1] << "'\n";
    } else {
      std::cerr << "ggraph: " << e.what() << '\n';
    }
    if (app.get_subcommands().empty()) std::cerr << "ggraph: the commands are " << CommandNames(app) << '\n';
    return kExitUsage;
  }
  run.options.delimiter = DelimiterNamed(runDelimiter);
  describe.delimiter = DelimiterNamed(describeDelimiter);
  if (runCommand->parsed()) return RunCommandFile(run);
  if (describeCommand->parsed()) return DescribeDataFile(describe);
  if (functionsCommand->parsed()) return ListSummaryFunctions();
  return kExitUsage;
}
