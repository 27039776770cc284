#include "chartlib/render/OutputFile.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>

namespace {

std::string Reason(const std::filesystem::path& path, int error) {
  return "cannot write " + path.string() + ": " + std::strerror(error);
}

}  // namespace

// The bytes go to a temporary file beside the target, renamed into place when
// complete: a failed or interrupted run leaves an earlier picture as it was.
bool WriteOutputFile(const std::filesystem::path& path, std::string_view bytes, std::string* error) {
  std::filesystem::path temporary = path;
  temporary.replace_filename("." + path.filename().string() + "." + std::to_string(getpid()) + ".part");
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (out) out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (out) out.close();
    if (!out) {
      *error = Reason(path, errno);
      std::remove(temporary.c_str());
      return false;
    }
  }
  if (std::rename(temporary.c_str(), path.c_str()) != 0) {
    *error = Reason(path, errno);
    std::remove(temporary.c_str());
    return false;
  }
  return true;
}
