#include "engine/output/OutputDocument.h"

#include "engine/output/BasicItems.h"
#include "OutputSink.h"

OutputDocument::OutputDocument() = default;

OutputDocument::~OutputDocument() { Finish(); }

void OutputDocument::AddSink(std::unique_ptr<OutputSink> sink) { sinks_.push_back(std::move(sink)); }

bool OutputDocument::WantsChartSpecs() const {
  for (const auto& sink : sinks_)
    if (sink->WantsChartSpecs()) return true;
  return false;
}

void OutputDocument::BeginProcedure(const std::string& title) {
  ++openProcedures_;
  for (auto& sink : sinks_) sink->BeginProcedure(title);
}

void OutputDocument::EndProcedure() {
  if (openProcedures_ == 0) return;
  --openProcedures_;
  for (auto& sink : sinks_) sink->EndProcedure();
}

void OutputDocument::Add(const OutputItem& item) {
  for (auto& sink : sinks_) sink->Item(item);
}

void OutputDocument::AddMessage(int level, const std::string& text, int engineError) {
  if (level >= 3) {
    ++errors_;
  } else {
    ++warnings_;
  }
  int line = level >= 3 ? errorLine_ : 0;
  int column = level >= 3 ? errorColumn_ : 0;
  if (level >= 3) errorLine_ = errorColumn_ = 0;
  Add(MessageItem(level, text, engineError, line, column));
}

void OutputDocument::AddLog(const std::string& text, int line) { Add(TextItem("log", text, "  ", line)); }

void OutputDocument::AddDebug(const std::string& text) {
  if (debug_) Add(TextItem("debug", text, "Debug: "));
}

void OutputDocument::SplitChange() { Add(TextItem("splitChange", "", "-- split group ends --")); }

void OutputDocument::SetErrorPosition(int line, int column) {
  errorLine_ = line;
  errorColumn_ = column;
}

void OutputDocument::Finish() {
  if (finished_) return;
  finished_ = true;
  while (openProcedures_ > 0) EndProcedure();
  for (auto& sink : sinks_) sink->Finish();
}

namespace {
OutputDocument* g_current = nullptr;
}  // namespace

OutputDocument* CurrentOutput() { return g_current; }

CurrentOutputScope::CurrentOutputScope(OutputDocument& output) : previous_(g_current) { g_current = &output; }

CurrentOutputScope::~CurrentOutputScope() { g_current = previous_; }

ChartOutput* CurrentChartOutput() { return CurrentOutput(); }
