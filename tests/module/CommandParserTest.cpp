#include <gtest/gtest.h>

#include "graphspec/GraphSpec.h"
#include "tests/support/ParsedCommand.h"

namespace {

struct MessageCase {
  const char* command;
  bool accepted;
  Messages messages;
};

class GenericMessages : public ::testing::TestWithParam<MessageCase> {};

TEST_P(GenericMessages, AreIssuedVerbatimAtTheirLevel) {
  const MessageCase& c = GetParam();
  ParsedCommand parsed(c.command);
  EXPECT_EQ(parsed.accepted, c.accepted) << c.command;
  EXPECT_EQ(parsed.session.Messages(), c.messages) << c.command;
}

void PrintTo(const MessageCase& c, std::ostream* out) { *out << c.command; }

INSTANTIATE_TEST_SUITE_P(
    Options, GenericMessages,
    ::testing::Values(
        MessageCase{"GGRAPH /FITLINE.", true, {{2, "Incomplete subCmd FITLINE."}}},
        MessageCase{"GGRAPH /FRAME OUTER=.", false, {{2, "Incomplete subCmd FRAME."}}},
        MessageCase{"GGRAPH /FRAME OUTER YES.", false, {{3, "SubCmd FRAME. Equal sign required after OUTER."}}},
        MessageCase{"GGRAPH /FRAME OUTER.", false, {{3, "SubCmd FRAME. Equal sign required after OUTER."}}},
        MessageCase{"GGRAPH /FRAME OUTER=YES OUTER=NO.", false, {{3, "SubCmd FRAME has duplicate OUTER attribute."}}},
        MessageCase{"GGRAPH /FRAME OUTER=MAYBE.", false, {{3, "SubCmd FRAME. Unknown token MAYBE."}}},
        MessageCase{"GGRAPH /FRAME 'OUTER'=YES.", false, {{3, "SubCmd FRAME. Unknown token OUTER."}}},
        MessageCase{"GGRAPH /NOSUCH X=1.", false, {{3, "SubCmd GGraph. Unknown token NOSUCH."}}},
        MessageCase{"GGRAPH /DESCRIPTION TEXT=HEATMAP.", false, {{3, "SubCmd GGraph. Unknown token DESCRIPTION."}}},
        MessageCase{"GGRAPH /FITLINE TOTAL=MAYBE.", true, {{3, "SubCmd FITLINE. Unknown token MAYBE."}}},
        MessageCase{"GGRAPH /FITLINE TOTAL=YES /FITLINE SUBGROUP=MAYBE.", true, {}},
        MessageCase{"GGRAPH /COLORCYCLE COLOR0(1 2 3).", false, {{3, "SubCmd COLORCYCLE. Unknown token COLOR0."}}},
        MessageCase{"GGRAPH /COLORCYCLE COLOR(1 2 3).", false, {{3, "SubCmd COLORCYCLE. Unknown token COLOR."}}},
        MessageCase{"GGRAPH /COLORCYCLE COLORX(1 2 3).", false, {{3, "SubCmd COLORCYCLE. Unknown token COLORX."}}},
        MessageCase{"GGRAPH /COLORCYCLE COLOR1A(1 2 3).", false, {{3, "SubCmd COLORCYCLE. Unknown token COLOR1A."}}},
        MessageCase{"GGRAPH /COLORCYCLE COLOR1(1 2 3) COLOR1(4 5 6).", false,
                    {{3, "SubCmd COLORCYCLE has duplicate COLOR1 attribute."}}},
        MessageCase{"GGRAPH /COLORCYCLE COLOR1(1 12.5 3).", false,
                    {{3, "SubCmd COLORCYCLE. Three integers required for COLOR1."}}},
        MessageCase{"GGRAPH /COLORCYCLE COLOR1(1 2 3 4).", false,
                    {{3, "SubCmd COLORCYCLE. Three integers required for COLOR1."}}}));

TEST(ChartOptions, ReachTheSettings) {
  ParsedCommand parsed(
      "GGRAPH /FITLINE TOTAL=YES SUBGROUP=NO /STYLE GRADIENT=YES /GRIDLINES XAXIS=NO "
      "/COLORCYCLE COLOR3(1 2 3) COLOR1(255, 0, 0) /FRAME INNER=YES OUTER=NO.");
  ASSERT_TRUE(parsed.accepted);
  GGraphSettings& settings = parsed.Settings();
  EXPECT_TRUE(settings.GetFitLineTotal());
  EXPECT_FALSE(settings.GetFitLineSubgroup());
  EXPECT_TRUE(settings.GetGradientStyle());
  EXPECT_EQ(settings.GetXAxisGridlines(), 2);
  EXPECT_EQ(settings.GetYAxisGridlines(), 0);
  EXPECT_EQ(settings.GetOuterFrame(), 2);
  EXPECT_EQ(settings.GetInnerFrame(), 1);
  ASSERT_EQ(settings.GetColorCycle().size(), 2u);
  EXPECT_EQ(settings.GetColorCycle()[0].number, 1);
  EXPECT_EQ(settings.GetColorCycle()[0].red, 255);
  EXPECT_EQ(settings.GetColorCycle()[1].number, 3);
}

TEST(ChartOptions, AFailedSubcommandChangesNothing) {
  ParsedCommand frame("GGRAPH /FRAME INNER=YES OUTER=MAYBE.");
  EXPECT_EQ(frame.Settings().GetInnerFrame(), 0);
  ParsedCommand colors("GGRAPH /COLORCYCLE COLOR1(1 2 3) COLOR2(256 0 0).");
  EXPECT_TRUE(colors.Settings().GetColorCycle().empty());
  auto messages = colors.session.Messages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].second.find("256"), std::string::npos);
}

TEST(Description, IsReadOnlyInRfmModeAndResetByALaterGraphSpec) {
  EngineOptions rfm;
  rfm.invokedBy = "QK";
  ParsedCommand heatmap("GGRAPH /DESCRIPTION TEXT=HEATMAP.", rfm);
  EXPECT_TRUE(heatmap.accepted);
  EXPECT_EQ(heatmap.Settings().GetRfmMode(), 1);
  EXPECT_EQ(heatmap.Settings().GetDescriptionType(), 2);

  ParsedCommand reset("GGRAPH /DESCRIPTION TEXT=HEATMAP /GRAPHSPEC SOURCE=INLINE.\nBEGIN GPL\nEND GPL\n", rfm);
  EXPECT_EQ(reset.Settings().GetDescriptionType(), 0);

  ParsedCommand trailing("GGRAPH /DESCRIPTION TEXT=HEATMAP EXTRA.", rfm);
  EXPECT_FALSE(trailing.accepted);
  EXPECT_EQ(trailing.session.Messages(), (Messages{{3, "SubCmd DESCRIPTION. Unknown token EXTRA."}}));
}

struct BlockCase {
  const char* name;
  const char* input;  // after the command
  std::vector<const char*> texts;
  bool accepted;
};

class BlockCapture : public ::testing::TestWithParam<BlockCase> {};

TEST_P(BlockCapture, ReadsTheBlocksAfterTheCommand) {
  const BlockCase& c = GetParam();
  std::string commands = "GGRAPH";
  for (std::size_t i = 0; i < std::max<std::size_t>(c.texts.size(), 1); ++i) commands += " /GRAPHSPEC SOURCE=INLINE";
  ParsedCommand parsed(commands + ".\n" + c.input);
  EXPECT_EQ(parsed.accepted, c.accepted) << c.name;
  const auto& specs = parsed.Settings().GetGraphSpecs();
  for (std::size_t i = 0; i < c.texts.size() && i < specs.size(); ++i)
    EXPECT_EQ(specs[i]->GetGplText(), c.texts[i]) << c.name << " block " << i;
  if (!c.accepted) {
    auto messages = parsed.session.Messages();
    ASSERT_FALSE(messages.empty()) << c.name;
    EXPECT_EQ(messages.back(), (std::pair<int, std::string>{3, "An inline graph specification was expected but not found."}));
  }
}

void PrintTo(const BlockCase& c, std::ostream* out) { *out << c.name; }

INSTANTIATE_TEST_SUITE_P(
    Blocks, BlockCapture,
    ::testing::Values(
        BlockCase{"keeps leading blanks, drops trailing ones", "BEGIN GPL\n  ELEMENT: x   \nEND GPL\n",
                  {"  ELEMENT: x\n"}, true},
        BlockCase{"two blocks for two specs", "BEGIN GPL\nA: 1\nEND GPL\nBEGIN GPL\nB: 2\nEND GPL\n",
                  {"A: 1\n", "B: 2\n"}, true},
        BlockCase{"comments and blanks before the block",
                  "\n* a comment\n  over two lines.\n/* another */\nbegin gpl\nA: 1\nEND GPL\n", {"A: 1\n"}, true},
        BlockCase{"line-number lines are dropped", "BEGIN GPL\n_SLINE 3 4\nA: 1\nEND GPL\n", {"A: 1\n"}, true},
        BlockCase{"end marker inside a line", "BEGIN GPL\nA: 1\nx END GPL\n", {"A: 1\nx \n"}, true},
        BlockCase{"one blank before the end marker adds nothing", "BEGIN GPL\nA: 1\n END GPL\n", {"A: 1\n"}, true},
        BlockCase{"a one-character line is not added", "BEGIN GPL\nA: 1\nx\nEND GPL\n", {"A: 1\n"}, true},
        BlockCase{"rest of the opening line without a line break", "BEGIN GPL  A: 1\nB: 2\nEND GPL\n",
                  {"  A: 1B: 2\n"}, true},
        BlockCase{"a block that never ends", "BEGIN GPL\nA: 1\n", {"A: 1\n"}, false},
        BlockCase{"a block that opens and closes on one line", "BEGIN GPL A: 1 END GPL\n", {}, false},
        BlockCase{"no block at all", "", {}, false},
        BlockCase{"a comment left open at the end", "* a comment without its period\n", {}, false},
        BlockCase{"something else instead of the block", "FREQUENCIES x.\n", {}, false}));

}  // namespace
