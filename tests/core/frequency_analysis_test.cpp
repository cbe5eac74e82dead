#include "core/frequency_analysis.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "core/number_text.h"

namespace kovia {
namespace {

// What the deviation stage writes and the Allan stage reads back: the 7-digit text of y,
// converted and rounded to single precision.
float throughDeviationText(double y) {
  return static_cast<float>(textToFloat(generalText(y, 7, '.'), '.'));
}

std::string sigmaText(float sigma) {
  return generalText(sigma, 4, '.');
}

TEST(ReadingMeanTest, SumsInDoubleAndRefusesAnEmptySeries) {
  const std::vector<double> readings = {0.1, 0.2, 0.3};
  // ((0.1 + 0.2) + 0.3) / 3 in double, in row order.
  EXPECT_EQ(readingMean(readings), ((0.1 + 0.2) + 0.3) / 3.0);
  EXPECT_FALSE(readingMean({}).has_value());
}

TEST(FractionalDeviationTest, Values) {
  // Expected values: the exact quotient rounded to 64 bits and then to double.
  struct Case {
    double reading;
    double nominal;
    double expected;
    const char* text;  // at 7 digits, as the deviation column shows it
  };
  constexpr Case cases[] = {
      {10000000.0, 10000000.0, 0.0, "0"},
      {10000000.01, 10000000.0, 0x1.12e0be1b5921ep-30, "1E-9"},
      {9999999.99, 10000000.0, -0x1.12e0be1b5921ep-30, "-1E-9"},
      // Plain double division would give -0x1.a1bd762ee7741p-14 here.
      {9999004.030026, 10000000.0, -0x1.a1bd762ee7742p-14, "-9.9597E-5"},
      {10001.2345678, 10000.0, 0x1.02e85aa468db9p-13, "0.0001234568"},
      {1.000012345678, 1.0, 0x1.9e40910700000p-17, "1.234568E-5"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.reading);
    const double y = fractionalDeviation(c.reading, c.nominal);
    EXPECT_EQ(y, c.expected);
    EXPECT_EQ(generalText(y, 7, '.'), c.text);
  }
}

TEST(FractionalDeviationTest, MeanComesFromTheUnroundedValues) {
  const std::vector<double> readings = {10000000.0000001, 10000000.0000002, 10000000.0000004};
  const FrequencyDeviations d = fractionalDeviations(readings, 10000000.0);
  ASSERT_EQ(d.status, DeviationStatus::Ok);
  ASSERT_EQ(d.values.size(), 3u);
  double sum = 0.0;
  for (double y : d.values) sum += y;
  EXPECT_EQ(d.mean, sum / 3.0);
  // The mean of the 7-digit texts read back differs from it in the last digits.
  double textSum = 0.0;
  for (double y : d.values) textSum += static_cast<double>(textToFloat(generalText(y, 7, '.'), '.'));
  EXPECT_NE(d.mean, textSum / 3.0);
}

TEST(FractionalDeviationTest, RefusesWhatHasNoMeaning) {
  EXPECT_EQ(fractionalDeviations({}, 10000000.0).status, DeviationStatus::NoReadings);
  const std::vector<double> readings = {1.0, 2.0};
  for (double nominal : {0.0, -0.0, HUGE_VAL, std::nan("")}) {
    const FrequencyDeviations d = fractionalDeviations(readings, nominal);
    EXPECT_EQ(d.status, DeviationStatus::InvalidNominal);
    EXPECT_TRUE(d.values.empty());
  }
  // N = 1: one deviation and it is its own mean.
  const std::vector<double> one = {10000000.01};
  const FrequencyDeviations d = fractionalDeviations(one, 10000000.0);
  ASSERT_EQ(d.values.size(), 1u);
  EXPECT_EQ(d.mean, d.values[0]);
}

TEST(FrequencyAllanTest, LadderLength) {
  struct Case {
    std::int64_t n;
    int steps;
  };
  constexpr Case cases[] = {{0, 1}, {1, 1}, {2, 1},   {4, 1},   {5, 2},    {7, 2},
                            {8, 2}, {9, 3}, {100, 6}, {129, 7}, {1000, 9}, {1000000, 19}};
  for (const Case& c : cases) EXPECT_EQ(frequencyAllanStepCount(c.n), c.steps) << "N = " << c.n;
}

TEST(FrequencyAllanTest, TwoDeviationsGiveOneRowFromTheirOneDifference) {
  const std::vector<float> y = {0.0f, 1.0f};
  const FrequencyAllan a = frequencyAllanDeviation(y);
  ASSERT_EQ(a.status, FrequencyAllanStatus::Ok);
  ASSERT_EQ(a.sigma.size(), 1u);
  // sigma^2 = (1 - 0)^2 / 2.
  EXPECT_EQ(a.sigma[0], static_cast<float>(std::sqrt(0.5)));
  EXPECT_EQ(sigmaText(a.sigma[0]), "0.7071");
}

TEST(FrequencyAllanTest, DivisorUsesTheRealQuotientOfNByM) {
  // N = 100: m = 32 has M = 3 blocks (y[0..95]) and two differences; the last four values
  // belong to no block of that step; the divisor is (100 / 32 - 1) * 2 = 4.25.
  std::vector<float> y(100, 0.0f);
  for (int i = 32; i < 64; ++i) y[i] = 1.0f;
  for (int i = 96; i < 100; ++i) y[i] = 1000.0f;
  const FrequencyAllan a = frequencyAllanDeviation(y);
  ASSERT_EQ(a.sigma.size(), 6u);
  // D = (1 - 0)^2 + (0 - 1)^2 = 2; sigma^2 = 2 / 4.25 = 8 / 17.
  const float variance = static_cast<float>(8.0L / 17.0L);
  EXPECT_EQ(a.sigma[5], static_cast<float>(std::sqrt(static_cast<double>(variance))));
  EXPECT_EQ(sigmaText(a.sigma[5]), "0.686");
  // m = 16: six blocks 0 0 1 1 0 0 (y[0..95]), D = 2, divisor (6.25 - 1) * 2 = 10.5.
  EXPECT_EQ(a.sigma[4], static_cast<float>(std::sqrt(static_cast<double>(static_cast<float>(2.0L / 10.5L)))));
}

TEST(FrequencyAllanTest, BlockSumsAreRoundedToSinglePrecision) {
  // N = 5, m = 2: blocks (0, 0) and (1, 3E-8); 1 + 3E-8 rounds to 1 in single precision, so
  // the averages are 0 and 0.5 exactly; D = 0.25 and the divisor is (2.5 - 1) * 2 = 3.
  const std::vector<float> y = {0.0f, 0.0f, 1.0f, 3e-8f, 0.0f};
  const FrequencyAllan a = frequencyAllanDeviation(y);
  ASSERT_EQ(a.sigma.size(), 2u);
  EXPECT_EQ(a.sigma[1], static_cast<float>(std::sqrt(static_cast<double>(static_cast<float>(0.25L / 3.0L)))));
}

TEST(FrequencyAllanTest, EveryRowHasAValueForShortSeries) {
  for (std::size_t n : {7u, 8u}) {
    std::vector<float> y;
    for (std::size_t i = 0; i < n; ++i) y.push_back(static_cast<float>(i % 3));
    const FrequencyAllan a = frequencyAllanDeviation(y);
    ASSERT_EQ(a.sigma.size(), 2u) << n;
    for (float s : a.sigma) EXPECT_TRUE(std::isfinite(s) && s > 0.0f) << n;
  }
}

TEST(FrequencyAllanTest, IdenticalDeviationsGiveZero) {
  const std::vector<float> y(40, 1.234568e-9f);
  const FrequencyAllan a = frequencyAllanDeviation(y);
  ASSERT_EQ(a.sigma.size(), 5u);
  for (float s : a.sigma) {
    EXPECT_EQ(s, 0.0f);
    EXPECT_EQ(sigmaText(s), "0");
  }
}

TEST(FrequencyAllanTest, TooShortSeriesHasNoRows) {
  for (const std::vector<float>& y : {std::vector<float>{}, std::vector<float>{1.0f}}) {
    const FrequencyAllan a = frequencyAllanDeviation(y);
    EXPECT_EQ(a.status, FrequencyAllanStatus::TooShort);
    EXPECT_TRUE(a.sigma.empty());
  }
}

// The NBS 1000-point test set of the Allan variance: n[0] = 1234567890,
// n[i+1] = 16807 n[i] mod 2147483647, y = n / 2147483647 (the "minimal standard" generator
// of Park and Miller), as used by NBS for checking Allan variance programs; its published
// non-overlapping Allan deviation at tau = 1 is 0.2922.
std::vector<double> nbsReadingsAsFileText() {
  std::vector<double> readings;
  std::int64_t n = 1234567890;
  for (int i = 0; i < 1000; ++i) {
    const double y = static_cast<double>(n) / 2147483647.0;
    // The readings "1 + y" as a data file would hold them, in the default 15-digit text.
    readings.push_back(static_cast<double>(textToFloat(defaultText(1.0 + y, '.'), '.')));
    n = (16807 * n) % 2147483647;
  }
  return readings;
}

TEST(FrequencyAllanTest, NbsTestSet) {
  const FrequencyDeviations d = fractionalDeviations(nbsReadingsAsFileText(), 1.0);
  ASSERT_EQ(d.status, DeviationStatus::Ok);
  std::vector<float> y;
  for (double v : d.values) y.push_back(throughDeviationText(v));
  const FrequencyAllan a = frequencyAllanDeviation(y);
  ASSERT_EQ(a.sigma.size(), 9u);
  EXPECT_EQ(sigmaText(a.sigma[0]), "0.2922");

  // Where m divides N the estimator is the textbook one: compare with it in double.
  for (int r = 0; r <= 3; ++r) {
    const std::size_t m = std::size_t{1} << r;
    std::vector<double> averages;
    for (std::size_t k = 0; k + m <= y.size(); k += m) {
      double s = 0.0;
      for (std::size_t i = 0; i < m; ++i) s += y[k + i];
      averages.push_back(s / static_cast<double>(m));
    }
    double sum = 0.0;
    for (std::size_t k = 1; k < averages.size(); ++k) sum += std::pow(averages[k] - averages[k - 1], 2);
    const double reference = std::sqrt(sum / (2.0 * static_cast<double>(averages.size() - 1)));
    EXPECT_NEAR(a.sigma[r], reference, reference * 2e-5) << "m = " << m;
  }
}

}  // namespace
}  // namespace kovia
