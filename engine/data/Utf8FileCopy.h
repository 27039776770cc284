#pragma once
#include <string>

#include "engine/data/DataProblems.h"

// A data file in another encoding, converted to UTF-8 (through iconv) into a
// temporary file that lives as long as the copy.
class Utf8FileCopy {
 public:
  Utf8FileCopy() = default;
  ~Utf8FileCopy();
  Utf8FileCopy(const Utf8FileCopy&) = delete;
  Utf8FileCopy& operator=(const Utf8FileCopy&) = delete;

  // Converts the file from the encoding (an iconv name). False, with the
  // reason in problems, when the file cannot be read or written or holds
  // bytes that are not text of its encoding.
  bool Make(const std::string& path, const std::string& encoding, const std::string& shownName, DataProblems& problems);
  // The converted file; empty before Make succeeded.
  const std::string& Path() const { return path_; }

  // Whether iconv can convert from the encoding.
  static bool IsKnownEncoding(const std::string& encoding);

 private:
  std::string path_;
};
