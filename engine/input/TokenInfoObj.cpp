#include "TokenInfoObj.h"

#include <cmath>
#include <cstdlib>

TokenInfoObj::TokenInfoObj(Type type, std::string text, int operatorCode)
    : type_(type), text_(std::move(text)), operatorCode_(operatorCode) {
  if (type_ != kNumber) return;
  number_ = std::strtod(text_.c_str(), nullptr);
  integer_ = text_.find_first_of(".eE") == std::string::npos && std::fabs(number_) < 9.2e18;
}
