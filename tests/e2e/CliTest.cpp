#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "tests/support/RunCli.h"

namespace {

std::string WriteTemp(const std::string& name, const std::string& text) {
  std::string path = ::testing::TempDir() + name;
  std::ofstream(path) << text;
  return path;
}

TEST(Cli, ExitStatusTellsHowTheRunWent) {
  std::string clean = WriteTemp("clean.sps", "GGRAPH /GRAPHSPEC SOURCE=INLINE.\nBEGIN GPL\nELEMENT: point()\nEND GPL\n");
  std::string failing = WriteTemp("failing.sps", "BEGIN GPL\nEND GPL\n");
  EXPECT_EQ(RunCli("run " + clean).status, 0);
  EXPECT_EQ(RunCli("run " + failing).status, 1);
  EXPECT_EQ(RunCli("run - < " + clean).status, 0);
}

TEST(Cli, UsageErrorsExitWithTwoAndOneLineReason) {
  for (const char* arguments : {"run /no/such/file.sps", "run", "run x.sps --bogus", "run x.sps --json",
                                "frobnicate", "run x.sps --invoked-by QKX", "run x.sps --html"}) {
    CliResult result = RunCli(arguments);
    EXPECT_EQ(result.status, 2) << arguments << ": " << result.output;
    EXPECT_FALSE(result.output.empty()) << arguments;
  }
  std::string clean = WriteTemp("clean.sps", "GGRAPH /GRAPHSPEC SOURCE=INLINE.\nBEGIN GPL\nELEMENT: point()\nEND GPL\n");
  CliResult unwritable = RunCli("run " + clean + " --html /no/such/folder/page.html");
  EXPECT_EQ(unwritable.status, 2);
  EXPECT_NE(unwritable.output.find("cannot write the page '/no/such/folder/page.html'"), std::string::npos)
      << unwritable.output;
}

TEST(Cli, UnknownCommandListsTheCommands) {
  CliResult result = RunCli("help");
  EXPECT_EQ(result.status, 2);
  EXPECT_NE(result.output.find("the commands are run, describe"), std::string::npos) << result.output;
}

TEST(Cli, HelpAndVersionSucceed) {
  EXPECT_EQ(RunCli("--help").status, 0);
  CliResult version = RunCli("--version");
  EXPECT_EQ(version.status, 0);
  EXPECT_NE(version.output.find("ggraph"), std::string::npos);
}

TEST(Cli, ListingShowsTheProcedureAndDebugLines) {
  std::string file = WriteTemp("debug.sps", "GGRAPH /FITLINE TOTAL=YES.\n");
  CliResult result = RunCli("run " + file + " --debug --invoked-by QK");
  EXPECT_NE(result.output.find("RFM Analysis"), std::string::npos) << result.output;
  EXPECT_NE(result.output.find("Starting GGraph Procedure"), std::string::npos);
}

TEST(Cli, VGraphRunsOnlyWithTheThinClientFlag) {
  std::string file = WriteTemp("service.sps", "VGRAPH /GRAPHSPEC SOURCE=INLINE.\nBEGIN GRAPHSRV\n{}\nEND GRAPHSRV\n");
  const std::string notSupported = "The VGRAPH procedure is not supported on this version of VEXA Statistics.";
  EXPECT_NE(RunCli("run " + file).output.find(notSupported), std::string::npos);
  CliResult served = RunCli("run " + file + " --thin-client");
  EXPECT_EQ(served.output.find(notSupported), std::string::npos) << served.output;
  EXPECT_NE(served.output.find("At least one dataset should be available for graph service."), std::string::npos);
}

// The examples name their data in their first comment lines, relative to the
// command file, so each runs from any folder with its file name alone.
TEST(Cli, ExamplesRunWithTheDataTheirCommentsName) {
  const std::filesystem::path examples = std::filesystem::path(GGRAPH_SOURCE_DIR) / "examples";
  int examplesRun = 0;
  for (const auto& entry : std::filesystem::directory_iterator(examples)) {
    if (entry.path().extension() != ".sps") continue;
    CliResult result = RunCli("run " + entry.path().string());
    EXPECT_EQ(result.status, 0) << entry.path() << ": " << result.output;
    EXPECT_NE(result.output.find("(named in the command file)"), std::string::npos) << entry.path();
    EXPECT_NE(result.output.find("0 error(s), 0 warning(s)"), std::string::npos) << entry.path() << result.output;
    ++examplesRun;
  }
  EXPECT_GE(examplesRun, 10);
}

TEST(Cli, DataOptionWinsOverTheDataTheCommentsName) {
  const std::string pbc = std::string(GGRAPH_SOURCE_DIR) + "/examples/data/pbc";
  std::string file = WriteTemp("named.sps",
                               "* Count per stage.\n* Data: no/such/package.\n"
                               "GGRAPH /GRAPHDATASET NAME=\"graphdataset\" VARIABLES=stage COUNT()[NAME=\"COUNT\"]\n"
                               "  /GRAPHSPEC SOURCE=INLINE.\n"
                               "BEGIN GPL\nELEMENT: interval(position(stage*COUNT))\nEND GPL\n");
  CliResult given = RunCli("run " + file + " --data " + pbc);
  EXPECT_EQ(given.status, 0) << given.output;
  EXPECT_EQ(given.output.find("named in the command file"), std::string::npos) << given.output;
  CliResult named = RunCli("run " + file);
  EXPECT_NE(named.output.find("no/such/package (named in the command file)"), std::string::npos) << named.output;
  EXPECT_NE(named.status, 0);
}

TEST(Cli, OnlyTheLeadingCommentsNameData) {
  std::string file = WriteTemp("late.sps",
                               "GGRAPH /GRAPHSPEC SOURCE=INLINE.\nBEGIN GPL\nELEMENT: point()\nEND GPL\n"
                               "* Data: no/such/package.\n");
  CliResult result = RunCli("run " + file);
  EXPECT_EQ(result.status, 0) << result.output;
  EXPECT_EQ(result.output.find("named in the command file"), std::string::npos) << result.output;
}

// A pseudo-terminal through script(1): the progress line shows there (drawn at
// once here) and never in piped output.
TEST(Cli, ProgressShowsOnATerminalOnly) {
  const std::string pbc = std::string(GGRAPH_SOURCE_DIR) + "/examples/data/pbc";
  const std::string file = std::string(GGRAPH_SOURCE_DIR) + "/examples/histogram.sps";
  const std::string run = std::string(GGRAPH_CLI) + " run " + file + " --data " + pbc;
  FILE* pipe = popen(("GGRAPH_PROGRESS_DELAY_MS=0 script -qec '" + run + "' /dev/null").c_str(), "r");
  std::string terminal;
  std::array<char, 4096> buffer{};
  while (std::size_t n = fread(buffer.data(), 1, buffer.size(), pipe)) terminal.append(buffer.data(), n);
  EXPECT_EQ(WEXITSTATUS(pclose(pipe)), 0) << terminal;
  EXPECT_NE(terminal.find("Reading cases: "), std::string::npos) << terminal;
  EXPECT_NE(terminal.find("pbc.csv: "), std::string::npos) << terminal;
  CliResult piped = RunCli("run " + file + " --data " + pbc);
  EXPECT_EQ(piped.output.find("Reading"), std::string::npos) << piped.output;
}

// Ctrl-C stops the run at once with the shell's status for it.
TEST(Cli, InterruptEndsTheRunWith130) {
  FILE* pipe = popen(("(sleep 5 | " + std::string(GGRAPH_CLI) + " run - 2>&1 & pid=$!; sleep 0.5; kill -INT $pid; wait $pid; echo status=$?)").c_str(), "r");
  std::string output;
  std::array<char, 4096> buffer{};
  while (std::size_t n = fread(buffer.data(), 1, buffer.size(), pipe)) output.append(buffer.data(), n);
  pclose(pipe);
  EXPECT_NE(output.find("ggraph: interrupted"), std::string::npos) << output;
  EXPECT_NE(output.find("status=130"), std::string::npos) << output;
}

// The listing's data preview shows value labels beside codes and numbers in
// their variable's format, as a person reads them.
TEST(Cli, ListingShowsValueLabelsAndFormattedNumbers) {
  CliResult result = RunCli("run " + std::string(GGRAPH_SOURCE_DIR) + "/examples/bar-means-error-bars.sps");
  EXPECT_NE(result.output.find("    stage | MEAN_bili | LOW_bili | HIGH_bili\n"
                               "    1 Stage 1 | 1.4 | 0.5 | 2.2\n"
                               "    2 Stage 2 | 2.5 | 1.6 | 3.3\n"),
            std::string::npos)
      << result.output;
  CliResult counts = RunCli("run " + std::string(GGRAPH_SOURCE_DIR) + "/examples/filtered.sps");
  EXPECT_NE(counts.output.find("    1 D-penicillamine | 111\n    2 Placebo | 118\n"), std::string::npos) << counts.output;
}

}  // namespace
