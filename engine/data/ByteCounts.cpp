#include "engine/data/ByteCounts.h"

#include <emmintrin.h>

ByteCounts CountBytes(const char* data, std::size_t size, char quote) {
  ByteCounts counts;
  const __m128i newline = _mm_set1_epi8('\n');
  const __m128i quotes = _mm_set1_epi8(quote);
  std::size_t i = 0;
  int quoteMask = 0;
  for (; i + 16 <= size; i += 16) {
    __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
    unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, newline)));
    quoteMask |= _mm_movemask_epi8(_mm_cmpeq_epi8(bytes, quotes));
    if (mask) {
      if (counts.firstNewline == static_cast<std::size_t>(-1))
        counts.firstNewline = i + static_cast<std::size_t>(__builtin_ctz(mask));
      counts.newlines += static_cast<std::size_t>(__builtin_popcount(mask));
    }
  }
  for (; i < size; ++i) {
    if (data[i] == quote) quoteMask = 1;
    if (data[i] != '\n') continue;
    if (counts.firstNewline == static_cast<std::size_t>(-1)) counts.firstNewline = i;
    ++counts.newlines;
  }
  counts.hasQuote = quoteMask != 0;
  return counts;
}
