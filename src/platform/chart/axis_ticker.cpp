// Ticks and value labels of an axis, from the model.
#include <cmath>

#include "platform/chart/axis.h"
#include "platform/chart/chart_plot.h"

namespace kovia {
namespace {

// At most this many major ticks on a logarithmic axis before decades are skipped.
constexpr int kMaxLogTicks = 8;
// Inside a decade every mantissa 1..9 is a labelled tick only while this few fit; else 1-2-5.
constexpr int kMaxMantissaTicks = 5;

QVector<double> mantissaSet(int count) {
  if (count <= 0) return {1, 2, 3, 4, 5, 6, 7, 8, 9};
  if (count == 1) return {1, 2, 5};
  return {1};
}

int mantissaTickCount(const QVector<double>& set, const QCPRange& range) {
  int count = 0;
  for (int e = static_cast<int>(std::floor(std::log10(range.lower))) - 1;
       e <= static_cast<int>(std::ceil(std::log10(range.upper))); ++e) {
    for (double m : set) {
      const double t = m * std::pow(10.0, e);
      if (t >= range.lower && t <= range.upper) ++count;
    }
  }
  return count;
}

}  // namespace

double AxisTicker::getTickStep(const QCPRange& range) {
  logMode_ = LogMode::Linear;
  if (axis_->logarithmic() && range.lower > 0 && range.upper > range.lower) {
    const int first = static_cast<int>(std::ceil(std::log10(range.lower) - 1e-9));
    const int last = static_cast<int>(std::floor(std::log10(range.upper) + 1e-9));
    const int decades = last - first + 1;
    if (decades >= 2) {
      logMode_ = LogMode::Decades;
      decadeStep_ = (decades + kMaxLogTicks - 1) / kMaxLogTicks;
      return decadeStep_;
    }
    for (int level = 0; level < 2; ++level) {
      const int count = mantissaTickCount(mantissaSet(level), range);
      if (count >= 2 && count <= (level == 0 ? kMaxMantissaTicks : kMaxLogTicks)) {
        logMode_ = LogMode::Mantissas;
        mantissaLevel_ = level;
        return 1.0;
      }
    }
  }
  return QCPAxisTicker::getTickStep(range);
}

int AxisTicker::getSubTickCount(double) {
  return axis_->minorTickCount();
}

QVector<double> AxisTicker::createTickVector(double tickStep, const QCPRange& range) {
  QVector<double> ticks;
  if (logMode_ == LogMode::Decades) {
    const int lo = static_cast<int>(std::floor(std::log10(range.lower)));
    const int hi = static_cast<int>(std::ceil(std::log10(range.upper)));
    // Decades on multiples of the step, one beyond each end for the minor ticks.
    int e = lo - decadeStep_;
    e -= ((e % decadeStep_) + decadeStep_) % decadeStep_;
    for (; e <= hi + decadeStep_; e += decadeStep_) ticks.append(std::pow(10.0, e));
    return ticks;
  }
  if (logMode_ == LogMode::Mantissas) {
    const QVector<double> set = mantissaSet(mantissaLevel_);
    for (int e = static_cast<int>(std::floor(std::log10(range.lower))) - 1;
         e <= static_cast<int>(std::ceil(std::log10(range.upper))); ++e) {
      for (double m : set) ticks.append(m * std::pow(10.0, e));
    }
    return ticks;
  }
  return QCPAxisTicker::createTickVector(tickStep, range);
}

QVector<double> AxisTicker::createSubTickVector(int subTickCount, const QVector<double>& ticks) {
  if (logMode_ == LogMode::Decades && decadeStep_ > 1) {
    // Skipped decades become the minor ticks.
    QVector<double> sub;
    for (qsizetype i = 0; i + 1 < ticks.size(); ++i) {
      const int e = static_cast<int>(std::lround(std::log10(ticks[i])));
      for (int k = 1; k < decadeStep_; ++k) sub.append(std::pow(10.0, e + k));
    }
    return sub;
  }
  if (logMode_ == LogMode::Mantissas) {
    // The whole mantissas that are not labelled become the minor ticks.
    QVector<double> sub;
    if (mantissaLevel_ == 0 || subTickCount == 0) return sub;
    for (qsizetype i = 0; i + 1 < ticks.size(); ++i) {
      const double decade = std::pow(10.0, std::floor(std::log10(ticks[i]) + 1e-9));
      for (double m = std::round(ticks[i] / decade) + 1; m * decade < ticks[i + 1] * (1 - 1e-9); ++m) {
        sub.append(m * decade);
      }
    }
    return sub;
  }
  return QCPAxisTicker::createSubTickVector(subTickCount, ticks);
}

QVector<QString> AxisTicker::createLabelVector(const QVector<double>& ticks, const QLocale&, QChar, int) {
  QVector<QString> labels;
  labels.reserve(ticks.size());
  const double linearStep = ticks.size() >= 2 ? ticks[1] - ticks[0] : 0.0;
  for (double tick : ticks) {
    // On a logarithmic axis every label needs only its own leading digit.
    const double step =
        logMode_ == LogMode::Linear ? linearStep : std::pow(10.0, std::floor(std::log10(std::fabs(tick))));
    labels.append(axis_->labelText(tick, step));
  }
  return labels;
}

}  // namespace kovia
