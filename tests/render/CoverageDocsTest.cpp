// docs/rendering.md lists what is drawn: every row of the compiler's tables.

#include <gtest/gtest.h>

#include <fstream>
#include <span>
#include <iterator>
#include <string>

#include <fmt/format.h>

#include "chartlib/render/GplModelReader.h"
#include "chartlib/render/RenderCatalogue.h"

namespace {

std::string RenderingDoc() {
  std::ifstream file(std::string(GGRAPH_SOURCE_DIR) + "/docs/rendering.md");
  return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

void ExpectRow(const std::string& doc, const std::string& row) {
  EXPECT_NE(doc.find(row), std::string::npos) << "docs/rendering.md lacks the row " << row;
}

template <typename Row>
void ExpectRows(const std::string& doc, std::span<const Row> rows) {
  for (const Row& row : rows) ExpectRow(doc, fmt::format("| `{}` | {} |", row.gpl, row.drawnAs));
}

TEST(CoverageDocs, EveryTableRowIsListed) {
  std::string doc = RenderingDoc();
  ASSERT_FALSE(doc.empty());
  ExpectRows(doc, ElementKinds());
  ExpectRows(doc, AestheticKinds());
  ExpectRows(doc, SummaryKinds());
  for (const GplCoverageRow& row : GplCoverage())
    ExpectRow(doc, fmt::format("| {} | `{}` | {} |", row.statement, row.gpl, row.drawnAs));
}

}  // namespace
