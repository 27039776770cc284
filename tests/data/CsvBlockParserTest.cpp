#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "engine/data/CsvBlockParser.h"

namespace {

// Every kind of column a block can have, read or not.
CsvTable TableOfEveryKind() {
  CsvTable table;
  table.shownName = "data.csv";
  auto add = [&](const char* name, FieldKind kind, std::vector<std::string> nullTexts = {}, int width = 0) {
    table.fields.push_back(CsvField{.name = name, .kind = kind, .declaredWidth = width, .nullTexts = nullTexts});
  };
  add("number", FieldKind::kNumber);
  add("whole", FieldKind::kInteger);
  add("text", FieldKind::kString);
  add("narrow", FieldKind::kString, {"a null text"}, 8);  // not read: only its width counts
  add("skipped", FieldKind::kNumber);                      // not read
  add("coded", FieldKind::kNumber, {"-9"});                // a null text that reads as a number
  add("nullable", FieldKind::kNumber, {"NA"});
  add("day", FieldKind::kDate);
  table.fields.push_back(CsvField{.name = "grouped", .kind = FieldKind::kNumber, .numberForm = {.groupChar = ','}});
  return table;
}

constexpr std::size_t kNotRead[] = {3, 4};

struct Parsed {
  CsvBlockResult result;
  std::vector<std::vector<OBS>> cells;  // per field; empty when not read
};

Parsed Parse(const CsvTable& table, const std::string& text, long rows, bool quoted, bool values = true) {
  Parsed parsed;
  ColumnTargets targets;
  targets.values = values;
  for (std::size_t c = 0; c < table.fields.size(); ++c) {
    bool read = std::find(std::begin(kNotRead), std::end(kNotRead), c) == std::end(kNotRead);
    parsed.cells.emplace_back(read ? static_cast<std::size_t>(rows) : 0);
    for (OBS& cell : parsed.cells.back()) std::memset(&cell, 0x5a, sizeof cell);
    targets.columns.push_back(read ? parsed.cells.back().data() : nullptr);
    targets.cells.push_back(1);
  }
  CsvBlock block{.begin = 0, .end = text.size(), .firstRow = 0, .firstLine = 2, .quoted = quoted};
  parsed.result = ParseCsvBlock(table, text.data(), text.data() + text.size(), block, rows, targets);
  return parsed;
}

std::string Described(const CsvBlockResult& result) {
  if (result.fault)
    return std::to_string(result.fault->line) + ":" + std::to_string(result.fault->column) + " " + result.fault->text;
  std::string text;
  for (const ColumnStats& stats : result.stats)
    text += std::to_string(stats.maxDecimals) + "/" + std::to_string(stats.maxLength) + "/" +
            std::to_string(stats.badCells) + "@" + std::to_string(stats.firstBadLine) + "'" + stats.firstBadText +
            "'/" +
            std::to_string(stats.notFinite) + "@" + std::to_string(stats.firstNotFiniteLine) + " ";
  for (const std::vector<WideText>& wide : result.wideTexts)
    for (const WideText& cell : wide) text += std::to_string(cell.row) + "=" + cell.text + " ";
  return text;
}

// A block without quotes is read on a faster path, which must read every
// cell, and find every fault, as the path for blocks with quotes does. The
// same rows are read once in a block the map found without quotes and once
// with their first value quoted, in a block marked as holding quotes.
// Without values, only the stats and faults must be the same.
TEST(CsvBlockParser, BlocksWithoutQuotesReadAsBlocksWithQuotes) {
  const std::vector<std::string> cells = {
      "1", "-2.5", "+3", "", "0", "007", "12.", ".5", "1e3", "12.5.3", "abc", "NA", "-9", "2024-02-29", "2023-02-29",
      "9007199254740993", "0.30000000000000000000001", "123456789012345678901", "1,234", "inf", "nan", " 4", "5 ",
      "\r", "x\ry", "-.5", "+.", "1.2.", "..", "12345678", "1234567.8", "123456.7", "1234567.", "-12345678",
      "123456789", "00000000", "-0", "5-", "1 .2", "7.654321", "caf\xc3\xa9", "bad\xff", "longer than eight",
      "a null text", "-", std::string(300, 'w')};
  const CsvTable table = TableOfEveryKind();
  const std::size_t fields = table.fields.size();
  std::uint64_t state = 42;
  auto next = [&state](std::size_t bound) {
    state = state * 6364136223846793005ull + 1442695040888963407ull;
    return static_cast<std::size_t>(state >> 33) % bound;
  };
  int faults = 0, clean = 0;
  for (int round = 0; round < 3000; ++round) {
    std::string text;
    long rows = 1 + static_cast<long>(next(40));
    for (long r = 0; r < rows; ++r) {
      // Now and then a row with a field too few or too many.
      std::size_t count = next(400) == 0 ? fields + next(3) - 1 : fields;
      for (std::size_t c = 0; c < count; ++c) {
        if (c > 0) text += ',';
        // Mostly plain numbers, as in most files.
        text += r == 0 && c == 0 ? "1"
                : next(30) == 0  ? cells[next(cells.size())]
                                 : std::to_string(next(1000)) + "." + std::to_string(next(100));
      }
      if (r + 1 < rows || next(2) == 0) text += next(5) == 0 ? "\r\n" : "\n";
    }
    Parsed fast = Parse(table, text, rows, false);
    Parsed general = Parse(table, "\"1\"" + text.substr(1), rows, true);
    ASSERT_EQ(Described(fast.result), Described(general.result)) << text;
    // A pass that wants only what the cells show finds the same.
    ASSERT_EQ(Described(Parse(table, text, rows, false, false).result), Described(general.result)) << text;
    if (fast.result.fault) {
      ++faults;
      continue;
    }
    ++clean;
    for (std::size_t c = 0; c < fields; ++c)
      if (!fast.cells[c].empty())
        ASSERT_EQ(0, std::memcmp(fast.cells[c].data(), general.cells[c].data(), fast.cells[c].size() * sizeof(OBS)))
            << "column " << c << " of\n" << text;
  }
  // Both kinds of block were seen often.
  EXPECT_GT(faults, 300);
  EXPECT_GT(clean, 300);
}

// The separators are found 64 bytes at a time: fields that end on either
// side of a window's edge, and blocks shorter than a window, read whole.
TEST(CsvBlockParser, FieldsAcrossTheEdgesOfSixtyFourBytesReadWhole) {
  CsvTable table;
  table.fields = {CsvField{.name = "a"}, CsvField{.name = "b"}};
  for (std::size_t width = 1; width <= 140; ++width) {
    std::string first(width, '1');
    std::string text = first + ",2\n3," + first;
    std::vector<OBS> a(2), b(2);
    ColumnTargets targets{.columns = {a.data(), b.data()}, .cells = {1, 1}};
    CsvBlock block{.begin = 0, .end = text.size(), .firstRow = 0, .firstLine = 1, .quoted = false};
    CsvBlockResult result = ParseCsvBlock(table, text.data(), text.data() + text.size(), block, 2, targets);
    ASSERT_FALSE(result.fault) << width << ": " << result.fault->text;
    double expected = std::stod(first);
    EXPECT_EQ(a[0].number, expected) << width;
    EXPECT_EQ(b[0].number, 2) << width;
    EXPECT_EQ(a[1].number, 3) << width;
    EXPECT_EQ(b[1].number, expected) << width;
  }
}

}  // namespace
