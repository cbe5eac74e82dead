#include "platform/chart/series.h"

#include <cmath>
#include <stdexcept>
#include <string>

#include "platform/chart/chart.h"
#include "platform/chart/chart_plot.h"

namespace kovia {

void Series::Extent::include(double v) {
  if (!std::isfinite(v)) return;
  if (!any) {
    min = max = v;
    any = true;
  } else if (v < min) {
    min = v;
  } else if (v > max) {
    max = v;
  }
  if (v > 0.0) {
    if (!anyPositive) {
      positiveMin = positiveMax = v;
      anyPositive = true;
    } else if (v < positiveMin) {
      positiveMin = v;
    } else if (v > positiveMax) {
      positiveMax = v;
    }
  }
}

Series::Series(Chart* chart, SeriesKind kind, Color seriesColor)
    : QObject(chart),
      chart_(chart),
      kind_(kind),
      seriesColor_(seriesColor),
      lineVisible_(kind == SeriesKind::Line),
      pointerVisible_(kind == SeriesKind::Point),
      horizontalAxis_(chart->bottomAxis()),
      verticalAxis_(chart->leftAxis()) {}

void Series::dataChanged() {
  ++revision_;
  chart_->modelChanged();
}

void Series::lookChanged() {
  chart_->modelChanged();
}

void Series::clear() {
  xs_.clear();
  ys_.clear();
  colors_.clear();
  labels_.clear();
  xExtent_ = Extent();
  yExtent_ = Extent();
  sorted_ = true;
  ++generation_;
  dataChanged();
}

int Series::addY(double y, const QString& label, Color color) {
  return addXY(static_cast<double>(xs_.size()), y, label, color);
}

int Series::addXY(double x, double y, const QString& label, Color color) {
  const int index = count();
  if (!std::isfinite(x) || (!xs_.empty() && x < xs_.back())) sorted_ = false;
  xs_.push_back(x);
  ys_.push_back(y);
  colors_.push_back(color);
  if (!label.isEmpty()) labels_.emplace(index, label);
  xExtent_.include(x);
  yExtent_.include(y);
  dataChanged();
  return index;
}

void Series::checkIndex(int index) const {
  if (index < 0 || index >= count()) {
    throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
  }
}

double Series::xValue(int index) const {
  checkIndex(index);
  return xs_[static_cast<std::size_t>(index)];
}

double Series::yValue(int index) const {
  checkIndex(index);
  return ys_[static_cast<std::size_t>(index)];
}

Color Series::color(int index) const {
  checkIndex(index);
  const Color c = colors_[static_cast<std::size_t>(index)];
  return c == kSeriesColor ? seriesColor_ : c;
}

QString Series::label(int index) const {
  checkIndex(index);
  const auto it = labels_.find(index);
  return it == labels_.end() ? QString() : it->second;
}

void Series::setTitle(const QString& title) {
  title_ = title;
  lookChanged();
}

void Series::setVisible(bool on) {
  visible_ = on;
  lookChanged();
}

void Series::setSeriesColor(Color color) {
  seriesColor_ = color;
  lookChanged();
}

void Series::setLineVisible(bool on) {
  lineVisible_ = on;
  lookChanged();
}

void Series::setLineWidth(int width) {
  lineWidth_ = width < 1 ? 1 : width;
  lookChanged();
}

void Series::setPointerVisible(bool on) {
  pointerVisible_ = on;
  lookChanged();
}

void Series::setPointerStyle(PointerStyle style) {
  pointerStyle_ = style;
  lookChanged();
}

void Series::setHorizSize(int size) {
  horizSize_ = size;
  lookChanged();
}

void Series::setVertSize(int size) {
  vertSize_ = size;
  lookChanged();
}

void Series::setPointerPenVisible(bool on) {
  pointerPenVisible_ = on;
  lookChanged();
}

void Series::setPointerPenColor(Color color) {
  pointerPenColor_ = color;
  lookChanged();
}

void Series::setMarksVisible(bool on) {
  marksVisible_ = on;
  lookChanged();
}

void Series::setHorizontalAxis(Axis* axis) {
  if (axis != nullptr && axis->horizontal()) horizontalAxis_ = axis;
  lookChanged();
}

void Series::setVerticalAxis(Axis* axis) {
  if (axis != nullptr && !axis->horizontal()) verticalAxis_ = axis;
  lookChanged();
}

int Series::pointAt(QPoint pixel) {
  return chart_->plot().pointAt(this, pixel);
}

QPoint Series::pointPixel(int index) {
  checkIndex(index);
  return chart_->plot().pointPixel(this, index);
}

}  // namespace kovia
