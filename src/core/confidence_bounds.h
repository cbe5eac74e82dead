// 95 % confidence bounds of an Allan deviation from the chi-square distribution with the
// equivalent degrees of freedom (edf) of the chosen noise type. Both analysis windows share
// the chi-square table and its lookup; each window has its own entry point because each
// evaluates the edf with its own count, operand order and precision, and reads sigma at its
// own precision. Results are defined to the last bit.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace kovia {

// The items of the noise-type radio groups, by index.
enum class NoiseType : int {
  WhitePhase = 0,
  FlickerPhase = 1,
  WhiteFrequency = 2,
  FlickerFrequency = 3,
  RandomWalkFrequency = 4,
};

// Maps a radio-group item index to a noise type; nothing for an index outside 0..4
// (the handler then stops, as with no selection).
std::optional<NoiseType> noiseTypeFromIndex(int index);

// One row of the chi-square table, in single precision as the windows hold it.
struct ChiSquareRow {
  float df;
  float upper;  // 97.5 % point: 2.5 % of the distribution lies above it
  float lower;  // 2.5 % point
};

// The 37 rows: df 1..30, then 40, 50, ..., 100.
extern const std::array<ChiSquareRow, 37> kChiSquareTable;

// Chi-square points for one edf.
struct ChiSquarePoints {
  double upper;
  double lower;
  // True when the points come from the table; false for the normal approximation used
  // above 100 degrees of freedom. The windows write the two bound cells in a different
  // order in each case.
  bool fromTable;
};

// Points for `edf`: above 100 (strictly) the normal approximation s = sqrt(2 edf - 1),
// lower = 0.5 (s - 1.96)^2, upper = 0.5 (s + 1.96)^2, all in double; otherwise the last
// table row whose df does not exceed edf, not interpolated (an edf of exactly 100 uses the
// df = 100 row). An edf below 1 or not finite has no row: the result is empty and that
// averaging time gets no bounds.
std::optional<ChiSquarePoints> chiSquarePoints(double edf);

// Bounds of one Allan-deviation row.
struct ConfidenceBounds {
  double edf;
  double lower;  // sigma / sqrt(upper point / edf)
  double upper;  // sigma / sqrt(lower point / edf)
  bool fromTable;
};

// Averaging factor m = 2^step of ladder step `step` (0-based) in both windows, exact.
double ladderFactor(int step);

// Averaging time 2^step * tauSeconds of ladder step `step`, exact for every step a
// ladder can have (the value the tau columns show in the default number text).
double averagingTime(int step, std::int32_t tauSeconds);

// --- frequency window ---------------------------------------------------------------

// Edf of the non-overlapping Allan variance of the frequency window for ladder step `step`
// (m = 2^step), from the reading count N in single precision. Evaluated in extended
// precision and returned rounded to double; Flicker Frequency uses its m = 1 formula for
// step 0 only. The value is real and may be below 1, infinite or NaN for very short data
// (White Phase with N = 2 gives 0; Random-Walk Frequency with N = 3 divides by zero).
double frequencyEdf(NoiseType noise, float readingCount, int step);

// Bounds of the frequency window's row `step`: sigma is the double conversion of the
// 4-digit Allan-deviation text; the bounds are computed in double. Empty when the edf has no
// chi-square points (below 1 or not finite).
std::optional<ConfidenceBounds> frequencyBounds(NoiseType noise, float readingCount, int step, double sigma);

// --- phase window -------------------------------------------------------------------

// Edf of the phase window for ladder step `step` (m = 2^step), from the number of
// accumulated values M in single precision, with the phase window's own operand order:
// White Phase (M - 2m)(M + 1) / (2(M - m)); Flicker Phase with each of the two logarithms
// rounded to double; Flicker Frequency 5M^2 / (4m(3m + M)) above step 0. Evaluated in
// extended precision, returned rounded to double.
double phaseEdf(NoiseType noise, float accumulatedCount, int step);

// Bounds of the phase window's row `step`: sigma is read from the 4-digit text as a
// single-precision value; the bounds are computed in double. Empty as frequencyBounds.
std::optional<ConfidenceBounds> phaseBounds(NoiseType noise, float accumulatedCount, int step, float sigma);

}  // namespace kovia
