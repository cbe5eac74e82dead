// The phase window's chart commands where a scenario cannot look: the grid row a point click
// selects on the data and residual charts (their grids have no select handler yet to show it),
// and the angles the hidden 3D scroll bars set. Moves, zooms, page changes, the accumulated
// phase click and re-plot, the minor grid and close are shown by the acceptance scenarios.
#include <QCoreApplication>
#include <QMouseEvent>

#include "phase_window_fixture.h"

namespace kovia::testing {
namespace {

// A press and release of `button` at `pixel` of `widget`, as the mouse delivers them.
void pressAt(QWidget* widget, QPoint pixel, Qt::MouseButton button) {
  const auto send = [&](QEvent::Type type, Qt::MouseButtons held) {
    QMouseEvent event(type, QPointF(pixel), QPointF(widget->mapToGlobal(pixel)), button, held,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
  };
  send(QEvent::MouseButtonPress, button);
  send(QEvent::MouseButtonRelease, Qt::NoButton);
}

using PhaseChartCommandsTest = PhaseWindowTest;

TEST_F(PhaseChartCommandsTest, PointClickSelectsRowIPlusOneOfTheChartsGrid) {
  w->resize(1180, 760);
  w->show();
  accumulate({"10", "12", "15", "19", "24", "30"}, 1, QStringLiteral("10000000"), QStringLiteral("1"));
  w->Edit8->userType(QStringLiteral("1"));
  ASSERT_TRUE(w->BitBtn16->userClick());
  w->PageControlph->userSelectPage(2);
  ASSERT_TRUE(w->BitBtn15->userClick()) << errors().join(QLatin1Char('\n')).toStdString();

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
      {"readings", 0, w->Chart4, w->Series1, w->StringGrid1, 4, Qt::LeftButton},
      // The data chart carries the readings' pop-up menu: the right button selects the row too.
      {"readings, right button", 0, w->Chart4, w->Series1, w->StringGrid1, 1, Qt::RightButton},
      {"first reading", 0, w->Chart4, w->Series1, w->StringGrid1, 0, Qt::LeftButton},
      {"residuals", 2, w->Chart5, w->Series8, w->StringGrid6, 3, Qt::LeftButton},
      {"first residual", 2, w->Chart5, w->Series8, w->StringGrid6, 0, Qt::LeftButton},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    w->PageControlph->userSelectPage(c.page);
    ASSERT_EQ(w->PageControlph->ActivePageIndex(), c.page);
    pressAt(c.chart, c.series->pointPixel(c.point), c.button);
    EXPECT_EQ(c.grid->Row(), c.point + 1);  // row 0 is the header
  }

  // The readings carried by the line series: the click asks the line series.
  PhaseWindowState& state = phaseWindowState();
  state.chart4ShowsPoints = 0;
  state.chart4ShowsLine = 1;
  for (int i = 0; i < w->Series1->count(); ++i) w->Series7->addY(w->Series1->yValue(i));
  w->Series1->clear();
  w->PageControlph->userSelectPage(0);
  pressAt(w->Chart4, w->Series7->pointPixel(2), Qt::LeftButton);
  EXPECT_EQ(w->StringGrid1->Row(), 3);
  EXPECT_TRUE(errors().isEmpty()) << errors().join(QLatin1Char('\n')).toStdString();
}

TEST_F(PhaseChartCommandsTest, EachScrollBarSetsOneAngleOfItsChart) {
  struct Case {
    ScrollBar* bar;
    int chart;  // index in `charts`
    bool elevation;
  };
  Chart* const charts[] = {w->Chart4, w->Chart2, w->Chart5, w->DBChart1};
  const Case cases[] = {
      {w->ScrollBar2, 0, true},  {w->ScrollBar1, 0, false}, {w->ScrollBar6, 1, true},
      {w->ScrollBar4, 1, false}, {w->ScrollBar7, 2, true},  {w->ScrollBar3, 2, false},
      {w->ScrollBar8, 3, true},  {w->ScrollBar5, 3, false},
  };
  const auto angles = [&] {
    std::vector<int> all;
    for (Chart* chart : charts) {
      all.push_back(chart->elevation());
      all.push_back(chart->rotation());
    }
    return all;
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.bar->objectName().toStdString());
    EXPECT_TRUE(c.bar->isHidden());  // shown with its chart's 3D view
    for (const int end : {90, -90, 23}) {
      std::vector<int> expected = angles();
      expected[static_cast<std::size_t>(c.chart * 2 + (c.elevation ? 0 : 1))] = end;
      ASSERT_TRUE(c.bar->userScroll(end, end == 23 ? ScrollCode::Track : ScrollCode::Top));
      EXPECT_EQ(angles(), expected) << end;
    }
  }
}

}  // namespace
}  // namespace kovia::testing
