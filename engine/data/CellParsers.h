#pragma once
#include <cstdint>
#include <string_view>

// Converters from the text of a CSV cell to the number stored in the cell.
// Each returns false when the text is not a value of its kind.

// A decimal number such as -12.5, 3e-4 or .5, blanks around it allowed.
// NaN, INF and -INF (in any case) and numbers beyond the double range (1e309)
// are numbers too: *value is then not finite, and the caller decides what
// they become. decimals receives the number of digits after the decimal
// point.
bool ParseNumberText(std::string_view text, double* value, int* decimals);

// How a data package writes the numbers of a field.
struct NumberForm {
  char groupChar = 0;      // between groups of digits, such as ',' in 1,234
  char decimalChar = '.';  // before the fraction
  bool bareNumber = true;  // false: text may come before and after the number ("$12", "5 %")

  bool IsPlain() const { return groupChar == 0 && decimalChar == '.' && bareNumber; }
};

// A number written in the form; false when the text holds none.
bool ParseNumberInForm(std::string_view text, const NumberForm& form, double* value, int* decimals);
// yyyy-mm-dd, as seconds since 1970-01-01.
bool ParseDateText(std::string_view text, double* value);
// hh:mm or hh:mm:ss with optional fractions of a second, as seconds.
bool ParseTimeText(std::string_view text, double* value);
// A date, "T" or a blank, a time and an optional "Z", as seconds since 1970-01-01.
bool ParseDateTimeText(std::string_view text, double* value);

// The parts of a decimal number written [-+]digits[.digits], as far as they
// could be read exactly.
struct PlainDecimal {
  std::uint64_t mantissa = 0;  // at most 19 significant digits
  int exponent = 0;            // of ten
  int fraction = 0;            // digits after the point
  bool negative = false;
  bool exact = true;  // false when digits were left out of the mantissa
  bool anyDigit = false;
};

// Reads a plain decimal from p and returns where it stopped. The parts are
// kept in locals and stored once: stores through d could alias the text,
// which would make every digit reload them.
inline const char* ScanPlainDecimal(const char* p, const char* end, PlainDecimal* d) {
  constexpr int kMaxDigits = 19;
  int digits = 0;
  std::uint64_t mantissa = d->mantissa;
  int exponent = d->exponent, fraction = d->fraction;
  bool exact = d->exact, anyDigit = d->anyDigit;
  d->negative = p < end && *p == '-';
  if (p < end && (*p == '-' || *p == '+')) ++p;
  for (; p < end && static_cast<unsigned>(*p - '0') < 10; ++p) {
    anyDigit = true;
    if (digits < kMaxDigits) {
      mantissa = mantissa * 10 + static_cast<unsigned>(*p - '0');
      digits += mantissa != 0;
    } else {
      exact = false;
    }
  }
  if (p < end && *p == '.') {
    for (++p; p < end && static_cast<unsigned>(*p - '0') < 10; ++p, ++fraction) {
      anyDigit = true;
      if (digits < kMaxDigits) {
        mantissa = mantissa * 10 + static_cast<unsigned>(*p - '0');
        digits += mantissa != 0;
        --exponent;
      } else {
        exact = false;
      }
    }
  }
  d->mantissa = mantissa;
  d->exponent = exponent;
  d->fraction = fraction;
  d->exact = exact;
  d->anyDigit = anyDigit;
  return p;
}

// Whether one correctly rounded operation on exact doubles gives the value.
inline bool PlainDecimalFits(const PlainDecimal& d) {
  return d.anyDigit && d.exact && d.mantissa <= (std::uint64_t{1} << 53) && d.exponent >= -22;
}

// The value of a decimal that fits.
inline double FittingPlainDecimalValue(const PlainDecimal& d) {
  static constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                            1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  double result = static_cast<double>(d.mantissa);
  if (d.exponent < 0) result /= kPowersOfTen[-d.exponent];
  return d.negative ? -result : result;
}

// The value, when the decimal fits.
inline bool PlainDecimalValue(const PlainDecimal& d, double* value) {
  if (!PlainDecimalFits(d)) return false;
  *value = FittingPlainDecimalValue(d);
  return true;
}
