// Drawing of one series: line through QCustomPlot, pointers with a colour per point.
#include <algorithm>
#include <cmath>
#include <numeric>

#include "platform/chart/chart.h"
#include "platform/chart/chart_plot.h"
#include "platform/chart/series.h"
#include "platform/chart/value_format.h"

namespace kovia {
namespace {

// Pointer half-sizes are drawn within these bounds; the model keeps what it was given.
constexpr int kMaxDrawnSize = 100;
// Marks are value labels; beyond this many points on show they would only cover the data.
constexpr int kMaxMarks = 300;

bool samePoint(const QCPGraphData& a, const QCPGraphData& b) {
  return a.key == b.key && (a.value == b.value || (std::isnan(a.value) && std::isnan(b.value)));
}

double drawableValue(double y) {
  return std::isfinite(y) ? y : std::numeric_limits<double>::quiet_NaN();
}

}  // namespace

QRectF plotAreaWithEdges(const QRect& area) {
  // QCustomPlot maps an axis' upper limit one pixel beyond the rectangle on vertical axes:
  // points exactly on a limit belong to the plot.
  return QRectF(area).adjusted(-1.5, -1.5, 1.5, 1.5);
}

SeriesGraph::SeriesGraph(QCPAxis* keyAxis, QCPAxis* valueAxis, Series* series)
    : QCPGraph(keyAxis, valueAxis), series_(series) {
  setAdaptiveSampling(true);
  setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssNone));
  setLineStyle(lsLine);
  setSelectable(QCP::stNone);
}

QRect SeriesGraph::clipRect() const {
  // Pointers on the edge of the plotting area are drawn whole, so clipping is done in
  // draw(): the line is clipped to the area, pointers are kept when their centre is inside.
  return mParentPlot->viewport();
}

void SeriesGraph::syncData() {
  if (series_->generation() == syncedGeneration_ && series_->revision() == syncedRevision_) return;
  const std::vector<double>& xs = series_->xs();
  const std::vector<double>& ys = series_->ys();
  const std::size_t n = xs.size();
  if (series_->generation() == syncedGeneration_ && series_->sortedByX() && order_.empty() &&
      n >= syncedCount_) {
    // Appended in key order: single adds keep equal keys in the order they were added.
    for (std::size_t i = syncedCount_; i < n; ++i)
      mDataContainer->add(QCPGraphData(xs[i], drawableValue(ys[i])));
  } else {
    order_.clear();
    QVector<QCPGraphData> data;
    if (series_->sortedByX()) {
      data.reserve(static_cast<qsizetype>(n));
      for (std::size_t i = 0; i < n; ++i) data.append(QCPGraphData(xs[i], drawableValue(ys[i])));
    } else {
      // Stable key order (equal keys stay in the order they were added); points without a
      // finite key cannot be placed and are left out of the picture.
      for (std::size_t i = 0; i < n; ++i) {
        if (std::isfinite(xs[i])) order_.push_back(static_cast<int>(i));
      }
      std::stable_sort(order_.begin(), order_.end(), [&xs](int a, int b) {
        return xs[static_cast<std::size_t>(a)] < xs[static_cast<std::size_t>(b)];
      });
      data.reserve(static_cast<qsizetype>(order_.size()));
      for (int i : order_) {
        data.append(
            QCPGraphData(xs[static_cast<std::size_t>(i)], drawableValue(ys[static_cast<std::size_t>(i)])));
      }
    }
    mDataContainer->set(data, true);
  }
  syncedGeneration_ = series_->generation();
  syncedRevision_ = series_->revision();
  syncedCount_ = n;
}

Color SeriesGraph::colorAt(int position) const {
  const int index = order_.empty() ? position : order_[static_cast<std::size_t>(position)];
  const Color c = series_->rawColors()[static_cast<std::size_t>(index)];
  return c == kSeriesColor ? series_->seriesColor() : c;
}

Color SeriesGraph::lineColor() const {
  // A line through points of one colour takes that colour; mixed points give the series'.
  const std::vector<Color>& colors = series_->rawColors();
  if (colors.empty()) return series_->seriesColor();
  const Color first = colors.front();
  const bool uniform = std::all_of(colors.begin(), colors.end(), [first](Color c) { return c == first; });
  return uniform && first != kSeriesColor ? first : series_->seriesColor();
}

bool SeriesGraph::pointerIsDot() const {
  return series_->pointerStyle() == PointerStyle::SmallDot ||
         (series_->horizSize() <= 0 && series_->vertSize() <= 0);
}

void SeriesGraph::setPointerColors(QCPPainter* painter, Color fill) const {
  const QColor fillColor = toQColor(fill);
  const Color penColor = series_->pointerPenColor() == kPointColor ? fill : series_->pointerPenColor();
  const PointerStyle style = series_->pointerStyle();
  painter->setBrush(fillColor);
  if (pointerIsDot()) {
    painter->setPen(QPen(fillColor, 1.0));
  } else if (style == PointerStyle::Cross || style == PointerStyle::DiagonalCross ||
             style == PointerStyle::Star || style == PointerStyle::Dash) {
    // Pointers made of strokes: the outline colour, or the point's own without an outline.
    painter->setPen(QPen(series_->pointerPenVisible() ? toQColor(penColor) : fillColor, 1.0));
  } else {
    painter->setPen(series_->pointerPenVisible() ? QPen(toQColor(penColor), 1.0) : QPen(Qt::NoPen));
  }
}

void SeriesGraph::drawPointerShape(QCPPainter* painter, QPointF c) const {
  const double h = std::clamp(series_->horizSize(), 0, kMaxDrawnSize);
  const double v = std::clamp(series_->vertSize(), 0, kMaxDrawnSize);
  const PointerStyle style = series_->pointerStyle();
  if (pointerIsDot()) {
    painter->drawPoint(c);
    return;
  }
  switch (style) {
    case PointerStyle::Rectangle:
      painter->drawRect(QRectF(c.x() - h, c.y() - v, 2 * h, 2 * v));
      break;
    case PointerStyle::Circle:
      painter->drawEllipse(c, h, v);
      break;
    case PointerStyle::Triangle:
    case PointerStyle::DownTriangle: {
      const double s = style == PointerStyle::Triangle ? 1.0 : -1.0;
      const QPointF p[3] = {{c.x(), c.y() - s * v}, {c.x() + h, c.y() + s * v}, {c.x() - h, c.y() + s * v}};
      painter->drawPolygon(p, 3);
      break;
    }
    case PointerStyle::Diamond: {
      const QPointF p[4] = {{c.x(), c.y() - v}, {c.x() + h, c.y()}, {c.x(), c.y() + v}, {c.x() - h, c.y()}};
      painter->drawPolygon(p, 4);
      break;
    }
    case PointerStyle::Cross:
    case PointerStyle::DiagonalCross:
    case PointerStyle::Star:
      if (style != PointerStyle::DiagonalCross) {
        painter->drawLine(QPointF(c.x() - h, c.y()), QPointF(c.x() + h, c.y()));
        painter->drawLine(QPointF(c.x(), c.y() - v), QPointF(c.x(), c.y() + v));
      }
      if (style != PointerStyle::Cross) {
        painter->drawLine(QPointF(c.x() - h, c.y() - v), QPointF(c.x() + h, c.y() + v));
        painter->drawLine(QPointF(c.x() - h, c.y() + v), QPointF(c.x() + h, c.y() - v));
      }
      break;
    case PointerStyle::Dash:
      painter->drawLine(QPointF(c.x() - h, c.y()), QPointF(c.x() + h, c.y()));
      break;
    case PointerStyle::SmallDot:
      break;
  }
}

void SeriesGraph::drawPointer(QCPPainter* painter, QPointF center, Color fill) const {
  setPointerColors(painter, fill);
  drawPointerShape(painter, center);
}

void SeriesGraph::draw(QCPPainter* painter) {
  if (!mKeyAxis || !mValueAxis || mDataContainer->isEmpty()) return;
  const QRect area = mKeyAxis->axisRect()->rect();
  if (series_->lineVisible()) {
    painter->save();
    painter->setClipRect(area);
    setPen(QPen(toQColor(lineColor()), series_->lineWidth()));
    QCPGraph::draw(painter);
    painter->restore();
  }
  if (!series_->pointerVisible() && !series_->marksVisible()) return;

  QCPGraphDataContainer::const_iterator begin, end;
  getVisibleDataBounds(begin, end, QCPDataRange(0, dataCount()));
  if (begin == end) return;
  QVector<QCPGraphData> sampled;
  {
    // The sampling keeps only values strictly inside the value range, which would drop the
    // points that define automatic limits; it runs on a range widened by 0.1 %.
    const QCPRange range = mValueAxis->range();
    const bool log = mValueAxis->scaleType() == QCPAxis::stLogarithmic;
    mValueAxis->setRange(
        log ? QCPRange(range.lower / 1.001, range.upper * 1.001)
            : QCPRange(range.lower - range.size() * 1e-3, range.upper + range.size() * 1e-3));
    getOptimizedScatterData(&sampled, begin, end);
    mValueAxis->setRange(range);
  }

  // Each sampled point is a copy of a data point, in data order: walk the data alongside to
  // learn its position. Identical points take the colour of the last one added, which is
  // the one on top when all are drawn.
  const QRectF inside = plotAreaWithEdges(area);
  const auto first = mDataContainer->constBegin();
  auto cursor = begin;
  auto runEnd = begin;
  QVector<QPointF> pixels;
  std::vector<int> positions;
  pixels.reserve(sampled.size());
  positions.reserve(static_cast<std::size_t>(sampled.size()));
  for (const QCPGraphData& point : sampled) {
    while (cursor != end && !samePoint(*cursor, point)) ++cursor;
    if (cursor == end) break;
    if (runEnd < cursor) runEnd = cursor;
    while (runEnd + 1 != end && samePoint(*(runEnd + 1), point)) ++runEnd;
    const QPointF pixel = coordsToPixels(point.key, point.value);
    if (std::isfinite(pixel.x()) && std::isfinite(pixel.y()) && inside.contains(pixel)) {
      pixels.append(pixel);
      positions.push_back(static_cast<int>(runEnd - first));
    }
    ++cursor;
  }

  if (series_->pointerVisible()) {
    painter->setAntialiasing(true);
    bool prepared = false;
    Color current = 0;
    for (qsizetype i = 0; i < pixels.size(); ++i) {
      const Color color = colorAt(positions[static_cast<std::size_t>(i)]);
      if (!prepared || color != current) {
        setPointerColors(painter, color);
        current = color;
        prepared = true;
      }
      // On whole pixels (the antialiasing painter adds the half-pixel shift), so that
      // outlines fall on pixel centres and stay crisp.
      drawPointerShape(painter, QPointF(std::floor(pixels[i].x()), std::floor(pixels[i].y())));
    }
  }
  if (series_->marksVisible()) drawMarks(painter, pixels, positions);
}

void SeriesGraph::drawMarks(QCPPainter* painter, const QVector<QPointF>& pixels,
                            const std::vector<int>& positions) const {
  if (pixels.size() > kMaxMarks) return;
  painter->setAntialiasing(false);
  painter->setFont(mParentPlot->font());
  const QFontMetrics metrics(painter->font());
  const double lift = std::clamp(series_->vertSize(), 0, kMaxDrawnSize) + 4;
  for (qsizetype i = 0; i < pixels.size(); ++i) {
    const int position = positions[static_cast<std::size_t>(i)];
    const int index = order_.empty() ? position : order_[static_cast<std::size_t>(position)];
    QString text = series_->label(index);
    if (text.isEmpty()) {
      const double y = series_->yValue(index);
      // Four significant digits: a mark names the value, the grids hold the full text.
      text = QString::fromStdString(
          generalTickLabel(y, std::fabs(y) * 1e-3, series_->chart()->decimalSeparator()));
    }
    QRectF box = metrics.boundingRect(text);
    box.adjust(-3, -1, 3, 1);
    box.moveCenter(QPointF(pixels[i].x(), pixels[i].y() - lift - box.height() / 2));
    painter->setPen(QPen(Qt::gray, 1));
    painter->drawLine(pixels[i], QPointF(pixels[i].x(), box.bottom()));
    painter->setBrush(QColor(255, 255, 225));
    painter->drawRect(box);
    painter->setPen(Qt::black);
    painter->drawText(box, Qt::AlignCenter, text);
  }
}

void SeriesGraph::drawLegendIcon(QCPPainter* painter, const QRectF& rect) const {
  const Color color = series_->count() > 0 ? series_->color(0) : series_->seriesColor();
  if (series_->lineVisible()) {
    painter->setPen(QPen(toQColor(lineColor()), series_->lineWidth()));
    painter->drawLine(QLineF(rect.left(), rect.center().y(), rect.right(), rect.center().y()));
  }
  if (series_->pointerVisible()) {
    painter->setAntialiasing(true);
    drawPointer(painter, rect.center(), color);
  }
}

}  // namespace kovia
