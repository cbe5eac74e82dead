#include "charts/chart_navigation.h"

#include <stdexcept>
#include <string>
#include <utility>

#include "platform/chart/axis.h"
#include "platform/chart/chart.h"

namespace kovia {

void moveAxis(Axis& axis, int stepPercent) {
  const double m = axis.minimum();
  const double M = axis.maximum();
  const auto b = static_cast<double>((static_cast<long double>(M) - static_cast<long double>(m)) *
                                     static_cast<long double>(stepPercent) * 0.01L);
  axis.setMinMax(m + b, M + b);
}

void moveLeft(Chart& chart) {
  moveAxis(*chart.bottomAxis(), kMoveLeftStep);
}
void moveRight(Chart& chart) {
  moveAxis(*chart.bottomAxis(), kMoveRightStep);
}
void moveUp(Chart& chart) {
  moveAxis(*chart.leftAxis(), kMoveUpStep);
}
void moveDown(Chart& chart) {
  moveAxis(*chart.leftAxis(), kMoveDownStep);
}

void allanMoveUp(Chart& chart) {
  Axis& axis = *chart.leftAxis();
  const double m = axis.minimum();
  const double M = axis.maximum();
  axis.setMinMax(m, M * kAllanMoveUpFactor);
}

void allanMoveDown(Chart& chart) {
  Axis& axis = *chart.leftAxis();
  const double m = axis.minimum();
  const double M = axis.maximum();
  axis.setMinMax(m * kAllanMoveDownFactor, M);
}

void zoomIn(Chart& chart) {
  chart.zoomPercent(kZoomInPercent);
}
void zoomOut(Chart& chart) {
  chart.zoomPercent(kZoomOutPercent);
}
void resetZoom(Chart& chart) {
  chart.undoZoom();
}

void designAllanMinorGrid(Chart& allanChart) {
  for (Axis* axis : {allanChart.leftAxis(), allanChart.bottomAxis()}) {
    axis->setMinorGridPen(ChartPen{colors::kSilver, LineStyle::Dot, 1, false});
    axis->setMinorTickCount(8);
  }
}

void toggleMinorGrid(Chart& allanChart, std::int32_t& minorGridOn) {
  minorGridOn = minorGridOn == 0 ? 1 : 0;
  const bool on = minorGridOn == 1;
  allanChart.leftAxis()->setMinorGridVisible(on);
  allanChart.bottomAxis()->setMinorGridVisible(on);
}

void scrollChart(Chart& chart, ScrollAngle angle, int position) {
  if (angle == ScrollAngle::Elevation) {
    chart.setElevation(position);
  } else {
    chart.setRotation(position);
  }
}

PageCharts::PageCharts(std::vector<Chart*> charts) : charts_(std::move(charts)) {
  if (charts_.empty()) throw std::invalid_argument("PageCharts: a window has at least one page");
  for (const Chart* chart : charts_) {
    if (chart == nullptr) throw std::invalid_argument("PageCharts: every page needs its chart");
  }
}

Chart& PageCharts::chart(int page) const {
  if (page < 0 || page >= pageCount()) throw std::out_of_range("PageCharts: no page " + std::to_string(page));
  return *charts_[static_cast<std::size_t>(page)];
}

bool PageCharts::acts(ChartCommand command, int page) const {
  if (page < 0 || page >= pageCount()) return false;
  if (!isAllanPage(page)) return true;
  return command == ChartCommand::MoveUp || command == ChartCommand::MoveDown;
}

bool PageCharts::run(ChartCommand command, int page) const {
  if (!acts(command, page)) return false;
  Chart& target = chart(page);
  const bool allan = isAllanPage(page);
  switch (command) {
    case ChartCommand::MoveLeft:
      moveLeft(target);
      break;
    case ChartCommand::MoveRight:
      moveRight(target);
      break;
    case ChartCommand::MoveUp:
      allan ? allanMoveUp(target) : moveUp(target);
      break;
    case ChartCommand::MoveDown:
      allan ? allanMoveDown(target) : moveDown(target);
      break;
    case ChartCommand::ZoomIn:
      zoomIn(target);
      break;
    case ChartCommand::ZoomOut:
      zoomOut(target);
      break;
    case ChartCommand::Reset:
      resetZoom(target);
      break;
  }
  return true;
}

void PageCharts::toggleMinorGrid(std::int32_t& minorGridOn) const {
  kovia::toggleMinorGrid(allanChart(), minorGridOn);
}

}  // namespace kovia
