#include "engine/data/Utf8FileCopy.h"

#include <iconv.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

#include "engine/data/Utf8Text.h"

namespace {

constexpr std::size_t kChunkBytes = 1 << 20;
const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);

class Converter {
 public:
  explicit Converter(const std::string& encoding) : handle_(iconv_open("UTF-8", encoding.c_str())) {}
  ~Converter() {
    if (handle_ != kNoConverter) iconv_close(handle_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool IsOpen() const { return handle_ != kNoConverter; }
  // Converts as much of [*in, *in + *inLeft) as makes whole characters,
  // appending to out; the errno of iconv (0, EINVAL for a cut character,
  // EILSEQ for a byte that is not text).
  int Convert(char** in, std::size_t* inLeft, std::string& out) {
    char buffer[4 * 4096];
    while (*inLeft > 0) {
      char* next = buffer;
      std::size_t outLeft = sizeof buffer;
      std::size_t result = iconv(handle_, in, inLeft, &next, &outLeft);
      out.append(buffer, static_cast<std::size_t>(next - buffer));
      if (result == static_cast<std::size_t>(-1) && errno != E2BIG) return errno;
    }
    return 0;
  }

 private:
  iconv_t handle_;
};

// "line L, column C" of a byte offset, counting the bytes of the line.
std::string WhereInFile(const std::string& path, const std::string& shownName, std::size_t offset) {
  std::ifstream in(path, std::ios::binary);
  long line = 1, column = 1;
  for (std::size_t i = 0; i < offset && in; ++i) {
    char c;
    if (!in.get(c)) break;
    column = c == '\n' ? 1 : column + 1;
    line += c == '\n';
  }
  return DataProblems::Where(shownName, line, column);
}

}  // namespace

Utf8FileCopy::~Utf8FileCopy() {
  if (!path_.empty()) ::unlink(path_.c_str());
}

bool Utf8FileCopy::IsKnownEncoding(const std::string& encoding) { return Converter(encoding).IsOpen(); }

bool Utf8FileCopy::Make(const std::string& path, const std::string& encoding, const std::string& shownName,
                        DataProblems& problems) {
  Converter converter(encoding);
  if (!converter.IsOpen()) {
    problems.Error(shownName, "the encoding '" + encoding + "' is not known");
    return false;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    problems.Error(shownName, std::string("the file cannot be read: ") + std::strerror(errno));
    return false;
  }
  std::string temporary = (std::filesystem::temp_directory_path() / "ggraph-utf8-XXXXXX").string();
  int fd = ::mkstemp(temporary.data());
  if (fd < 0) {
    problems.Error(shownName, std::string("no temporary file for the UTF-8 copy: ") + std::strerror(errno));
    return false;
  }
  ::close(fd);
  path_ = temporary;
  std::ofstream out(path_, std::ios::binary | std::ios::trunc);
  std::vector<char> chunk(kChunkBytes);
  std::size_t carried = 0, offset = 0;  // offset: of the chunk's first byte in the file
  std::string converted;
  while (in) {
    in.read(chunk.data() + carried, static_cast<std::streamsize>(chunk.size() - carried));
    std::size_t available = carried + static_cast<std::size_t>(in.gcount());
    if (available == 0) break;
    char* next = chunk.data();
    std::size_t left = available;
    converted.clear();
    int fault = converter.Convert(&next, &left, converted);
    bool atEnd = !in;
    if (fault == EILSEQ || (fault == EINVAL && atEnd)) {
      std::size_t at = static_cast<std::size_t>(next - chunk.data());
      problems.Error(WhereInFile(path, shownName, offset + at),
                     "the byte " + HexBytes(std::string_view(next, 1)) + " is not text of the encoding '" + encoding + "' that the data package declares");
      return false;
    }
    out.write(converted.data(), static_cast<std::streamsize>(converted.size()));
    std::memmove(chunk.data(), next, left);
    offset += available - left;
    carried = left;
  }
  out.close();
  if (!out) {
    problems.Error(shownName, std::string("the UTF-8 copy cannot be written: ") + std::strerror(errno));
    return false;
  }
  return true;
}
