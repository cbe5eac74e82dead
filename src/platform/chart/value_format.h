// Texts of axis value labels: the designed label formats ("0.#####E+00", "#.0E-00",
// "0.00E+00", "0.###", "#,##0.###") and a general label chosen from the tick spacing.
// Independent of Qt and of the C library's global locale; the decimal separator is
// always passed in.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kovia {

// A label format: digit placeholders '0' (always shown) and '#' (shown when needed) before
// and after an optional '.', optional ',' in the integer part (thousands grouping), and an
// optional exponent part "E+00" / "E-00" / "e+0": '+' writes the exponent's sign always,
// '-' only when negative; the zeros give its minimum number of digits.
struct LabelFormat {
  int integerPlaceholders = 0;  // '0' and '#' before the point
  int integerZeros = 0;         // '0' before the point
  int requiredDecimals = 0;     // '0' after the point
  int optionalDecimals = 0;     // '#' after the point (after the zeros)
  bool grouping = false;
  bool scientific = false;
  char exponentChar = 'E';
  bool exponentSignAlways = false;
  int exponentDigits = 0;
};

// Parses a label format; nullopt when the text is empty or not of the form above (such a
// format falls back to the general label).
std::optional<LabelFormat> parseLabelFormat(std::string_view format);

// Writes `value` with `format`. Scientific formats keep as many integer digits in the
// mantissa as the format has placeholders before the point (at least one), round to the
// number of decimals the format allows (half to even on the exact binary value) and drop
// optional trailing zeros. Non-finite values are written "NAN", "INF", "-INF".
std::string formatWithPattern(double value, const LabelFormat& format, char decimalSeparator);

// General tick label: fixed notation with as many decimals as the tick spacing `step`
// needs (the same for every label of an axis), or a short scientific text ("2.5E-12")
// when |value| >= 1e9 or |value| < 1e-4. A value within step * 1e-9 of zero is "0".
std::string generalTickLabel(double value, double step, char decimalSeparator);

}  // namespace kovia
