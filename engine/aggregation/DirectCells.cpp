#include "engine/aggregation/DirectCells.h"

#include <algorithm>

void DirectCells::Clear() {
  windows_[0] = windows_[1] = outside_[0] = outside_[1] = Window{};
  table_.assign(1, kAsk);  // Lookup reads an entry even for rows outside
}

void DirectCells::Window::Take(int slot) {
  if (high < low) {
    low = high = slot;
  } else {
    low = std::min(low, slot);
    high = std::max(high, slot);
  }
}

void DirectCells::Lookup(const int* first, const int* second, int rows, int* cells) const {
  const int* table = table_.data();
  const unsigned lowA = windows_[0].low, spanA = windows_[0].Span();
  const unsigned lowB = windows_[1].low, spanB = windows_[1].Span();
  for (int i = 0; i < rows; ++i) {
    const unsigned a = first[i] - lowA, b = (second ? second[i] : lowB) - lowB;
    const bool inside = (a < spanA) & (b < spanB);
    const int cell = table[inside ? a * spanB + b : 0];
    cells[i] = inside ? cell : kAsk;
  }
}

void DirectCells::Remember(int first, int second, int cell) {
  if (first == 0 || second == 0) return;  // not a whole number the table can hold
  if (windows_[0].Holds(first) && windows_[1].Holds(second)) {
    table_[EntryOf(windows_, first, second)] = cell;
    return;
  }
  outside_[0].Take(first);
  outside_[1].Take(second);
}

// Lays the table out anew over the wider window, keeping its entries; the
// rows met outside are asked for once more.
void DirectCells::Widen() {
  if (outside_[0].high < outside_[0].low) return;
  Window wider[2] = {windows_[0], windows_[1]};
  for (int d = 0; d < 2; ++d) {
    wider[d].Take(outside_[d].low);
    wider[d].Take(outside_[d].high);
    outside_[d] = Window{};
  }
  if (static_cast<long>(wider[0].Span()) * wider[1].Span() > kMaxEntries) return;
  std::vector<int> table(static_cast<std::size_t>(wider[0].Span()) * wider[1].Span(), kAsk);
  for (int a = windows_[0].low; a <= windows_[0].high; ++a)
    for (int b = windows_[1].low; b <= windows_[1].high; ++b)
      table[EntryOf(wider, a, b)] = table_[EntryOf(windows_, a, b)];
  table_.swap(table);
  windows_[0] = wider[0];
  windows_[1] = wider[1];
}
