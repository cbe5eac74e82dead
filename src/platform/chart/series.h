// A series of points on a chart: the values with a label and a colour per point, and how
// they are drawn (pointers, line, marks).
#pragma once

#include <QObject>
#include <QPoint>
#include <QString>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "platform/chart/chart_types.h"

namespace kovia {

class Axis;
class Chart;

class Series : public QObject {
  Q_OBJECT

 public:
  // Extremes of the finite values, and of the positive ones (for logarithmic axes).
  struct Extent {
    double min = 0.0, max = 0.0, positiveMin = 0.0, positiveMax = 0.0;
    bool any = false, anyPositive = false;
    void include(double v);
  };

  SeriesKind kind() const { return kind_; }
  Chart* chart() const { return chart_; }

  // Removes every point; the next addY gets x = 0 again.
  void clear();
  // Adds a point with x = the number of points already in the series; returns its index.
  int addY(double y, const QString& label = QString(), Color color = kSeriesColor);
  // Adds the point (x, y); returns its index. Points keep the order in which they were added.
  int addXY(double x, double y, const QString& label = QString(), Color color = kSeriesColor);

  int count() const { return static_cast<int>(xs_.size()); }
  // Throw std::out_of_range "List index out of bounds (i)" outside 0..count()-1.
  double xValue(int index) const;
  double yValue(int index) const;
  // The colour the point is drawn in (the series' colour for points added without one).
  Color color(int index) const;
  QString label(int index) const;

  const Extent& xExtent() const { return xExtent_; }
  const Extent& yExtent() const { return yExtent_; }

  QString title() const { return title_; }
  void setTitle(const QString& title);
  bool visible() const { return visible_; }
  void setVisible(bool on);
  Color seriesColor() const { return seriesColor_; }
  void setSeriesColor(Color color);

  bool lineVisible() const { return lineVisible_; }
  void setLineVisible(bool on);
  int lineWidth() const { return lineWidth_; }
  void setLineWidth(int width);

  bool pointerVisible() const { return pointerVisible_; }
  void setPointerVisible(bool on);
  PointerStyle pointerStyle() const { return pointerStyle_; }
  void setPointerStyle(PointerStyle style);
  // Half-sizes in pixels: a pointer spans 2*size+1 pixels; 0 draws a single pixel.
  int horizSize() const { return horizSize_; }
  void setHorizSize(int size);
  int vertSize() const { return vertSize_; }
  void setVertSize(int size);
  bool pointerPenVisible() const { return pointerPenVisible_; }
  void setPointerPenVisible(bool on);
  // kPointColor (the default) outlines each pointer in its point's colour.
  Color pointerPenColor() const { return pointerPenColor_; }
  void setPointerPenColor(Color color);

  // Value labels beside the points.
  bool marksVisible() const { return marksVisible_; }
  void setMarksVisible(bool on);

  Axis* horizontalAxis() const { return horizontalAxis_; }
  void setHorizontalAxis(Axis* axis);
  Axis* verticalAxis() const { return verticalAxis_; }
  void setVerticalAxis(Axis* axis);

  // Index of the point drawn under the chart pixel `pixel` (inside its pointer, or within
  // 3 pixels when pointers are off), the lowest index where points overlap; -1 when none,
  // or when the series is hidden.
  int pointAt(QPoint pixel);
  // Chart pixel at which point `index` is drawn (throws std::out_of_range like xValue).
  QPoint pointPixel(int index);

  // Bookkeeping for the drawing side: `generation` changes when earlier points change
  // (clear), `revision` on every change of the values; `sorted` while x never decreased.
  std::uint64_t generation() const { return generation_; }
  std::uint64_t revision() const { return revision_; }
  bool sortedByX() const { return sorted_; }
  const std::vector<double>& xs() const { return xs_; }
  const std::vector<double>& ys() const { return ys_; }
  const std::vector<Color>& rawColors() const { return colors_; }

 private:
  friend class Chart;
  Series(Chart* chart, SeriesKind kind, Color seriesColor);
  void checkIndex(int index) const;
  void dataChanged();
  void lookChanged();

  Chart* chart_;
  SeriesKind kind_;
  std::vector<double> xs_, ys_;
  std::vector<Color> colors_;
  std::unordered_map<int, QString> labels_;  // only the non-empty ones
  Extent xExtent_, yExtent_;
  bool sorted_ = true;
  std::uint64_t generation_ = 0;
  std::uint64_t revision_ = 0;

  QString title_;
  bool visible_ = true;
  Color seriesColor_;
  bool lineVisible_;
  int lineWidth_ = 1;
  bool pointerVisible_;
  PointerStyle pointerStyle_ = PointerStyle::Rectangle;
  int horizSize_ = 3;
  int vertSize_ = 3;
  bool pointerPenVisible_ = true;
  Color pointerPenColor_ = kPointColor;
  bool marksVisible_ = false;
  Axis* horizontalAxis_ = nullptr;
  Axis* verticalAxis_ = nullptr;
};

}  // namespace kovia
