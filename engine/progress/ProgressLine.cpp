#include "engine/progress/ProgressLine.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include <fmt/format.h>

namespace {

using Clock = std::chrono::steady_clock;

// The line waits this long before it first appears; GGRAPH_PROGRESS_DELAY_MS
// changes it (the tests draw it at once).
std::int64_t FirstDrawMs() {
  const char* delay = std::getenv("GGRAPH_PROGRESS_DELAY_MS");
  return delay ? std::atoll(delay) : 1000;
}

constexpr std::int64_t kRedrawMs = 250;

std::string Amount(double amount, ProgressLine::Unit unit) {
  if (unit == ProgressLine::Unit::kCases) return fmt::format("{:.0f} cases", amount);
  if (amount >= 1e9) return fmt::format("{:.2f} GB", amount / 1e9);
  if (amount >= 1e6) return fmt::format("{:.1f} MB", amount / 1e6);
  return fmt::format("{:.0f} kB", amount / 1e3);
}

std::string Rate(double perSecond, ProgressLine::Unit unit) {
  if (unit == ProgressLine::Unit::kCases) return fmt::format("{:.0f} cases/s", perSecond);
  return fmt::format("{:.1f} MB/s", perSecond / 1e6);
}

std::int64_t ElapsedMs(Clock::time_point start) {
  return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

}  // namespace

ProgressLine::ProgressLine(std::string what, std::uint64_t total, Unit unit)
    : what_(std::move(what)),
      total_(total),
      unit_(unit),
      enabled_(isatty(STDERR_FILENO) == 1),
      start_(Clock::now()),
      nextDrawMs_(FirstDrawMs()) {}

ProgressLine::~ProgressLine() {
  if (!drawn_) return;
  std::fputs("\r\033[K", stderr);
  std::fflush(stderr);
}

void ProgressLine::Advance(std::uint64_t amount) {
  if (enabled_) MaybeDraw(done_.fetch_add(amount, std::memory_order_relaxed) + amount);
}

void ProgressLine::Reach(std::uint64_t done) {
  if (!enabled_) return;
  done_.store(done, std::memory_order_relaxed);
  MaybeDraw(done);
}

void ProgressLine::MaybeDraw(std::uint64_t done) {
  std::int64_t now = ElapsedMs(start_);
  std::int64_t due = nextDrawMs_.load(std::memory_order_relaxed);
  if (now < due || !nextDrawMs_.compare_exchange_strong(due, now + kRedrawMs)) return;
  std::lock_guard<std::mutex> lock(drawing_);
  std::string line = Text(what_, done, total_, unit_, static_cast<double>(now) / 1000.0);
  std::fprintf(stderr, "\r\033[K%s", line.c_str());
  std::fflush(stderr);
  drawn_ = true;
}

std::string ProgressLine::Text(const std::string& what, std::uint64_t done, std::uint64_t total, Unit unit,
                               double seconds) {
  double rate = seconds > 0 ? static_cast<double>(done) / seconds : 0;
  std::string line = fmt::format("{}: {} of {}", what, Amount(static_cast<double>(done), unit),
                                 Amount(static_cast<double>(total), unit));
  if (total > 0) line += fmt::format(" ({:.0f} %)", 100.0 * static_cast<double>(done) / static_cast<double>(total));
  if (rate > 0) {
    line += ", " + Rate(rate, unit);
    if (done < total) line += fmt::format(", {:.0f} s left", static_cast<double>(total - done) / rate);
  }
  return line;
}
