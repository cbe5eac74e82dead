#include "platform/chart/value_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace kovia {
namespace {

struct PatternCase {
  const char* format;
  double value;
  char separator;
  const char* expected;
};

constexpr PatternCase kPatternCases[] = {
    {"0.#####E+00", 1.5e-11, '.', "1.5E-11"},
    {"0.#####E+00", 2e-10, '.', "2E-10"},
    {"0.#####E+00", 1.234567e-9, '.', "1.23457E-09"},
    {"0.#####E+00", 9.999996e-9, '.', "1E-08"},  // rounding carries into the exponent
    {"0.#####E+00", 123456.0, '.', "1.23456E+05"},
    {"0.#####E+00", -3e5, '.', "-3E+05"},
    {"0.#####E+00", 0.0, '.', "0E+00"},
    {"0.#####E+00", 1.5e-11, ',', "1,5E-11"},
    {"#.0E-00", 1e-11, '.', "1.0E-11"},
    {"#.0E-00", 2.5e3, '.', "2.5E03"},
    {"#.0E-00", 3.96e-12, '.', "4.0E-12"},
    {"0.00E+00", 1e-11, '.', "1.00E-11"},
    {"0.###", 1.23456, '.', "1.235"},
    {"0.###", 2.0, '.', "2"},
    {"0.###", -0.0004, '.', "0"},
    {"#,##0.###", 1234567.5, '.', "1,234,567.5"},
    {"#,##0.###", 1234567.5, ',', "1.234.567,5"},
    {"0.0", std::numeric_limits<double>::quiet_NaN(), '.', "NAN"},
};

TEST(LabelFormat, WritesDesignedFormats) {
  for (const PatternCase& c : kPatternCases) {
    const auto format = parseLabelFormat(c.format);
    ASSERT_TRUE(format.has_value()) << c.format;
    EXPECT_EQ(formatWithPattern(c.value, *format, c.separator), c.expected) << c.format << " " << c.value;
  }
}

TEST(LabelFormat, RefusesTextsThatAreNotFormats) {
  for (const char* text : {"", "abc", "0.0E", "0.0E00", "E+00", "0.00 Hz"}) {
    EXPECT_FALSE(parseLabelFormat(text).has_value()) << text;
  }
}

struct GeneralCase {
  double value;
  double step;
  char separator;
  const char* expected;
};

constexpr GeneralCase kGeneralCases[] = {
    {0.30000000000000004, 0.1, '.', "0.3"},         // float noise of tick arithmetic
    {10000000.0005, 0.0005, '.', "10000000.0005"},  // frequency readings near 10 MHz
    {10000000.001, 0.0005, ',', "10000000,0010"},   // same decimals on every label
    {7.5, 2.5, '.', "7.5"},
    {-2.0, 0.5, '.', "-2.0"},
    {1e-15, 0.5, '.', "0"},
    {2.5e-12, 5e-13, '.', "2.5E-12"},
    {1e-11, 1e-11, '.', "1E-11"},
    {3e9, 1e9, '.', "3E9"},
    {100.0, 100.0, '.', "100"},
};

TEST(LabelFormat, GeneralLabelsFollowTheTickSpacing) {
  for (const GeneralCase& c : kGeneralCases) {
    EXPECT_EQ(generalTickLabel(c.value, c.step, c.separator), c.expected) << c.value << " step " << c.step;
  }
}

}  // namespace
}  // namespace kovia
