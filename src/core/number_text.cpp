// Conversion of cell texts to numbers and the general number text.
//
// Both directions are exact and independent of the C library's global locale:
// - textToFloat validates the grammar itself, then converts either with one correctly
//   rounded x87 operation (at most 19 significant digits and a small power of ten, where
//   both operands are exact) or with strtold_l on a "C" locale object.
// - generalText rounds the exact binary value m * 2^e with integer arithmetic (up to 192
//   bits) for the usual range of magnitudes; far outside it, the digits come from the
//   library's exact long double printing, whose round-half-even result is corrected on
//   exact ties so that a half always rounds away from zero.
#include "core/number_text.h"

#include <array>
#include <bit>
#include <cerrno>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <locale.h>
#include <string>

static_assert(LDBL_MANT_DIG == 64, "long double must be the x87 extended format");

namespace kovia {

namespace {
std::string conversionMessage(std::string_view text) {
  constexpr std::string_view kTail = "' is not a valid floating point value";
  std::string message;
  message.reserve(text.size() + kTail.size() + 1);
  message += '\'';
  message += text;
  message += kTail;
  return message;
}
}  // namespace

ConversionError::ConversionError(std::string_view text)
    : std::runtime_error(conversionMessage(text)) {}

namespace {

using u64 = std::uint64_t;
__extension__ typedef unsigned __int128 u128;

constexpr int kMaxDigits = 18;

constexpr auto kPow10 = [] {
  std::array<u64, 20> table{};
  u64 p = 1;
  for (auto& entry : table) {
    entry = p;
    p *= 10;
  }
  return table;
}();

// 5^k for k = 0..55; 5^55 < 2^128.
constexpr int kMaxPow5 = 55;
constexpr auto kPow5 = [] {
  std::array<u128, kMaxPow5 + 1> table{};
  u128 p = 1;
  for (auto& entry : table) {
    entry = p;
    p *= 5;
  }
  return table;
}();

// 10^k for k = 0..27, each exact in the extended format (5^27 < 2^64).
constexpr int kMaxExactPow10 = 27;
constexpr auto kPow10L = [] {
  std::array<long double, kMaxExactPow10 + 1> table{};
  long double p = 1.0L;
  for (auto& entry : table) {
    entry = p;
    p *= 10.0L;
  }
  return table;
}();

// ---------------------------------------------------------------------------------------
// Text to number

locale_t cLocale() {
  static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return locale;
}

enum class Parse { kOk, kInvalid, kOverflow };

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Converts a text already known to be valid with strtold_l. `text` has its blanks trimmed.
Parse convertSlowly(std::string_view text, char decimalSeparator, long double& value) {
  std::string buffer(text);
  for (char& c : buffer) {
    if (c == decimalSeparator) c = '.';
  }
  errno = 0;
  char* end = nullptr;
  const long double result = strtold_l(buffer.c_str(), &end, cLocale());
  if (end != buffer.c_str() + buffer.size()) return Parse::kInvalid;
  if (std::isinf(result)) return Parse::kOverflow;
  // ERANGE without infinity is an underflow: strtold_l gives 0 or the correctly rounded
  // subnormal value, which is what we keep.
  value = result;
  return Parse::kOk;
}

Parse parseNumber(std::string_view text, char decimalSeparator, long double& value) {
  std::size_t i = 0;
  const std::size_t n = text.size();
  while (i < n && text[i] == ' ') ++i;
  const std::size_t begin = i;

  bool negative = false;
  if (i < n && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }

  // Significant digits: up to 19 go into `mantissa`; the value is mantissa * 10^scale
  // (exactly so unless `dropped` says a nonzero digit was left out).
  u64 mantissa = 0;
  int kept = 0;
  long long scale = 0;
  bool dropped = false;
  int digitCount = 0;
  auto takeDigit = [&](int d, bool fraction) {
    ++digitCount;
    if (kept == 0 && d == 0) {
      if (fraction) --scale;
      return;
    }
    if (kept < 19) {
      mantissa = mantissa * 10 + static_cast<u64>(d);
      ++kept;
      if (fraction) --scale;
    } else {
      if (d != 0) dropped = true;
      if (!fraction) ++scale;
    }
  };
  while (i < n && isDigit(text[i])) takeDigit(text[i++] - '0', false);
  if (i < n && text[i] == decimalSeparator) {
    ++i;
    while (i < n && isDigit(text[i])) takeDigit(text[i++] - '0', true);
  }
  if (digitCount == 0) return Parse::kInvalid;

  long long exponent = 0;
  if (i < n && (text[i] == 'E' || text[i] == 'e')) {
    ++i;
    bool negativeExponent = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
      negativeExponent = text[i] == '-';
      ++i;
    }
    if (i >= n || !isDigit(text[i])) return Parse::kInvalid;
    while (i < n && isDigit(text[i])) {
      // Saturates far beyond any meaningful exponent; strtold_l sees the true text.
      if (exponent < 1'000'000'000) exponent = exponent * 10 + (text[i] - '0');
      ++i;
    }
    if (negativeExponent) exponent = -exponent;
  }
  const std::size_t end = i;
  while (i < n && text[i] == ' ') ++i;
  if (i != n) return Parse::kInvalid;

  if (mantissa == 0) {
    value = negative ? -0.0L : 0.0L;
    return Parse::kOk;
  }
  long long power = scale + exponent;
  if (!dropped && power > kMaxExactPow10 && kept + (power - kMaxExactPow10) <= 19) {
    // Moving factors of ten into the mantissa keeps it exact: 1E30 is 1000 * 10^27.
    mantissa *= kPow10[static_cast<std::size_t>(power - kMaxExactPow10)];
    power = kMaxExactPow10;
  }
  if (!dropped && power >= -kMaxExactPow10 && power <= kMaxExactPow10) {
    // Both operands are exact, so one rounding gives the correctly rounded value.
    const long double m = static_cast<long double>(mantissa);
    const long double result = power >= 0 ? m * kPow10L[static_cast<std::size_t>(power)]
                                          : m / kPow10L[static_cast<std::size_t>(-power)];
    value = negative ? -result : result;
    return Parse::kOk;
  }
  return convertSlowly(text.substr(begin, end - begin), decimalSeparator, value);
}

// ---------------------------------------------------------------------------------------
// Exact binary value

// |v| = mantissa * 2^exponent with an odd mantissa (or zero).
struct Binary {
  bool negative = false;
  bool finite = true;
  bool nan = false;
  u64 mantissa = 0;
  int exponent = 0;
};

Binary decompose(long double v) {
  unsigned char bytes[sizeof(long double)];
  std::memcpy(bytes, &v, sizeof v);
  u64 significand;
  std::memcpy(&significand, bytes, sizeof significand);
  const unsigned signExponent = bytes[8] | (static_cast<unsigned>(bytes[9]) << 8);
  Binary b;
  b.negative = (signExponent & 0x8000u) != 0;
  const int biased = static_cast<int>(signExponent & 0x7FFFu);
  if (biased == 0x7FFF) {
    b.finite = false;
    b.nan = (significand << 1) != 0;
    return b;
  }
  if (significand == 0) return b;
  const int shift = std::countr_zero(significand);
  b.mantissa = significand >> shift;
  b.exponent = (biased == 0 ? 1 : biased) - 16383 - 63 + shift;
  return b;
}

// The value scaled by a power of ten, split into its integer part and the relation of its
// fraction to one half (-1 below, 0 exactly a half, 1 above).
struct Scaled {
  u64 integer = 0;
  int half = 0;
};

// A 192-bit unsigned integer, least significant word first.
struct U192 {
  u64 w[3];
  bool bit(int i) const { return ((w[i / 64] >> (i % 64)) & 1u) != 0; }
  // True when a bit below position n is set.
  bool anyBelow(int n) const {
    for (int word = 0; word < 3 && n > 0; ++word, n -= 64) {
      const u64 mask = n >= 64 ? ~u64{0} : (u64{1} << n) - 1;
      if ((w[word] & mask) != 0) return true;
    }
    return false;
  }
  // Bits [s, s + 64); false when a bit at s + 64 or above is set.
  bool extract(int s, u64& out) const {
    const int word = s / 64;
    const int offset = s % 64;
    u64 low = w[word] >> offset;
    if (offset != 0 && word + 1 < 3) low |= w[word + 1] << (64 - offset);
    out = low;
    if (offset != 0 && word + 1 < 3 && (w[word + 1] >> offset) != 0) return false;
    for (int above = word + (offset != 0 ? 2 : 1); above < 3; ++above) {
      if (w[above] != 0) return false;
    }
    return true;
  }
};

U192 multiply(u64 a, u128 b) {
  const u128 low = static_cast<u128>(a) * static_cast<u64>(b);
  const u128 high = static_cast<u128>(a) * static_cast<u64>(b >> 64);
  const u128 middle = (low >> 64) + static_cast<u64>(high);
  return U192{{static_cast<u64>(low), static_cast<u64>(middle),
               static_cast<u64>((high >> 64) + (middle >> 64))}};
}

int bitLength(u128 x) {
  const u64 high = static_cast<u64>(x >> 64);
  return high != 0 ? 128 - std::countl_zero(high) : 64 - std::countl_zero(static_cast<u64>(x));
}

// Scales m * 2^e by 10^k exactly with integer arithmetic. False when the operands leave
// the range this code handles (the caller then takes the slow path).
bool scaleExactly(u64 m, int e, int k, Scaled& out) {
  if (k >= 0) {
    if (k > kMaxPow5) return false;
    const U192 product = multiply(m, kPow5[static_cast<std::size_t>(k)]);
    const int shift = e + k;  // v * 10^k = product * 2^shift
    if (shift >= 0) {
      if (shift >= 64 || product.w[1] != 0 || product.w[2] != 0) return false;
      if (shift > 0 && (product.w[0] >> (64 - shift)) != 0) return false;
      out.integer = product.w[0] << shift;
      out.half = -1;
      return true;
    }
    const int s = -shift;
    if (s >= 192 || !product.extract(s, out.integer)) return false;
    if (!product.bit(s - 1)) {
      out.half = -1;
    } else {
      out.half = product.anyBelow(s - 1) ? 1 : 0;
    }
    return true;
  }
  const int kk = -k;
  if (kk > kMaxPow5) return false;
  const int shift = e - kk;  // v * 10^k = m * 2^shift / 5^kk
  u128 numerator = m;
  u128 denominator = kPow5[static_cast<std::size_t>(kk)];
  if (shift >= 0) {
    if (bitLength(m) + shift > 128) return false;
    numerator <<= shift;
  } else {
    if (bitLength(denominator) - shift > 127) return false;
    denominator <<= -shift;
  }
  u128 quotient;
  u128 remainder;
  if ((numerator >> 64) == 0 && (denominator >> 64) == 0) {
    quotient = static_cast<u64>(numerator) / static_cast<u64>(denominator);
    remainder = static_cast<u64>(numerator) % static_cast<u64>(denominator);
  } else {
    quotient = numerator / denominator;
    remainder = numerator % denominator;
  }
  if ((quotient >> 64) != 0) return false;
  out.integer = static_cast<u64>(quotient);
  const u128 rest = denominator - remainder;
  out.half = remainder < rest ? -1 : (remainder == rest ? 0 : 1);
  return true;
}

// floor(x * log10(2)); exact for the exponents of the extended format.
int floorLog10Pow2(int x) {
  return static_cast<int>(std::floor(static_cast<double>(x) * 0.30102999566398119521));
}

// The rounded value: digits * 10^(E - P), with 10^(P-1) <= digits < 10^P.
struct Rounded {
  u64 digits = 0;
  int E = 0;
};

// When m * 2^e * 10^k is exactly an integer and a half, returns true and that integer
// plus one (the away-from-zero neighbour); m is odd.
bool exactTie(u64 m, int e, int k, u64& roundedUp) {
  if (e + k + 1 != 0) return false;
  u128 twice;  // 2 * v * 10^k, an odd integer when this is a tie
  if (k >= 0) {
    if (k > kMaxPow5) return false;
    const U192 product = multiply(m, kPow5[static_cast<std::size_t>(k)]);
    if (product.w[1] != 0 || product.w[2] != 0) return false;
    twice = product.w[0];
  } else {
    if (-k > kMaxPow5) return false;
    const u128 divisor = kPow5[static_cast<std::size_t>(-k)];
    if (m % divisor != 0) return false;
    twice = m / divisor;
  }
  roundedUp = static_cast<u64>((twice + 1) / 2);
  return true;
}

// Digits of the correctly rounded value from the library's exact printing, which rounds
// exact ties to even; those are then rounded away from zero.
Rounded roundSlowly(long double magnitude, const Binary& b, int P) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                    std::chars_format::scientific, P - 1);
  Rounded r;
  const char* p = buffer;
  for (; p < result.ptr && *p != 'e'; ++p) {
    if (isDigit(*p)) r.digits = r.digits * 10 + static_cast<u64>(*p - '0');
  }
  int exponent = 0;
  std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), result.ptr, exponent);
  r.E = exponent + 1;
  u64 up;
  if (exactTie(b.mantissa, b.exponent, P - r.E, up)) {
    r.digits = up;
    if (r.digits == kPow10[static_cast<std::size_t>(P)]) {
      r.digits = kPow10[static_cast<std::size_t>(P - 1)];
      ++r.E;
    }
  }
  return r;
}

Rounded roundToDigits(long double magnitude, const Binary& b, int P) {
  const int log2Floor = b.exponent + 63 - std::countl_zero(b.mantissa);
  int E = floorLog10Pow2(log2Floor) + 1;  // the true E is this or one more
  Scaled s;
  for (int attempt = 0; attempt < 3; ++attempt) {
    if (!scaleExactly(b.mantissa, b.exponent, P - E, s)) return roundSlowly(magnitude, b, P);
    if (s.integer >= kPow10[static_cast<std::size_t>(P)]) {
      ++E;
    } else if (s.integer < kPow10[static_cast<std::size_t>(P - 1)]) {
      --E;
    } else {
      Rounded r{s.integer + (s.half >= 0 ? 1u : 0u), E};
      if (r.digits == kPow10[static_cast<std::size_t>(P)]) {
        r.digits = kPow10[static_cast<std::size_t>(P - 1)];
        ++r.E;
      }
      return r;
    }
  }
  return roundSlowly(magnitude, b, P);
}

constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// Writes the P digits of `value` (leading zeros included) to `out`.
void writeDigits(u64 value, int P, char* out) {
  int i = P;
  while (i >= 2) {
    const auto pair = static_cast<std::size_t>(value % 100) * 2;
    value /= 100;
    out[--i] = kDigitPairs[pair + 1];
    out[--i] = kDigitPairs[pair];
  }
  if (i == 1) out[0] = static_cast<char>('0' + value % 10);
}

}  // namespace

bool tryTextToFloat(std::string_view text, char decimalSeparator, long double& value) noexcept {
  try {
    long double result;
    if (parseNumber(text, decimalSeparator, result) != Parse::kOk) return false;
    value = result;
    return true;
  } catch (...) {  // only an allocation failure of the slow path can land here
    return false;
  }
}

long double textToFloat(std::string_view text, char decimalSeparator) {
  long double result;
  if (parseNumber(text, decimalSeparator, result) != Parse::kOk) throw ConversionError(text);
  return result;
}

void appendGeneralText(std::string& out, long double value, int digits, char decimalSeparator) {
  const Binary b = decompose(value);
  if (!b.finite) {
    out += b.nan ? "NAN" : (b.negative ? "-INF" : "INF");
    return;
  }
  if (b.mantissa == 0) {
    out += '0';
    return;
  }
  const int P = digits < 1 ? 1 : (digits > kMaxDigits ? kMaxDigits : digits);
  const Rounded r = roundToDigits(std::fabs(value), b, P);

  char digitText[kMaxDigits];
  writeDigits(r.digits, P, digitText);
  int count = P;
  while (count > 1 && digitText[count - 1] == '0') --count;

  // Longest text: sign, "0.", three zeros, 18 digits; or sign, 18 digits with a
  // separator, "E-" and five exponent digits.
  char buffer[40];
  char* p = buffer;
  if (b.negative) *p++ = '-';
  const int E = r.E;
  if (E >= -3 && E <= P) {
    if (E <= 0) {
      *p++ = '0';
      *p++ = decimalSeparator;
      for (int z = 0; z < -E; ++z) *p++ = '0';
      std::memcpy(p, digitText, static_cast<std::size_t>(count));
      p += count;
    } else if (E >= count) {
      std::memcpy(p, digitText, static_cast<std::size_t>(count));
      p += count;
      for (int z = count; z < E; ++z) *p++ = '0';
    } else {
      std::memcpy(p, digitText, static_cast<std::size_t>(E));
      p += E;
      *p++ = decimalSeparator;
      std::memcpy(p, digitText + E, static_cast<std::size_t>(count - E));
      p += count - E;
    }
  } else {
    *p++ = digitText[0];
    if (count > 1) {
      *p++ = decimalSeparator;
      std::memcpy(p, digitText + 1, static_cast<std::size_t>(count - 1));
      p += count - 1;
    }
    *p++ = 'E';
    p = std::to_chars(p, buffer + sizeof buffer, E - 1).ptr;
  }
  out.append(buffer, static_cast<std::size_t>(p - buffer));
}

std::string generalText(long double value, int digits, char decimalSeparator) {
  std::string text;
  appendGeneralText(text, value, digits, decimalSeparator);
  return text;
}

std::string integerText(long long value) {
  char buffer[24];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

}  // namespace kovia
