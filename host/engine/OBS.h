#pragma once
#include <cstring>
#include <limits>

// One data cell: a double, or eight bytes of a string value. A string value of
// width w spans (w + 7) / 8 consecutive cells, blank padded.
union OBS {
  double number;
  char text[8];
};
static_assert(sizeof(OBS) == 8);

// The system-missing value: the most negative finite double.
inline constexpr double kSysMiss = std::numeric_limits<double>::lowest();

inline int ObsCellsForWidth(int width) { return width <= 8 ? 1 : (width + 7) / 8; }
