#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>

#include "platform/chart/chart.h"

namespace kovia {
namespace {

// A chart with y = 0 .. 100 plotted against x = 0 .. 100, all axes automatic.
class ZoomTest : public ::testing::Test {
 protected:
  void SetUp() override {
    series_ = chart_.addSeries(QStringLiteral("Series1"), SeriesKind::Point);
    for (int i = 0; i <= 100; ++i) series_->addY(i);
  }
  Chart chart_;
  Series* series_ = nullptr;
};

TEST_F(ZoomTest, ZoomInThenOutLeavesPointEightyFourOfTheRangeAboutTheCentre) {
  chart_.zoomPercent(120);
  EXPECT_DOUBLE_EQ(chart_.leftAxis()->minimum(), 20.0);
  EXPECT_DOUBLE_EQ(chart_.leftAxis()->maximum(), 80.0);
  chart_.zoomPercent(80);
  for (Axis* axis : {chart_.leftAxis(), chart_.bottomAxis()}) {
    EXPECT_NEAR(axis->maximum() - axis->minimum(), 84.0, 1e-12);
    EXPECT_NEAR((axis->maximum() + axis->minimum()) / 2, 50.0, 1e-12);
    EXPECT_FALSE(axis->automatic());
  }
  // The axes without series zoom too.
  EXPECT_NEAR(chart_.rightAxis()->maximum() - chart_.rightAxis()->minimum(), 0.84, 1e-12);
  EXPECT_TRUE(chart_.zoomed());
}

TEST_F(ZoomTest, UndoZoomGivesBackAnAutomaticAxisThatFollowsNewData) {
  chart_.zoomPercent(120);
  chart_.zoomPercent(120);  // a second zoom keeps the scales the first one saved
  chart_.undoZoom();
  EXPECT_FALSE(chart_.zoomed());
  EXPECT_FALSE(chart_.hasSavedScales());
  EXPECT_TRUE(chart_.leftAxis()->automatic());
  EXPECT_TRUE(chart_.topAxis()->automatic());
  series_->addY(500.0);
  EXPECT_EQ(chart_.leftAxis()->maximum(), 500.0);
  EXPECT_EQ(chart_.bottomAxis()->maximum(), 101.0);
}

TEST_F(ZoomTest, MovesBeforeTheFirstZoomSurviveUndoAndMovesAfterItDoNot) {
  chart_.leftAxis()->setMinMax(10.0, 60.0);  // a move: saves no scales
  chart_.undoZoom();
  EXPECT_EQ(chart_.leftAxis()->minimum(), 10.0);
  EXPECT_EQ(chart_.leftAxis()->maximum(), 60.0);

  chart_.zoomPercent(120);
  chart_.leftAxis()->setMinMax(-5.0, 5.0);  // a move after the zoom
  chart_.bottomAxis()->setMinMax(40.0, 45.0);
  chart_.undoZoom();
  EXPECT_EQ(chart_.leftAxis()->minimum(), 10.0);
  EXPECT_EQ(chart_.leftAxis()->maximum(), 60.0);
  EXPECT_FALSE(chart_.leftAxis()->automaticMinimum());
  EXPECT_TRUE(chart_.bottomAxis()->automatic());
  EXPECT_EQ(chart_.bottomAxis()->maximum(), 100.0);
}

void sendMouse(QWidget& widget, QEvent::Type type, QPoint pos, Qt::MouseButton button) {
  const Qt::MouseButtons buttons =
      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
  QMouseEvent event(type, QPointF(pos), QPointF(widget.mapToGlobal(pos)),
                    type == QEvent::MouseMove ? Qt::NoButton : button, buttons, Qt::NoModifier);
  QApplication::sendEvent(&widget, &event);
}

void drag(QWidget& widget, QPoint from, QPoint to, Qt::MouseButton button) {
  sendMouse(widget, QEvent::MouseButtonPress, from, button);
  sendMouse(widget, QEvent::MouseMove, (from + to) / 2, button);
  sendMouse(widget, QEvent::MouseMove, to, button);
  sendMouse(widget, QEvent::MouseButtonRelease, to, button);
}

TEST_F(ZoomTest, MouseZoomAndPanSaveScalesLikeTheZoomCommand) {
  chart_.resize(400, 300);
  const QPoint a = series_->pointPixel(30);
  const QPoint b = series_->pointPixel(60);
  // Pressed away from the points (they lie on the diagonal), so the press starts a drag.
  const QPoint from(a.x(), b.y() - 40);
  const QPoint to(b.x(), a.y() + 40);
  drag(chart_, from, to, Qt::LeftButton);
  ASSERT_TRUE(chart_.zoomed());
  EXPECT_TRUE(chart_.hasSavedScales());
  EXPECT_NEAR(chart_.bottomAxis()->minimum(), 30.0, 1.0);
  EXPECT_NEAR(chart_.bottomAxis()->maximum(), 60.0, 1.0);
  EXPECT_FALSE(chart_.leftAxis()->automatic());

  // Panning moves the window and keeps the scales saved by the zoom.
  const double before = chart_.bottomAxis()->minimum();
  drag(chart_, QPoint(200, 150), QPoint(150, 150), Qt::RightButton);
  EXPECT_GT(chart_.bottomAxis()->minimum(), before);

  // A rectangle drawn towards the upper left undoes the zoom.
  drag(chart_, QPoint(250, 200), QPoint(150, 100), Qt::LeftButton);
  EXPECT_FALSE(chart_.zoomed());
  EXPECT_TRUE(chart_.leftAxis()->automatic());
  EXPECT_EQ(chart_.bottomAxis()->maximum(), 100.0);
}

TEST_F(ZoomTest, PanningAloneSavesScalesThatUndoGivesBack) {
  chart_.resize(400, 300);
  series_->setPointerVisible(false);
  drag(chart_, QPoint(200, 40), QPoint(260, 40), Qt::RightButton);
  EXPECT_FALSE(chart_.bottomAxis()->automatic());
  EXPECT_LT(chart_.bottomAxis()->minimum(), 0.0);
  chart_.undoZoom();
  EXPECT_TRUE(chart_.bottomAxis()->automatic());
  EXPECT_EQ(chart_.bottomAxis()->minimum(), 0.0);
}

}  // namespace
}  // namespace kovia
