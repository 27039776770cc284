#pragma once
#include <string_view>

// Converters from the text of a CSV cell to the number stored in the cell.
// Each returns false when the text is not a value of its kind.

// A decimal number such as -12.5, 3e-4 or .5 (no blanks, no "inf" or "nan").
// decimals receives the number of digits after the decimal point.
bool ParseNumberText(std::string_view text, double* value, int* decimals);
// yyyy-mm-dd, as seconds since 1970-01-01.
bool ParseDateText(std::string_view text, double* value);
// hh:mm or hh:mm:ss with optional fractions of a second, as seconds.
bool ParseTimeText(std::string_view text, double* value);
// A date, "T" or a blank, a time and an optional "Z", as seconds since 1970-01-01.
bool ParseDateTimeText(std::string_view text, double* value);
