// Two charts as the analysis windows set them up: readings in two point colours on linear
// axes, and an Allan deviation on logarithmic axes with its minor grid, a two-line title
// and a foot.
#pragma once

#include <cmath>

#include "platform/chart/chart.h"

namespace kovia::testing {

inline constexpr Color kNavy = colors::kNavy;
inline constexpr Color kRed = colors::kRed;

inline void fillReadingsChart(Chart& chart) {
  chart.setObjectName(QStringLiteral("Chart1"));
  chart.title().setLines({QStringLiteral("MEDICIONES DE FRECUENCIA"), QStringLiteral("FIGURA 1")});
  chart.title().setFont(chartFont(16, true));
  chart.foot().setText(QStringLiteral("(2 horas de medición con Tau= 60 s)"));
  chart.leftAxis()->setTitleCaption(QStringLiteral("FRECUENCIA (Hz)"));
  chart.bottomAxis()->setTitleCaption(QStringLiteral("DATOS"));
  Series* points = chart.addSeries(QStringLiteral("Series1"), SeriesKind::Point);
  points->setPointerStyle(PointerStyle::Diamond);
  points->setHorizSize(3);
  points->setVertSize(3);
  for (int i = 0; i < 120; ++i) {
    const double y = 10000000.0 + 0.004 * std::sin(i * 0.11) + 0.0015 * std::cos(i * 1.7);
    points->addY(y, QString(), i < 80 ? kNavy : kRed);
  }
}

inline void fillAllanChart(Chart& chart) {
  chart.setObjectName(QStringLiteral("DBChart4"));
  chart.title().setLines({QStringLiteral("RAÍZ DE LA VARIANZA DE ALLAN"), QStringLiteral("FIGURA 3")});
  chart.title().setFont(chartFont(16, true));
  chart.foot().setText(QStringLiteral("TAU (s)"));
  for (Axis* axis : {chart.leftAxis(), chart.bottomAxis()}) {
    axis->setLogarithmic(true);
    axis->setMinorTickCount(8);
    axis->setMinorGridVisible(true);
  }
  chart.leftAxis()->setTitleCaption(QStringLiteral("s (t)"));
  chart.leftAxis()->setTitleSymbolFont(true);
  chart.leftAxis()->setTitleFont(chartFont(15));
  chart.leftAxis()->setLabelFormat(QStringLiteral("#.0E-00"));
  Series* avar = chart.addSeries(QStringLiteral("Series10"), SeriesKind::Point);
  avar->setTitle(QStringLiteral("Avar"));
  avar->setPointerStyle(PointerStyle::Diamond);
  avar->setHorizSize(3);
  avar->setVertSize(3);
  Series* lower = chart.addSeries(QStringLiteral("Series11"), SeriesKind::Point);
  Series* upper = chart.addSeries(QStringLiteral("Series12"), SeriesKind::Point);
  for (Series* bound : {lower, upper}) {
    bound->setPointerStyle(PointerStyle::Rectangle);
    bound->setHorizSize(4);
    bound->setVertSize(0);
  }
  for (int r = 0; r < 6; ++r) {
    const double tau = 60.0 * std::pow(2.0, r);
    const double sigma = 3e-11 / std::sqrt(tau / 60.0) + 2e-13 * std::sqrt(tau / 60.0);
    const double spread = 1.0 + 0.15 * std::sqrt(r + 1.0);
    avar->addXY(tau, sigma, QString(), colors::kNavy);
    lower->addXY(tau, sigma / spread, QString(), colors::kBar);
    upper->addXY(tau, sigma * spread, QString(), colors::kBar);
  }
}

}  // namespace kovia::testing
