#pragma once
#include <cstddef>
#include <string>

// The chart library's text: wide characters. A std::string or char text given
// to it is read as UTF-8; text in the engine's local code page or output
// language comes in through XUtility.
class ChartString {
 public:
  ChartString() = default;
  ChartString(const std::string& utf8);  // NOLINT(google-explicit-constructor): UTF-8 converts implicitly
  ChartString(const char* utf8);         // NOLINT(google-explicit-constructor): null is the empty text
  ChartString(std::wstring wide);        // NOLINT(google-explicit-constructor)
  ChartString(const wchar_t* wide);      // NOLINT(google-explicit-constructor): null is the empty text

  ChartString& assign(const ChartString& other);
  ChartString& append(const ChartString& other);
  // Invalid UTF-8 sequences become U+FFFD.
  ChartString& assignUTF8(const std::string& utf8);
  // The shortest text of at most `digits` significant digits that stands for
  // value: 3 gives "3", 0.1 "0.1", 1.0000000000000002 with 16 digits "1".
  ChartString& assignDouble(double value, int digits);
  ChartString& appendDouble(double value, int digits = 16);
  // Removes blanks (U+0020) at the end, and at the start too when bothEnds is true.
  ChartString& trimSpaces(bool bothEnds = true);
  // Replaces every occurrence of `from` (not empty) by `to`, left to right;
  // returns how many were replaced.
  int replaceSubstring(const ChartString& from, const ChartString& to);

  bool equals(const ChartString& other) const { return text_ == other.text_; }
  bool operator==(const ChartString& other) const { return text_ == other.text_; }
  bool empty() const { return text_.empty(); }
  void clear() { text_.clear(); }
  std::size_t length() const { return text_.size(); }
  // The zero-terminated wide text.
  const wchar_t* xc_str() const { return text_.c_str(); }
  std::string toUTF8() const;

 private:
  std::wstring text_;
};
