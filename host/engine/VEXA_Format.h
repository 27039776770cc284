#pragma once
#include <cstdint>

// A print format packed as (type << 16) | (width << 8) | decimals: the third
// byte is the format type.
using VEXA_Format = std::int32_t;

inline constexpr VEXA_Format PackFormat(int type, int width, int decimals) {
  return (type << 16) | ((width & 0xff) << 8) | (decimals & 0xff);
}
inline constexpr int FormatType(VEXA_Format f) { return (f >> 16) & 0xff; }
inline constexpr int FormatWidth(VEXA_Format f) { return (f >> 8) & 0xff; }
inline constexpr int FormatDecimals(VEXA_Format f) { return f & 0xff; }
