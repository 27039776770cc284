// Writes run pages from hand-made items, for the browser tests: charts that
// carry Vega-Lite charts (a scatterplot, bars with hostile texts,
// split groups, one of more than 100,000 points) beside the engine's items.
//   page_samples FOLDER   writes FOLDER/views.html and FOLDER/large.html

#include <rapidjson/reader.h>

#include <fstream>
#include <iostream>
#include <nlohmann/json.hpp>

#include "engine/output/HtmlSink.h"
#include "engine/output/OutputDocument.h"
#include "host/engine/OutputItem.h"

namespace {

using nlohmann::json;

// An item given as its JSON form.
class JsonTextItem : public OutputItem {
 public:
  explicit JsonTextItem(const json& item) : text_(item.dump()) {}
  void WriteJson(JsonWriter& writer) const override {
    rapidjson::Reader reader;
    rapidjson::StringStream stream(text_.c_str());
    reader.Parse(stream, writer);
  }
  void WriteListing(std::ostream&) const override {}

 private:
  std::string text_;
};

const char* const kHostile = "</script><script>window.injected = 1</script><!-- \"quoted\" & 'single'";

json Chart(const std::string& description, const std::string& subtitle, bool later, json vegaLite) {
  json chart = {{"type", "chart"}, {"kind", "gpl"}, {"description", description}, {"subtitle", subtitle},
                {"later", later}, {"gpl", "ELEMENT: point(position(x*y))"}, {"data", nullptr},
                {"variables", json::array()}};
  if (!vegaLite.is_null()) chart["vegaLite"] = std::move(vegaLite);
  return chart;
}

json Scatter(int points, const std::string& title) {
  json values = json::array();
  for (int i = 0; i < points; ++i) values.push_back({{"x", i % 1000}, {"y", (i * 37) % 101}});
  return {{"$schema", "https://vega.github.io/schema/vega-lite/v6.json"},
          {"title", title},
          {"data", {{"values", values}}},
          {"mark", "point"},
          {"encoding",
           {{"x", {{"field", "x"}, {"type", "quantitative"}, {"title", "Temperature"}}},
            {"y", {{"field", "y"}, {"type", "quantitative"}, {"title", "Ozone"}}}}}};
}

json Bars(const std::string& title) {
  return {{"title", title},
          {"data", {{"values", {{{"stage", kHostile}, {"n", 3}}, {{"stage", "Stage <b>2</b>"}, {"n", 5}}}}}},
          {"mark", "bar"},
          {"encoding",
           {{"x", {{"field", "stage"}, {"type", "nominal"}, {"title", "Stage"}}},
            {"y", {{"field", "n"}, {"type", "quantitative"}, {"title", "Count"}}}}}};
}

void Write(OutputDocument& output, const json& item) { output.Add(JsonTextItem(item)); }

void WriteViews(OutputDocument& output) {
  Write(output, {{"type", "log"}, {"text", "GGRAPH /GRAPHSPEC SOURCE=INLINE"}, {"line", 1}});
  Write(output, {{"type", "log"}, {"text", std::string("  /GRAPHDATASET NAME=\"") + kHostile + "\"."}, {"line", 2}});
  output.BeginProcedure("GGraph");
  Write(output, {{"type", "message"}, {"level", 2}, {"text", std::string("A warning: ") + kHostile}});
  Write(output, {{"type", "message"}, {"level", 3}, {"text", "An error at a line."}, {"line", 2}, {"column", 5}});
  Write(output, {{"type", "table"}, {"title", "Bins"}, {"name", "Bins"}, {"titleHidden", false},
                 {"dimensions", {"Bins"}},
                 {"rows", {{{"label", "min"}, {"cells", {56}}, {"texts", {"56.000"}}},
                           {{"label", kHostile}, {"cells", {"text"}}, {"texts", {"text"}}}}}});
  Write(output, Chart("Ozone by temperature", "", false, Scatter(50, kHostile)));
  Write(output, Chart(kHostile, "", false, Bars("Counts by stage")));
  Write(output, Chart("By month", "Month = 5", false, Scatter(20, "May")));
  Write(output, Chart("By month", "Month = 6", true, Scatter(30, "June")));
  Write(output, Chart("A chart that was not drawn", "", false, nullptr));
  // A picture of two pixels, red and blue, sent as it is.
  Write(output, {{"type", "image"}, {"description", "A picture"}, {"subtype", 3}, {"format", "png"},
                 {"mediaType", "image/png"}, {"size", 70},
                 {"base64", "iVBORw0KGgoAAAANSUhEUgAAAAIAAAABCAIAAAB7QOjdAAAADUlEQVR4nGP4zwAE/wEHAAH/4iOeWQAAAABJRU5ErkJggg=="}});
  output.EndProcedure();
}

bool WritePage(const std::string& path, const PageAssets& assets, void (*items)(OutputDocument&)) {
  std::ofstream out(path, std::ios::binary);
  if (!out) return false;
  OutputDocument output;
  output.AddSink(std::make_unique<HtmlSink>(out, assets, "page samples"));
  items(output);
  output.Finish();
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: page_samples FOLDER\n";
    return 2;
  }
  std::string error;
  std::optional<PageAssets> assets = PageAssets::Load(error);
  if (!assets) {
    std::cerr << "page_samples: " << error << '\n';
    return 1;
  }
  std::string folder = argv[1];
  bool written = WritePage(folder + "/views.html", *assets, WriteViews) &&
                 WritePage(folder + "/large.html", *assets, [](OutputDocument& output) {
                   Write(output, Chart("A hundred thousand points", "", false, Scatter(100001, "Many points")));
                 });
  if (!written) {
    std::cerr << "page_samples: cannot write the pages in " << folder << '\n';
    return 1;
  }
  return 0;
}
