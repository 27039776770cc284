#pragma once
#include <cstdint>
#include <limits>

// The effective case limit: 0 stands for none.
inline std::uint32_t EffectiveCaseLimit(std::uint32_t caseLimit) {
  return caseLimit == 0 ? std::numeric_limits<std::uint32_t>::max() : caseLimit;
}
