#pragma once
#include <cstring>
#include <string>
#include <string_view>

#include "engine/data/CellParsers.h"

// Splits CSV text into fields: a field ends at the delimiter or at the end of
// its line ("\n" or "\r\n"); a quoted field may hold delimiters, line ends
// and doubled quotes.
class CsvFieldScanner {
 public:
  enum class Stop { kDelimiter, kRowEnd, kError };

  CsvFieldScanner(const char* begin, const char* end, char delimiter, char quote, long line)
      : p_(begin), end_(end), delimiter_(delimiter), quote_(quote), line_(line) {}

  // Reads the next field. text views the input, or the scanner's own copy
  // when the field held doubled quotes; it stays valid until the next call.
  Stop Next(std::string_view* text) {
    if (p_ < end_ && *p_ == quote_) return Quoted(text);
    const char* q = p_;
    while (q < end_ && *q != delimiter_ && *q != '\n') {
      if (*q == quote_) return Fail("a quote character inside an unquoted value");
      ++q;
    }
    const char* fieldEnd = q;
    if (fieldEnd > p_ && fieldEnd[-1] == '\r' && (q == end_ || *q == '\n')) --fieldEnd;
    *text = std::string_view(p_, static_cast<std::size_t>(fieldEnd - p_));
    return Finish(q);
  }

  // Reads a field that is a plain decimal number (unquoted, no exponent,
  // exactly convertible; with wholeOnly no decimal point either) straight
  // into value. False, without moving, for any other field.
  bool NextPlainNumber(bool wholeOnly, double* value, int* decimals, int* length, Stop* stop) {
    PlainDecimal decimal;
    const char* q = ScanPlainDecimal(p_, end_, &decimal);
    const char* fieldEnd = q;
    if (q < end_ && *q != delimiter_ && *q != '\n') {
      if (*q != '\r' || (q + 1 < end_ && q[1] != '\n')) return false;
      ++q;
    }
    if ((wholeOnly && decimal.fraction > 0) || !PlainDecimalValue(decimal, value)) return false;
    *decimals = decimal.fraction;
    *length = static_cast<int>(fieldEnd - p_);
    *stop = Finish(q);
    return true;
  }

  bool AtEnd() const { return p_ >= end_; }
  const char* Position() const { return p_; }
  long Line() const { return line_; }
  // The line on which the failed field began.
  long ErrorLine() const { return errorLine_; }
  const char* Error() const { return error_; }

 private:
  Stop Quoted(std::string_view* text) {
    long startLine = line_;
    const char* segment = p_ + 1;
    bool copied = false;
    for (;;) {
      const char* close = static_cast<const char*>(std::memchr(segment, quote_, static_cast<std::size_t>(end_ - segment)));
      if (!close) {
        line_ = startLine;
        return Fail("the quoted value is not closed");
      }
      for (const char* c = segment; c < close; ++c) line_ += *c == '\n';
      if (close + 1 < end_ && close[1] == quote_) {
        if (!copied) scratch_.clear();
        scratch_.append(segment, static_cast<std::size_t>(close + 1 - segment));
        copied = true;
        segment = close + 2;
        continue;
      }
      if (copied) {
        scratch_.append(segment, static_cast<std::size_t>(close - segment));
        *text = scratch_;
      } else {
        *text = std::string_view(segment, static_cast<std::size_t>(close - segment));
      }
      const char* after = close + 1;
      if (after + 1 < end_ && after[0] == '\r' && after[1] == '\n') ++after;
      if (after < end_ && *after != delimiter_ && *after != '\n') {
        line_ = startLine;
        return Fail("a character follows the closing quote");
      }
      return Finish(after);
    }
  }

  Stop Finish(const char* q) {
    if (q >= end_) {
      p_ = end_;
      return Stop::kRowEnd;
    }
    p_ = q + 1;
    if (*q == delimiter_) return Stop::kDelimiter;
    ++line_;
    return Stop::kRowEnd;
  }

  Stop Fail(const char* error) {
    error_ = error;
    errorLine_ = line_;
    return Stop::kError;
  }

  const char* p_;
  const char* end_;
  char delimiter_;
  char quote_;
  long line_;
  long errorLine_ = 0;
  const char* error_ = "";
  std::string scratch_;
};
