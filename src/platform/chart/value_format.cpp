#include "platform/chart/value_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace kovia {
namespace {

// The `significant` leading digits of a magnitude, correctly rounded, and the decimal
// exponent of the first one: magnitude ~ d1.d2d3... x 10^exponent.
struct Digits {
  std::string digits;
  int exponent = 0;
};

Digits scientificDigits(double magnitude, int significant) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific,
                                    std::max(0, significant - 1));
  const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
  Digits out;
  const std::size_t e = text.find('e');
  for (std::size_t i = 0; i < e; ++i) {
    if (text[i] != '.') out.digits.push_back(text[i]);
  }
  out.exponent = std::atoi(std::string(text.substr(e + 1)).c_str());
  return out;
}

std::string fixedDigits(double magnitude, int decimals) {
  char buffer[400];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::fixed, decimals);
  return std::string(buffer, static_cast<std::size_t>(result.ptr - buffer));
}

std::string nonFinite(double value) {
  if (std::isnan(value)) return "NAN";
  return value < 0 ? "-INF" : "INF";
}

bool allZeroDigits(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c < '1' || c > '9'; });
}

std::string groupThousands(const std::string& integer, char separator) {
  std::string out;
  const int n = static_cast<int>(integer.size());
  for (int i = 0; i < n; ++i) {
    if (i > 0 && (n - i) % 3 == 0) out.push_back(separator);
    out.push_back(integer[static_cast<std::size_t>(i)]);
  }
  return out;
}

std::string formatScientific(double value, const LabelFormat& f, char decimalSeparator) {
  const int integerDigits = std::max(1, f.integerPlaceholders);
  const int maxDecimals = f.requiredDecimals + f.optionalDecimals;
  std::string mantissa;
  int exponent = 0;
  if (value == 0.0) {
    mantissa.assign(static_cast<std::size_t>(integerDigits + maxDecimals), '0');
  } else {
    const Digits d = scientificDigits(std::fabs(value), integerDigits + maxDecimals);
    mantissa = d.digits;
    exponent = d.exponent - (integerDigits - 1);
  }
  std::string integer = mantissa.substr(0, static_cast<std::size_t>(integerDigits));
  std::string fraction = mantissa.substr(static_cast<std::size_t>(integerDigits));
  while (static_cast<int>(fraction.size()) > f.requiredDecimals && fraction.back() == '0')
    fraction.pop_back();

  std::string out;
  if (value < 0.0 && !allZeroDigits(mantissa)) out.push_back('-');
  out += integer;
  if (!fraction.empty()) {
    out.push_back(decimalSeparator);
    out += fraction;
  }
  out.push_back(f.exponentChar);
  if (exponent < 0) {
    out.push_back('-');
  } else if (f.exponentSignAlways) {
    out.push_back('+');
  }
  std::string expDigits = std::to_string(std::abs(exponent));
  if (static_cast<int>(expDigits.size()) < f.exponentDigits) {
    expDigits.insert(0, static_cast<std::size_t>(f.exponentDigits) - expDigits.size(), '0');
  }
  return out + expDigits;
}

std::string formatFixed(double value, const LabelFormat& f, char decimalSeparator) {
  const int maxDecimals = f.requiredDecimals + f.optionalDecimals;
  const std::string text = fixedDigits(std::fabs(value), maxDecimals);
  const std::size_t point = text.find('.');
  std::string integer = text.substr(0, point);
  std::string fraction = point == std::string::npos ? std::string() : text.substr(point + 1);
  while (static_cast<int>(fraction.size()) > f.requiredDecimals && fraction.back() == '0')
    fraction.pop_back();
  if (integer == "0" && f.integerZeros == 0) integer.clear();
  if (static_cast<int>(integer.size()) < f.integerZeros) {
    integer.insert(0, static_cast<std::size_t>(f.integerZeros) - integer.size(), '0');
  }
  if (f.grouping) integer = groupThousands(integer, decimalSeparator == ',' ? '.' : ',');
  std::string out;
  if (value < 0.0 && !allZeroDigits(text)) out.push_back('-');
  out += integer;
  if (!fraction.empty()) {
    out.push_back(decimalSeparator);
    out += fraction;
  }
  if (out.empty() || out == "-") return std::string(1, '0');
  return out;
}

}  // namespace

std::optional<LabelFormat> parseLabelFormat(std::string_view format) {
  LabelFormat f;
  std::size_t i = 0;
  const std::size_t n = format.size();
  for (; i < n && (format[i] == '0' || format[i] == '#' || format[i] == ','); ++i) {
    if (format[i] == ',') {
      f.grouping = true;
    } else {
      ++f.integerPlaceholders;
      if (format[i] == '0') ++f.integerZeros;
    }
  }
  if (i < n && format[i] == '.') {
    ++i;
    for (; i < n && format[i] == '0'; ++i) ++f.requiredDecimals;
    for (; i < n && format[i] == '#'; ++i) ++f.optionalDecimals;
  }
  if (i < n && (format[i] == 'E' || format[i] == 'e')) {
    f.scientific = true;
    f.exponentChar = format[i++];
    if (i >= n || (format[i] != '+' && format[i] != '-')) return std::nullopt;
    f.exponentSignAlways = format[i++] == '+';
    for (; i < n && format[i] == '0'; ++i) ++f.exponentDigits;
    if (f.exponentDigits == 0) return std::nullopt;
  }
  if (i != n) return std::nullopt;
  if (f.integerPlaceholders + f.requiredDecimals + f.optionalDecimals == 0) return std::nullopt;
  return f;
}

std::string formatWithPattern(double value, const LabelFormat& format, char decimalSeparator) {
  if (!std::isfinite(value)) return nonFinite(value);
  return format.scientific ? formatScientific(value, format, decimalSeparator)
                           : formatFixed(value, format, decimalSeparator);
}

std::string generalTickLabel(double value, double step, char decimalSeparator) {
  if (!std::isfinite(value)) return nonFinite(value);
  step = std::fabs(step);
  if (!std::isfinite(step) || step == 0.0) step = std::fabs(value);
  if (value == 0.0 || std::fabs(value) <= step * 1e-9) return "0";
  const double magnitude = std::fabs(value);
  const int stepExponent = static_cast<int>(std::floor(std::log10(step)));
  // A step such as 2.5 x 10^k needs one digit more than its exponent says.
  const double stepMantissa = step / std::pow(10.0, stepExponent);
  const int extra = std::fabs(stepMantissa - std::round(stepMantissa)) > 1e-6 ? 1 : 0;
  if (magnitude >= 1e9 || magnitude < 1e-4) {
    const int valueExponent = static_cast<int>(std::floor(std::log10(magnitude)));
    const int significant = std::clamp(valueExponent - stepExponent + 1 + extra, 1, 15);
    const Digits d = scientificDigits(magnitude, significant);
    std::string digits = d.digits;
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    std::string out = value < 0 ? "-" : "";
    out.push_back(digits[0]);
    if (digits.size() > 1) {
      out.push_back(decimalSeparator);
      out.append(digits, 1, std::string::npos);
    }
    return out + "E" + std::to_string(d.exponent);
  }
  const int decimals = std::clamp(-stepExponent + extra, 0, 15);
  std::string text = fixedDigits(magnitude, decimals);
  if (allZeroDigits(text)) return "0";
  if (decimalSeparator != '.') std::replace(text.begin(), text.end(), '.', decimalSeparator);
  return value < 0 ? "-" + text : text;
}

}  // namespace kovia
