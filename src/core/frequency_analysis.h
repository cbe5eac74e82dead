// Analysis kernels of the frequency window: the mean of the readings, the fractional
// frequency deviations and the non-overlapping Allan deviation over the tau ladder.
//
// The window keeps every value as decimal text and each stage reads back the texts the stage
// before wrote; these kernels take the numbers already converted at the precision each stage
// reads them with, and return numbers at the precision each stage writes them from. The
// handler formats them (general format, the digits its column uses).
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace kovia {

// Mean of the readings (Hz): summed in double in order, divided by N in double.
// REQUIRES: each reading is the extended conversion of its cell rounded to double.
// Empty for N = 0 (there is no mean to show).
std::optional<double> readingMean(std::span<const double> readings);

// One fractional frequency deviation y = (f - nominal) / nominal, evaluated in extended
// precision and rounded once to double. REQUIRES: nominal finite and nonzero.
double fractionalDeviation(double readingHz, double nominalHz);

enum class DeviationStatus {
  Ok,
  NoReadings,      // N = 0: no deviation and no mean
  InvalidNominal,  // nominal frequency zero or not finite: every quotient would be meaningless
};

struct FrequencyDeviations {
  DeviationStatus status = DeviationStatus::Ok;
  std::vector<double> values;  // y of each reading, in reading order (written at 7 digits)
  double mean = 0.0;           // sum of the unrounded y in double, divided by N in double
};

// Fractional deviations of all readings and their mean. The values are filled only when the
// status is Ok; with any other status `values` is empty and `mean` is meaningless.
// REQUIRES: each reading is the extended conversion of its cell rounded to double.
FrequencyDeviations fractionalDeviations(std::span<const double> readingsHz, double nominalHz);

// Number of rows R of the frequency Allan ladder for N readings: step 0 (m = 1) always, then
// each r >= 1 with N * 0.5 > 2^r strictly. N = 100 gives 6 (m = 1 ... 32); N = 8 and N = 7
// give 2.
int frequencyAllanStepCount(std::int64_t readingCount);

enum class FrequencyAllanStatus {
  Ok,
  TooShort,  // N < 2: no difference of block averages exists (N = 1 would be 0 / 0)
};

struct FrequencyAllan {
  FrequencyAllanStatus status = FrequencyAllanStatus::Ok;
  // sigma_y(tau) of ladder step r (m = 2^r) at index r, frequencyAllanStepCount(N) of them,
  // in single precision (written at 4 digits). Empty unless the status is Ok.
  std::vector<float> sigma;
};

// Non-overlapping Allan deviation of the deviations y[0 .. N-1], N = y.size().
// REQUIRES: each y is the extended conversion of its 7-digit deviation text rounded to
// single precision.
// For each step, m = 2^r in single precision: M = floor(N / m) blocks, each averaged in
// single precision (the sum rounded after every addition, the quotient by m rounded);
// D = sum of the squared differences of consecutive averages, every difference, square and
// partial sum rounded to single precision; sigma^2 = D / ((N / m - 1) * 2) with the real
// (not floored) quotient N / m, evaluated in extended precision and rounded to single
// precision; sigma = sqrt in double, rounded to single precision. The divisor uses the real
// N / m, so when m does not divide N it differs from the textbook M - 1 differences.
FrequencyAllan frequencyAllanDeviation(std::span<const float> y);

}  // namespace kovia
