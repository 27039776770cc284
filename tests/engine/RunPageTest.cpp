// The pieces of the run page that keep user texts from turning into markup:
// JSON made safe to stand inside a <script> element, and the inlined
// libraries. The page itself is tested in a browser (tests/page).

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "engine/output/PageAssets.h"
#include "engine/output/ScriptSafeBuffer.h"

namespace {

std::string ScriptSafe(const std::string& text) {
  std::ostringstream out;
  {
    ScriptSafeBuffer buffer(out);
    std::ostream stream(&buffer);
    stream << text;
  }
  return out.str();
}

TEST(ScriptSafeJson, EscapesWhatCouldEndTheScriptAndKeepsTheValue) {
  const std::string lineSeparator = "\xE2\x80\xA8";
  const std::string paragraphSeparator = "\xE2\x80\xA9";
  struct Case {
    std::string text;
    std::string escaped;
  } cases[] = {
      {"</script>", "\\u003c/script\\u003e"},
      {"<!-- a & b -->", "\\u003c!-- a \\u0026 b --\\u003e"},
      {"a" + lineSeparator + "b" + paragraphSeparator, "a\\u2028b\\u2029"},
      // Other characters with the same lead bytes stay as they are.
      {"\xE2\x80\x94 \xE2\x82\xAC", "\xE2\x80\x94 \xE2\x82\xAC"},
      {"plain \"text\"", "plain \\\"text\\\""},
  };
  for (const Case& c : cases) {
    std::string json = nlohmann::json(c.text).dump();
    std::string safe = ScriptSafe(json);
    EXPECT_EQ(safe, "\"" + c.escaped + "\"") << c.text;
    EXPECT_EQ(nlohmann::json::parse(safe), c.text);
  }
}

TEST(ScriptSafeJson, LineSeparatorsAcrossTheBufferEdgeAreEscapedToo) {
  // The buffer holds 64 KiB: put a separator across each possible split.
  for (std::size_t filler = 65533; filler <= 65537; ++filler) {
    std::string text = std::string(filler, 'x') + "\xE2\x80\xA8<";
    std::string safe = ScriptSafe(text);
    EXPECT_EQ(safe, std::string(filler, 'x') + "\\u2028\\u003c") << filler;
  }
}

TEST(PageAssets, InlinedScriptsCannotEndTheirElementAndAskForNoSourceMap) {
  std::filesystem::path root = std::filesystem::path(::testing::TempDir()) / "page-assets";
  const char* files[] = {"engine/output/page/page.css", "engine/output/page/page.js",
                         "node_modules/vega/build/vega.min.js", "node_modules/vega-lite/build/vega-lite.min.js",
                         "node_modules/vega-embed/build/vega-embed.min.js"};
  for (const char* file : files) {
    std::filesystem::create_directories((root / file).parent_path());
    std::ofstream(root / file) << "var a = '</SCRIPT>', b = '<!--';\n//# sourceMappingURL=lib.min.js.map\n";
  }
  std::string error;
  std::optional<PageAssets> assets = PageAssets::LoadFrom(root.string(), error);
  ASSERT_TRUE(assets) << error;
  for (const std::string* text : {&assets->script, &assets->libraries}) {
    EXPECT_EQ(text->find("sourceMappingURL"), std::string::npos);
    EXPECT_EQ(text->find("<!--"), std::string::npos);
    EXPECT_NE(text->find("var a = '<\\/SCRIPT>', b = '<\\!--';"), std::string::npos);
  }
  // Three libraries, each in its own element.
  EXPECT_EQ(assets->libraries.find("</script>\n<script>"), assets->libraries.find("</script>"));
  std::filesystem::remove(root / files[4]);
  EXPECT_FALSE(PageAssets::LoadFrom(root.string(), error));
  EXPECT_NE(error.find("vega-embed.min.js"), std::string::npos) << error;
}

}  // namespace
