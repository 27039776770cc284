#include "chartlib/render/OutputFile.h"

#include <cerrno>
#include <cstring>
#include <fstream>

bool WriteOutputFile(const std::filesystem::path& path, std::string_view bytes, std::string* error) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (out) out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (out) out.close();
  if (out) return true;
  *error = "cannot write " + path.string() + ": " + std::strerror(errno);
  return false;
}
