// Analysis kernels of the phase window: unwrapping and accumulation of the phase readings
// into a time difference in seconds, its mean rate, the polynomial fit of the accumulated
// values over the row number, the residuals, and the overlapping Allan deviation of the
// accumulated values.
//
// The window keeps every value as decimal text and each stage reads back the texts the stage
// before wrote; these kernels take the numbers already converted at the precision each stage
// reads them with and return numbers at the precision each stage writes them from.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace kovia {

// --- accumulated phase ----------------------------------------------------------------

// Unit of the phase readings (the items of the unit radio group, by index).
enum class PhaseUnit : int {
  Degrees = 0,     // "Grados"
  TimeCounts = 1,  // "Tiempo": counts of the time-interval scale
};

// Wrap constants of a unit: one wrap period P corresponds to one period of the nominal
// frequency, and D scales the accumulated value to that period.
struct PhaseUnitConstants {
  double period;           // P
  std::int32_t threshold;  // T: a jump of magnitude above T (strictly) is a wrap
  double scale;            // D
};

// Degrees: P = 360, T = 180, D = 360. Time counts: P = 2 000 000, T = 1 000 000, D = 2 000 000.
PhaseUnitConstants phaseUnitConstants(PhaseUnit unit);

enum class AccumulationStatus {
  Ok,
  InvalidNominal,  // nominal frequency zero or not finite: the seconds would be meaningless
};

struct AccumulatedPhase {
  AccumulationStatus status = AccumulationStatus::Ok;
  // Unwrapped value A[k] = x[k] + W * P in the readings' unit, held as an 8-byte real,
  // for k = 1 .. N-1 at index k-1 (N-1 values; the last reading only closes the last step).
  std::vector<double> unwrapped;
  // A[k] / (D * nominal) in seconds, the quotient in extended precision; the handler writes
  // this extended value at 9 digits.
  std::vector<long double> seconds;
};

// Unwraps and accumulates the readings x[1..N] (at index 0..N-1).
// REQUIRES: each reading is the extended conversion of its cell (not rounded further).
// For k = 1 .. N-1: d = x[k+1] - x[k] in extended precision rounded to double; A[k] =
// x[k] + W * P in extended precision rounded to double, W being the wrap count before this
// step (single precision, from 0); then if |d| > T, W decreases by 1 when d >= 0 and
// increases by 1 otherwise (a jump of exactly T is no wrap).
// N <= 1 gives no value. Nothing is filled unless the status is Ok.
AccumulatedPhase accumulatePhase(std::span<const long double> readings, PhaseUnit unit, double nominalHz);

enum class RateStatus {
  Ok,
  TooShort,    // fewer than three readings: there is no first and last accumulated row to read
  InvalidTau,  // tauSeconds <= 0: the rate would divide by zero or a negative time
};

struct PhaseRate {
  RateStatus status = RateStatus::Ok;
  long double value = 0.0L;  // written at 7 digits
};

// Mean rate (E - F) / ((N - 2) * tau) of the accumulated time difference.
// REQUIRES: first = F, the value of accumulated row 1, and last = E, the value of row N-2,
// both re-read from their 9-digit texts as doubles; readingCount = N.
// The difference and the quotient are evaluated in extended precision. The time (N - 2) * tau
// is an exact integer (wider than 32 bits, so a long series is never given a wrapped time).
PhaseRate phaseRate(double first, double last, std::int64_t readingCount, std::int32_t tauSeconds);

// --- polynomial fit -------------------------------------------------------------------

// Fit orders are 1 to 3.
inline constexpr int kMinFitOrder = 1;
inline constexpr int kMaxFitOrder = 3;
// Gauss-Seidel sweeps over the normal equations, without any convergence test.
inline constexpr int kFitSweeps = 10000;

enum class FitStatus {
  Ok,
  InvalidOrder,           // order outside 1..3: no fit
  NoValues,               // no accumulated value to fit
  PowerSumOverflow,       // a single-precision power sum overflowed (order 3 beyond ~400 000 rows)
  NonFiniteCoefficients,  // the sweeps produced an infinite or NaN coefficient
};

struct PolynomialFit {
  FitStatus status = FitStatus::Ok;
  std::array<float, 7> powerSums{};     // S[b] = sum of x^b, b = 0 .. 2q (higher entries 0)
  std::array<float, 4> rightSums{};     // R[d] = sum of x^d * A, d = 0 .. q (higher entries 0)
  std::array<float, 4> coefficients{};  // c0 .. c3; those above the order stay 0
  // Fitted value p(v) for v = 1 .. M at index v-1 (written at 9 digits). Empty unless Ok.
  std::vector<float> fitted;
};

// Least-squares polynomial of order q through (x[k], A[k]), k = 1..M, by 10 000
// Gauss-Seidel sweeps over the normal equations in single precision.
// REQUIRES: x.size() == a.size() (= M); x[k] is the conversion of the row-number cell
// rounded to double; a[k] is the conversion of the accumulated-value cell rounded directly
// to single precision.
// S[b] += pow(x, b) (doubles) and R[d] += float(pow(x, d)) * A are each evaluated in
// extended precision and stored in single precision. Each sweep updates c0, c1, (c2, c3) in
// turn with the newest values, every expression evaluated left to right in extended
// precision and rounded to single precision. p(v) = ((c1 v + c0) + c2 v v) + c3 v v v with
// v in single precision, evaluated in extended precision, rounded to single precision.
// A fit whose power sums overflow or whose coefficients come out non-finite is refused.
PolynomialFit fitPolynomial(std::span<const double> x, std::span<const float> a, int order);

// --- residuals ------------------------------------------------------------------------

// Residual A - p of two values re-read from their texts as doubles, the difference taken in
// extended precision (written at 7 digits).
long double residual(double accumulated, double fitted);

// Residuals of two equally long columns (the shorter length is used).
std::vector<long double> residuals(std::span<const double> accumulated, std::span<const double> fitted);

// --- overlapping Allan deviation ------------------------------------------------------

// Number of ladder factors n = 1, 2, 4, ... with n <= (M - 1) * 0.5, M in single precision.
// M <= 2 gives 0.
int phaseAllanStepCount(std::size_t accumulatedCount);

enum class PhaseAllanStatus {
  Ok,
  InvalidTau,  // tauSeconds == 0: the normalising factor would divide by zero
};

struct PhaseAllanRow {
  double factor;   // n, the averaging factor (averaging time n * tau)
  float variance;  // V in single precision
  double sigma;    // sqrt(V) in double (written at 4 digits)
};

struct PhaseAllan {
  PhaseAllanStatus status = PhaseAllanStatus::Ok;
  std::vector<PhaseAllanRow> rows;  // phaseAllanStepCount(M) rows; none when M <= 2
};

// Allan deviation of the accumulated time differences A[1..M] (at index 0..M-1), seconds,
// from every overlapping second difference.
// REQUIRES: each A is the conversion of its 9-digit cell rounded to double.
// For n = 1, 2, 4, ...: for each start s = 1..n a chain i = s, s+n, ... while i <= M - 2n
// sums pow(D, 2.0), D = (A[i+2n] - 2 A[i+n]) + A[i] evaluated in extended precision and
// rounded to double; the chain sums are added in start order to Q. C = M - 2n when 3n > M,
// else n; G = 1 / (2 (n tau)^2 (M / n - 2)) with (n tau)^2 = pow(n, 2) tau^2 rounded to single
// precision; V = (Q / C) G in single precision. For 3n <= M this is the usual overlapping
// estimator; for 3n > M (only the last factor) it exceeds it by n / (M - 2n).
PhaseAllan phaseAllanDeviation(std::span<const double> a, std::int32_t tauSeconds);

}  // namespace kovia
