#pragma once
#include <string>

struct CurrencyAffixes {
  std::string prefix;
  std::string suffix;
};

// The engine's custom currency formats CCA to CCE.
class currencyFormat {
 public:
  static constexpr int kCount = 5;
  // Custom currency index (0 for CCA to 4 for CCE); both empty when the
  // currency is not defined or the index is out of range.
  static CurrencyAffixes GetCCX(int index);
};
