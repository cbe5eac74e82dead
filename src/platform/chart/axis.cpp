#include "platform/chart/axis.h"

#include <utility>

#include "platform/chart/chart.h"
#include "platform/chart/value_format.h"

namespace kovia {

Axis::Axis(Chart* chart, Position position)
    : QObject(chart),
      chart_(chart),
      position_(position),
      titleFont_(chartFont(12)),
      labelFont_(chartFont(11)) {
  static const char* const kNames[] = {"LeftAxis", "BottomAxis", "RightAxis", "TopAxis"};
  setObjectName(QString::fromLatin1(kNames[static_cast<int>(position)]));
  if (position == Position::Right || position == Position::Top) {
    visible_ = false;
    gridPen_.visible = false;
  }
}

void Axis::changed() {
  chart_->modelChanged();
}

double Axis::minimum() const {
  return autoMin_ ? chart_->automaticRange(this).first : fixedMin_;
}

double Axis::maximum() const {
  return autoMax_ ? chart_->automaticRange(this).second : fixedMax_;
}

void Axis::setAutomatic(bool on) {
  setAutomaticMinimum(on);
  setAutomaticMaximum(on);
}

void Axis::setAutomaticMinimum(bool on) {
  if (autoMin_ == on) return;
  if (!on) fixedMin_ = minimum();
  autoMin_ = on;
  changed();
}

void Axis::setAutomaticMaximum(bool on) {
  if (autoMax_ == on) return;
  if (!on) fixedMax_ = maximum();
  autoMax_ = on;
  changed();
}

void Axis::setMinMax(double a, double b) {
  if (a > b) std::swap(a, b);
  fixedMin_ = a;
  fixedMax_ = b;
  autoMin_ = false;
  autoMax_ = false;
  changed();
}

Axis::Scale Axis::scale() const {
  return Scale{automatic(), autoMin_, autoMax_, minimum(), maximum()};
}

void Axis::restoreScale(const Scale& saved) {
  autoMin_ = saved.automaticMinimum;
  autoMax_ = saved.automaticMaximum;
  if (!saved.automatic) {
    setMinMax(saved.minimum, saved.maximum);
  } else {
    changed();
  }
}

void Axis::setLogarithmic(bool on) {
  if (logarithmic_ == on) return;
  logarithmic_ = on;
  changed();
}

void Axis::setVisible(bool on) {
  visible_ = on;
  changed();
}

void Axis::setAxisPen(const ChartPen& pen) {
  axisPen_ = pen;
  changed();
}

void Axis::setGridPen(const ChartPen& pen) {
  gridPen_ = pen;
  changed();
}

void Axis::setMinorGridPen(const ChartPen& pen) {
  minorGridPen_ = pen;
  changed();
}

void Axis::setMinorGridVisible(bool on) {
  minorGridPen_.visible = on;
  changed();
}

void Axis::setMinorTickCount(int count) {
  minorTickCount_ = count < 0 ? 0 : count;
  changed();
}

void Axis::setTitleCaption(const QString& caption) {
  titleCaption_ = caption;
  changed();
}

void Axis::setTitleFont(const QFont& font) {
  titleFont_ = font;
  changed();
}

void Axis::setTitleColor(Color color) {
  titleColor_ = color;
  changed();
}

void Axis::setTitleSymbolFont(bool on) {
  titleSymbol_ = on;
  changed();
}

QString Axis::drawnTitle() const {
  return titleSymbol_ ? symbolFontText(titleCaption_) : titleCaption_;
}

void Axis::setLabelFormat(const QString& format) {
  labelFormat_ = format;
  changed();
}

void Axis::setLabelFont(const QFont& font) {
  labelFont_ = font;
  changed();
}

void Axis::setLabelColor(Color color) {
  labelColor_ = color;
  changed();
}

void Axis::setLabelsVisible(bool on) {
  labelsVisible_ = on;
  changed();
}

QString Axis::labelText(double value, double tickStep) const {
  const char separator = chart_->decimalSeparator();
  if (const auto format = parseLabelFormat(labelFormat_.toStdString())) {
    return QString::fromStdString(formatWithPattern(value, *format, separator));
  }
  return QString::fromStdString(generalTickLabel(value, tickStep, separator));
}

}  // namespace kovia
