#pragma once
#include <cstdint>

// A print format packed as (type << 16) | (width << 8) | decimals: the third
// byte is the format type.
using VEXA_Format = std::int32_t;

// Format types, the third byte of a packed format. Dates and date-times hold
// seconds since 1970-01-01 00:00:00 (UTC), times seconds since midnight.
enum VexaFormatType : int {
  kFormatA = 1,         // string, A12
  kFormatComma = 3,     // number with thousands separators, COMMA10.2
  kFormatDollar = 4,    // "$" and thousands separators, DOLLAR10.2
  kFormatF = 5,         // plain number, F8.2
  kFormatE = 17,        // scientific notation, E10.3
  kFormatDate = 20,     // yyyy-mm-dd, DATE10
  kFormatTime = 21,     // hh:mm:ss, TIME8
  kFormatDateTime = 22, // yyyy-mm-dd hh:mm:ss, DATETIME19
  kFormatPct = 31,      // number followed by "%", PCT8.1
  kFormatCCA = 33,      // custom currencies CCA to CCE (33 to 37)
  kFormatCCE = 37,
};

inline constexpr VEXA_Format PackFormat(int type, int width, int decimals) {
  return (type << 16) | ((width & 0xff) << 8) | (decimals & 0xff);
}
inline constexpr int FormatType(VEXA_Format f) { return (f >> 16) & 0xff; }
inline constexpr int FormatWidth(VEXA_Format f) { return (f >> 8) & 0xff; }
inline constexpr int FormatDecimals(VEXA_Format f) { return f & 0xff; }
