#pragma once
#include <string>

// The shortest text of at most `digits` significant digits (1 to 17) that
// stands for value rounded to that many digits: 3 gives "3", 0.1 "0.1", and
// 1.0000000000000002 with 16 digits "1".
std::string ShortestDoubleText(double value, int digits);
