// Small rules of the phase window that need no widget: the measurement-duration foot text,
// the range indicators of the unit choice, and the order field's integer conversion.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace kovia {

// Foot text of the data, accumulated-phase and residual charts for `readings` readings taken
// every `tauSeconds` seconds, in 32-bit integer arithmetic with truncating division (a product
// beyond 32 bits wraps, as the window has always computed it):
// "(<n·t/60> minutos de medición con TAU= <t> s)" while n·t < 3600, else
// "(<n·t/3600> horas de medición con TAU= <t> s)".
std::string measurementDurationText(std::int32_t readings, std::int32_t tauSeconds);

// Item of the degrees range indicator ("-180 A 180" = 1, "0 A 360" = 2) for readings whose
// greatest and smallest values are given (both 0 when there are none): "0 A 360" when the
// greatest is above 180 or the smallest is 0 or more.
int degreesRangeItem(double greatest, double smallest);

// Item of the time-scale indicator: "100 ns" (1) for a nominal frequency of exactly
// 10 000 000 Hz, else "200 ns" (2).
int timeScaleItem(double nominalHz);

// Raised when a text is not an integer: "'<text>' is not a valid integer value".
class IntegerConversionError : public std::invalid_argument {
 public:
  explicit IntegerConversionError(std::string_view text);
};

// The platform's text-to-integer conversion: optional leading blanks, an optional sign and
// decimal digits, within the signed 32-bit range; anything else throws.
std::int32_t textToInteger(std::string_view text);

}  // namespace kovia
