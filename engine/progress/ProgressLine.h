#pragma once
#include <atomic>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <string>

// One line on standard error telling how far a long piece of work is: what is
// done, the rate and the time left. It appears only when standard error is a
// terminal and the work has taken longer than a second, so scripts, pipes
// and short runs see nothing. The line is cleared when the work ends.
// Advance may be called from several threads.
class ProgressLine {
 public:
  enum class Unit { kBytes, kCases };

  ProgressLine(std::string what, std::uint64_t total, Unit unit);
  ~ProgressLine();
  ProgressLine(const ProgressLine&) = delete;
  ProgressLine& operator=(const ProgressLine&) = delete;

  // Adds to the amount done and redraws the line at most a few times a second.
  void Advance(std::uint64_t amount);
  // Sets the amount done.
  void Reach(std::uint64_t done);

  // The line as it is drawn, for the given amount done after `seconds`.
  static std::string Text(const std::string& what, std::uint64_t done, std::uint64_t total, Unit unit,
                          double seconds);

 private:
  void MaybeDraw(std::uint64_t done);

  const std::string what_;
  const std::uint64_t total_;
  const Unit unit_;
  const bool enabled_;
  const std::chrono::steady_clock::time_point start_;
  std::atomic<std::uint64_t> done_{0};
  std::atomic<std::int64_t> nextDrawMs_;
  std::mutex drawing_;
  bool drawn_ = false;
};

// Tells the line how far a case loop is, once every 65,536 cases: cheap
// enough for a loop that steps one case at a time.
inline bool IsReportRow(long row) { return (row & 0xFFFF) == 0; }
inline void ReportEvery(long row, ProgressLine& progress) {
  if (IsReportRow(row)) progress.Reach(static_cast<std::uint64_t>(row));
}
