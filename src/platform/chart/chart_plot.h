// The drawing side of a Chart: QCustomPlot objects mirroring the model. Private to this
// folder; the windows never include it.
#pragma once

#include <qcustomplot.h>

#include <QPoint>
#include <QSize>
#include <map>
#include <memory>
#include <vector>

#include "platform/chart/chart_types.h"

namespace kovia {

class Axis;
class Chart;
class Series;

// The plotting area extended to the points that lie exactly on an axis limit.
QRectF plotAreaWithEdges(const QRect& area);

// QCustomPlot with its layout pass reachable, so that pixel queries can lay the chart out
// without drawing it.
class PlotWidget : public QCustomPlot {
 public:
  using QCustomPlot::QCustomPlot;
  using QCustomPlot::updateLayout;
};

// Ticks and value labels of one axis from the model: the axis' label format, its minor tick
// count, and readable ticks on logarithmic axes (whole decades, or 1-2-5 steps inside a
// decade when the range is narrow).
class AxisTicker : public QCPAxisTicker {
 public:
  explicit AxisTicker(const Axis* axis) : axis_(axis) {}

 protected:
  double getTickStep(const QCPRange& range) override;
  int getSubTickCount(double tickStep) override;
  QVector<double> createTickVector(double tickStep, const QCPRange& range) override;
  QVector<double> createSubTickVector(int subTickCount, const QVector<double>& ticks) override;
  QVector<QString> createLabelVector(const QVector<double>& ticks, const QLocale& locale, QChar formatChar,
                                     int precision) override;

 private:
  enum class LogMode { Decades, Mantissas, Linear };
  const Axis* axis_;
  LogMode logMode_ = LogMode::Linear;
  int decadeStep_ = 1;     // decades between major ticks
  int mantissaLevel_ = 0;  // 0: ticks at 1..9 x 10^k, 1: at 1, 2, 5 x 10^k
};

// A QCustomPlot graph drawing one series: its line through QCustomPlot, its pointers with a
// colour per point. The pointers go through QCustomPlot's scatter sampling (so 10^6 points
// draw as fast as a plain graph); each sampled point is matched back to its position in
// the key-sorted data to find its colour.
class SeriesGraph : public QCPGraph {
 public:
  SeriesGraph(QCPAxis* keyAxis, QCPAxis* valueAxis, Series* series);

  // Brings the graph's data up to date with the series (appends when it only grew).
  void syncData();
  // Colour of the data point at key-sorted position `position`.
  Color colorAt(int position) const;
  // Key-sorted position -> series index (empty when they are the same).
  const std::vector<int>& order() const { return order_; }
  // Draws one pointer of the series centred on `center`.
  void drawPointer(QCPPainter* painter, QPointF center, Color fill) const;
  // The same in two steps, so that a run of points of one colour sets the pen only once.
  void setPointerColors(QCPPainter* painter, Color fill) const;
  void drawPointerShape(QCPPainter* painter, QPointF center) const;

 protected:
  QRect clipRect() const override;
  void draw(QCPPainter* painter) override;
  void drawLegendIcon(QCPPainter* painter, const QRectF& rect) const override;

 private:
  void drawMarks(QCPPainter* painter, const QVector<QPointF>& pixels,
                 const std::vector<int>& positions) const;
  Color lineColor() const;
  bool pointerIsDot() const;

  Series* series_;
  std::vector<int> order_;
  std::uint64_t syncedGeneration_ = ~std::uint64_t{0};
  std::uint64_t syncedRevision_ = ~std::uint64_t{0};
  std::size_t syncedCount_ = 0;
};

// Panel decorations drawn with the plot: the back wall and, in the 3D view, the left and
// bottom walls (below the grid), or the frame around the plotting area (above the data).
class ChartDecor : public QCPLayerable {
 public:
  enum class Part { Walls, Frame };
  ChartDecor(QCustomPlot* plot, const Chart* chart, Part part);
  QSize depthOffset() const;

 protected:
  void applyDefaultAntialiasingHint(QCPPainter* painter) const override;
  void draw(QCPPainter* painter) override;

 private:
  const Chart* chart_;
  Part part_;
};

class ChartPlot {
 public:
  explicit ChartPlot(Chart* chart);

  PlotWidget* widget() const { return widget_; }
  QCPAxis* qcpAxis(const Axis* axis) const;

  // Mirrors the model into the plot: everything but series data / the data too.
  void syncLook();
  void syncData();
  // Lays the plot out for the widget's current size without drawing it.
  void layout();
  void replot();
  // Records the chart, laid out at `logicalSize`, into a picture painted into `target`.
  void render(QPainter& painter, const QRectF& target, QSize logicalSize);
  // Draws the chart straight onto a white image of its own size (no picture in between).
  void renderImage(QImage& image);

  int pointAt(Series* series, QPoint pixel);
  QPoint pointPixel(Series* series, int index);
  QRect plotArea() const;

 private:
  SeriesGraph* graphFor(Series* series);
  void syncAxis(const Axis* axis);
  void syncBackground();

  Chart* chart_;
  PlotWidget* widget_;
  QCPTextElement* title_;
  QCPTextElement* foot_;
  ChartDecor* walls_;
  ChartDecor* frame_;
  std::map<const Series*, SeriesGraph*> graphs_;
  std::map<const Axis*, QSharedPointer<AxisTicker>> tickers_;
};

}  // namespace kovia
