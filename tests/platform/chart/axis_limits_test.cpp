#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "platform/chart/chart.h"

namespace kovia {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(AxisLimits, SetMinMaxSwapsAndSwitchesAutomaticScalingOff) {
  Chart chart;
  Axis* axis = chart.leftAxis();
  ASSERT_TRUE(axis->automatic());
  axis->setMinMax(8.0, -3.0);
  EXPECT_EQ(axis->minimum(), -3.0);
  EXPECT_EQ(axis->maximum(), 8.0);
  EXPECT_FALSE(axis->automatic());
  EXPECT_FALSE(axis->automaticMinimum());
  EXPECT_FALSE(axis->automaticMaximum());
  // Fixed limits do not follow the data.
  chart.addSeries(QStringLiteral("S"), SeriesKind::Point)->addY(100.0);
  EXPECT_EQ(axis->maximum(), 8.0);
}

struct LimitCase {
  const char* name;
  bool logarithmic;
  std::vector<double> shown;   // y values of a visible series
  std::vector<double> hidden;  // y values of a hidden series
  double min, max;
};

const std::vector<LimitCase>& limitCases() {
  static const std::vector<LimitCase> cases = {
      {"empty linear", false, {}, {}, 0.0, 1.0},
      {"empty logarithmic", true, {}, {}, 1.0, 10.0},
      {"data range", false, {3.0, -2.0, 7.5}, {}, -2.0, 7.5},
      {"constant", false, {5.0, 5.0}, {}, 4.995, 5.005},
      {"constant zero", false, {0.0}, {}, -1e-300, 1e-300},
      {"constant negative", false, {-2.0}, {}, -2.002, -1.998},
      {"constant logarithmic", true, {100.0}, {}, 99.9, 100.1},
      {"non-positive values ignored on log axis", true, {-5.0, 0.0, 2.0, 50.0}, {}, 2.0, 50.0},
      {"only non-positive values on log axis", true, {-5.0, 0.0}, {}, 1.0, 10.0},
      {"hidden series ignored", false, {1.0, 2.0}, {-100.0, 100.0}, 1.0, 2.0},
      {"only a hidden series", false, {}, {-100.0, 100.0}, 0.0, 1.0},
      {"values that are not numbers ignored", false, {kNaN, 3.0, kInf, 7.0, -kInf}, {}, 3.0, 7.0},
  };
  return cases;
}

TEST(AxisLimits, AutomaticLimitsFollowTheVisibleDataOnTheAxis) {
  for (const LimitCase& c : limitCases()) {
    Chart chart;
    chart.leftAxis()->setLogarithmic(c.logarithmic);
    Series* shown = chart.addSeries(QStringLiteral("Shown"), SeriesKind::Point);
    Series* hidden = chart.addSeries(QStringLiteral("Hidden"), SeriesKind::Line);
    hidden->setVisible(false);
    // A series on the right axis never counts for the left one.
    Series* other = chart.addSeries(QStringLiteral("Other"), SeriesKind::Point);
    other->setVerticalAxis(chart.rightAxis());
    other->addY(1e6);
    for (double y : c.shown) shown->addY(y);
    for (double y : c.hidden) hidden->addY(y);
    EXPECT_DOUBLE_EQ(chart.leftAxis()->minimum(), c.min) << c.name;
    EXPECT_DOUBLE_EQ(chart.leftAxis()->maximum(), c.max) << c.name;
  }
}

TEST(AxisLimits, EachEndFollowsItsOwnSwitch) {
  Chart chart;
  Series* series = chart.addSeries(QStringLiteral("S"), SeriesKind::Point);
  series->addXY(2.0, 10.0);
  series->addXY(6.0, 30.0);
  Axis* axis = chart.leftAxis();
  axis->setMinMax(0.0, 50.0);
  axis->setAutomaticMinimum(true);
  EXPECT_EQ(axis->minimum(), 10.0);
  EXPECT_EQ(axis->maximum(), 50.0);
  EXPECT_FALSE(axis->automatic());
  series->addXY(7.0, 4.0);
  EXPECT_EQ(axis->minimum(), 4.0);

  // Both ends automatic again: the axis is automatic.
  axis->setAutomaticMaximum(true);
  EXPECT_TRUE(axis->automatic());
  EXPECT_EQ(axis->maximum(), 30.0);

  // An end switched off keeps the value it had and no longer follows the data.
  axis->setAutomaticMaximum(false);
  EXPECT_FALSE(axis->automatic());
  series->addXY(8.0, 90.0);
  EXPECT_EQ(axis->maximum(), 30.0);
  EXPECT_EQ(chart.bottomAxis()->maximum(), 8.0);
}

TEST(AxisTitles, SymbolFontTitleKeepsItsTextAndIsDrawnInGreek) {
  Chart chart;
  Axis* axis = chart.leftAxis();
  axis->setTitleCaption(QStringLiteral("s (t)"));
  EXPECT_EQ(axis->drawnTitle(), QStringLiteral("s (t)"));
  axis->setTitleSymbolFont(true);
  EXPECT_EQ(axis->titleCaption(), QStringLiteral("s (t)"));
  EXPECT_EQ(axis->drawnTitle(), QStringLiteral("σ (τ)"));
  axis->setTitleCaption(QStringLiteral("Sigma y(Tau)"));
  EXPECT_EQ(axis->drawnTitle(), QStringLiteral("Σιγμα ψ(Ταυ)"));
}

TEST(ChartTexts, TextSplitsIntoLinesAtLineBreaks) {
  Chart chart;
  chart.title().setText(QStringLiteral("DESVIACIÓN FRACCIONAL DE FRECUENCIA \r\n  FIGURA 2\n"));
  EXPECT_EQ(chart.title().lines(), QStringList({QStringLiteral("DESVIACIÓN FRACCIONAL DE FRECUENCIA "),
                                                QStringLiteral("  FIGURA 2")}));
  chart.foot().setText(QString());
  EXPECT_TRUE(chart.foot().lines().isEmpty());
}

}  // namespace
}  // namespace kovia
