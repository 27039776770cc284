#pragma once
#include <string>

// The engine's folders. Kind 3 is the folder of the string tables.
class PathFactory {
 public:
  static std::string getPathInstance(int kind);
};
