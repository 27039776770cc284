#pragma once
#include <cstddef>

// What one pass over a stretch of a CSV file finds.
struct ByteCounts {
  std::size_t newlines = 0;
  std::size_t firstNewline = static_cast<std::size_t>(-1);  // offset, or -1 when none
  bool hasQuote = false;
};

// Counts the newlines of [data, data + size) and notes whether the quote
// character occurs, sixteen bytes at a time.
ByteCounts CountBytes(const char* data, std::size_t size, char quote);
