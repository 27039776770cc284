#include <gtest/gtest.h>

#include <sstream>

#include "engine/input/CommandInput.h"

namespace {

std::vector<std::pair<std::string, std::string>> Commands(const std::string& text) {
  std::istringstream in(text);
  CommandInput input = CommandInput::FromStream(in);
  std::vector<std::pair<std::string, std::string>> out;
  while (input.NextCommand()) out.emplace_back(input.CommandName(), input.CommandText());
  return out;
}

TEST(CommandInput, SplitsCommandsAtATrailingPeriodOutsideQuotes) {
  auto commands = Commands(
      "GGRAPH /GRAPHDATASET NAME='a.'\n"
      "  /GRAPHSPEC SOURCE=INLINE.\n"
      "\n"
      "frequencies x.\n");
  ASSERT_EQ(commands.size(), 2u);
  EXPECT_EQ(commands[0].first, "GGRAPH");
  EXPECT_EQ(commands[0].second, " /GRAPHDATASET NAME='a.'\n  /GRAPHSPEC SOURCE=INLINE");
  EXPECT_EQ(commands[1].first, "frequencies");
}

TEST(CommandInput, SkipsStarAndSlashStarComments) {
  auto commands = Commands(
      "* a comment\n  that goes on.\n"
      "/* block\n still */\n"
      "GGRAPH /* inline */ /X.\n");
  ASSERT_EQ(commands.size(), 1u);
  EXPECT_EQ(commands[0].first, "GGRAPH");
  EXPECT_EQ(commands[0].second.find("inline"), std::string::npos);
}

TEST(CommandInput, StrayBlocksBecomeTheirEntries) {
  auto commands = Commands(
      "BEGIN GPL\n ELEMENT: point(position(x*y))\nEND GPL\n"
      "begin graphsrv\nsomething\nend graphsrv\n");
  ASSERT_EQ(commands.size(), 2u);
  EXPECT_EQ(commands[0].first, "BEGINGPL");
  EXPECT_NE(commands[0].second.find("ELEMENT"), std::string::npos);
  EXPECT_EQ(commands[1].first, "BEGINGSRV");
}

TEST(CommandInput, LineReaderContinuesWhereTheCommandEnded) {
  std::istringstream in("GGRAPH /GRAPHSPEC SOURCE=INLINE.\nBEGIN GPL\nEND GPL\nNEXT.\n");
  CommandInput input = CommandInput::FromStream(in);
  ASSERT_TRUE(input.NextCommand());
  std::string line;
  int number = 0;
  ASSERT_TRUE(input.ReadLine(line, number));
  EXPECT_EQ(line, "BEGIN GPL");
  EXPECT_EQ(number, 2);
  ASSERT_TRUE(input.ReadLine(line, number));
  ASSERT_TRUE(input.NextCommand());
  EXPECT_EQ(input.CommandName(), "NEXT");
  EXPECT_FALSE(input.NextCommand());
}

}  // namespace
