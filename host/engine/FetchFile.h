#pragma once
#include <string>

// Reads files named by the user.
class FetchFile {
 public:
  // The file's whole content; empty when it cannot be read.
  static std::string fetch(const std::string& path, bool binary, bool quiet);
};

// Accepts and expands a file name (relative names are taken from the
// command file's folder). Writes the expansion into out (at most outSize bytes
// with the terminating zero); true when it names a folder or a readable file.
bool ValidateFileSpecificationEx(const char* name, int length, int flags, char* out, int outSize);
