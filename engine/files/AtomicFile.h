#pragma once
#include <memory>
#include <ostream>
#include <string>

// Writes a file so that a failed or interrupted run never leaves it empty or
// half written: the text goes to a temporary file beside the target, which
// Commit renames into place once it is complete and closed without error.
// Until then (and when anything fails) the previous file stays as it was.
// A target that exists and is no regular file (a device, a pipe) cannot be
// replaced; it is written directly.
class AtomicFile {
 public:
  explicit AtomicFile(std::string path);
  ~AtomicFile();  // removes the temporary file unless committed
  AtomicFile(const AtomicFile&) = delete;
  AtomicFile& operator=(const AtomicFile&) = delete;

  // Creates the temporary file; false, with Error() set, when it cannot be.
  bool Open();
  std::ostream& Stream();
  // Flushes, closes and renames the file into place; false, with Error() set,
  // when any of it fails (the previous file is then left untouched).
  bool Commit();
  // Drops what was written; the previous file stays.
  void Discard();

  const std::string& Path() const { return path_; }
  // The file being written until Commit; empty when the target is written directly.
  const std::string& TemporaryPath() const { return temporary_; }
  // "PATH: reason", the reason being the system's.
  const std::string& Error() const { return error_; }

 private:
  class Buffer;
  bool Fail(int error);

  std::string path_;
  std::string temporary_;  // empty when writing the target directly
  std::string error_;
  std::unique_ptr<Buffer> buffer_;
  std::unique_ptr<std::ostream> stream_;
};
