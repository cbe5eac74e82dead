#include "core/phase_analysis.h"

#include <algorithm>
#include <cmath>

// Evaluation model of this window: an expression is evaluated in extended precision and
// rounded once to the type of the variable it is stored in, unless stated otherwise.

namespace kovia {

PhaseUnitConstants phaseUnitConstants(PhaseUnit unit) {
  if (unit == PhaseUnit::TimeCounts) return {2000000.0, 1000000, 2000000.0};
  return {360.0, 180, 360.0};
}

AccumulatedPhase accumulatePhase(std::span<const long double> readings, PhaseUnit unit, double nominalHz) {
  AccumulatedPhase result;
  if (nominalHz == 0.0 || !std::isfinite(nominalHz)) {
    result.status = AccumulationStatus::InvalidNominal;
    return result;
  }
  if (readings.size() < 2) return result;
  const PhaseUnitConstants c = phaseUnitConstants(unit);
  // D * nominal is formed in extended precision, like the quotient it divides.
  const long double secondsPerUnit = static_cast<long double>(c.scale) * static_cast<long double>(nominalHz);
  const double threshold = static_cast<double>(c.threshold);
  const std::size_t rows = readings.size() - 1;
  result.unwrapped.reserve(rows);
  result.seconds.reserve(rows);
  float wraps = 0.0f;
  for (std::size_t k = 0; k < rows; ++k) {
    // The difference of the two extended readings, rounded to double.
    const double d = static_cast<double>(readings[k + 1] - readings[k]);
    // x[k] stays extended: x[k] + W * P is formed in extended and rounded once to double.
    const double a = static_cast<double>(readings[k] + static_cast<long double>(wraps) * c.period);
    if (std::fabs(d) > threshold) wraps = d >= 0.0 ? wraps - 1.0f : wraps + 1.0f;
    result.unwrapped.push_back(a);
    result.seconds.push_back(static_cast<long double>(a) / secondsPerUnit);
  }
  return result;
}

PhaseRate phaseRate(double first, double last, std::int64_t readingCount, std::int32_t tauSeconds) {
  PhaseRate rate;
  if (readingCount < 3) {
    rate.status = RateStatus::TooShort;
    return rate;
  }
  if (tauSeconds <= 0) {
    rate.status = RateStatus::InvalidTau;
    return rate;
  }
  // An exact 64-bit product: equal to the 32-bit one wherever that one does not wrap.
  // The difference of the two doubles and the quotient are extended.
  const std::int64_t elapsed = (readingCount - 2) * static_cast<std::int64_t>(tauSeconds);
  rate.value =
      (static_cast<long double>(last) - static_cast<long double>(first)) / static_cast<long double>(elapsed);
  return rate;
}

PolynomialFit fitPolynomial(std::span<const double> x, std::span<const float> a, int order) {
  PolynomialFit fit;
  if (order < kMinFitOrder || order > kMaxFitOrder) {
    fit.status = FitStatus::InvalidOrder;
    return fit;
  }
  const std::size_t count = std::min(x.size(), a.size());
  if (count == 0) {
    fit.status = FitStatus::NoValues;
    return fit;
  }
  const int q = order;
  auto& s = fit.powerSums;
  auto& r = fit.rightSums;
  auto& c = fit.coefficients;

  for (int b = 0; b <= 2 * q; ++b) {
    float sum = 0.0f;
    // pow on doubles; the sum of the single-precision S and the double power is extended.
    for (std::size_t k = 0; k < count; ++k)
      sum = static_cast<float>(static_cast<long double>(sum) + std::pow(x[k], static_cast<double>(b)));
    s[b] = sum;
  }
  for (int d = 0; d <= q; ++d) {
    float sum = 0.0f;
    for (std::size_t k = 0; k < count; ++k) {
      const float t = static_cast<float>(std::pow(x[k], static_cast<double>(d)));
      // t * y is exact in extended; R + t * y is rounded once, to single precision.
      sum = static_cast<float>(static_cast<long double>(sum) + static_cast<long double>(t) * a[k]);
    }
    r[d] = sum;
  }
  for (int b = 0; b <= 2 * q; ++b) {
    if (!std::isfinite(s[b])) {
      fit.status = FitStatus::PowerSumOverflow;
      return fit;
    }
  }

  // Row i of the normal equations: c_i = (R[i] - sum over j != i, j <= q, in increasing j, of
  // S[i + j] * c_j) / S[2i]; terms of coefficients above the order are absent.
  for (int sweep = 0; sweep < kFitSweeps; ++sweep) {
    for (int i = 0; i <= q; ++i) {
      long double value = r[i];
      for (int j = 0; j <= q; ++j) {
        if (j != i) value = value - static_cast<long double>(s[i + j]) * static_cast<long double>(c[j]);
      }
      c[i] = static_cast<float>(value / static_cast<long double>(s[2 * i]));
    }
  }
  for (int i = 0; i <= q; ++i) {
    if (!std::isfinite(c[i])) {
      fit.status = FitStatus::NonFiniteCoefficients;
      return fit;
    }
  }

  // v counts in single precision in the window; an integer counter converted to float gives
  // the same values wherever a float counter can still count (below 2^24).
  const long double c0 = c[0], c1 = c[1], c2 = c[2], c3 = c[3];
  fit.fitted.reserve(count);
  for (std::size_t k = 1; k <= count; ++k) {
    const long double v = static_cast<float>(k);
    // The whole polynomial is evaluated in extended precision and rounded once.
    fit.fitted.push_back(static_cast<float>(((c1 * v + c0) + c2 * v * v) + c3 * v * v * v));
  }
  return fit;
}

long double residual(double accumulated, double fitted) {
  return static_cast<long double>(accumulated) - static_cast<long double>(fitted);
}

std::vector<long double> residuals(std::span<const double> accumulated, std::span<const double> fitted) {
  const std::size_t count = std::min(accumulated.size(), fitted.size());
  std::vector<long double> out;
  out.reserve(count);
  for (std::size_t k = 0; k < count; ++k) out.push_back(residual(accumulated[k], fitted[k]));
  return out;
}

int phaseAllanStepCount(std::size_t accumulatedCount) {
  // M is held in single precision; (M - 1) * 0.5 and the comparison are exact in extended.
  const long double limit = (static_cast<long double>(static_cast<float>(accumulatedCount)) - 1.0L) * 0.5L;
  int steps = 0;
  while (std::ldexp(1.0L, steps) <= limit) ++steps;
  return steps;
}

PhaseAllan phaseAllanDeviation(std::span<const double> a, std::int32_t tauSeconds) {
  PhaseAllan result;
  const std::size_t count = a.size();
  const int steps = phaseAllanStepCount(count);
  if (steps == 0) return result;
  if (tauSeconds == 0) {
    result.status = PhaseAllanStatus::InvalidTau;
    return result;
  }
  const long double m = static_cast<float>(count);  // M as the window holds it
  const long double tauSquared = static_cast<long double>(tauSeconds) * static_cast<long double>(tauSeconds);
  result.rows.reserve(steps);
  for (int step = 0; step < steps; ++step) {
    const double n = std::ldexp(1.0, step);
    const std::size_t stride = std::size_t{1} << step;
    // Indices are 0-based here: i runs over 0 .. M - 2n - 1, i.e. 1 .. M - 2n of the grid.
    const std::size_t last = count - 2 * stride;
    double sumSquares = 0.0;  // Q
    for (std::size_t start = 0; start < stride; ++start) {
      double chain = 0.0;
      for (std::size_t i = start; i < last; i += stride) {
        // Second difference evaluated in extended precision, rounded to double.
        const double d = static_cast<double>(
            (static_cast<long double>(a[i + 2 * stride]) - 2.0L * static_cast<long double>(a[i + stride])) +
            static_cast<long double>(a[i]));
        // Chain sum and Q are 8-byte reals: extended sums rounded to double when stored.
        chain = static_cast<double>(static_cast<long double>(chain) + std::pow(d, 2.0));
      }
      sumSquares = static_cast<double>(static_cast<long double>(sumSquares) + chain);
    }
    // Divisor count: M - 2n for the last, short factor (3n > M), n otherwise.
    const float divisorCount = static_cast<float>(3.0L * n > m ? m - 2.0L * n : static_cast<long double>(n));
    // (n tau)^2 = pow(n, 2) * tau^2, rounded to single precision before use.
    const float spanSquared = static_cast<float>(static_cast<long double>(std::pow(n, 2.0)) * tauSquared);
    const float normaliser =
        static_cast<float>(1.0L / (2.0L * static_cast<long double>(spanSquared) * (m / n - 2.0L)));
    const float variance = static_cast<float>(static_cast<long double>(sumSquares) / divisorCount *
                                              static_cast<long double>(normaliser));
    // The C library's square root: the single-precision variance widened to double.
    result.rows.push_back({n, variance, std::sqrt(static_cast<double>(variance))});
  }
  return result;
}

}  // namespace kovia
