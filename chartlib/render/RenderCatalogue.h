#pragma once
#include <span>
#include <string_view>

// What the renderer draws, one row per GPL construct. Adding a construct is
// adding a row (and, for a new kind of step, the code that reads it).

// ELEMENT types.
struct ElementKind {
  const char* gpl;           // "interval"
  const char* mark;          // the Vega-Lite mark
  bool inDataOrder = false;  // path: joins the points in the order of the rows
  bool arrangeable = false;  // takes .stack and .dodge
  const char* drawnAs;       // the coverage table of docs/rendering.md
};

// Aesthetics of an element: a field or a constant such as color.red.
struct AestheticKind {
  const char* gpl;      // "color.interior"
  const char* channel;  // the Vega-Lite encoding channel ("text" is a layer of its own)
  const char* legend;   // the aesthetic's name in GUIDE: legend(aesthetic(aesthetic.NAME))
  const char* drawnAs;
};

// summary.* statistics: an aggregate of the last position dimension per
// category of the others.
struct SummaryKind {
  const char* gpl;            // "summary.mean"
  const char* op;             // the Vega aggregate op; "mode", "percent" and "percentCount" are built
  const char* title;          // the title of the result: "Mean ^1", "Count"
  bool readsField = true;     // false: counts rows, so the position has no value dimension
  const char* drawnAs;
};

std::span<const ElementKind> ElementKinds();
std::span<const AestheticKind> AestheticKinds();
std::span<const SummaryKind> SummaryKinds();

const ElementKind* FindElementKind(std::string_view gpl);
const AestheticKind* FindAestheticKind(std::string_view gpl);
const SummaryKind* FindSummaryKind(std::string_view gpl);
// GPL functions known not to be drawn, so a warning says "not drawn" rather
// than "unknown".
bool IsKnownUndrawn(std::string_view gpl);
