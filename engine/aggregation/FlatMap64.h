#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// An open-addressing map from 64-bit keys to non-negative ints: the category
// and cell lookups of the aggregation, which must cost a few nanoseconds.
class FlatMap64 {
 public:
  FlatMap64() { Clear(); }

  // The value of `key`, or -1.
  int Find(std::uint64_t key) const {
    for (std::size_t slot = Slot(key);; slot = (slot + 1) & mask_) {
      if (values_[slot] < 0) return -1;
      if (keys_[slot] == key) return values_[slot];
    }
  }

  // Stores a key that is not yet present.
  void Insert(std::uint64_t key, int value) {
    if ((size_ + 1) * 2 > values_.size()) Rehash(values_.size() * 2);
    std::size_t slot = Slot(key);
    while (values_[slot] >= 0) slot = (slot + 1) & mask_;
    keys_[slot] = key;
    values_[slot] = value;
    ++size_;
  }

  // Room for this many keys, so that inserting them never rehashes.
  void Reserve(std::size_t keys) {
    std::size_t capacity = values_.size();
    while (keys * 2 > capacity) capacity *= 2;
    if (capacity > values_.size()) Rehash(capacity);
  }

  void Clear() {
    keys_.assign(16, 0);
    values_.assign(16, -1);
    mask_ = 15;
    shift_ = 60;
    size_ = 0;
  }

  // Calls f(key, value) for every entry.
  template <class F>
  void ForEach(F f) const {
    for (std::size_t i = 0; i < values_.size(); ++i)
      if (values_[i] >= 0) f(keys_[i], values_[i]);
  }

 private:
  // Folds the high half in first: doubles that hold whole numbers differ
  // only in their high bits.
  std::size_t Slot(std::uint64_t key) const {
    key ^= key >> 29;
    return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ull) >> shift_);
  }

  void Rehash(std::size_t capacity) {
    std::vector<std::uint64_t> keys;
    std::vector<int> values;
    keys.swap(keys_);
    values.swap(values_);
    keys_.assign(capacity, 0);
    values_.assign(capacity, -1);
    mask_ = capacity - 1;
    shift_ = 64;
    for (std::size_t c = capacity; c > 1; c >>= 1) --shift_;
    size_ = 0;
    for (std::size_t i = 0; i < values.size(); ++i)
      if (values[i] >= 0) Insert(keys[i], values[i]);
  }

  std::vector<std::uint64_t> keys_;
  std::vector<int> values_;  // -1 marks an empty slot
  std::size_t mask_ = 0;
  unsigned shift_ = 64;  // 64 - log2(capacity): the product's top bits pick the slot
  std::size_t size_ = 0;
};
