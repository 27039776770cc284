#include <gtest/gtest.h>

#include "FacSTDictionary.h"
#include "PathFactory.h"
#include "ProcedureDataSource.h"
#include "command/GGraphSettings.h"
#include "graphspec/GraphSpec.h"
#include "service/VGraphGrammar.h"
#include "syntax/GGraphCommandParser.h"
#include "tests/support/ModuleSession.h"

namespace {

std::string ServiceText(const std::string& block) {
  ModuleSession session("VGRAPH /GRAPHSPEC SOURCE=INLINE.\n" + block);
  ProcedureDataSource dataSource;
  FacSTDictionary dictionary(PathFactory::getPathInstance(3));
  GGraphCommandParser parser(&dataSource, &dictionary, VGraphGrammar());
  EXPECT_TRUE(parser.Parse()) << block;
  const auto& specs = parser.Settings().GetGraphSpecs();
  EXPECT_EQ(specs.size(), 1u);
  EXPECT_TRUE(specs[0]->GetGplText().empty());
  return specs[0]->GetServiceText();
}

// The opening line's rest after the marker, blank-padded to the line's 256
// characters.
std::string OpeningRest(const std::string& text, std::size_t column = 0) {
  std::string rest = text;
  rest.resize(256 - column - 14, ' ');
  return rest;
}

TEST(ServiceBlock, KeepsBlankAndOneCharacterLines) {
  EXPECT_EQ(ServiceText("BEGIN GRAPHSRV\n{\n\n}\n  x END GRAPHSRV\n"), OpeningRest("") + "{\n\n}\n  x \n");
  EXPECT_EQ(ServiceText("BEGIN GRAPHSRV\n_SLINE 12 1\nb\nEND GRAPHSRV\n"), OpeningRest("") + "b\n\n");
}

TEST(ServiceBlock, AppendsTheOpeningLinesRestUnlessItIsOneCharacterRightAfterTheMarker) {
  EXPECT_EQ(ServiceText("BEGIN GRAPHSRV {a}\nb\nEND GRAPHSRV\n"), OpeningRest(" {a}") + "b\n\n");
  EXPECT_EQ(ServiceText("   begin graphsrv x\nb\nEND GRAPHSRV\n"), OpeningRest(" x", 3) + "b\n\n");
  EXPECT_EQ(ServiceText("BEGIN GRAPHSRV{a\nb\nEND GRAPHSRV\n"), OpeningRest("{a") + "b\n\n");
  EXPECT_EQ(ServiceText("BEGIN GRAPHSRV{\nb\nEND GRAPHSRV\n"), "b\n\n");
}

}  // namespace
