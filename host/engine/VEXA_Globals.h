#pragma once
#include <limits>

struct VEXA_Globals {
  // The engine's infinity, used for results that do not exist as numbers.
  static constexpr double infinity = std::numeric_limits<double>::infinity();
};
