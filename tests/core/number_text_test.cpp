#include "core/number_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <clocale>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <locale.h>
#include <random>
#include <string>

namespace kovia {
namespace {

// ---------------------------------------------------------------------------------------
// General number text

struct FormatCase {
  long double value;
  int digits;
  const char* text;
};

// Long double literals are the exact extended values; double and float inputs are
// written as casts so that their own binary value is the one formatted.
const FormatCase kFormatCases[] = {
    {0.0L, 15, "0"},
    {-0.0L, 7, "0"},
    {1e-9L, 15, "1E-9"},
    {-1e-9L, 7, "-1E-9"},
    {static_cast<double>(1e-9), 15, "1E-9"},
    {0.00012345678L, 7, "0.0001234568"},  // E = -3: still fixed
    {0.000012345678L, 7, "1.234568E-5"},  // E = -4: scientific
    {-0.000012345678L, 7, "-1.234568E-5"},
    {0.0001L, 7, "0.0001"},
    {0.5L, 15, "0.5"},
    {1.5e20L, 15, "1.5E20"},
    {10000000.0L, 15, "10000000"},
    {1024.0L, 15, "1024"},
    {1e15L, 15, "1E15"},                       // E = 16 > 15
    {123456789012345.0L, 15, "123456789012345"},  // E = 15: fixed
    {1234567890123456.0L, 15, "1.23456789012346E15"},
    {123.456L, 4, "123.5"},
    {12345678.0L, 7, "1.234568E7"},
    // Exact ties round away from zero (round-half-even would give the other digit).
    {0.125L, 2, "0.13"},
    {2.5L, 1, "3"},
    {-2.5L, 1, "-3"},
    {1234.5L, 4, "1235"},
    {12345.0L, 4, "1.235E4"},
    {0.375L, 2, "0.38"},
    {-0.0625L, 3, "-0.0625"},
    {-0.0625L, 2, "-0.063"},
    // A carry from rounding changes the exponent and may change the notation.
    {9.9999995L, 7, "10"},
    {static_cast<double>(9.9999995), 7, "9.999999"},  // the double lies below the half
    {9999999.5L, 7, "1E7"},
    {9.5L, 1, "1E1"},
    {0.00099999999L, 7, "0.001"},
    {0.000099999999L, 7, "0.0001"},
    // Extended quotients are formatted from their own value.
    {170.0L / (360.0L * 10000000.0L), 9, "4.72222222E-8"},
    {1.0L / 3.0L, 18, "0.333333333333333333"},
    {static_cast<double>(0.1), 18, "0.100000000000000006"},
    {static_cast<float>(0.1f), 9, "0.100000001"},
    {static_cast<float>(0.1f), 7, "0.1"},
    // Far outside the usual magnitudes.
    {static_cast<double>(1e-300), 15, "1E-300"},
    {static_cast<double>(1e300), 15, "1E300"},
    {static_cast<double>(-2.2250738585072014e-308), 17, "-2.2250738585072014E-308"},
    {LDBL_MAX, 18, "1.18973149535723177E4932"},
    {LDBL_TRUE_MIN, 18, "3.6451995318824746E-4951"},
    {static_cast<long double>(INFINITY), 7, "INF"},
    {-static_cast<long double>(INFINITY), 7, "-INF"},
    {static_cast<long double>(NAN), 7, "NAN"},
};

TEST(GeneralTextTest, FollowsTheRoundingAndNotationRules) {
  for (const auto& c : kFormatCases) {
    EXPECT_EQ(generalText(c.value, c.digits, '.'), c.text)
        << "value " << static_cast<double>(c.value) << " at " << c.digits << " digits";
  }
}

TEST(GeneralTextTest, WritesTheGivenSeparatorAndAppends) {
  EXPECT_EQ(generalText(0.125L, 2, ','), "0,13");
  EXPECT_EQ(generalText(-1.5e20L, 15, ','), "-1,5E20");
  EXPECT_EQ(defaultText(0.00012345678L, ','), "0,00012345678");
  std::string row = "12\t";
  appendGeneralText(row, 2.5e-12L, 7, ',');
  EXPECT_EQ(row, "12\t2,5E-12");
}

TEST(GeneralTextTest, DoubleAndFloatOverloadsFormatTheSameBinaryValue) {
  EXPECT_EQ(generalText(0.1, 18, '.'), "0.100000000000000006");
  EXPECT_EQ(generalText(0.1f, 9, '.'), "0.100000001");
  EXPECT_EQ(defaultText(1e15L, '.'), "1E15");
}

// Exact decimal expansion through the C library's printing (exact for the magnitudes
// used here, whose expansion has far fewer than 1200 significant digits): the digits
// without the separator, and E with value = 0.d1d2... x 10^E.
void exactDecimal(long double magnitude, std::string& digits, int& E, int precision = 1200) {
  static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  const locale_t previous = uselocale(cLocale);
  std::string buffer(static_cast<std::size_t>(precision) + 16, '\0');
  std::snprintf(buffer.data(), buffer.size(), "%.*Le", precision, magnitude);
  uselocale(previous);
  digits.clear();
  const char* p = buffer.c_str();
  for (; *p != 'e'; ++p) {
    if (*p >= '0' && *p <= '9') digits += *p;
  }
  E = std::atoi(p + 1) + 1;
}

// Reads a general text back into its significant digits and E.
void digitsOfText(const std::string& text, std::string& digits, int& E, bool& scientific) {
  std::string mantissa = text;
  int exponent = 0;
  scientific = false;
  if (const auto e = text.find('E'); e != std::string::npos) {
    scientific = true;
    mantissa = text.substr(0, e);
    exponent = std::stoi(text.substr(e + 1));
  }
  if (!mantissa.empty() && mantissa[0] == '-') mantissa.erase(0, 1);
  const auto point = mantissa.find('.');
  const int integerDigits = static_cast<int>(point == std::string::npos ? mantissa.size() : point);
  if (point != std::string::npos) mantissa.erase(point, 1);
  std::size_t first = mantissa.find_first_not_of('0');
  digits = mantissa.substr(first);
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  E = integerDigits - static_cast<int>(first) + exponent;
}

// The reference: the exact expansion rounded half away from zero at P digits.
void expectMatchesExactRounding(long double value, int P, int precision = 1200) {
  std::string exact;
  int E;
  exactDecimal(std::fabs(value), exact, E, precision);
  std::string kept = exact.substr(0, static_cast<std::size_t>(P));
  if (exact[static_cast<std::size_t>(P)] >= '5') {
    int i = P - 1;
    while (i >= 0 && kept[static_cast<std::size_t>(i)] == '9') kept[static_cast<std::size_t>(i--)] = '0';
    if (i < 0) {
      kept.insert(kept.begin(), '1');
      ++E;
    } else {
      ++kept[static_cast<std::size_t>(i)];
    }
  }
  while (kept.size() > 1 && kept.back() == '0') kept.pop_back();

  const std::string text = generalText(value, P, '.');
  std::string digits;
  int textE;
  bool scientific;
  digitsOfText(text, digits, textE, scientific);
  ASSERT_EQ(digits, kept) << text << " at " << P << " digits";
  ASSERT_EQ(textE, E) << text;
  ASSERT_EQ(scientific, E < -3 || E > P) << text;
  ASSERT_EQ(text[0] == '-', value < 0) << text;
}

TEST(GeneralTextTest, MatchesTheExactExpansionForRandomValues) {
  std::mt19937_64 random(20240611);
  std::uniform_int_distribution<int> exponent(-330, 330);
  std::uniform_int_distribution<int> digits(1, 18);
  for (int i = 0; i < 4000; ++i) {
    const long double extended =
        std::ldexp(static_cast<long double>(random() | (std::uint64_t{1} << 63)), exponent(random) - 63);
    expectMatchesExactRounding((i & 1) ? -extended : extended, digits(random));
    const double d = static_cast<double>(extended);
    expectMatchesExactRounding(d, digits(random));
    const float f = std::ldexp(static_cast<float>(random() >> 40), static_cast<int>(random() % 200) - 124);
    expectMatchesExactRounding(f, digits(random));
  }
}

TEST(GeneralTextTest, MatchesTheExactExpansionOverTheWholeExtendedRange) {
  // Exact expansions of extended values need up to about 11500 significant digits.
  std::mt19937_64 random(99);
  std::uniform_int_distribution<int> exponent(-16445, 16383);
  for (int i = 0; i < 200; ++i) {
    const long double value =
        std::ldexp(static_cast<long double>(random() | 1), exponent(random) - 63);
    if (value == 0 || std::isinf(value)) continue;
    expectMatchesExactRounding(value, 1 + static_cast<int>(random() % 18), 12000);
  }
}

TEST(GeneralTextTest, MatchesTheExactExpansionOnTies) {
  // A dyadic value m / 2^s ends in the digit 5; rounding it one digit short is an exact tie.
  std::mt19937_64 random(7);
  for (int i = 0; i < 4000; ++i) {
    const std::uint64_t m = (random() >> (20 + random() % 40)) | 1;
    const int s = static_cast<int>(random() % 60) - 10;
    const long double value = std::ldexp(static_cast<long double>(m), -s);
    std::string exact;
    int E;
    exactDecimal(value, exact, E);
    const auto significant = exact.find_last_not_of('0') + 1;
    const int P = static_cast<int>(significant) - 1;
    if (P < 1 || P > 18) continue;
    expectMatchesExactRounding(value, P);
    expectMatchesExactRounding(-value, P);
  }
}

TEST(GeneralTextTest, SeventeenDigitsReadBackToTheSameDouble) {
  std::mt19937_64 random(42);
  for (int i = 0; i < 20000; ++i) {
    double d;
    const std::uint64_t bits = random();
    std::memcpy(&d, &bits, sizeof d);
    if (!std::isfinite(d)) continue;
    const std::string text = generalText(d, 17, ',');
    ASSERT_EQ(static_cast<double>(textToFloat(text, ',')), d) << text;
  }
}

// ---------------------------------------------------------------------------------------
// Conversion

struct ParseCase {
  const char* text;
  char separator;
  long double value;
};

const ParseCase kValidCases[] = {
    {"1.5", '.', 1.5L},
    {"  -1.5  ", '.', -1.5L},
    {"+2", '.', 2.0L},
    {".5", '.', 0.5L},
    {"5.", '.', 5.0L},
    {"3,25", ',', 3.25L},
    {"-,5e1", ',', -5.0L},
    {"1E3", '.', 1000.0L},
    {"1e+3", '.', 1000.0L},
    {"25E-1", '.', 2.5L},
    {"0.1", '.', 0.1L},
    {"000123.4500", '.', 123.45L},
    {"1E30", '.', 1e30L},
    {"1234567890123456789", '.', 1234567890123456789.0L},
    {"12345678901234567891", '.', 12345678901234567891.0L},  // 20 digits: library path
    {"0.10000000000000000000000000001", '.', 0.10000000000000000000000000001L},
    {"9999999999999999999.5", '.', 9999999999999999999.5L},
    {"1.18973149535723176502e4932", '.', LDBL_MAX},
    {"1E-5000", '.', 0.0L},  // underflow reads as 0
    {"0E99999", '.', 0.0L},
    {"-0", '.', -0.0L},
};

TEST(TextToFloatTest, ConvertsValidTextsCorrectlyRounded) {
  for (const auto& c : kValidCases) {
    long double value = -1.0L;
    ASSERT_TRUE(tryTextToFloat(c.text, c.separator, value)) << c.text;
    EXPECT_EQ(value, c.value) << c.text;
    EXPECT_EQ(std::signbit(value), std::signbit(c.value)) << c.text;
    EXPECT_EQ(textToFloat(c.text, c.separator), c.value) << c.text;
  }
}

struct InvalidCase {
  const char* text;
  char separator;
};

const InvalidCase kInvalidCases[] = {
    {"", '.'},        {" ", '.'},         {".", '.'},        {"+", '.'},
    {"-", '.'},       {"1E", '.'},        {"1E+", '.'},      {"E5", '.'},
    {"\t1", '.'},     {"1\t", '.'},       {"1.000,5", ','},  {"1.000,5", '.'},
    {"1,5", '.'},     {"3.25", ','},      {"1 5", '.'},      {"1..5", '.'},
    {"--1", '.'},     {"1e5.5", '.'},     {"inf", '.'},      {"nan", '.'},
    {"0x10", '.'},    {"1.5x", '.'},      {"1E5000", '.'},   {"-1E5000", '.'},
    {"1E99999999999999999999", '.'},
};

TEST(TextToFloatTest, RefusesEverythingElse) {
  for (const auto& c : kInvalidCases) {
    long double value = 7.0L;
    EXPECT_FALSE(tryTextToFloat(c.text, c.separator, value)) << '"' << c.text << '"';
    EXPECT_EQ(value, 7.0L) << c.text;
    try {
      textToFloat(c.text, c.separator);
      ADD_FAILURE() << "no error for \"" << c.text << '"';
    } catch (const ConversionError& e) {
      std::string expected = "'";
      expected += c.text;
      expected += "' is not a valid floating point value";
      EXPECT_EQ(e.what(), expected);
    }
  }
}

TEST(TextToFloatTest, AgreesWithTheLibraryOnRandomDecimals) {
  // Short texts take the single-operation path; this checks it against strtold_l.
  const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  std::mt19937_64 random(3);
  for (int i = 0; i < 50000; ++i) {
    std::string text = std::to_string(random() % 10'000'000'000'000'000'000u);
    text.resize(1 + random() % text.size());
    text.insert(text.begin() + static_cast<std::ptrdiff_t>(random() % (text.size() + 1)), '.');
    text += 'E';
    text += std::to_string(static_cast<int>(random() % 90) - 45);
    const long double expected = strtold_l(text.c_str(), nullptr, cLocale);
    ASSERT_EQ(textToFloat(text, '.'), expected) << text;
  }
  freelocale(cLocale);
}

TEST(TextToFloatTest, IgnoresTheGlobalLocale) {
  const std::string saved = std::setlocale(LC_ALL, nullptr);
  std::setlocale(LC_ALL, "");
  if (std::setlocale(LC_NUMERIC, "es_ES.UTF-8") == nullptr) {
    std::setlocale(LC_ALL, saved.c_str());
    GTEST_SKIP() << "es_ES.UTF-8 is not installed";
  }
  const char* sep = std::localeconv()->decimal_point;
  EXPECT_STREQ(sep, ",");
  EXPECT_EQ(textToFloat("3.25", '.'), 3.25L);
  EXPECT_EQ(textToFloat("3,25", ','), 3.25L);
  EXPECT_EQ(textToFloat("0.100000000000000000000000000001", '.'),
            0.100000000000000000000000000001L);
  EXPECT_THROW(textToFloat("3,25", '.'), ConversionError);
  EXPECT_EQ(generalText(3.25L, 7, '.'), "3.25");
  EXPECT_EQ(generalText(1e-300, 15, '.'), "1E-300");
  EXPECT_EQ(generalText(LDBL_TRUE_MIN, 18, '.'), "3.6451995318824746E-4951");
  std::setlocale(LC_ALL, saved.c_str());
}

TEST(IntegerTextTest, WritesPlainDecimal) {
  EXPECT_EQ(integerText(0), "0");
  EXPECT_EQ(integerText(-42), "-42");
  EXPECT_EQ(integerText(1000000), "1000000");
  EXPECT_EQ(integerText(LLONG_MIN), "-9223372036854775808");
}

}  // namespace
}  // namespace kovia
