#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <stdexcept>
#include <vector>

#include "platform/chart/chart.h"

namespace kovia {
namespace {

void settle() {
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

QRgb rgbOf(Color c) {
  return toQColor(c).rgb() & 0xFFFFFFu;
}

TEST(SeriesData, AddYUsesTheRunningIndexAndClearStartsAgain) {
  Chart chart;
  Series* series = chart.addSeries(QStringLiteral("Series1"), SeriesKind::Point);
  series->addY(4.5, QStringLiteral("a"), colors::kRed);
  series->addXY(10.0, 1.0);
  series->addY(2.0);
  EXPECT_EQ(series->count(), 3);
  EXPECT_EQ(series->xValue(2), 2.0);
  EXPECT_EQ(series->label(0), QStringLiteral("a"));
  EXPECT_EQ(series->color(0), colors::kRed);
  series->setSeriesColor(colors::kLime);
  EXPECT_EQ(series->color(1), colors::kLime);  // added without a colour: the series'
  EXPECT_THROW(series->yValue(3), std::out_of_range);
  try {
    series->xValue(-1);
  } catch (const std::out_of_range& e) {
    EXPECT_STREQ(e.what(), "List index out of bounds (-1)");
  }
  series->clear();
  EXPECT_EQ(series->count(), 0);
  EXPECT_EQ(series->addY(7.0), 0);
  EXPECT_EQ(series->xValue(0), 0.0);
  EXPECT_EQ(chart.findSeries(QStringLiteral("Series1")), series);
}

// A shown chart with one rectangle-pointer series.
class ShownChart : public ::testing::Test {
 protected:
  void SetUp() override {
    chart_.resize(500, 360);
    chart_.show();
    series_ = chart_.addSeries(QStringLiteral("Series1"), SeriesKind::Point);
    series_->setPointerStyle(PointerStyle::Rectangle);
    series_->setHorizSize(3);
    series_->setVertSize(3);
    settle();
  }
  Chart chart_;
  Series* series_ = nullptr;
};

TEST_F(ShownChart, ABurstOfAMillionPointsCostsOneReplot) {
  const int before = chart_.replotCount();
  for (int i = 0; i < 1000000; ++i) series_->addY(i % 1000, QString(), i % 2 ? colors::kRed : colors::kNavy);
  chart_.leftAxis()->setTitleCaption(QStringLiteral("FRECUENCIA (Hz)"));
  EXPECT_EQ(chart_.replotCount(), before);
  settle();
  EXPECT_EQ(chart_.replotCount(), before + 1);
  settle();
  EXPECT_EQ(chart_.replotCount(), before + 1);
}

TEST_F(ShownChart, ColoursPerPointSurviveReplots) {
  // Out of x order, so the drawing order differs from the order of adding.
  const double xs[] = {4, 1, 3, 0, 2};
  const Color colours[] = {colors::kRed, colors::kNavy, colors::kLime, colors::kBlue, colors::kBar};
  for (int i = 0; i < 5; ++i) series_->addXY(xs[i], xs[i] * 2, QString(), colours[i]);
  settle();
  series_->addXY(5, 3, QString(), colors::kAqua);  // another replot with the points already there
  settle();
  const QImage shot = chart_.grab().toImage();
  for (int i = 0; i < 6; ++i) {
    const QPoint p = series_->pointPixel(i);
    EXPECT_EQ(shot.pixel(p) & 0xFFFFFFu, rgbOf(series_->color(i))) << "point " << i;
  }
}

TEST_F(ShownChart, SampledDenseDataKeepsEachPointsColour) {
  // 200000 points: QCustomPlot samples them; the left half is navy, the right half red, and
  // one outlier, which sets the axis maximum, is lime.
  const int n = 200000;
  for (int i = 0; i < n; ++i) {
    if (i == n / 4) {
      series_->addY(5000.0, QString(), colors::kLime);
    } else {
      series_->addY((i * 7919) % 1000, QString(), i < n / 2 ? colors::kNavy : colors::kRed);
    }
  }
  settle();
  const QImage shot = chart_.grab().toImage();
  const QRect area(series_->pointPixel(0).x(), 0, series_->pointPixel(n - 1).x() - series_->pointPixel(0).x(),
                   shot.height());
  const int middle = series_->pointPixel(n / 2).x();
  int navyRight = 0, redLeft = 0, navyLeft = 0, redRight = 0;
  for (int y = 0; y < shot.height(); ++y) {
    for (int x = area.left() + 5; x < area.right() - 5; ++x) {
      if (std::abs(x - middle) < 5) continue;
      const QRgb c = shot.pixel(x, y) & 0xFFFFFFu;
      const bool left = x < middle;
      if (c == rgbOf(colors::kNavy)) (left ? navyLeft : navyRight)++;
      if (c == rgbOf(colors::kRed)) (left ? redLeft : redRight)++;
    }
  }
  EXPECT_GT(navyLeft, 1000);
  EXPECT_GT(redRight, 1000);
  EXPECT_EQ(navyRight, 0);
  EXPECT_EQ(redLeft, 0);
  const QPoint outlier = series_->pointPixel(n / 4);
  EXPECT_EQ(shot.pixel(outlier) & 0xFFFFFFu, rgbOf(colors::kLime));
}

TEST_F(ShownChart, PointUnderAPixelIsTheLowestIndexDrawnThere) {
  series_->addXY(0, 0);
  series_->addXY(5, 5);
  series_->addXY(10, 10);
  series_->addXY(5, 5);  // drawn over point 1
  for (int i : {0, 1, 2}) EXPECT_EQ(series_->pointAt(series_->pointPixel(i)), i);
  EXPECT_EQ(series_->pointAt(series_->pointPixel(3)), 1);
  const QPoint p = series_->pointPixel(2);
  EXPECT_EQ(series_->pointAt(p + QPoint(3, -3)), 2);  // inside the 3-pixel pointer
  EXPECT_EQ(series_->pointAt(p + QPoint(0, 12)), -1);
  chart_.leftAxis()->setMinMax(-20, 4);  // point 2 is now off the plotting area
  EXPECT_EQ(series_->pointAt(series_->pointPixel(2)), -1);
  series_->setVisible(false);
  EXPECT_EQ(series_->pointAt(series_->pointPixel(0)), -1);
}

TEST_F(ShownChart, PressOnAPointRaisesClickSeriesAndStartsNoZoom) {
  series_->addY(1.0);
  series_->addY(3.0);
  series_->addY(2.0);
  Series* line = chart_.addSeries(QStringLiteral("Series2"), SeriesKind::Line);
  line->addXY(0.0, 1.0);
  struct Click {
    Series* series;
    int index;
    Qt::MouseButton button;
    Qt::KeyboardModifiers shift;
    int x, y;
  };
  std::vector<Click> clicks;
  QObject::connect(&chart_, &Chart::clickSeries,
                   [&clicks](Series* s, int i, Qt::MouseButton b, Qt::KeyboardModifiers m, int x, int y) {
                     clicks.push_back({s, i, b, m, x, y});
                   });
  const QPoint p = series_->pointPixel(1);
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(p), QPointF(chart_.mapToGlobal(p)), Qt::RightButton,
                    Qt::RightButton, Qt::ShiftModifier);
  QApplication::sendEvent(&chart_, &press);
  QMouseEvent move(QEvent::MouseMove, QPointF(p + QPoint(60, 60)),
                   QPointF(chart_.mapToGlobal(p + QPoint(60, 60))), Qt::NoButton, Qt::RightButton,
                   Qt::NoModifier);
  QApplication::sendEvent(&chart_, &move);
  ASSERT_EQ(clicks.size(), 1u);
  EXPECT_EQ(clicks[0].series, series_);
  EXPECT_EQ(clicks[0].index, 1);
  EXPECT_EQ(clicks[0].button, Qt::RightButton);
  EXPECT_EQ(clicks[0].shift, Qt::ShiftModifier);
  EXPECT_EQ(clicks[0].x, p.x());
  EXPECT_EQ(clicks[0].y, p.y());
  EXPECT_FALSE(chart_.hasSavedScales());  // no pan started
  // The line series (added last, drawn on top) wins at its own point.
  clicks.clear();
  const QPoint q = line->pointPixel(0);
  QMouseEvent press2(QEvent::MouseButtonPress, QPointF(q), QPointF(chart_.mapToGlobal(q)), Qt::LeftButton,
                     Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&chart_, &press2);
  ASSERT_EQ(clicks.size(), 1u);
  EXPECT_EQ(clicks[0].series, line);
}

}  // namespace
}  // namespace kovia
