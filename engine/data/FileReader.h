#pragma once
#include <cstddef>
#include <string>
#include <vector>

// Reads stretches of a file by offset, so that several threads can read one
// file at once and only the stretch being worked on is held in memory.
class FileReader {
 public:
  explicit FileReader(const std::string& path);
  ~FileReader();
  FileReader(const FileReader&) = delete;
  FileReader& operator=(const FileReader&) = delete;

  bool IsOpen() const { return fd_ >= 0; }
  // The reason the file could not be opened or read.
  const std::string& Error() const { return error_; }
  std::size_t Size() const { return size_; }
  // Reads [offset, offset + size) into buffer (resized to fit); false on a
  // read error.
  bool Read(std::size_t offset, std::size_t size, std::vector<char>& buffer) const;

 private:
  int fd_ = -1;
  std::size_t size_ = 0;
  std::string error_;
};
