#include "engine/data/FileReader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

FileReader::FileReader(const std::string& path) {
  fd_ = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  struct stat status {};
  if (fd_ >= 0 && fstat(fd_, &status) == 0 && S_ISREG(status.st_mode)) {
    size_ = static_cast<std::size_t>(status.st_size);
    return;
  }
  error_ = fd_ < 0 ? std::strerror(errno) : "not a regular file";
  if (fd_ >= 0) close(fd_);
  fd_ = -1;
}

FileReader::~FileReader() {
  if (fd_ >= 0) close(fd_);
}

bool FileReader::Read(std::size_t offset, std::size_t size, std::vector<char>& buffer) const {
  buffer.resize(size);
  std::size_t done = 0;
  while (done < size) {
    ssize_t n = pread(fd_, buffer.data() + done, size - done, static_cast<off_t>(offset + done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}
