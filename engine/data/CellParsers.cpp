#include "engine/data/CellParsers.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The digits of [p, end) as a number; false when one is not a digit.
bool ReadDigits(const char* p, const char* end, int* value) {
  int result = 0;
  if (p == end) return false;
  for (; p < end; ++p) {
    if (!IsDigit(*p)) return false;
    result = result * 10 + (*p - '0');
  }
  *value = result;
  return true;
}

// Days from 1970-01-01 to a date of the proleptic Gregorian calendar.
long DaysFromCivil(int year, int month, int day) {
  year -= month <= 2;
  const long era = (year >= 0 ? year : year - 399) / 400;
  const long yearOfEra = year - era * 400;
  const long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool EqualsIgnoringCase(std::string_view text, std::string_view word) {
  if (text.size() != word.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i)
    if ((text[i] | 0x20) != word[i]) return false;
  return true;
}

std::string_view TrimBlanks(std::string_view text) {
  std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// NaN, INF, -INF and +INF.
bool ParseNotFinite(std::string_view text, double* value) {
  if (EqualsIgnoringCase(text, "nan")) {
    *value = std::nan("");
    return true;
  }
  bool negative = !text.empty() && text[0] == '-';
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) text.remove_prefix(1);
  if (!EqualsIgnoringCase(text, "inf") && !EqualsIgnoringCase(text, "infinity")) return false;
  *value = negative ? -HUGE_VAL : HUGE_VAL;
  return true;
}

// A number from_chars refused as out of range: infinite beyond the double
// range, as strtod rounds it below.
double OutOfRangeValue(const char* first, const char* end) { return std::strtod(std::string(first, end).c_str(), nullptr); }

// A number written in a form as a plain number: without group characters,
// with a point for the decimal character and, unless bare, without the text
// around it.
std::string PlainNumberText(std::string_view text, const NumberForm& form) {
  if (!form.bareNumber) {
    auto isNumberChar = [&](char c) { return IsDigit(c) || c == form.decimalChar; };
    std::size_t first = 0;
    while (first < text.size() && !isNumberChar(text[first])) ++first;
    if (first > 0 && (text[first - 1] == '-' || text[first - 1] == '+')) --first;
    std::size_t last = text.size();
    while (last > first && !isNumberChar(text[last - 1])) --last;
    text = text.substr(first, last - first);
  }
  std::string plain;
  for (char c : text) {
    if (c == form.groupChar) continue;
    plain += c == form.decimalChar ? '.' : c == '.' ? 'x' : c;  // a stray '.' makes the text no number
  }
  return plain;
}

}  // namespace

bool ParseNumberText(std::string_view text, double* value, int* decimals) {
  if (!text.empty() && (text.front() == ' ' || text.back() == ' ' || text.front() == '\t' || text.back() == '\t'))
    text = TrimBlanks(text);
  if (text.empty()) return false;
  if ((text.back() | 0x20) == 'n' || (text.back() | 0x20) == 'f' || (text.back() | 0x20) == 'y') {
    *decimals = 0;
    if (ParseNotFinite(text, value)) return true;
  }
  const char* end = text.data() + text.size();
  PlainDecimal decimal;
  const char* p = ScanPlainDecimal(text.data(), end, &decimal);
  if (!decimal.anyDigit) return false;
  *decimals = decimal.fraction;
  if (p == end && PlainDecimalValue(decimal, value)) return true;
  if (p < end && (*p == 'e' || *p == 'E')) {
    const char* q = p + 1;
    if (q < end && (*q == '-' || *q == '+')) ++q;
    if (q == end) return false;
    for (; q < end; ++q)
      if (!IsDigit(*q)) return false;
  } else if (p != end) {
    return false;
  }
  const char* first = text.data() + (text[0] == '+');
  auto [last, error] = std::from_chars(first, end, *value);
  if (error == std::errc::result_out_of_range && last == end) *value = OutOfRangeValue(first, end);
  return (error == std::errc() || error == std::errc::result_out_of_range) && last == end;
}

bool ParseNumberInForm(std::string_view text, const NumberForm& form, double* value, int* decimals) {
  if (form.IsPlain()) return ParseNumberText(text, value, decimals);
  std::string plain = PlainNumberText(text, form);
  return !plain.empty() && ParseNumberText(plain, value, decimals);
}

bool ParseDateText(std::string_view text, double* value) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
  int year, month, day;
  const char* p = text.data();
  if (!ReadDigits(p, p + 4, &year) || !ReadDigits(p + 5, p + 7, &month) || !ReadDigits(p + 8, p + 10, &day))
    return false;
  if (month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month)) return false;
  *value = static_cast<double>(DaysFromCivil(year, month, day)) * 86400.0;
  return true;
}

bool ParseTimeText(std::string_view text, double* value) {
  if (text.size() < 5 || text[2] != ':') return false;
  int hours, minutes;
  const char* p = text.data();
  if (!ReadDigits(p, p + 2, &hours) || !ReadDigits(p + 3, p + 5, &minutes) || hours > 23 || minutes > 59) return false;
  double seconds = 0;
  if (text.size() > 5) {
    if (text[5] != ':' || text.size() < 8 || !IsDigit(text[6]) || !IsDigit(text[7])) return false;
    int decimals;
    if (!ParseNumberText(text.substr(6), &seconds, &decimals) || seconds >= 60 || text[6] == '-' || text[6] == '+')
      return false;
  }
  *value = hours * 3600.0 + minutes * 60.0 + seconds;
  return true;
}

bool ParseDateTimeText(std::string_view text, double* value) {
  if (text.size() < 16 || (text[10] != 'T' && text[10] != ' ')) return false;
  std::string_view time = text.substr(11);
  if (!time.empty() && time.back() == 'Z') time.remove_suffix(1);
  double date, seconds;
  if (!ParseDateText(text.substr(0, 10), &date) || !ParseTimeText(time, &seconds)) return false;
  *value = date + seconds;
  return true;
}
