#include "engine/data/ByteCounts.h"

#include <emmintrin.h>

#include <algorithm>
#include <cstdint>

namespace {

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

// The newlines of [data, data + size), size a multiple of 16 and at most
// 255 * 16 bytes: each byte lane counts its matches, and the lanes are summed
// once at the end, so no population count is needed (the build does not
// assume a CPU that has the instruction).
std::size_t CountNewlinesInRun(const char* data, std::size_t size, __m128i newline) {
  __m128i lanes = _mm_setzero_si128();
  for (std::size_t i = 0; i < size; i += 16) {
    __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
    lanes = _mm_sub_epi8(lanes, _mm_cmpeq_epi8(bytes, newline));
  }
  __m128i sums = _mm_sad_epu8(lanes, _mm_setzero_si128());
  return static_cast<std::size_t>(_mm_cvtsi128_si32(sums) + _mm_extract_epi16(sums, 4));
}

// Whether the quote character occurs in [data, data + size), size a
// multiple of 16.
bool HasByte(const char* data, std::size_t size, __m128i byte) {
  __m128i any = _mm_setzero_si128();
  for (std::size_t i = 0; i < size; i += 16)
    any = _mm_or_si128(any, _mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i)), byte));
  return _mm_movemask_epi8(any) != 0;
}

// The offset of the first newline of [data, data + size), or kNone.
std::size_t FirstNewline(const char* data, std::size_t size) {
  const char* found = std::find(data, data + size, '\n');
  return found == data + size ? kNone : static_cast<std::size_t>(found - data);
}

}  // namespace

ByteCounts CountBytes(const char* data, std::size_t size, char quote) {
  constexpr std::size_t kRun = 255 * 16;
  ByteCounts counts;
  const __m128i newline = _mm_set1_epi8('\n');
  const __m128i quotes = _mm_set1_epi8(quote);
  const std::size_t whole = size / 16 * 16;
  for (std::size_t i = 0; i < whole; i += kRun) {
    std::size_t run = std::min(kRun, whole - i);
    counts.newlines += CountNewlinesInRun(data + i, run, newline);
    counts.hasQuote = counts.hasQuote || HasByte(data + i, run, quotes);
  }
  for (std::size_t i = whole; i < size; ++i) {
    counts.hasQuote = counts.hasQuote || data[i] == quote;
    counts.newlines += data[i] == '\n';
  }
  counts.firstNewline = FirstNewline(data, size);
  return counts;
}
