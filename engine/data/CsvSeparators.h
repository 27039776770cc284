#pragma once
#include <emmintrin.h>

#include <cstdint>
#include <cstring>

// The delimiters and line ends of a stretch of CSV text without quotes, one
// after the other. They are found 64 bytes at a time (SSE2, part of the
// x86-64 baseline) as a bit mask, so that finding a field's end costs a few
// instructions instead of a comparison per byte.
class CsvSeparators {
 public:
  CsvSeparators(const char* begin, const char* end, char delimiter)
      : base_(begin), end_(end), delimiter_(delimiter), mask_(MaskAt(begin, end, delimiter)) {}

  // The next delimiter or line end; end once there is none left. Inline,
  // and the state plain values, so that it stays in registers.
  [[gnu::always_inline]] const char* Next() {
    while (mask_ == 0) {
      if (end_ - base_ <= kWindow) return end_;
      base_ += kWindow;
      mask_ = MaskAt(base_, end_, delimiter_);
    }
    const char* found = base_ + __builtin_ctzll(mask_);
    mask_ &= mask_ - 1;
    return found;
  }

 private:
  static constexpr std::ptrdiff_t kWindow = 64;

  // Bit i is set when window[i] is a separator; bits past end are clear.
  static std::uint64_t MaskAt(const char* window, const char* end, char delimiter) {
    std::ptrdiff_t left = end - window;
    if (left >= kWindow) return WholeMask(window, delimiter);
    if (left <= 0) return 0;
    alignas(16) char tail[kWindow] = {};  // a NUL byte is neither a delimiter nor a line end
    std::memcpy(tail, window, static_cast<std::size_t>(left));
    return WholeMask(tail, delimiter) & ((std::uint64_t{1} << left) - 1);
  }

  [[gnu::always_inline]] static std::uint64_t WholeMask(const char* window, char delimiter) {
    const __m128i delimiters = _mm_set1_epi8(delimiter), newlines = _mm_set1_epi8('\n');
    std::uint64_t mask = 0;
    for (int k = 0; k < 4; ++k) {
      __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(window + 16 * k));
      __m128i hits = _mm_or_si128(_mm_cmpeq_epi8(bytes, delimiters), _mm_cmpeq_epi8(bytes, newlines));
      mask |= static_cast<std::uint64_t>(static_cast<std::uint32_t>(_mm_movemask_epi8(hits))) << (16 * k);
    }
    return mask;
  }

  const char* base_;  // the current window's first byte
  const char* end_;
  char delimiter_;
  std::uint64_t mask_;  // the separators of the current window not yet returned
};
