#include "engine/data/JsonFile.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/data/DataFiles.h"

namespace {

const std::vector<JsonDomBuilder::Path> kCategories = {{"fields", "*", "categories"}};

std::vector<nlohmann::json> Elements(const JsonFile& file, const nlohmann::json& array) {
  std::vector<nlohmann::json> elements;
  file.ForEachElement(array, [&](const nlohmann::json& element, std::size_t index) {
    EXPECT_EQ(index, elements.size());
    elements.push_back(element);
    return true;
  });
  return elements;
}

// The tree is the one nlohmann's parser makes of the same text: the kind of
// every number, the last of a name given twice.
TEST(JsonFile, ReadsTheValuesNlohmannReads) {
  const char* texts[] = {
      R"({"a": 1, "b": -1, "c": 1.50, "d": -0, "e": -0.0, "f": 1e2, "g": 1E-400})",
      R"([18446744073709551615, 18446744073709551616, -9223372036854775808, -9223372036854775809])",
      R"({"s": "caf\u00e9 \ud83d\ude00 \"\\\/\b\f\n\r\t", "": "\u0000", "k": [null, true, false, {}, [[]]]})",
      R"({"a": {"x": 1}, "b": 2, "a": [3]})",
      R"("text alone")",
  };
  for (const char* text : texts) {
    DataFiles files;
    JsonFile file;
    DataProblems problems;
    ASSERT_TRUE(file.Load(files.Write("a.json", text), "a.json", problems)) << text;
    nlohmann::json expected = nlohmann::json::parse(text);
    EXPECT_EQ(file.Root(), expected) << text;
    EXPECT_EQ(file.Root().dump(), expected.dump()) << text;
  }
}

// rapidjson passes these (it refuses an exponent above 308 only); nlohmann,
// and so the reader, refuses them.
TEST(JsonFile, RefusesNumbersBeyondTheDoubleRangeAndLoneSurrogates) {
  const char* texts[] = {
      R"({"a": -123456789012345678901234567890e300})",
      R"({"a": "\udc00"})",
      R"({"\udfff": 1})",
      R"({"fields": [{"categories": [1, 2000e306]}]})",  // inside a streamed list too
  };
  for (const char* text : texts) {
    DataFiles files;
    JsonFile file;
    DataProblems problems;
    EXPECT_FALSE(file.Load(files.Write("a.json", text), "a.json", problems, kCategories)) << text;
    ASSERT_EQ(problems.All().size(), 1u) << text;
    EXPECT_EQ(problems.All()[0].text, "a.json: malformed JSON") << text;
  }
}

TEST(JsonFile, StreamsTheArraysAtTheGivenPathsOnly) {
  const char* text = R"({"fields": [
    {"categories": [1, {"value": 2, "label": "b", "more": [{"categories": [0]}]}, [3], "4"]},
    {"categories": {"value": 5}},
    {"x": {"categories": [6]}},
    {"categories": [7], "categories": [8, 9]}],
  "categories": [10]})";
  DataFiles files;
  JsonFile file;
  DataProblems problems;
  ASSERT_TRUE(file.Load(files.Write("a.json", text), "a.json", problems, kCategories));
  const nlohmann::json expected = nlohmann::json::parse(text);
  const nlohmann::json& fields = file.Root()["fields"];
  const nlohmann::json& first = fields[0]["categories"];
  EXPECT_EQ(first, nlohmann::json::array());
  EXPECT_EQ(file.Size(first), 4u);
  std::vector<nlohmann::json> elements = Elements(file, first);
  EXPECT_EQ(nlohmann::json(elements), expected["fields"][0]["categories"]);
  // Not arrays, or not at the path: in the tree.
  EXPECT_EQ(fields[1], expected["fields"][1]);
  EXPECT_EQ(fields[2], expected["fields"][2]);
  EXPECT_EQ(file.Root()["categories"], expected["categories"]);
  EXPECT_EQ(Elements(file, file.Root()["categories"]), std::vector<nlohmann::json>{10});
  // A name given twice: its last list.
  EXPECT_EQ(file.Size(fields[3]["categories"]), 2u);
  EXPECT_EQ(Elements(file, fields[3]["categories"]), (std::vector<nlohmann::json>{8, 9}));

  std::size_t visited = 0;
  EXPECT_FALSE(file.ForEachElement(first, [&](const nlohmann::json&, std::size_t index) {
    ++visited;
    return index < 1;
  }));
  EXPECT_EQ(visited, 2u);
}

}  // namespace
