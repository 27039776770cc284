#pragma once
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

// Draws the charts of one run in one node process (chartlib/render/node),
// which starts with the drawer, so that its start overlaps the run's work.
// Charts are queued as they are sent; node answers while the run goes on,
// and each answer's files are written at once.
class ChartDrawer {
 public:
  ChartDrawer();
  ~ChartDrawer();
  ChartDrawer(const ChartDrawer&) = delete;
  ChartDrawer& operator=(const ChartDrawer&) = delete;

  // Queues one chart: its Vega-Lite JSON, and the SVG
  // and PNG files wanted (an empty path is not wanted). name says which
  // chart it is in a problem's text.
  void Draw(const std::string& vegaLite, const std::filesystem::path& svg, const std::filesystem::path& png,
            const std::string& name);

  // Waits for every queued chart and ends node. What went wrong, one text
  // per chart not drawn or file not written (node missing, a Vega error).
  std::vector<std::string> Finish();
  // The files written so far.
  int FilesWritten() const;

 private:
  struct Record;
  std::unique_ptr<Record> record_;
};
