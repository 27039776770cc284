#include "chartlib/text/ShortestDouble.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include <fmt/format.h>

std::string ShortestDoubleText(double value, int digits) {
  if (!std::isfinite(value)) return fmt::format("{}", value);
  digits = std::clamp(digits, 1, 17);
  // Round to the digits asked for, then take the shortest text that reads
  // back as that rounded number.
  std::string rounded = fmt::format("{:.{}g}", value, digits);
  double back = 0;
  auto [end, error] = std::from_chars(rounded.data(), rounded.data() + rounded.size(), back);
  if (error != std::errc()) return rounded;  // rounding went past the largest double
  return fmt::format("{}", back);
}
