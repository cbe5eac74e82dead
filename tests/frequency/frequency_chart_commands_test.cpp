// The frequency window's chart commands where a scenario cannot look: the grid row a point
// click selects, the double-click re-plot from cells the program rewrote, and the angles the
// (hidden) 3D scroll bars set. Moves, zooms, page changes and the minor grid are shown by the
// acceptance scenarios.
#include <QCoreApplication>
#include <QMouseEvent>

#include "frequency_test_support.h"

namespace kovia::testing {
namespace {

// A press and release of `button` at `pixel` of `widget`, optionally followed by the second
// click of a double-click, as the mouse delivers them.
void mouseAt(QWidget* widget, QPoint pixel, Qt::MouseButton button, bool twice = false) {
  const auto send = [&](QEvent::Type type, Qt::MouseButtons held) {
    QMouseEvent event(type, QPointF(pixel), QPointF(widget->mapToGlobal(pixel)), button, held,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
  };
  send(QEvent::MouseButtonPress, button);
  send(QEvent::MouseButtonRelease, Qt::NoButton);
  if (twice) {
    send(QEvent::MouseButtonDblClick, button);
    send(QEvent::MouseButtonRelease, Qt::NoButton);
  }
}

class FrequencyChartCommandsTest : public FrequencyWindowTest {
 protected:
  // frecuencia_navegacion.txt: 11 readings from 100 to 120 Hz, deviations from 100 Hz.
  void loadAndDeviate() {
    window_->resize(1200, 800);
    window_->show();
    ASSERT_TRUE(load(dataFile("frecuencia_navegacion.txt"), QStringLiteral("100"), QStringLiteral("1")));
    ASSERT_TRUE(window_->PageControl1->userSelectPage(1));
    ASSERT_TRUE(window_->BitBtn1->userClick()) << errors().join(QLatin1Char('\n')).toStdString();
  }
};

TEST_F(FrequencyChartCommandsTest, PointClickSelectsTheRowOfThePointInTheSeriesOnShow) {
  loadAndDeviate();
  TForm2* w = window_;
  struct Case {
    const char* what;
    int page;
    Chart* chart;
    Series* series;
    StringGrid* grid;
    int point;
    Qt::MouseButton button;
  };
  const Case cases[] = {
      {"readings, left button", 0, w->Chart1, w->Series1, w->StringGrid1, 7, Qt::LeftButton},
      {"readings, right button", 0, w->Chart1, w->Series1, w->StringGrid1, 2, Qt::RightButton},
      {"deviations", 1, w->Chart2, w->Series5, w->StringGrid3, 4, Qt::LeftButton},
      {"last plotted deviation", 1, w->Chart2, w->Series5, w->StringGrid3, 9, Qt::LeftButton},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    w->PageControl1->userSelectPage(c.page);
    ASSERT_EQ(w->PageControl1->ActivePageIndex(), c.page);
    mouseAt(c.chart, c.series->pointPixel(c.point), c.button);
    EXPECT_EQ(c.grid->Row(), c.point);  // no header row: point i is row i
  }
  EXPECT_TRUE(errors().isEmpty());
}

TEST_F(FrequencyChartCommandsTest, PointClickWhileTheLineCarriesTheReadingsAsksTheLineSeries) {
  loadAndDeviate();
  TForm2* w = window_;
  ASSERT_TRUE(w->PageControl1->userSelectPage(0));
  // The readings as the line series carries them once the line is switched on.
  FrequencyWindowState& state = frequencyWindowState();
  state.chart1ShowsPoints = false;
  state.chart1ShowsLine = true;
  for (int i = 0; i < w->Series1->count(); ++i)
    w->Series2->addY(w->Series1->yValue(i), QString(), colors::kNavy);
  w->Series1->clear();

  mouseAt(w->Chart1, w->Series2->pointPixel(3), Qt::LeftButton);
  EXPECT_EQ(w->StringGrid1->Row(), 3);

  // A marker between two readings: the chart reports a point, but the line series has none
  // under the mouse, so the row stays.
  w->Series4->addXY(5.5, 119.0, QString(), colors::kRed);
  mouseAt(w->Chart1, w->Series4->pointPixel(0), Qt::LeftButton);
  EXPECT_EQ(w->StringGrid1->Row(), 3);

  // Neither series on show: nothing to ask, nothing selected.
  state.chart1ShowsLine = false;
  mouseAt(w->Chart1, w->Series2->pointPixel(6), Qt::LeftButton);
  EXPECT_EQ(w->StringGrid1->Row(), 3);
}

TEST_F(FrequencyChartCommandsTest, DoubleClickReplotsTheDeviationsFromTheGridText) {
  loadAndDeviate();
  TForm2* w = window_;
  ASSERT_TRUE(w->StringGrid3->userTypeCell(1, 5, QStringLiteral("0.5")));  // typed as the operator does
  w->StringGrid3->setCell(1, 10, "9");  // the last deviation is not plotted
  frequencyWindowState().dataPointColor = colors::kRed;

  mouseAt(w->Chart2, QPoint(1, 1), Qt::LeftButton, true);
  EXPECT_EQ(ys(*w->Series5), (std::vector<double>{0, 0.04, 0.08, 0.12, 0.16, 0.5, 0.18, 0.14, 0.1, 0.06}));
  for (int i = 0; i < w->Series5->count(); ++i) EXPECT_EQ(w->Series5->color(i), colors::kRed) << i;
  EXPECT_EQ(w->Series3->count(), 0);  // the line series is left alone

  // A cell that does not convert ends the re-plot at its row; the points before it stay.
  w->StringGrid3->setCell(1, 3, "x3");
  mouseAt(w->Chart2, QPoint(1, 1), Qt::LeftButton, true);
  EXPECT_EQ(errors(), QStringList{QStringLiteral("'x3' is not a valid floating point value")});
  EXPECT_EQ(ys(*w->Series5), (std::vector<double>{0, 0.04, 0.08}));

  // The data chart's double-click does nothing.
  const std::vector<double> readings = ys(*w->Series1);
  mouseAt(w->Chart1, QPoint(1, 1), Qt::LeftButton, true);
  EXPECT_EQ(ys(*w->Series1), readings);
}

TEST_F(FrequencyChartCommandsTest, EachScrollBarSetsOneAngleOfItsChart) {
  TForm2* w = window_;
  struct Case {
    ScrollBar* bar;
    Chart* chart;
    bool elevation;
  };
  const Case cases[] = {
      {w->ScrollBar1, w->Chart1, true},   {w->ScrollBar2, w->Chart1, false},
      {w->ScrollBar4, w->Chart2, true},   {w->ScrollBar3, w->Chart2, false},
      {w->ScrollBar6, w->DBChart4, true}, {w->ScrollBar5, w->DBChart4, false},
  };
  const auto angles = [&] {
    std::vector<int> all;
    for (Chart* chart : {w->Chart1, w->Chart2, w->DBChart4}) {
      all.push_back(chart->elevation());
      all.push_back(chart->rotation());
    }
    return all;
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.bar->objectName().toStdString());
    EXPECT_TRUE(c.bar->isHidden());  // shown with its chart's 3D view
    for (const int end : {90, -90, 17}) {
      std::vector<int> expected = angles();
      const int chartIndex = c.chart == w->Chart1 ? 0 : (c.chart == w->Chart2 ? 1 : 2);
      expected[static_cast<std::size_t>(chartIndex * 2 + (c.elevation ? 0 : 1))] = end;
      ASSERT_TRUE(c.bar->userScroll(end, end == 17 ? ScrollCode::Track : ScrollCode::Bottom));
      EXPECT_EQ(angles(), expected) << end;
    }
  }
}

}  // namespace
}  // namespace kovia::testing
