#include "core/confidence_bounds.h"

#include <cmath>

namespace kovia {

const std::array<ChiSquareRow, 37> kChiSquareTable = {{
    {1.0f, 5.02389f, 0.000982f},  {2.0f, 7.37776f, 0.050636f}, {3.0f, 9.3484f, 0.215795f},
    {4.0f, 11.1433f, 0.484419f},  {5.0f, 12.8325f, 0.831211f}, {6.0f, 14.4494f, 1.237347f},
    {7.0f, 16.0128f, 1.68987f},   {8.0f, 17.5346f, 2.17973f},  {9.0f, 19.0228f, 2.70039f},
    {10.0f, 20.4831f, 3.24697f},  {11.0f, 21.92f, 3.81575f},   {12.0f, 23.3367f, 4.40379f},
    {13.0f, 24.7356f, 5.00874f},  {14.0f, 26.119f, 5.62872f},  {15.0f, 27.4884f, 6.26214f},
    {16.0f, 28.8454f, 6.90766f},  {17.0f, 30.191f, 7.56418f},  {18.0f, 31.5264f, 8.23075f},
    {19.0f, 32.8523f, 8.90655f},  {20.0f, 34.1696f, 9.59083f}, {21.0f, 35.4789f, 10.28293f},
    {22.0f, 36.7807f, 10.9823f},  {23.0f, 38.0757f, 11.6885f}, {24.0f, 39.3641f, 12.4011f},
    {25.0f, 40.6465f, 13.1197f},  {26.0f, 41.9232f, 13.8439f}, {27.0f, 43.1944f, 14.5733f},
    {28.0f, 44.4607f, 15.3079f},  {29.0f, 45.7222f, 16.0471f}, {30.0f, 46.9792f, 16.7908f},
    {40.0f, 59.3417f, 24.4331f},  {50.0f, 71.4202f, 32.3574f}, {60.0f, 83.2976f, 40.4817f},
    {70.0f, 95.0231f, 48.7576f},  {80.0f, 106.629f, 57.1532f}, {90.0f, 118.136f, 65.6466f},
    {100.0f, 129.561f, 74.2219f},
}};

namespace {

// Both windows hold 2.3, 4.9 and 1.96 as 8-byte constants: they enter the extended
// evaluation as the doubles nearest to them, not as the extended values.
constexpr double k23 = 2.3;
constexpr double k49 = 4.9;
constexpr double k196 = 1.96;

ConfidenceBounds boundsFrom(double edf, const ChiSquarePoints& points, double sigma) {
  ConfidenceBounds b;
  b.edf = edf;
  b.lower = sigma / std::sqrt(points.upper / edf);
  b.upper = sigma / std::sqrt(points.lower / edf);
  b.fromTable = points.fromTable;
  return b;
}

}  // namespace

std::optional<NoiseType> noiseTypeFromIndex(int index) {
  if (index < 0 || index > 4) return std::nullopt;
  return static_cast<NoiseType>(index);
}

double ladderFactor(int step) {
  return std::ldexp(1.0, step);
}

double averagingTime(int step, std::int32_t tauSeconds) {
  return std::ldexp(static_cast<double>(tauSeconds), step);
}

std::optional<ChiSquarePoints> chiSquarePoints(double edf) {
  // An edf below 1 has no table row and a non-finite edf has no meaning: no bounds.
  if (!std::isfinite(edf) || edf < 1.0) return std::nullopt;
  if (edf > 100.0) {
    const double s = std::sqrt(2.0 * edf - 1.0);
    const double below = s - k196;
    const double above = s + k196;
    return ChiSquarePoints{0.5 * (above * above), 0.5 * (below * below), false};
  }
  // Last row whose df does not exceed edf; row 0 qualifies since edf >= 1.
  std::size_t row = 0;
  while (row + 1 < kChiSquareTable.size() && static_cast<double>(kChiSquareTable[row + 1].df) <= edf) ++row;
  return ChiSquarePoints{kChiSquareTable[row].upper, kChiSquareTable[row].lower, true};
}

// Every edf formula is evaluated in extended precision, left to right as written, from the
// single-precision count, and rounded once to double.
double frequencyEdf(NoiseType noise, float readingCount, int step) {
  const long double n = readingCount;
  // m = 2^step is exact in single precision and in extended precision alike.
  const long double m = std::ldexp(1.0L, step);
  long double edf = 0.0L;
  switch (noise) {
    case NoiseType::WhitePhase:
      edf = (n + 1.0L) * (n - 2.0L * m) / (2.0L * (n - m));
      break;
    case NoiseType::FlickerPhase:
      edf = std::exp(
          std::sqrt(std::log((n - 1.0L) / (2.0L * m)) * std::log((2.0L * m + 1.0L) * (n - 1.0L) / 4.0L)));
      break;
    case NoiseType::WhiteFrequency:
      edf = (3.0L * (n - 1.0L) / (2.0L * m) - 2.0L * (n - 2.0L) / n) * 4.0L * m * m / (4.0L * m * m + 5.0L);
      break;
    case NoiseType::FlickerFrequency:
      if (step == 0) {
        edf = 2.0L * (n - 2.0L) * (n - 2.0L) /
              (static_cast<long double>(k23) * n - static_cast<long double>(k49));
      } else {
        edf = 5.0L * n * n / (4.0L * m * (n + 3.0L * m));
      }
      break;
    case NoiseType::RandomWalkFrequency:
      edf = ((n - 2.0L) / m) * ((n - 1.0L) * (n - 1.0L) - 3.0L * m * (n - 1.0L) + 4.0L * m * m) /
            ((n - 3.0L) * (n - 3.0L));
      break;
  }
  return static_cast<double>(edf);
}

double phaseEdf(NoiseType noise, float accumulatedCount, int step) {
  const long double n = accumulatedCount;  // M, the number of accumulated values
  const long double m = std::ldexp(1.0L, step);
  long double edf = 0.0L;
  switch (noise) {
    case NoiseType::WhitePhase:
      edf = (n - 2.0L * m) * (n + 1.0L) / (2.0L * (n - m));
      break;
    case NoiseType::FlickerPhase: {
      // Each logarithm is taken in extended precision and stored as an 8-byte real; the
      // product, root and exponential are extended again.
      const double first = static_cast<double>(std::log((n - 1.0L) / (2.0L * m)));
      const double second = static_cast<double>(std::log((2.0L * m + 1.0L) * (n - 1.0L) / 4.0L));
      edf = std::exp(std::sqrt(static_cast<long double>(first) * static_cast<long double>(second)));
      break;
    }
    case NoiseType::WhiteFrequency:
      edf = (3.0L * (n - 1.0L) / (2.0L * m) - 2.0L * (n - 2.0L) / n) * 4.0L * m * m / (4.0L * m * m + 5.0L);
      break;
    case NoiseType::FlickerFrequency:
      if (step == 0) {
        edf = 2.0L * (n - 2.0L) * (n - 2.0L) /
              (static_cast<long double>(k23) * n - static_cast<long double>(k49));
      } else {
        edf = 5.0L * n * n / (4.0L * m * (3.0L * m + n));
      }
      break;
    case NoiseType::RandomWalkFrequency:
      edf = ((n - 2.0L) / m) * ((n - 1.0L) * (n - 1.0L) - 3.0L * m * (n - 1.0L) + 4.0L * m * m) /
            ((n - 3.0L) * (n - 3.0L));
      break;
  }
  return static_cast<double>(edf);
}

std::optional<ConfidenceBounds> frequencyBounds(NoiseType noise, float readingCount, int step, double sigma) {
  const double edf = frequencyEdf(noise, readingCount, step);
  const auto points = chiSquarePoints(edf);
  if (!points) return std::nullopt;
  return boundsFrom(edf, *points, sigma);
}

std::optional<ConfidenceBounds> phaseBounds(NoiseType noise, float accumulatedCount, int step, float sigma) {
  const double edf = phaseEdf(noise, accumulatedCount, step);
  const auto points = chiSquarePoints(edf);
  if (!points) return std::nullopt;
  // sigma enters the double quotient as the single-precision value read from the text.
  return boundsFrom(edf, *points, static_cast<double>(sigma));
}

}  // namespace kovia
