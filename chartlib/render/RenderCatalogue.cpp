#include "chartlib/render/RenderCatalogue.h"

#include <strings.h>

#include <algorithm>
#include <string>

namespace {

constexpr ElementKind kElements[] = {
    {.gpl = "point", .mark = "point", .inDataOrder = false, .arrangeable = false, .drawnAs = "point"},
    {.gpl = "line", .mark = "line", .inDataOrder = false, .arrangeable = false, .drawnAs = "line, joined along x"},
    {.gpl = "area", .mark = "area", .inDataOrder = false, .arrangeable = true, .drawnAs = "area"},
    {.gpl = "interval", .mark = "bar", .inDataOrder = false, .arrangeable = true, .drawnAs = "bar (bars of one category overlap unless `.stack` or `.dodge`)"},
    {.gpl = "path", .mark = "line", .inDataOrder = true, .arrangeable = false, .drawnAs = "line in data order"},
    {.gpl = "edge", .mark = "rule", .inDataOrder = false, .arrangeable = false, .drawnAs = "rule from the first to the second point"},
    {.gpl = "schema", .mark = "boxplot", .inDataOrder = false, .arrangeable = false, .drawnAs = "box plot (with bin.quantile.letter)"},
};

constexpr AestheticKind kAesthetics[] = {
    {.gpl = "color", .channel = "color", .legend = "color", .drawnAs = "colour"},
    {.gpl = "color.interior", .channel = "color", .legend = "color.interior", .drawnAs = "fill colour"},
    {.gpl = "color.exterior", .channel = "stroke", .legend = "color.exterior", .drawnAs = "stroke colour"},
    {.gpl = "shape", .channel = "shape", .legend = "shape", .drawnAs = "point shape"},
    {.gpl = "shape.interior", .channel = "shape", .legend = "shape.interior", .drawnAs = "point shape"},
    {.gpl = "size", .channel = "size", .legend = "size", .drawnAs = "size"},
    {.gpl = "transparency", .channel = "opacity", .legend = "transparency", .drawnAs = "opacity"},
    {.gpl = "label", .channel = "text", .legend = "label", .drawnAs = "a text layer at each mark"},
};

constexpr SummaryKind kSummaries[] = {
    {.gpl = "summary.count", .op = "count", .title = "Count", .readsField = false, .drawnAs = "the number of rows"},
    {.gpl = "summary.countTrue", .op = "countTrue", .title = "Count True ^1", .readsField = true, .drawnAs = "the number of rows whose value is not zero"},
    {.gpl = "summary.sum", .op = "sum", .title = "Sum ^1", .readsField = true, .drawnAs = "sum"},
    {.gpl = "summary.mean", .op = "mean", .title = "Mean ^1", .readsField = true, .drawnAs = "mean"},
    {.gpl = "summary.median", .op = "median", .title = "Median ^1", .readsField = true, .drawnAs = "median"},
    {.gpl = "summary.mode", .op = "mode", .title = "Mode ^1", .readsField = true, .drawnAs = "the most frequent value"},
    {.gpl = "summary.min", .op = "min", .title = "Minimum ^1", .readsField = true, .drawnAs = "minimum"},
    {.gpl = "summary.max", .op = "max", .title = "Maximum ^1", .readsField = true, .drawnAs = "maximum"},
    {.gpl = "summary.percent", .op = "percent", .title = "Percent ^1", .readsField = true, .drawnAs = "the sum as a percentage of the chart's total"},
    {.gpl = "summary.percent.count", .op = "percentCount", .title = "Percent", .readsField = false, .drawnAs = "the number of rows as a percentage of all rows"},
};

// GPL that exists but is not drawn: named so in warnings.
constexpr const char* kKnownUndrawn[] = {
    "polygon",  "polar",          "parallel",     "jitter",    "ternary",      "map",          "bin.hex",
    "bin.dot",  "summary.sd",     "summary.variance", "summary.range", "region.confi.mean", "link.hull",
    "link.mst", "position.stack", "smooth.spline", "smooth.quadratic", "smooth.cubic", "split",
    "density.normal", "delta",    "start",          "ticks",        "gap",       "opposite",     "format",
};

template <typename Row>
const Row* FindRow(std::span<const Row> rows, std::string_view gpl) {
  std::string name(gpl);
  auto found = std::find_if(rows.begin(), rows.end(),
                            [&](const Row& row) { return strcasecmp(row.gpl, name.c_str()) == 0; });
  return found == rows.end() ? nullptr : &*found;
}

}  // namespace

std::span<const ElementKind> ElementKinds() { return kElements; }
std::span<const AestheticKind> AestheticKinds() { return kAesthetics; }
std::span<const SummaryKind> SummaryKinds() { return kSummaries; }

const ElementKind* FindElementKind(std::string_view gpl) { return FindRow(ElementKinds(), gpl); }
const AestheticKind* FindAestheticKind(std::string_view gpl) { return FindRow(AestheticKinds(), gpl); }
const SummaryKind* FindSummaryKind(std::string_view gpl) { return FindRow(SummaryKinds(), gpl); }

bool IsKnownUndrawn(std::string_view gpl) {
  std::string name(gpl);
  return std::any_of(std::begin(kKnownUndrawn), std::end(kKnownUndrawn), [&](const char* known) {
    return strcasecmp(known, name.c_str()) == 0 || name.rfind(std::string(known) + ".", 0) == 0;
  });
}
