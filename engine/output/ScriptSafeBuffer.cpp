#include "engine/output/ScriptSafeBuffer.h"

namespace {

constexpr std::size_t kBufferSize = 1 << 16;

// The UTF-8 form of U+2028 and U+2029 is E2 80 A8 and E2 80 A9.
constexpr char kLead = '\xE2';
constexpr char kMiddle = '\x80';

// How many bytes at the end of text could begin a line separator.
std::size_t OpenSeparatorBytes(const std::string& text, std::size_t end) {
  if (end >= 1 && text[end - 1] == kLead) return 1;
  if (end >= 2 && text[end - 2] == kLead && text[end - 1] == kMiddle) return 2;
  return 0;
}

}  // namespace

ScriptSafeBuffer::ScriptSafeBuffer(std::ostream& out) : out_(out), buffer_(kBufferSize, '\0') {
  setp(buffer_.data(), buffer_.data() + buffer_.size());
}

ScriptSafeBuffer::~ScriptSafeBuffer() { Drain(true); }

ScriptSafeBuffer::int_type ScriptSafeBuffer::overflow(int_type c) {
  Drain(false);
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  *pptr() = traits_type::to_char_type(c);
  pbump(1);
  return c;
}

int ScriptSafeBuffer::sync() {
  Drain(true);
  out_.flush();
  return out_ ? 0 : -1;
}

void ScriptSafeBuffer::Drain(bool final) {
  std::size_t used = static_cast<std::size_t>(pptr() - pbase());
  std::size_t keep = final ? 0 : OpenSeparatorBytes(buffer_, used);
  std::size_t end = used - keep;
  escaped_.clear();
  for (std::size_t i = 0; i < end; ++i) {
    char c = buffer_[i];
    if (c == '<') {
      escaped_ += "\\u003c";
    } else if (c == '>') {
      escaped_ += "\\u003e";
    } else if (c == '&') {
      escaped_ += "\\u0026";
    } else if (c == kLead && i + 2 < end && buffer_[i + 1] == kMiddle &&
               (buffer_[i + 2] == '\xA8' || buffer_[i + 2] == '\xA9')) {
      escaped_ += buffer_[i + 2] == '\xA8' ? "\\u2028" : "\\u2029";
      i += 2;
    } else {
      escaped_ += c;
    }
  }
  out_.write(escaped_.data(), static_cast<std::streamsize>(escaped_.size()));
  for (std::size_t k = 0; k < keep; ++k) buffer_[k] = buffer_[end + k];
  setp(buffer_.data(), buffer_.data() + buffer_.size());
  pbump(static_cast<int>(keep));
}
