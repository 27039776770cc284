#include <gtest/gtest.h>

#include "tests/support/RunCommands.h"

namespace {

std::vector<nlohmann::json> Messages(const CommandRun& run) { return ModuleMessages(run); }

TEST(StrayBlocks, RaiseTheirEngineErrorAndAreConsumed) {
  struct Case {
    const char* input;
    int error;
  };
  for (Case c : {Case{"BEGIN GPL\nELEMENT: point(position(x*y))\nEND GPL\n", 99},
                 Case{"BEGIN GRAPHSRV\n{\"a\": 1}\nEND GRAPHSRV\n", 148}}) {
    CommandRun run = RunCommands(c.input);
    auto messages = Messages(run);
    ASSERT_EQ(messages.size(), 1u) << c.input;
    EXPECT_EQ(messages[0]["engineError"], c.error);
    EXPECT_EQ(messages[0]["level"], 3);
    EXPECT_EQ(run.result.errors, 1);
  }
}

TEST(StrayBlocks, TheRunGoesOnAfterTheBlock) {
  CommandRun run = RunCommands("BEGIN GPL\nx\nEND GPL\nGGRAPH /FITLINE TOTAL=YES.\n");
  EXPECT_EQ(ItemsOfType(run, "procedure").size(), 1u);
}

TEST(GGraphFrame, OpensAndClosesAProcedureTitledByTheInvokingModule) {
  struct Case {
    const char* invokedBy;
    const char* title;
  };
  for (Case c : {Case{"", "GGraph"}, Case{"QK", "RFM Analysis"}, Case{"qk", "RFM Analysis"}, Case{"XX", "GGraph"}}) {
    EngineOptions options;
    options.invokedBy = c.invokedBy;
    CommandRun run = RunCommands("GGRAPH /FITLINE TOTAL=YES.\n", options);
    auto procedures = ItemsOfType(run, "procedure");
    ASSERT_EQ(procedures.size(), 1u);
    EXPECT_EQ(procedures[0]["title"], c.title) << c.invokedBy;
  }
}

TEST(GGraphFrame, WritesDebugLinesOnlyWhenAskedTo) {
  EngineOptions options;
  options.debug = true;
  CommandRun run = RunCommands("GGRAPH /FITLINE TOTAL=YES.\n", options);
  auto debug = ItemsOfType(run, "debug");
  ASSERT_EQ(debug.size(), 2u);
  EXPECT_EQ(debug[0]["text"], "Starting GGraph Procedure");
  EXPECT_EQ(debug[1]["text"], "Ending GGraph Procedure");
  EXPECT_TRUE(ItemsOfType(RunCommands("GGRAPH /FITLINE TOTAL=YES.\n"), "debug").empty());
}

TEST(EngineInput, UnknownCommandsAndLexicalErrorsAreReportedAndTheRunGoesOn) {
  CommandRun run = RunCommands(
      "FREQUENCIES x.\n"
      "GGRAPH /GRAPHDATASET NAME=`x`.\n"
      "GGRAPH /GRAPHSPEC SOURCE=INLINE.\nBEGIN GPL\nELEMENT: point()\nEND GPL\n"
      "GGRAPH /GRAPHDATASET NAME='open.\n");
  auto messages = Messages(run);
  ASSERT_EQ(messages.size(), 3u);
  EXPECT_EQ(messages[0]["engineError"], 1);
  EXPECT_NE(messages[0]["text"].get<std::string>().find("FREQUENCIES"), std::string::npos);
  EXPECT_EQ(messages[1]["engineError"], 3);
  EXPECT_EQ(messages[2]["engineError"], 2);
  EXPECT_EQ(ItemsOfType(run, "procedure").size(), 3u);
}

TEST(EngineInput, EchoesCommandLinesToTheLog) {
  CommandRun run = RunCommands("GGRAPH /FITLINE TOTAL=YES.\n");
  auto logs = ItemsOfType(run, "log");
  ASSERT_FALSE(logs.empty());
  EXPECT_EQ(logs[0]["text"], "GGRAPH /FITLINE TOTAL=YES.");
}

TEST(EngineInput, UnterminatedStrayBlockIsReportedWithoutCrashing) {
  CommandRun run = RunCommands("BEGIN GPL\nELEMENT: point()\n");
  auto messages = Messages(run);
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0]["engineError"], 6);
  EXPECT_EQ(messages[1]["engineError"], 99);
}

}  // namespace
