#pragma once
#include <string>

// The engine's shared work areas.
class WorkAreaStore {
 public:
  // Writes the invoking module's code into the system area (blank when empty).
  static void SetInvokingModule(const std::string& code);
  // The engine's input line buffer.
  static char* InputLine();
};
