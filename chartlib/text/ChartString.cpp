#include "ChartString.h"

#include "chartlib/text/ShortestDouble.h"
#include "chartlib/text/Utf8.h"

ChartString::ChartString(const std::string& utf8) : text_(DecodeUtf8(utf8)) {}

ChartString::ChartString(const char* utf8) : text_(utf8 ? DecodeUtf8(utf8) : std::wstring()) {}

ChartString::ChartString(std::wstring wide) : text_(std::move(wide)) {}

ChartString::ChartString(const wchar_t* wide) : text_(wide ? wide : L"") {}

ChartString& ChartString::assign(const ChartString& other) {
  text_ = other.text_;
  return *this;
}

ChartString& ChartString::append(const ChartString& other) {
  text_ += other.text_;
  return *this;
}

ChartString& ChartString::assignUTF8(const std::string& utf8) {
  text_ = DecodeUtf8(utf8);
  return *this;
}

ChartString& ChartString::assignDouble(double value, int digits) {
  text_ = DecodeUtf8(ShortestDoubleText(value, digits));
  return *this;
}

ChartString& ChartString::appendDouble(double value, int digits) {
  text_ += DecodeUtf8(ShortestDoubleText(value, digits));
  return *this;
}

ChartString& ChartString::trimSpaces(bool bothEnds) {
  std::size_t end = text_.find_last_not_of(L' ');
  if (end == std::wstring::npos) {
    text_.clear();
    return *this;
  }
  text_.erase(end + 1);
  if (bothEnds) text_.erase(0, text_.find_first_not_of(L' '));
  return *this;
}

int ChartString::replaceSubstring(const ChartString& from, const ChartString& to) {
  if (from.empty()) return 0;
  int replaced = 0;
  for (std::size_t at = text_.find(from.text_); at != std::wstring::npos;
       at = text_.find(from.text_, at + to.text_.size())) {
    text_.replace(at, from.text_.size(), to.text_);
    ++replaced;
  }
  return replaced;
}

std::string ChartString::toUTF8() const { return EncodeUtf8(text_); }
