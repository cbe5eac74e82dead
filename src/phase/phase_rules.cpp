#include "phase/phase_rules.h"

#include <limits>

namespace kovia {

std::string measurementDurationText(std::int32_t readings, std::int32_t tauSeconds) {
  // Two's-complement wrap of the 32-bit product, without signed overflow.
  const auto product = static_cast<std::int32_t>(static_cast<std::uint32_t>(readings) *
                                                 static_cast<std::uint32_t>(tauSeconds));
  const bool minutes = product < 3600;
  std::string text = "(";
  text += std::to_string(minutes ? product / 60 : product / 3600);
  text += minutes ? " minutos" : " horas";
  text += " de medición con TAU= ";
  text += std::to_string(tauSeconds);
  text += " s)";
  return text;
}

int degreesRangeItem(double greatest, double smallest) {
  return greatest > 180.0 || smallest >= 0.0 ? 2 : 1;
}

int timeScaleItem(double nominalHz) {
  return nominalHz == 10000000.0 ? 1 : 2;
}

namespace {
std::string integerMessage(std::string_view text) {
  std::string message = "'";
  message.append(text);
  message += "' is not a valid integer value";
  return message;
}
}  // namespace

IntegerConversionError::IntegerConversionError(std::string_view text)
    : std::invalid_argument(integerMessage(text)) {}

std::int32_t textToInteger(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i == text.size()) throw IntegerConversionError(text);
  long long value = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c < '0' || c > '9') throw IntegerConversionError(text);
    value = value * 10 + (c - '0');
    if (value > static_cast<long long>(std::numeric_limits<std::int32_t>::max()) + 1) {
      throw IntegerConversionError(text);
    }
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<std::int32_t>::max()) throw IntegerConversionError(text);
  return static_cast<std::int32_t>(value);
}

}  // namespace kovia
