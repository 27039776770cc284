#include "chartlib/text/CodePage.h"

#include <iconv.h>

#include <cerrno>
#include <strings.h>

#include "chartlib/text/Utf8.h"

namespace {

bool NamesUtf8(const std::string& encoding) {
  return encoding.empty() || strcasecmp(encoding.c_str(), "UTF-8") == 0 || strcasecmp(encoding.c_str(), "UTF8") == 0;
}

// One open conversion, kept while the same encoding is asked for again.
class Converter {
 public:
  ~Converter() { Close(); }

  iconv_t For(const std::string& encoding) {
    if (encoding != encoding_) {
      Close();
      encoding_ = encoding;
      handle_ = iconv_open("UTF-8", encoding.c_str());
    }
    if (handle_ != Invalid()) iconv(handle_, nullptr, nullptr, nullptr, nullptr);
    return handle_;
  }

  static iconv_t Invalid() { return reinterpret_cast<iconv_t>(-1); }

 private:
  void Close() {
    if (handle_ != Invalid()) iconv_close(handle_);
    handle_ = Invalid();
  }

  std::string encoding_;
  iconv_t handle_ = Invalid();
};

std::string Convert(iconv_t handle, std::string_view text) {
  std::string out;
  char buffer[1024];
  char* in = const_cast<char*>(text.data());
  std::size_t inLeft = text.size();
  while (inLeft > 0) {
    char* next = buffer;
    std::size_t outLeft = sizeof buffer;
    std::size_t result = iconv(handle, &in, &inLeft, &next, &outLeft);
    out.append(buffer, static_cast<std::size_t>(next - buffer));
    if (result != static_cast<std::size_t>(-1) || errno == E2BIG) continue;
    AppendUtf8(out, 0xFFFD);  // EILSEQ or a sequence cut off at the end
    if (errno == EINVAL) break;
    ++in;
    --inLeft;
  }
  return out;
}

}  // namespace

std::string CodePageToUtf8(std::string_view text, const std::string& encoding) {
  if (NamesUtf8(encoding)) return SanitizeUtf8(text);
  thread_local Converter converter;
  iconv_t handle = converter.For(encoding);
  if (handle == Converter::Invalid()) return SanitizeUtf8(text);
  return Convert(handle, text);
}
