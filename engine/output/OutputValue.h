#pragma once
#include <string>

// A value shown in the output: a number or a text.
struct OutputValue {
  bool isNumber = false;
  double number = 0;
  std::string text;
};
