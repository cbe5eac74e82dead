#include "core/frequency_analysis.h"

#include <cmath>

namespace kovia {

std::optional<double> readingMean(std::span<const double> readings) {
  if (readings.empty()) return std::nullopt;
  double sum = 0.0;
  for (double f : readings) sum += f;
  return sum / static_cast<double>(readings.size());
}

double fractionalDeviation(double readingHz, double nominalHz) {
  const long double nominal = nominalHz;
  return static_cast<double>((static_cast<long double>(readingHz) - nominal) / nominal);
}

FrequencyDeviations fractionalDeviations(std::span<const double> readingsHz, double nominalHz) {
  FrequencyDeviations result;
  if (readingsHz.empty()) {
    result.status = DeviationStatus::NoReadings;
    return result;
  }
  if (nominalHz == 0.0 || !std::isfinite(nominalHz)) {
    result.status = DeviationStatus::InvalidNominal;
    return result;
  }
  result.values.reserve(readingsHz.size());
  double sum = 0.0;
  for (double f : readingsHz) {
    const double y = fractionalDeviation(f, nominalHz);
    result.values.push_back(y);
    sum += y;  // the unrounded y, not its 7-digit text
  }
  result.mean = sum / static_cast<double>(readingsHz.size());
  return result;
}

int frequencyAllanStepCount(std::int64_t readingCount) {
  // N * 0.5 > 2^r, compared in extended precision where N and 2^r are exact.
  const long double half = static_cast<long double>(readingCount) * 0.5L;
  int steps = 1;
  while (half > std::ldexp(1.0L, steps)) ++steps;
  return steps;
}

FrequencyAllan frequencyAllanDeviation(std::span<const float> y) {
  FrequencyAllan result;
  const std::size_t count = y.size();
  if (count < 2) {
    result.status = FrequencyAllanStatus::TooShort;
    return result;
  }
  const long double n = static_cast<long double>(count);
  const int steps = frequencyAllanStepCount(static_cast<std::int64_t>(count));
  result.sigma.reserve(steps);
  for (int r = 0; r < steps; ++r) {
    const float m = std::ldexp(1.0f, r);
    // Blocks: floor(N / m), the quotient in extended precision (exact, m a power of two).
    const auto blocks = static_cast<std::size_t>(std::floor(n / static_cast<long double>(m)));
    const std::size_t blockSize = std::size_t{1} << r;
    // Float operations on float operands: extended evaluation then rounding to single
    // precision gives the same bits as single-precision arithmetic, so plain float is exact.
    float sumSquares = 0.0f;
    float previous = 0.0f;
    for (std::size_t k = 0; k < blocks; ++k) {
      float blockSum = 0.0f;
      const float* first = y.data() + k * blockSize;
      for (std::size_t i = 0; i < blockSize; ++i) blockSum = blockSum + first[i];
      const float average = blockSum / m;
      if (k > 0) {
        const float difference = average - previous;
        const float square = difference * difference;
        sumSquares = sumSquares + square;
      }
      previous = average;
    }
    // (N / m - 1) * 2 with the real quotient, all in extended precision; the variance is
    // the extended quotient rounded once to single precision.
    const long double divisor = (n / static_cast<long double>(m) - 1.0L) * 2.0L;
    const float variance = static_cast<float>(static_cast<long double>(sumSquares) / divisor);
    // Square root in double of the single-precision variance, rounded to single precision.
    result.sigma.push_back(static_cast<float>(std::sqrt(static_cast<double>(variance))));
  }
  return result;
}

}  // namespace kovia
