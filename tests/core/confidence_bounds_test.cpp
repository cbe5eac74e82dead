#include "core/confidence_bounds.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/number_text.h"

// Expected values in hexadecimal were derived independently with 300-bit arithmetic,
// rounding to 64 bits after each extended operation and to 53 bits after each double one.

namespace kovia {
namespace {

constexpr double kNone = -1.0;    // no chi-square points
constexpr double kApprox = -2.0;  // normal approximation
constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

const ChiSquareRow& rowWithDf(double df) {
  for (const ChiSquareRow& row : kChiSquareTable)
    if (static_cast<double>(row.df) == df) return row;
  throw std::logic_error("no such row");
}

TEST(ChiSquareTableTest, HoldsTheThirtySevenRowsInOrder) {
  ASSERT_EQ(kChiSquareTable.size(), 37u);
  for (std::size_t i = 0; i < 30; ++i) EXPECT_EQ(kChiSquareTable[i].df, static_cast<float>(i + 1));
  for (std::size_t i = 30; i < 37; ++i) EXPECT_EQ(kChiSquareTable[i].df, static_cast<float>(10 * (i - 26)));
  for (const ChiSquareRow& row : kChiSquareTable) EXPECT_GT(row.upper, row.lower) << row.df;
  EXPECT_EQ(rowWithDf(1).lower, 0.000982f);
  EXPECT_EQ(rowWithDf(21).lower, 10.28293f);
  EXPECT_EQ(rowWithDf(40).upper, 59.3417f);
  EXPECT_EQ(rowWithDf(40).lower, 24.4331f);
  EXPECT_EQ(rowWithDf(100).upper, 129.561f);
  EXPECT_EQ(rowWithDf(100).lower, 74.2219f);
}

TEST(ChiSquareTableTest, Lookup) {
  struct Case {
    double edf;
    double rowDf;  // the table row used, or kNone / kApprox
  };
  const Case cases[] = {
      {1.0, 1},       {1.9999, 1},   {7.9, 7},         {std::nextafter(30.0, 0.0), 29},
      {30.0, 30},     {35.7, 30},    {37.4, 30},       {49.99, 40},
      {99.99, 90},    {100.0, 100},  {100.5, kApprox}, {0.999, kNone},
      {0.0, kNone},   {-3.0, kNone}, {kNan, kNone},    {kInf, kNone},
      {-kInf, kNone},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.edf);
    const auto points = chiSquarePoints(c.edf);
    if (c.rowDf == kNone) {
      EXPECT_FALSE(points.has_value());
      continue;
    }
    ASSERT_TRUE(points.has_value());
    if (c.rowDf == kApprox) {
      EXPECT_FALSE(points->fromTable);
      continue;
    }
    EXPECT_TRUE(points->fromTable);
    EXPECT_EQ(points->upper, rowWithDf(c.rowDf).upper);
    EXPECT_EQ(points->lower, rowWithDf(c.rowDf).lower);
  }
}

TEST(ChiSquareTableTest, NormalApproximationAboveOneHundred) {
  struct Case {
    double edf;
    double upper;
    double lower;
  };
  constexpr Case cases[] = {
      // s = sqrt(200): 0.5 (14.1421 + 1.96)^2 and 0.5 (14.1421 - 1.96)^2.
      {100.5, 0x1.03475d941a6fap+7, 0x1.28cf113bbc61fp+6},
      {200.0, 0x1.e124bef3539c5p+7, 0x1.448a273ea5043p+7},
  };
  for (const Case& c : cases) {
    const auto points = chiSquarePoints(c.edf);
    ASSERT_TRUE(points.has_value());
    EXPECT_EQ(points->upper, c.upper) << c.edf;
    EXPECT_EQ(points->lower, c.lower) << c.edf;
  }
}

TEST(DegreesOfFreedomTest, FrequencyWindow) {
  using enum NoiseType;
  struct Case {
    NoiseType noise;
    float n;
    int step;
    double edf;
  };
  const Case cases[] = {
      {WhitePhase, 100, 0, 0x1.8feb50295fad4p+5},  // 101 * 98 / 198 = 49.99
      {FlickerPhase, 6, 0, 0x1.80ba4c733421bp+1},  // logarithms kept extended
      {FlickerPhase, 2, 0, 0x1.901ad29def03ep+0},  // the one type with an edf above 1 at N = 2
      {WhiteFrequency, 2, 0, static_cast<double>(6.0L / 9.0L)},
      {FlickerFrequency, 8, 0, 0x1.5555555555556p+2},  // 2 * 36 / (2.3 * 8 - 4.9)
      {FlickerFrequency, 8, 1, 0x1.6db6db6db6db7p+1},  // 5 * 64 / (4 * 2 * (8 + 6))
      {RandomWalkFrequency, 10, 1, static_cast<double>(4.0L * (81.0L - 54.0L + 16.0L) / 49.0L)},
      {WhitePhase, 2, 0, 0.0},
      {RandomWalkFrequency, 2, 0, 0.0},
      {RandomWalkFrequency, 3, 0, kInf},  // (N - 3)^2 = 0
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "noise " << static_cast<int>(c.noise) << " N " << c.n << " step "
                                    << c.step);
    EXPECT_EQ(frequencyEdf(c.noise, c.n, c.step), c.edf);
  }
  // Flicker Frequency at step 0 never uses the m = 1 value of the later-step formula.
  EXPECT_NE(frequencyEdf(FlickerFrequency, 8, 0), static_cast<double>(5.0L * 64 / (4.0L * 11)));
}

TEST(DegreesOfFreedomTest, PhaseWindow) {
  using enum NoiseType;
  struct Case {
    NoiseType noise;
    float m;
    int step;
    double edf;
  };
  const Case cases[] = {
      {WhitePhase, 3, 0, 1.0},    // 1 * 4 / (2 * 2)
      {FlickerPhase, 3, 0, 1.0},  // exp(sqrt(ln 1 * ln 1.5))
      {WhitePhase, 100, 0, 0x1.8feb50295fad4p+5},
      // Each logarithm rounded to double: the frequency window gives ...21bp+1 and ...ab0p+2.
      {FlickerPhase, 6, 0, 0x1.80ba4c733421cp+1},
      {FlickerPhase, 11, 0, 0x1.837c37a4ddaafp+2},
      {FlickerFrequency, 8, 0, 0x1.5555555555556p+2},
      {FlickerFrequency, 8, 1, 0x1.6db6db6db6db7p+1},
      {RandomWalkFrequency, 3, 0, kInf},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "noise " << static_cast<int>(c.noise) << " M " << c.m << " step "
                                    << c.step);
    EXPECT_EQ(phaseEdf(c.noise, c.m, c.step), c.edf);
  }
}

TEST(ConfidenceBoundsTest, FrequencyWhitePhaseAtOneHundredReadings) {
  // edf 49.99 uses row 40: Binf = sigma sqrt(49.99 / 59.3417), Bsup = sigma sqrt(49.99 / 24.4331).
  const double sigma = static_cast<double>(textToFloat("0.2922", '.'));
  const auto b = frequencyBounds(NoiseType::WhitePhase, 100.0f, 0, sigma);
  ASSERT_TRUE(b.has_value());
  EXPECT_TRUE(b->fromTable);
  EXPECT_EQ(b->lower, 0x1.12a032ff18ea4p-2);
  EXPECT_EQ(b->upper, 0x1.abfd08ca3dc6ep-2);
  EXPECT_EQ(generalText(b->lower, 4, '.'), "0.2682");
  EXPECT_EQ(generalText(b->upper, 4, '.'), "0.418");
}

TEST(ConfidenceBoundsTest, PhaseReadsSigmaInSinglePrecision) {
  const auto b = phaseBounds(NoiseType::WhitePhase, 100.0f, 0, 0.2922f);
  ASSERT_TRUE(b.has_value());
  EXPECT_EQ(b->lower, 0x1.12a032f0cfbfdp-2);
  EXPECT_EQ(b->upper, 0x1.abfd08b3fa4b9p-2);
  EXPECT_EQ(generalText(b->lower, 4, '.'), "0.2682");

  // M = 3, White Phase: edf 1 uses row 1.
  const auto shortest = phaseBounds(NoiseType::WhitePhase, 3.0f, 0, 1.0f);
  ASSERT_TRUE(shortest.has_value());
  EXPECT_EQ(shortest->lower, 1.0 / std::sqrt(static_cast<double>(5.02389f)));
}

TEST(ConfidenceBoundsTest, ShortDataHasNoBounds) {
  using enum NoiseType;
  for (NoiseType noise : {WhitePhase, WhiteFrequency, FlickerFrequency, RandomWalkFrequency}) {
    EXPECT_FALSE(frequencyBounds(noise, 2.0f, 0, 1e-9).has_value()) << static_cast<int>(noise);
    EXPECT_FALSE(phaseBounds(noise, 2.0f, 0, 1e-9f).has_value()) << static_cast<int>(noise);
  }
  EXPECT_TRUE(frequencyBounds(FlickerPhase, 2.0f, 0, 1e-9).has_value());
  EXPECT_FALSE(frequencyBounds(RandomWalkFrequency, 3.0f, 0, 1e-9).has_value());
  EXPECT_FALSE(phaseBounds(RandomWalkFrequency, 3.0f, 0, 1e-9f).has_value());
}

TEST(ConfidenceBoundsTest, LadderAndNoiseIndex) {
  EXPECT_EQ(averagingTime(0, 10), 10.0);
  EXPECT_EQ(averagingTime(3, 10), 80.0);
  EXPECT_EQ(averagingTime(30, 1), 1073741824.0);
  EXPECT_EQ(ladderFactor(5), 32.0);
  EXPECT_EQ(noiseTypeFromIndex(4), NoiseType::RandomWalkFrequency);
  EXPECT_FALSE(noiseTypeFromIndex(-1).has_value());
  EXPECT_FALSE(noiseTypeFromIndex(5).has_value());
}

}  // namespace
}  // namespace kovia
