#include "engine/aggregation/PairIndex.h"

namespace {

unsigned CeilPowerOfTwo(unsigned n) {
  unsigned p = 1;
  while (p < n) p <<= 1;
  return p;
}

unsigned Log2(unsigned p) {
  unsigned s = 0;
  while ((1u << s) < p) ++s;
  return s;
}

}  // namespace

void PairIndex::Clear() {
  dense_ = true;
  capA_ = 16;
  capB_ = 64;
  shiftB_ = Log2(capB_);
  table_.assign(static_cast<std::size_t>(capA_) * capB_, -1);
  map_.Clear();
  count_ = 0;
}

int PairIndex::Find(int a, int b) const {
  if (a < 0 || b < 0) return -1;
  if (!dense_) return map_.Find(Key(a, b));
  if (static_cast<unsigned>(a) >= capA_ || static_cast<unsigned>(b) >= capB_) return -1;
  return table_[(static_cast<std::size_t>(a) << shiftB_) | static_cast<unsigned>(b)];
}

int PairIndex::FindOrAddSlowly(int a, int b, bool* added) {
  if (dense_) {
    const unsigned capA = CeilPowerOfTwo(std::max(capA_, static_cast<unsigned>(a) + 1));
    const unsigned capB = CeilPowerOfTwo(std::max(capB_, static_cast<unsigned>(b) + 1));
    Widen(capA, capB);
    if (dense_) return FindOrAdd(a, b, added);
  }
  const std::uint64_t key = Key(a, b);
  int id = map_.Find(key);
  if (id < 0) {
    id = count_++;
    map_.Insert(key, id);
    *added = true;
  }
  return id;
}

// Re-lays the table for larger ranges, or moves to the hash map when the
// table would grow past its limit.
void PairIndex::Widen(unsigned capA, unsigned capB) {
  const bool fits = static_cast<std::size_t>(capA) * capB <= kDenseLimit;
  std::vector<int> table(fits ? static_cast<std::size_t>(capA) * capB : 0, -1);
  const unsigned shiftB = Log2(capB);
  for (unsigned a = 0; a < capA_; ++a) {
    for (unsigned b = 0; b < capB_; ++b) {
      const int id = table_[(static_cast<std::size_t>(a) << shiftB_) | b];
      if (id < 0) continue;
      if (fits) {
        table[(static_cast<std::size_t>(a) << shiftB) | b] = id;
      } else {
        map_.Insert(Key(static_cast<int>(a), static_cast<int>(b)), id);
      }
    }
  }
  table_.swap(table);
  if (fits) {
    capA_ = capA;
    capB_ = capB;
    shiftB_ = shiftB;
  } else {
    dense_ = false;
    capA_ = capB_ = 0;
  }
}
