#pragma once
#include <string>

// The shortest text that reads back as the same double.
std::string ShortestNumberText(double value);
