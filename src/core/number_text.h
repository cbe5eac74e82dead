// Number texts of value cells: the conversion of a cell's text to a number and the
// general, default and integer number texts. Independent of the C library's global
// locale; the decimal separator is always passed in explicitly.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace kovia {

// Raised when a text is not a number. what() is exactly
// "'<text>' is not a valid floating point value".
class ConversionError : public std::runtime_error {
 public:
  explicit ConversionError(std::string_view text);
};

// Converts a cell text to an extended-precision value, correctly rounded.
// Grammar: optional blanks, optional sign, digits with at most one decimal separator
// (at least one digit in all: ".5" and "5." are numbers, "." is not), optional exponent
// ('E' or 'e', optional sign, at least one digit), optional blanks; nothing else.
// A magnitude beyond the extended range throws; an underflow reads as 0 (a value inside
// the subnormal range keeps its correctly rounded subnormal value).
// Throws ConversionError.
long double textToFloat(std::string_view text, char decimalSeparator);

// As textToFloat, without throwing: false when the text is not a number.
bool tryTextToFloat(std::string_view text, char decimalSeparator, long double& value) noexcept;

// General format with `digits` significant digits (1..18, clamped): the exact binary value is
// rounded to `digits` digits, a half away from zero, trailing zeros dropped; fixed notation
// when -3 <= E <= digits (value = 0.d1d2... x 10^E after rounding), else "1.234568E-5";
// zero of either sign is "0". Non-finite values are written "NAN", "INF" or "-INF"
// (callers keep them away from cells and files).
std::string generalText(long double value, int digits, char decimalSeparator);
inline std::string generalText(double value, int digits, char decimalSeparator) {
  return generalText(static_cast<long double>(value), digits, decimalSeparator);
}
inline std::string generalText(float value, int digits, char decimalSeparator) {
  return generalText(static_cast<long double>(value), digits, decimalSeparator);
}

// Appends the general text to `out` (the hot path of grid filling).
void appendGeneralText(std::string& out, long double value, int digits, char decimalSeparator);

// Default number text: the general format with 15 significant digits.
inline std::string defaultText(long double value, char decimalSeparator) {
  return generalText(value, 15, decimalSeparator);
}

// Integer text: plain decimal, '-' for negative values, no leading zeros.
std::string integerText(long long value);

}  // namespace kovia
