#include "engine/files/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <streambuf>
#include <vector>

// A stream buffer over a file descriptor that keeps the first write error.
class AtomicFile::Buffer : public std::streambuf {
 public:
  explicit Buffer(int fd) : fd_(fd), bytes_(1 << 16) { setp(bytes_.data(), bytes_.data() + bytes_.size()); }
  ~Buffer() override {
    if (fd_ >= 0) ::close(fd_);
  }

  int Error() const { return error_; }

  // Writes what is buffered and closes the file; the first error, or 0.
  int Close() {
    sync();
    if (fd_ >= 0 && ::close(fd_) != 0 && error_ == 0) error_ = errno;
    fd_ = -1;
    return error_;
  }

 protected:
  int_type overflow(int_type c) override {
    if (sync() != 0) return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) sputc(traits_type::to_char_type(c));
    return traits_type::not_eof(c);
  }

  int sync() override {
    const char* next = pbase();
    while (next < pptr() && error_ == 0) {
      ssize_t n = ::write(fd_, next, static_cast<std::size_t>(pptr() - next));
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) error_ = errno;
      if (n > 0) next += n;
    }
    setp(bytes_.data(), bytes_.data() + bytes_.size());
    return error_ == 0 ? 0 : -1;
  }

 private:
  int fd_;
  int error_ = 0;
  std::vector<char> bytes_;
};

namespace {

constexpr mode_t kNewFileMode = 0666;

mode_t CurrentUmask() {
  mode_t mask = ::umask(0);
  ::umask(mask);
  return mask;
}

}  // namespace

AtomicFile::AtomicFile(std::string path) : path_(std::move(path)) {}

AtomicFile::~AtomicFile() { Discard(); }

bool AtomicFile::Fail(int error) {
  error_ = path_ + ": " + std::strerror(error);
  Discard();
  return false;
}

bool AtomicFile::Open() {
  struct stat target {};
  bool exists = ::stat(path_.c_str(), &target) == 0;
  int fd = -1;
  if (exists && !S_ISREG(target.st_mode)) {
    fd = ::open(path_.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0) return Fail(errno);
  } else {
    // A file its owner made read-only is not replaced behind their back,
    // whoever runs the program.
    if (exists && ((target.st_mode & 0222) == 0 || ::access(path_.c_str(), W_OK) != 0))
      return Fail(exists && (target.st_mode & 0222) == 0 ? EACCES : errno);
    std::filesystem::path where(path_);
    std::string pattern = (where.parent_path() / ("." + where.filename().string() + ".XXXXXX")).string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    fd = ::mkstemp(name.data());
    if (fd < 0) return Fail(errno);
    temporary_ = name.data();
    ::fchmod(fd, exists ? (target.st_mode & 07777) : (kNewFileMode & ~CurrentUmask()));
  }
  buffer_ = std::make_unique<Buffer>(fd);
  stream_ = std::make_unique<std::ostream>(buffer_.get());
  return true;
}

std::ostream& AtomicFile::Stream() { return *stream_; }

bool AtomicFile::Commit() {
  if (!buffer_) return false;
  stream_->flush();
  if (int error = buffer_->Close()) return Fail(error);
  if (!temporary_.empty() && std::rename(temporary_.c_str(), path_.c_str()) != 0) return Fail(errno);
  temporary_.clear();
  stream_.reset();
  buffer_.reset();
  return true;
}

void AtomicFile::Discard() {
  stream_.reset();
  buffer_.reset();
  if (!temporary_.empty()) ::unlink(temporary_.c_str());
  temporary_.clear();
}
