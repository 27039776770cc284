#pragma once
#include <ostream>
#include <string>

#include "OutputSink.h"
#include "engine/output/PageAssets.h"
#include "engine/output/ScriptSafeBuffer.h"

// Writes the run as one self-contained web page, item by item as the run
// goes: each item's JSON form stands in a <script type="application/json">
// element in output order, and the page's script turns them into the page
// (commands, messages, tables, chart views) when it opens. Nothing is kept
// here, so a chart of a million rows streams through like the JSON document.
class HtmlSink : public OutputSink {
 public:
  HtmlSink(std::ostream& out, const PageAssets& assets, const std::string& title);
  void BeginProcedure(const std::string& title) override;
  void EndProcedure() override;
  void Item(const OutputItem& item) override;
  void Finish() override;
  // The page draws each chart from its Vega-Lite JSON.
  bool WantsChartSpecs() const override { return true; }

 private:
  void OpenItem();
  void CloseItem();

  std::ostream& out_;
  const PageAssets& assets_;
  ScriptSafeBuffer buffer_;
  std::ostream json_;
};
