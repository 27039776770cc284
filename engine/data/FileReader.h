#pragma once
#include <cstddef>
#include <string>
#include <vector>

// Reads stretches of a file by offset, so that several threads can read one
// file at once and only the stretch being worked on is held in memory. A
// regular file is mapped: its stretches are read straight from the page
// cache instead of being copied.
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
  // The bytes [offset, offset + size): in the file's mapping, or read into
  // buffer when the file is not mapped. Null on a read error.
  const char* Bytes(std::size_t offset, std::size_t size, std::vector<char>& buffer) const;
  // The stretch is not looked at any more: its pages leave the process's
  // memory (the page cache keeps them), so a pass over a large file holds
  // only the stretches being worked on.
  void Release(std::size_t offset, std::size_t size) const;

 private:
  int fd_ = -1;
  std::size_t size_ = 0;
  const char* mapped_ = nullptr;
  std::string error_;
};
