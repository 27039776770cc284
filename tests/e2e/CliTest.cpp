#include <gtest/gtest.h>

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

}  // namespace
