#include "core/phase_analysis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "core/number_text.h"

namespace kovia {
namespace {

std::vector<long double> readingsOf(std::initializer_list<const char*> texts) {
  std::vector<long double> out;
  for (const char* t : texts) out.push_back(textToFloat(t, '.'));
  return out;
}

// A[k] = k^2 * 1E-9 s, k = 1..M, as the accumulated-value cells hold it, read back as doubles.
std::vector<double> squaresInNanoseconds(int m) {
  std::vector<double> a;
  for (int k = 1; k <= m; ++k) a.push_back(static_cast<double>(textToFloat(integerText(k * k) + "E-9", '.')));
  return a;
}

TEST(AccumulatedPhaseTest, WorkedExampleInDegrees) {
  const auto readings = readingsOf({"170", "-175", "-160", "178", "175"});
  const AccumulatedPhase p = accumulatePhase(readings, PhaseUnit::Degrees, 10000000.0);
  ASSERT_EQ(p.status, AccumulationStatus::Ok);
  EXPECT_EQ(p.unwrapped, (std::vector<double>{170.0, 185.0, 200.0, 178.0}));
  ASSERT_EQ(p.seconds.size(), 4u);
  const char* texts[] = {"4.72222222E-8", "5.13888889E-8", "5.55555556E-8", "4.94444444E-8"};
  for (std::size_t k = 0; k < 4; ++k) {
    EXPECT_EQ(p.seconds[k], static_cast<long double>(p.unwrapped[k]) / 3600000000.0L);
    EXPECT_EQ(generalText(p.seconds[k], 9, '.'), texts[k]);
  }
}

TEST(AccumulatedPhaseTest, WrapDetection) {
  struct Case {
    const char* name;
    PhaseUnit unit;
    std::vector<const char*> readings;
    std::vector<double> unwrapped;
  };
  const Case cases[] = {
      {"a jump of exactly +-180 is no wrap", PhaseUnit::Degrees, {"0", "180", "0"}, {0.0, 180.0}},
      {"a jump of -180 is no wrap", PhaseUnit::Degrees, {"0", "-180", "0"}, {0.0, -180.0}},
      {"+180.5 is a wrap", PhaseUnit::Degrees, {"0", "180.5", "361"}, {0.0, -179.5}},
      {"-180.5 is a wrap", PhaseUnit::Degrees, {"0", "-180.5", "-361"}, {0.0, 179.5}},
      {"no jump leaves the readings", PhaseUnit::Degrees, {"10", "20", "350", "340"}, {10.0, 20.0, -10.0}},
      {"time counts: exactly T is no wrap", PhaseUnit::TimeCounts, {"0", "1000000", "0"}, {0.0, 1000000.0}},
      {"time counts: above T wraps by 2E6", PhaseUnit::TimeCounts, {"0", "1000001", "5"}, {0.0, -999999.0}},
      // The difference comes from the extended readings: 180 + 1.5E-14 rounds up to the next
      // double above 180 (a wrap), where the two readings rounded to double first differ by 180.
      {"difference of the extended readings",
       PhaseUnit::Degrees,
       {"-0.000000000000005", "180.00000000000001", "180.00000000000001"},
       {-5e-15, -180.0}},
      // x + W * P is rounded once: 300.00000000000001 - 360 is the double just above -60, where
      // the reading rounded to double first gives -60 exactly.
      {"reading kept extended in the sum",
       PhaseUnit::Degrees,
       {"0", "300.00000000000001", "300"},
       {0.0, std::nextafter(-60.0, 0.0)}},
      {"three readings give two values", PhaseUnit::Degrees, {"1", "2", "3"}, {1.0, 2.0}},
      {"one reading gives none", PhaseUnit::Degrees, {"1"}, {}},
      {"no reading gives none", PhaseUnit::Degrees, {}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<long double> readings;
    for (const char* t : c.readings) readings.push_back(textToFloat(t, '.'));
    const AccumulatedPhase p = accumulatePhase(readings, c.unit, 10000000.0);
    ASSERT_EQ(p.status, AccumulationStatus::Ok);
    ASSERT_EQ(p.unwrapped.size(), c.unwrapped.size());
    for (std::size_t k = 0; k < c.unwrapped.size(); ++k) {
      if (k == 0 && c.unwrapped[0] == -5e-15) continue;  // that row only feeds the next
      EXPECT_EQ(p.unwrapped[k], c.unwrapped[k]) << "row " << k + 1;
    }
  }
}

TEST(AccumulatedPhaseTest, TimeCountsScaleByTwoMillionPeriods) {
  const auto readings = readingsOf({"1500000", "1600000"});
  const AccumulatedPhase p = accumulatePhase(readings, PhaseUnit::TimeCounts, 5000000.0);
  ASSERT_EQ(p.seconds.size(), 1u);
  // 1 500 000 counts of a 2 000 000-count period of 5 MHz: 0.75 * 200 ns.
  EXPECT_EQ(generalText(p.seconds[0], 9, '.'), "1.5E-7");
}

TEST(AccumulatedPhaseTest, RefusesAMeaninglessNominal) {
  const auto readings = readingsOf({"1", "2", "3"});
  for (double nominal : {0.0, HUGE_VAL, std::nan("")}) {
    const AccumulatedPhase p = accumulatePhase(readings, PhaseUnit::Degrees, nominal);
    EXPECT_EQ(p.status, AccumulationStatus::InvalidNominal);
    EXPECT_TRUE(p.seconds.empty());
  }
}

TEST(PhaseRateTest, Values) {
  const auto readings = readingsOf({"170", "-175", "-160", "178", "175"});
  const AccumulatedPhase p = accumulatePhase(readings, PhaseUnit::Degrees, 10000000.0);
  // F and E are re-read from the 9-digit texts of rows 1 and N-2.
  const double first = static_cast<double>(textToFloat(generalText(p.seconds[0], 9, '.'), '.'));
  const double last = static_cast<double>(textToFloat(generalText(p.seconds[2], 9, '.'), '.'));
  const PhaseRate rate = phaseRate(first, last, 5, 1);
  ASSERT_EQ(rate.status, RateStatus::Ok);
  EXPECT_EQ(rate.value, (static_cast<long double>(last) - first) / 3.0L);
  EXPECT_EQ(generalText(rate.value, 7, '.'), "2.777778E-9");

  // Three readings: (A[1] - A[1]) / (1 * tau).
  EXPECT_EQ(phaseRate(first, first, 3, 60).value, 0.0L);
  // (N - 2) * tau beyond 32 bits stays a positive time.
  const PhaseRate longRun = phaseRate(0.0, 1.0, 1000000, 3600);
  ASSERT_EQ(longRun.status, RateStatus::Ok);
  EXPECT_EQ(longRun.value, 1.0L / 3599992800.0L);

  EXPECT_EQ(phaseRate(0.0, 1.0, 2, 1).status, RateStatus::TooShort);
  EXPECT_EQ(phaseRate(0.0, 1.0, 5, 0).status, RateStatus::InvalidTau);
  EXPECT_EQ(phaseRate(0.0, 1.0, 5, -1).status, RateStatus::InvalidTau);
}

TEST(PolynomialFitTest, OrderOneOnThreeValues) {
  const std::vector<double> x = {1.0, 2.0, 3.0};
  std::vector<float> a;
  for (const char* t : {"1E-9", "2E-9", "3E-9"}) a.push_back(static_cast<float>(textToFloat(t, '.')));
  const PolynomialFit fit = fitPolynomial(x, a, 1);
  ASSERT_EQ(fit.status, FitStatus::Ok);
  EXPECT_EQ(fit.powerSums[0], 3.0f);
  EXPECT_EQ(fit.powerSums[1], 6.0f);
  EXPECT_EQ(fit.powerSums[2], 14.0f);
  EXPECT_EQ(fit.powerSums[3], 0.0f);
  EXPECT_NEAR(fit.coefficients[0], 0.0, 1e-15);
  EXPECT_NEAR(fit.coefficients[1], 1e-9, 1e-9 * 0x1p-20);
  EXPECT_EQ(fit.coefficients[2], 0.0f);
  EXPECT_EQ(fit.coefficients[3], 0.0f);
  ASSERT_EQ(fit.fitted.size(), 3u);
  for (std::size_t k = 0; k < 3; ++k) EXPECT_NEAR(fit.fitted[k], a[k], 1e-15) << k;
}

TEST(PolynomialFitTest, RecoversExactPolynomials) {
  struct Case {
    int order;
    std::array<double, 4> c;
    int points;
    double tolerance;  // relative to the largest value of the series
  };
  constexpr Case cases[] = {
      {1, {-3.0, 0.5, 0.0, 0.0}, 50, 1e-6},
      {2, {1.0, 2.0, 3.0, 0.0}, 5, 1e-6},
      {2, {1e-7, -2e-9, 1e-11, 0.0}, 200, 1e-5},
      {3, {1.0, -1.0, 0.5, 0.25}, 6, 1e-3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "order " << c.order << " points " << c.points);
    std::vector<double> x;
    std::vector<float> a;
    for (int k = 1; k <= c.points; ++k) {
      const double v = k;
      x.push_back(v);
      a.push_back(static_cast<float>(c.c[0] + c.c[1] * v + c.c[2] * v * v + c.c[3] * v * v * v));
    }
    const PolynomialFit fit = fitPolynomial(x, a, c.order);
    ASSERT_EQ(fit.status, FitStatus::Ok);
    ASSERT_EQ(fit.fitted.size(), a.size());
    float largest = 0.0f;
    for (float v : a) largest = std::max(largest, std::fabs(v));
    for (std::size_t k = 0; k < a.size(); ++k)
      EXPECT_NEAR(fit.fitted[k], a[k], largest * c.tolerance) << "v = " << k + 1;
  }
}

TEST(PolynomialFitTest, RefusedFits) {
  const std::vector<double> x = {1.0, 2.0};
  const std::vector<float> a = {1.0f, 2.0f};
  EXPECT_EQ(fitPolynomial(x, a, 0).status, FitStatus::InvalidOrder);
  EXPECT_EQ(fitPolynomial(x, a, 4).status, FitStatus::InvalidOrder);
  EXPECT_EQ(fitPolynomial({}, {}, 1).status, FitStatus::NoValues);
  // x^6 = 1E42 is beyond single precision: the sum of sixth powers overflows.
  const std::vector<double> far = {1.0, 1e7};
  const PolynomialFit overflow = fitPolynomial(far, a, 3);
  EXPECT_EQ(overflow.status, FitStatus::PowerSumOverflow);
  EXPECT_TRUE(overflow.fitted.empty());
  // The right-hand sum 6E38 overflows, and with it the coefficients.
  const std::vector<float> huge = {3e38f, 3e38f};
  const PolynomialFit nonFinite = fitPolynomial(x, huge, 1);
  EXPECT_EQ(nonFinite.status, FitStatus::NonFiniteCoefficients);
  EXPECT_TRUE(nonFinite.fitted.empty());
}

TEST(ResidualTest, DifferenceIsExtended) {
  EXPECT_EQ(residual(1.0, 1e-17), 1.0L - static_cast<long double>(1e-17));
  EXPECT_NE(residual(1.0, 1e-17), 1.0L);
  const std::vector<double> accumulated = {3e-9, 5e-9, 7e-9};
  const std::vector<double> fitted = {3e-9, 4e-9};
  const auto r = residuals(accumulated, fitted);
  ASSERT_EQ(r.size(), 2u);
  EXPECT_EQ(r[0], 0.0L);
  EXPECT_EQ(generalText(r[1], 7, '.'), "1E-9");
}

TEST(PhaseAllanTest, LadderLength) {
  struct Case {
    std::size_t m;
    int steps;
  };
  constexpr Case cases[] = {{0, 0}, {1, 0}, {2, 0}, {3, 1},  {4, 1},
                            {5, 2}, {8, 2}, {9, 3}, {17, 4}, {1000000, 19}};
  for (const Case& c : cases) EXPECT_EQ(phaseAllanStepCount(c.m), c.steps) << "M = " << c.m;
}

TEST(PhaseAllanTest, WorkedExamples) {
  struct Case {
    int m;
    std::int32_t tau;
    std::vector<const char*> sigma;
  };
  const Case cases[] = {
      {7, 1, {"1.414E-9", "2.828E-9"}},
      // n = 2 has 3n > M: one second difference, C = 1, G = 1 / (2 * 4 * 0.5).
      {5, 1, {"1.414E-9", "4E-9"}},
      {7, 10, {"1.414E-10", "2.828E-10"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "M " << c.m << " tau " << c.tau);
    const PhaseAllan allan = phaseAllanDeviation(squaresInNanoseconds(c.m), c.tau);
    ASSERT_EQ(allan.status, PhaseAllanStatus::Ok);
    ASSERT_EQ(allan.rows.size(), c.sigma.size());
    for (std::size_t j = 0; j < c.sigma.size(); ++j) {
      EXPECT_EQ(allan.rows[j].factor, std::ldexp(1.0, static_cast<int>(j)));
      EXPECT_EQ(allan.rows[j].sigma, std::sqrt(static_cast<double>(allan.rows[j].variance)));
      EXPECT_EQ(generalText(allan.rows[j].sigma, 4, '.'), c.sigma[j]);
    }
  }
}

TEST(PhaseAllanTest, MatchesTheOverlappingEstimatorExceptForTheShortLastFactor) {
  // M = 20: factors 1, 2, 4, 8; for n = 8, 3n > M and the result exceeds the usual
  // overlapping estimator by n / (M - 2n) = 2.
  std::vector<double> a;
  std::uint32_t state = 12345;
  double phase = 0.0;
  for (int k = 0; k < 20; ++k) {
    state = state * 1664525u + 1013904223u;
    phase += (static_cast<double>(state >> 8) / 16777216.0 - 0.5) * 1e-9;
    a.push_back(phase);
  }
  const std::int32_t tau = 3;
  const PhaseAllan allan = phaseAllanDeviation(a, tau);
  ASSERT_EQ(allan.rows.size(), 4u);
  for (const PhaseAllanRow& row : allan.rows) {
    const auto n = static_cast<std::size_t>(row.factor);
    double sum = 0.0;
    for (std::size_t i = 0; i + 2 * n < a.size(); ++i) sum += std::pow(a[i + 2 * n] - 2 * a[i + n] + a[i], 2);
    const double nt = static_cast<double>(n) * tau;
    double expected = sum / (2.0 * static_cast<double>(a.size() - 2 * n) * nt * nt);
    if (3 * n > a.size()) expected *= static_cast<double>(n) / static_cast<double>(a.size() - 2 * n);
    EXPECT_NEAR(row.variance, expected, expected * 1e-6) << "n = " << n;
  }
}

TEST(PhaseAllanTest, ShortSeriesAndZeroTau) {
  for (int m : {0, 1, 2}) {
    const PhaseAllan allan = phaseAllanDeviation(squaresInNanoseconds(m), 1);
    EXPECT_EQ(allan.status, PhaseAllanStatus::Ok);
    EXPECT_TRUE(allan.rows.empty()) << m;
  }
  const PhaseAllan zeroTau = phaseAllanDeviation(squaresInNanoseconds(7), 0);
  EXPECT_EQ(zeroTau.status, PhaseAllanStatus::InvalidTau);
  EXPECT_TRUE(zeroTau.rows.empty());
}

}  // namespace
}  // namespace kovia
