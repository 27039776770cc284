#pragma once
#include <string>

// Names a data set of the engine: "*" the working data, or a data set that
// was given to the engine by name.
class UserCaseFileSpec {
 public:
  // True when the handle names a data set. The two flags are accepted for the
  // engine's other callers and change nothing here.
  bool Init(const char* handle, bool forOutput, bool allowNew);
  bool IsWorkingFile() const { return workingFile_; }
  // The handle as given to Init.
  const std::string& Handle() const { return handle_; }

 private:
  std::string handle_;
  bool workingFile_ = false;
};
