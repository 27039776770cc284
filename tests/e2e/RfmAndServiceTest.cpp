#include <gtest/gtest.h>

#include "tests/support/RunCommands.h"

namespace {

const char* const kInlineChart = "GGRAPH /GRAPHSPEC SOURCE=INLINE.\nBEGIN GPL\nELEMENT: point()\nEND GPL\n";

EngineOptions InvokedByRfm() {
  EngineOptions options;
  options.invokedBy = "QK";
  return options;
}

TEST(RfmHelpTable, FollowsTheChartsForEachDescriptionType) {
  struct Case {
    const char* text;
    const char* title;
    const char* name;
  };
  for (Case c : {Case{"BINCOUNT", "Description: RFM Bin Counts Chart", "DescriptionRFMBinCountsChart"},
                 Case{"HEATMAP", "Description: RFM Heat Map", "DescriptionRFMHeatMap"},
                 Case{"HISTOGRAM", "Description: RFM Histograms", "DescriptionRFMHistograms"},
                 Case{"SCATTER", "Description: RFM Scatterplots", "DescriptionRFMScatterplots"}}) {
    CommandRun run = RunCommands(std::string("GGRAPH /GRAPHSPEC SOURCE=INLINE /DESCRIPTION TEXT=") + c.text +
                                     ".\nBEGIN GPL\nELEMENT: point()\nEND GPL\n",
                                 InvokedByRfm());
    auto tables = ItemsOfType(run, "table");
    ASSERT_EQ(tables.size(), 1u) << c.text;
    EXPECT_EQ(tables[0]["title"], c.title);
    EXPECT_EQ(tables[0]["name"], c.name);
    EXPECT_TRUE(tables[0]["titleHidden"].get<bool>());
    ASSERT_EQ(tables[0]["rows"].size(), 1u);
    std::string help = tables[0]["rows"][0]["cells"][0];
    EXPECT_GT(help.size(), 40u) << "the cell holds the localised help text, not its key";
  }
}

TEST(RfmHelpTable, IsAbsentWithoutDescriptionOrAfterALaterGraphSpec) {
  EXPECT_TRUE(ItemsOfType(RunCommands(kInlineChart, InvokedByRfm()), "table").empty());
  CommandRun reset = RunCommands(
      "GGRAPH /DESCRIPTION TEXT=HEATMAP /GRAPHSPEC SOURCE=INLINE.\nBEGIN GPL\nELEMENT: point()\nEND GPL\n",
      InvokedByRfm());
  EXPECT_TRUE(ItemsOfType(reset, "table").empty());
}

std::vector<std::string> MessageTexts(const CommandRun& run) {
  std::vector<std::string> texts;
  for (const auto& message : ItemsOfType(run, "message")) texts.push_back(message["text"]);
  return texts;
}

TEST(VGraph, RunsOnlyForAThinClient) {
  const char* command = "VGRAPH /GRAPHSPEC SOURCE=INLINE.\nBEGIN GRAPHSRV\n{}\nEND GRAPHSRV\n";
  CommandRun desktop = RunCommands(command);
  EXPECT_EQ(MessageTexts(desktop),
            std::vector<std::string>{"The VGRAPH procedure is not supported on this version of VEXA Statistics."});
  EngineOptions thin;
  thin.thinClient = true;
  thin.debug = true;
  CommandRun served = RunCommands(command, thin);
  // Past the gate: the procedure runs and finds no data set to attach.
  EXPECT_EQ(MessageTexts(served),
            std::vector<std::string>{"At least one dataset should be available for graph service."});
  auto procedures = ItemsOfType(served, "procedure");
  ASSERT_EQ(procedures.size(), 1u);
  EXPECT_EQ(procedures[0]["title"], "VGraph");
  auto debug = ItemsOfType(served, "debug");
  ASSERT_EQ(debug.size(), 2u);
  EXPECT_EQ(debug[0]["text"], "Starting VGraph Procedure");
  EXPECT_EQ(debug[1]["text"], "Ending VGraph Procedure");
}

TEST(VGraph, RejectsWhatOnlyGGraphKnows) {
  EngineOptions thin;
  thin.thinClient = true;
  struct Case {
    const char* command;
    const char* message;
  };
  for (Case c : {Case{"VGRAPH /FRAME OUTER=YES.\n", "SubCmd VGraph. Unknown token FRAME."},
                 Case{"VGRAPH /FITLINE TOTAL=YES.\n", "SubCmd VGraph. Unknown token FITLINE."},
                 Case{"VGRAPH /STYLE GRADIENT=YES.\n", "SubCmd VGraph. Unknown token STYLE."},
                 Case{"VGRAPH /DESCRIPTION TEXT=HEATMAP.\n", "SubCmd VGraph. Unknown token DESCRIPTION."},
                 Case{"VGRAPH /COLORCYCLE COLOR1(1,2,3).\n", "SubCmd VGraph. Unknown token COLORCYCLE."},
                 Case{"VGRAPH /GRIDLINES XAXIS=YES.\n", "SubCmd VGraph. Unknown token GRIDLINES."},
                 Case{"VGRAPH /NOSUCH.\n", "SubCmd VGraph. Unknown token NOSUCH."},
                 Case{"VGRAPH /GRAPHSPEC SOURCE=INLINE KIND=BAR.\n", "SubCmd GRAPHSPEC. Unknown token KIND."},
                 Case{"VGRAPH /GRAPHSPEC SOURCE='INLINE'.\n", "SubCmd GRAPHSPEC. Unknown token INLINE."},
                 Case{"VGRAPH /GRAPHSPEC SOURCE INLINE.\n", "SubCmd GRAPHSPEC. Equal sign required after SOURCE."},
                 Case{"VGRAPH /GRAPHSPEC SOURCE=.\n", "Incomplete subCmd GRAPHSPEC."},
                 Case{"VGRAPH /GRAPHSPEC SOURCE=GPLFILE('a.gpl').\n", "SubCmd GRAPHSPEC. Unknown token GPLFILE."},
                 Case{"VGRAPH /GRAPHDATASET NAME='x'.\n", "The VGRAPH command must contain at least one GRAPHSPEC subcommand."},
                 Case{"VGRAPH /GRAPHSPEC SOURCE=INLINE.\n",
                      "An inline graph service specification was expected but not found."}}) {
    EXPECT_EQ(MessageTexts(RunCommands(c.command, thin)), std::vector<std::string>{c.message}) << c.command;
  }
}

}  // namespace
