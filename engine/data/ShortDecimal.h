#pragma once
#include <cstdint>
#include <cstring>

#include "engine/data/CellParsers.h"

// Reads a cell of at most eight characters after its sign that is a plain
// decimal ("52.6256", "-3", "7."), as ScanPlainDecimal reads it, with a few
// operations on one 64-bit word instead of a loop per digit, whose exit
// the processor cannot foresee when cell lengths vary. [begin, end) is the
// cell; the eight bytes from the first digit must be readable (they may
// run past end). False for any other cell; with wholeOnly also for a cell
// with a decimal point, which is then not looked for.
template <bool wholeOnly>
[[gnu::always_inline]] inline bool ReadShortDecimal(const char* begin, const char* end, PlainDecimal* d) {
  constexpr std::uint64_t kZeros = 0x3030303030303030;  // '0' in every byte
  constexpr std::uint64_t kOnes = 0x0101010101010101;
  constexpr std::uint64_t kHighBits = 0x8080808080808080;
  const bool negative = begin < end && *begin == '-';
  if (begin < end && (*begin == '-' || *begin == '+')) ++begin;
  int length = static_cast<int>(end - begin);
  if (length <= 0 || length > 8) return false;
  std::uint64_t word;
  std::memcpy(&word, begin, sizeof word);  // the first character is the lowest byte
  if (length < 8) word &= (std::uint64_t{1} << (8 * length)) - 1;
  // A decimal point: the lowest byte equal to '.', taken out of the word.
  int fraction = 0;
  const std::uint64_t dots = word ^ (kOnes * '.');
  std::uint64_t found = wholeOnly ? 0 : (dots - kOnes) & ~dots & kHighBits;
  if (length < 8) found &= (std::uint64_t{1} << (8 * length)) - 1;
  if (found != 0) {
    const int point = __builtin_ctzll(found) / 8;
    const std::uint64_t below = point == 0 ? 0 : word & ((std::uint64_t{1} << (8 * point)) - 1);
    const std::uint64_t above = point == 7 ? 0 : (word >> (8 * (point + 1))) << (8 * point);
    word = below | above;
    fraction = length - point - 1;
    if (--length == 0) return false;
  }
  // Digits to the top of the word, '0' before them: the number is then the
  // word's eight digits, the lowest byte the most significant.
  const int pad = 8 - length;
  if (pad > 0) word = (word << (8 * pad)) | (kZeros >> (8 * length));
  const bool digitsOnly =
      ((word & 0xF0F0F0F0F0F0F0F0) | (((word + 0x0606060606060606) & 0xF0F0F0F0F0F0F0F0) >> 4)) == 0x3333333333333333;
  if (!digitsOnly) return false;
  word -= kZeros;
  word = word * 10 + (word >> 8);
  constexpr std::uint64_t kPairs = 0x000000FF000000FF;
  word = (((word & kPairs) * 0x000F424000000064) + (((word >> 16) & kPairs) * 0x0000271000000001)) >> 32;
  d->mantissa = static_cast<std::uint32_t>(word);
  d->exponent = -fraction;
  d->fraction = fraction;
  d->negative = negative;
  d->exact = true;
  d->anyDigit = true;
  return true;
}
