// The colour type of the windows: a 32-bit value $00BBGGRR (blue in the high byte of the three).
#pragma once

#include <cstdint>

namespace kovia {

using Color = std::uint32_t;

constexpr Color makeColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return static_cast<Color>(red) | (static_cast<Color>(green) << 8) | (static_cast<Color>(blue) << 16);
}
constexpr std::uint8_t redOf(Color c) { return static_cast<std::uint8_t>(c & 0xFFu); }
constexpr std::uint8_t greenOf(Color c) { return static_cast<std::uint8_t>((c >> 8) & 0xFFu); }
constexpr std::uint8_t blueOf(Color c) { return static_cast<std::uint8_t>((c >> 16) & 0xFFu); }

namespace colors {
constexpr Color kNavy = 0x00800000;
constexpr Color kRed = 0x000000FF;
constexpr Color kBlue = 0x00FF0000;
constexpr Color kLime = 0x0000FF00;
constexpr Color kAqua = 0x00FFFF00;
constexpr Color kBar = 0x008000FF;
constexpr Color kWhite = 0x00FFFFFF;
constexpr Color kBlack = 0x00000000;
constexpr Color kSilver = 0x00C0C0C0;
}  // namespace colors

}  // namespace kovia
