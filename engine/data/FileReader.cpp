#include "engine/data/FileReader.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

const std::size_t kPage = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));

}  // namespace

FileReader::FileReader(const std::string& path) {
  fd_ = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  struct stat status {};
  if (fd_ >= 0 && fstat(fd_, &status) == 0 && S_ISREG(status.st_mode)) {
    size_ = static_cast<std::size_t>(status.st_size);
    void* memory = size_ > 0 ? mmap(nullptr, size_, PROT_READ, MAP_SHARED, fd_, 0) : MAP_FAILED;
    if (memory != MAP_FAILED) mapped_ = static_cast<const char*>(memory);
    return;
  }
  error_ = fd_ < 0 ? std::strerror(errno) : "not a regular file";
  if (fd_ >= 0) close(fd_);
  fd_ = -1;
}

FileReader::~FileReader() {
  if (mapped_) munmap(const_cast<char*>(mapped_), size_);
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

const char* FileReader::Bytes(std::size_t offset, std::size_t size, std::vector<char>& buffer) const {
  // A file that shrank since it was opened would fault in its mapping: its
  // size is checked first (the read reports the error).
  struct stat status {};
  if (!mapped_ || offset + size > size_ || fstat(fd_, &status) != 0 ||
      static_cast<std::size_t>(status.st_size) < offset + size)
    return Read(offset, size, buffer) ? buffer.data() : nullptr;
  return mapped_ + offset;
}

void FileReader::Release(std::size_t offset, std::size_t size) const {
  if (!mapped_ || size == 0) return;
  std::size_t begin = offset / kPage * kPage;
  madvise(const_cast<char*>(mapped_) + begin, offset + size - begin, MADV_DONTNEED);
}
