#pragma once
#include <vector>

// A cache in front of a part's cells for one or two numeric break variables
// whose values are small whole numbers: a table indexed by the values' slots
// (DimensionCoder::FindSlots; slot 0 stands for any other value) gives a
// row's cell in one lookup. The table covers a window of slots that grows
// to the slots met while it stays small; rows outside it, and pairs not met
// yet, are asked for (kAsk) and their answers remembered.
class DirectCells {
 public:
  static constexpr int kAsk = -2;

  DirectCells() { Clear(); }

  // Each row's cell, -1 for none, or kAsk. `second` is null for one break variable.
  void Lookup(const int* first, const int* second, int rows, int* cells) const;
  // The answer for a row that was asked for: its cell, or -1 for a left-out
  // value. Pass second 1 for one break variable.
  void Remember(int first, int second, int cell);
  // After the answers of a batch: takes in the slots met outside the window.
  void Widen();
  void Clear();

 private:
  struct Window {
    int low = 1;
    int high = 0;  // empty while below low
    int Span() const { return high - low + 1; }
    bool Holds(int slot) const { return slot >= low && slot <= high; }
    void Take(int slot);
  };
  static constexpr long kMaxEntries = 1L << 16;

  // Where the entry of a pair of slots inside `windows` stands.
  static long EntryOf(const Window* windows, int first, int second) {
    return static_cast<long>(first - windows[0].low) * windows[1].Span() + (second - windows[1].low);
  }

  Window windows_[2];
  Window outside_[2];       // slots met outside the window
  std::vector<int> table_;  // (first - low) * span of second + (second - low)
};
