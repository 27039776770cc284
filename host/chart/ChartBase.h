#pragma once
#include <string>

class ChartBase {
 public:
  // Writes a debug line (shown when the engine runs with debugging on).
  static void printDebugInfo(const std::string& text);
};
