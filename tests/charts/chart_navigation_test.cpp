#include "charts/chart_navigation.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/chart/chart.h"
#include "platform/misc_controls.h"

namespace kovia {
namespace {

using Limits = std::pair<double, double>;

Limits limitsOf(const Axis* axis) {
  return {axis->minimum(), axis->maximum()};
}

// A data chart: y = 0 .. 100 against x = 0 .. 100, all axes automatic.
class LinearChartTest : public ::testing::Test {
 protected:
  void SetUp() override {
    series_ = chart_.addSeries(QStringLiteral("Series1"), SeriesKind::Point);
    for (int i = 0; i <= 100; ++i) series_->addY(i);
  }
  Chart chart_;
  Series* series_ = nullptr;
};

TEST(LinearMovesTest, EachMoveShiftsItsAxisByFivePercentAndLeavesTheOther) {
  struct Case {
    const char* name;
    void (*move)(Chart&);
    bool bottom;  // the axis it moves
    double shift;
    void (*opposite)(Chart&);
  };
  const Case cases[] = {
      {"left", moveLeft, true, 5.0, moveRight},
      {"right", moveRight, true, -5.0, moveLeft},
      {"up", moveUp, false, -5.0, moveDown},
      {"down", moveDown, false, 5.0, moveUp},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Chart chart;
    Series* series = chart.addSeries(QStringLiteral("Series1"), SeriesKind::Point);
    for (int i = 0; i <= 100; ++i) series->addY(i);
    Axis* moved = c.bottom ? chart.bottomAxis() : chart.leftAxis();
    Axis* other = c.bottom ? chart.leftAxis() : chart.bottomAxis();

    c.move(chart);
    EXPECT_EQ(limitsOf(moved), Limits(c.shift, 100.0 + c.shift));
    EXPECT_FALSE(moved->automaticMinimum());
    EXPECT_FALSE(moved->automaticMaximum());
    EXPECT_TRUE(other->automatic());
    EXPECT_FALSE(chart.zoomed());

    // The fixed limits stay when the data change; the opposite move gives them back.
    series->addY(1000.0);
    c.opposite(chart);
    EXPECT_EQ(limitsOf(moved), Limits(0.0, 100.0));
  }
}

TEST_F(LinearChartTest, FiveMovesLeftShiftByAQuarterOfTheRange) {
  for (int i = 0; i < 5; ++i) moveLeft(chart_);
  EXPECT_EQ(limitsOf(chart_.bottomAxis()), Limits(25.0, 125.0));
}

TEST(MoveAxisTest, StepIsFormedInExtendedPrecision) {
  // On [0.01, 0.21] the 5 % step formed in double precision misses the round limits by a
  // last bit (0.019999999999999997 and 1.7e-18); formed in extended precision it lands on
  // them.
  Chart chart;
  chart.bottomAxis()->setMinMax(0.01, 0.21);
  moveLeft(chart);
  EXPECT_EQ(limitsOf(chart.bottomAxis()), Limits(0.02, 0.22));

  chart.bottomAxis()->setMinMax(0.01, 0.21);
  moveRight(chart);
  EXPECT_EQ(chart.bottomAxis()->minimum(), 0.0);
  EXPECT_EQ(chart.bottomAxis()->maximum(), 0.19999999999999998);
}

TEST_F(LinearChartTest, ZoomInThenOutLeavesPointEightyFourOfTheRangeAboutTheCentre) {
  zoomIn(chart_);
  EXPECT_EQ(limitsOf(chart_.leftAxis()), Limits(20.0, 80.0));
  zoomOut(chart_);
  for (Axis* axis : {chart_.leftAxis(), chart_.bottomAxis()}) {
    EXPECT_NEAR(axis->maximum() - axis->minimum(), 84.0, 1e-12);
    EXPECT_NEAR((axis->maximum() + axis->minimum()) / 2, 50.0, 1e-12);
  }
  EXPECT_TRUE(chart_.zoomed());
}

TEST_F(LinearChartTest, ResetAfterZoomOnAutomaticAxesGivesAxesThatFollowNewData) {
  zoomIn(chart_);
  moveDown(chart_);
  resetZoom(chart_);
  EXPECT_FALSE(chart_.zoomed());
  EXPECT_TRUE(chart_.leftAxis()->automatic());
  EXPECT_TRUE(chart_.bottomAxis()->automatic());
  series_->addY(500.0);
  EXPECT_EQ(limitsOf(chart_.leftAxis()), Limits(0.0, 500.0));
  EXPECT_EQ(limitsOf(chart_.bottomAxis()), Limits(0.0, 101.0));
}

TEST_F(LinearChartTest, MovesBeforeTheFirstZoomSurviveResetAndMovesAfterItDoNot) {
  moveLeft(chart_);
  moveUp(chart_);
  resetZoom(chart_);  // nothing was zoomed: the moves stay
  EXPECT_EQ(limitsOf(chart_.bottomAxis()), Limits(5.0, 105.0));
  EXPECT_EQ(limitsOf(chart_.leftAxis()), Limits(-5.0, 95.0));

  zoomIn(chart_);
  moveLeft(chart_);
  moveDown(chart_);
  zoomOut(chart_);  // a second zoom keeps the scales the first one saved
  moveRight(chart_);
  resetZoom(chart_);
  EXPECT_EQ(limitsOf(chart_.bottomAxis()), Limits(5.0, 105.0));
  EXPECT_EQ(limitsOf(chart_.leftAxis()), Limits(-5.0, 95.0));
  EXPECT_FALSE(chart_.leftAxis()->automatic());
}

// An Allan chart: logarithmic left and bottom axes with deviations from 2e-13 to 1e-11.
class AllanChartTest : public ::testing::Test {
 protected:
  void SetUp() override {
    chart_.leftAxis()->setLogarithmic(true);
    chart_.bottomAxis()->setLogarithmic(true);
    designAllanMinorGrid(chart_);
    Series* avar = chart_.addSeries(QStringLiteral("Series10"), SeriesKind::Point);
    avar->addXY(1.0, 1e-11);
    avar->addXY(10.0, 3e-12);
    avar->addXY(100.0, 2e-13);
  }
  Chart chart_;
};

TEST_F(AllanChartTest, MovesUpWidenTheMaximumByOneMultiplicationEachAndMoveDownTheMinimum) {
  allanMoveUp(chart_);
  allanMoveUp(chart_);
  // Two roundings: 1.3224999999999998e-11, one bit below 1e-11 * 1.3225.
  const double twice = 1e-11 * 1.15 * 1.15;
  ASSERT_NE(twice, 1e-11 * 1.3225);
  EXPECT_EQ(chart_.leftAxis()->maximum(), twice);
  EXPECT_EQ(chart_.leftAxis()->minimum(), 2e-13);
  EXPECT_FALSE(chart_.leftAxis()->automatic());
  EXPECT_TRUE(chart_.bottomAxis()->automatic());

  allanMoveDown(chart_);
  EXPECT_EQ(limitsOf(chart_.leftAxis()), Limits(2e-13 * 0.85, twice));
  EXPECT_FALSE(chart_.hasSavedScales());
}

TEST_F(AllanChartTest, MinorGridToggleShowsThenHidesAndALaterWindowInheritsTheFlag) {
  std::int32_t minorGridOn = 0;  // program start
  const ChartPen designed{colors::kSilver, LineStyle::Dot, 1, false};
  EXPECT_EQ(chart_.leftAxis()->minorGridPen(), designed);
  EXPECT_EQ(chart_.bottomAxis()->minorTickCount(), 8);

  toggleMinorGrid(chart_, minorGridOn);
  EXPECT_EQ(minorGridOn, 1);
  EXPECT_TRUE(chart_.leftAxis()->minorGridVisible());
  EXPECT_TRUE(chart_.bottomAxis()->minorGridVisible());
  EXPECT_FALSE(chart_.rightAxis()->minorGridVisible());
  EXPECT_EQ(chart_.leftAxis()->minorGridPen().color, colors::kSilver);
  toggleMinorGrid(chart_, minorGridOn);
  EXPECT_EQ(minorGridOn, 0);
  EXPECT_FALSE(chart_.leftAxis()->minorGridVisible());
  EXPECT_FALSE(chart_.bottomAxis()->minorGridVisible());

  // The first window leaves the lines on; a window created later starts with them hidden
  // but keeps the run's flag, so its first toggle hides them again and the second shows them.
  toggleMinorGrid(chart_, minorGridOn);
  Chart later;
  designAllanMinorGrid(later);
  toggleMinorGrid(later, minorGridOn);
  EXPECT_EQ(minorGridOn, 0);
  EXPECT_FALSE(later.leftAxis()->minorGridVisible());
  toggleMinorGrid(later, minorGridOn);
  EXPECT_EQ(minorGridOn, 1);
  EXPECT_TRUE(later.leftAxis()->minorGridVisible());
  EXPECT_TRUE(later.bottomAxis()->minorGridVisible());

  // Any value other than 0 counts as on.
  minorGridOn = -7;
  toggleMinorGrid(later, minorGridOn);
  EXPECT_EQ(minorGridOn, 0);
  EXPECT_FALSE(later.bottomAxis()->minorGridVisible());
}

// The phase window's four pages: three linear charts and the Allan chart.
class PageChartsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (Chart* chart : {&data_, &accumulated_, &residuals_, &allan_}) {
      Series* series = chart->addSeries(QStringLiteral("Series"), SeriesKind::Point);
      series->addXY(1.0, 1e-9);
      series->addXY(10.0, 4e-10);
    }
    allan_.leftAxis()->setLogarithmic(true);
    allan_.bottomAxis()->setLogarithmic(true);
  }
  Chart data_, accumulated_, residuals_, allan_;
  PageCharts pages_{{&data_, &accumulated_, &residuals_, &allan_}};
};

TEST_F(PageChartsTest, CommandsActOnTheChartOfThePageOnShow) {
  struct Case {
    ChartCommand command;
    int page;
    bool acts;
  };
  const Case cases[] = {
      {ChartCommand::MoveLeft, 1, true},   {ChartCommand::MoveRight, 2, true},
      {ChartCommand::MoveUp, 0, true},     {ChartCommand::MoveDown, 2, true},
      {ChartCommand::ZoomIn, 0, true},     {ChartCommand::ZoomOut, 1, true},
      {ChartCommand::Reset, 2, true},      {ChartCommand::MoveUp, 3, true},
      {ChartCommand::MoveDown, 3, true},   {ChartCommand::MoveLeft, 3, false},
      {ChartCommand::MoveRight, 3, false}, {ChartCommand::ZoomIn, 3, false},
      {ChartCommand::ZoomOut, 3, false},   {ChartCommand::Reset, 3, false},
      {ChartCommand::MoveUp, 4, false},    {ChartCommand::MoveLeft, -1, false},
  };
  Chart* const charts[] = {&data_, &accumulated_, &residuals_, &allan_};
  for (const Case& c : cases) {
    SCOPED_TRACE("command " + std::to_string(static_cast<int>(c.command)) + " page " +
                 std::to_string(c.page));
    for (Chart* chart : charts) chart->zoomPercent(120);  // something for a reset to undo
    std::vector<std::pair<Limits, Limits>> before;
    for (Chart* chart : charts)
      before.emplace_back(limitsOf(chart->leftAxis()), limitsOf(chart->bottomAxis()));

    EXPECT_EQ(pages_.acts(c.command, c.page), c.acts);
    EXPECT_EQ(pages_.run(c.command, c.page), c.acts);
    for (int page = 0; page < 4; ++page) {
      const bool changed =
          before[static_cast<std::size_t>(page)] !=
          std::pair(limitsOf(charts[page]->leftAxis()), limitsOf(charts[page]->bottomAxis()));
      EXPECT_EQ(changed, c.acts && page == c.page) << "chart of page " << page;
    }
    for (Chart* chart : charts) chart->undoZoom();  // back to where every case starts
  }
}

TEST_F(PageChartsTest, VerticalMovesFollowTheAllanRuleOnlyOnTheAllanPage) {
  const double top = allan_.leftAxis()->maximum();
  pages_.run(ChartCommand::MoveUp, 3);
  EXPECT_EQ(allan_.leftAxis()->maximum(), top * 1.15);
  EXPECT_EQ(allan_.leftAxis()->minimum(), 4e-10);

  const double bottom = residuals_.leftAxis()->minimum();
  const double range = residuals_.leftAxis()->maximum() - bottom;
  pages_.run(ChartCommand::MoveDown, 2);
  EXPECT_DOUBLE_EQ(residuals_.leftAxis()->minimum(), bottom + range * 0.05);
  EXPECT_DOUBLE_EQ(residuals_.leftAxis()->maximum() - residuals_.leftAxis()->minimum(), range);
}

TEST_F(PageChartsTest, MinorGridActsOnTheAllanChartWhateverThePage) {
  std::int32_t minorGridOn = 0;
  pages_.toggleMinorGrid(minorGridOn);
  EXPECT_TRUE(allan_.leftAxis()->minorGridVisible());
  EXPECT_FALSE(data_.leftAxis()->minorGridVisible());
  EXPECT_EQ(&pages_.allanChart(), &allan_);
  EXPECT_THROW(pages_.chart(4), std::out_of_range);
  EXPECT_THROW(PageCharts({&data_, nullptr}), std::invalid_argument);
}

TEST(ChartScrollTest, ScrollBarEndsGiveExactlyMinusNinetyAndNinety) {
  Chart chart;
  ScrollBar tilt(Qt::Vertical, nullptr, QStringLiteral("ScrollBar1"));
  ScrollBar turn(Qt::Horizontal, nullptr, QStringLiteral("ScrollBar2"));
  QObject::connect(&tilt, &ScrollBar::OnScroll,
                   [&](ScrollCode, int&) { scrollChart(chart, ScrollAngle::Elevation, tilt.Position()); });
  QObject::connect(&turn, &ScrollBar::OnScroll,
                   [&](ScrollCode, int&) { scrollChart(chart, ScrollAngle::Rotation, turn.Position()); });

  ASSERT_TRUE(tilt.userScroll(500, ScrollCode::Bottom));
  EXPECT_EQ(chart.elevation(), 90);
  EXPECT_EQ(chart.rotation(), 360);
  ASSERT_TRUE(turn.userScroll(-500, ScrollCode::Top));
  EXPECT_EQ(chart.rotation(), -90);
  ASSERT_TRUE(tilt.userScroll(-90, ScrollCode::Track));
  EXPECT_EQ(chart.elevation(), -90);
  ASSERT_TRUE(turn.userScroll(37, ScrollCode::LineDown));
  EXPECT_EQ(chart.rotation(), 37);
}

TEST(ChartScrollTest, EveryPageHasOneTiltAndOneTurnBar) {
  auto check = [](const auto& bars, int pages) {
    std::set<std::string_view> names;
    std::set<std::pair<int, ScrollAngle>> angles;
    for (const ChartScrollBar& bar : bars) {
      names.insert(bar.name);
      angles.insert({bar.page, bar.angle});
      EXPECT_GE(bar.page, 0);
      EXPECT_LT(bar.page, pages);
    }
    EXPECT_EQ(names.size(), bars.size());
    EXPECT_EQ(angles.size(), static_cast<std::size_t>(2 * pages));
  };
  check(kFrequencyChartScrollBars, 3);
  check(kPhaseChartScrollBars, 4);
}

}  // namespace
}  // namespace kovia
