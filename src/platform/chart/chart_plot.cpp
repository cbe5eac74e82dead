// Mirrors a chart's model into QCustomPlot, lays it out, and renders it.
#include "platform/chart/chart_plot.h"

#include <QPicture>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/chart/axis.h"
#include "platform/chart/chart.h"
#include "platform/chart/series.h"

namespace kovia {
namespace {

QPen toQPen(const ChartPen& p) {
  if (!p.visible) return QPen(Qt::NoPen);
  QPen pen(toQColor(p.color), std::max(1, p.width));
  switch (p.style) {
    case LineStyle::Solid:
      break;
    case LineStyle::Dash:
      pen.setStyle(Qt::DashLine);
      break;
    case LineStyle::Dot:
      pen.setDashPattern({1.0, 2.0});
      break;
    case LineStyle::DashDot:
      pen.setStyle(Qt::DashDotLine);
      break;
    case LineStyle::DashDotDot:
      pen.setStyle(Qt::DashDotDotLine);
      break;
  }
  pen.setCapStyle(Qt::FlatCap);
  return pen;
}

// A range QCustomPlot accepts and draws sensibly, from the model's limits: ordered, finite,
// wide enough, and positive on a logarithmic axis. The model keeps its own values.
QCPRange drawingRange(double lo, double hi, bool logarithmic) {
  if (!std::isfinite(lo) || !std::isfinite(hi)) return logarithmic ? QCPRange(1, 10) : QCPRange(0, 1);
  if (lo > hi) std::swap(lo, hi);
  if (logarithmic) {
    if (hi <= 0) return QCPRange(1, 10);
    if (lo <= 0) lo = hi * 1e-3;
    if (hi / lo < 1.0 + 1e-12) return QCPRange(lo * 0.999, hi * 1.001);
    return QCPRange(lo, hi);
  }
  const double width = hi - lo;
  const double scale = std::max(std::fabs(lo), std::fabs(hi));
  if (!(width > scale * 1e-13) || !(width > 1e-270)) {
    const double centre = lo / 2 + hi / 2;
    const double d = std::max(std::fabs(centre) * 1e-3, 1e-270);
    return QCPRange(centre - d, centre + d);
  }
  return QCPRange(lo, hi);
}

QBrush panelBrush(const Chart& chart) {
  if (!chart.gradientVisible()) return QBrush(toQColor(chart.panelColor()));
  const QColor start = toQColor(chart.gradientStartColor());
  const QColor end = toQColor(chart.gradientEndColor());
  QGradient gradient;
  switch (chart.gradientDirection()) {
    case GradientDirection::TopBottom:
      gradient = QLinearGradient(0, 0, 0, 1);
      break;
    case GradientDirection::BottomTop:
      gradient = QLinearGradient(0, 1, 0, 0);
      break;
    case GradientDirection::LeftRight:
      gradient = QLinearGradient(0, 0, 1, 0);
      break;
    case GradientDirection::RightLeft:
      gradient = QLinearGradient(1, 0, 0, 0);
      break;
    case GradientDirection::FromCenter:
      gradient = QRadialGradient(0.5, 0.5, 0.71);
      break;
    case GradientDirection::FromTopLeft:
      gradient = QRadialGradient(0, 0, 1.42);
      break;
    case GradientDirection::FromBottomLeft:
      gradient = QRadialGradient(0, 1, 1.42);
      break;
  }
  gradient.setCoordinateMode(QGradient::ObjectMode);
  gradient.setColorAt(0, start);
  gradient.setColorAt(1, end);
  return QBrush(gradient);
}

}  // namespace

ChartDecor::ChartDecor(QCustomPlot* plot, const Chart* chart, Part part)
    : QCPLayerable(plot, part == Part::Walls ? QStringLiteral("background") : QStringLiteral("axes")),
      chart_(chart),
      part_(part) {}

QSize ChartDecor::depthOffset() const {
  if (!chart_->view3D()) return QSize(0, 0);
  const QRect viewport = mParentPlot->viewport();
  const double depth =
      chart_->chart3DPercent() / 100.0 * 0.08 * std::min(viewport.width(), viewport.height());
  const double toRadians = std::numbers::pi / 180.0;
  return QSize(static_cast<int>(std::lround(depth * std::fabs(std::cos(chart_->rotation() * toRadians)))),
               static_cast<int>(std::lround(depth * std::fabs(std::cos(chart_->elevation() * toRadians)))));
}

void ChartDecor::applyDefaultAntialiasingHint(QCPPainter* painter) const {
  painter->setAntialiasing(false);
}

void ChartDecor::draw(QCPPainter* painter) {
  const QRect rect = mParentPlot->axisRect()->rect();
  const QRectF area = rect;
  if (part_ == Part::Frame) {
    if (!chart_->framePen().visible) return;
    painter->setPen(toQPen(chart_->framePen()));
    painter->setBrush(Qt::NoBrush);
    // On the same pixel rows and columns as the axis lines.
    painter->drawRect(QRectF(QPointF(rect.left(), rect.top()), QPointF(rect.right(), rect.bottom())));
    return;
  }
  const QSize depth = depthOffset();
  const QBrush back =
      chart_->backWallTransparent() ? QBrush(Qt::NoBrush) : QBrush(toQColor(chart_->backWallColor()));
  if (depth.isNull()) {
    painter->fillRect(area, back);
    return;
  }
  const QPointF o(depth.width(), -depth.height());
  painter->setPen(QPen(QColor(128, 128, 128), 1));
  painter->setBrush(chart_->view3DWalls() ? back : QBrush(Qt::NoBrush));
  painter->drawRect(area.translated(o));
  if (!chart_->view3DWalls()) return;
  const QPointF left[4] = {area.topLeft(), area.topLeft() + o, area.bottomLeft() + o, area.bottomLeft()};
  painter->setBrush(toQColor(chart_->leftWallColor()));
  painter->drawPolygon(left, 4);
  const QPointF bottom[4] = {area.bottomLeft(), area.bottomLeft() + o, area.bottomRight() + o,
                             area.bottomRight()};
  painter->setBrush(toQColor(chart_->bottomWallColor()));
  painter->drawPolygon(bottom, 4);
}

ChartPlot::ChartPlot(Chart* chart) : chart_(chart), widget_(new PlotWidget(chart)) {
  widget_->setAttribute(Qt::WA_TransparentForMouseEvents);
  widget_->setAutoAddPlottableToLegend(false);
  widget_->setFont(chartFont(11));
  QCPLayoutGrid* grid = widget_->plotLayout();
  grid->setRowSpacing(0);
  title_ = new QCPTextElement(widget_, QString(), chartFont(13, true));
  title_->setMargins(QMargins(4, 6, 4, 4));
  grid->insertRow(0);
  grid->addElement(0, 0, title_);
  foot_ = new QCPTextElement(widget_, QString(), chartFont(11));
  foot_->setMargins(QMargins(4, 2, 4, 6));
  grid->addElement(2, 0, foot_);
  widget_->axisRect()->setBackground(Qt::NoBrush);
  for (int p = 0; p < 4; ++p) {
    const Axis* axis = chart->axis(static_cast<Axis::Position>(p));
    auto ticker = QSharedPointer<AxisTicker>::create(axis);
    qcpAxis(axis)->setTicker(ticker);
    tickers_[axis] = ticker;
  }
  widget_->legend->setVisible(false);
  widget_->legend->setFont(chartFont(11));
  // Series are drawn over the axis lines and the frame, so points on a limit stay whole.
  widget_->moveLayer(widget_->layer(QStringLiteral("main")), widget_->layer(QStringLiteral("axes")));
  walls_ = new ChartDecor(widget_, chart, ChartDecor::Part::Walls);
  frame_ = new ChartDecor(widget_, chart, ChartDecor::Part::Frame);
  // Whoever asks QCustomPlot for a picture (the chart, or QCustomPlot itself on a resize)
  // gets the model as it is now.
  QObject::connect(widget_, &QCustomPlot::beforeReplot, widget_, [this] {
    syncLook();
    syncData();
  });
  QObject::connect(widget_, &QCustomPlot::afterReplot, widget_, [this] { ++chart_->replotCount_; });
}

QCPAxis* ChartPlot::qcpAxis(const Axis* axis) const {
  switch (axis->position()) {
    case Axis::Position::Left:
      return widget_->yAxis;
    case Axis::Position::Bottom:
      return widget_->xAxis;
    case Axis::Position::Right:
      return widget_->yAxis2;
    case Axis::Position::Top:
      return widget_->xAxis2;
  }
  return widget_->xAxis;
}

SeriesGraph* ChartPlot::graphFor(Series* series) {
  auto it = graphs_.find(series);
  if (it == graphs_.end()) {
    auto* graph = new SeriesGraph(qcpAxis(series->horizontalAxis()), qcpAxis(series->verticalAxis()), series);
    it = graphs_.emplace(series, graph).first;
  }
  return it->second;
}

void ChartPlot::syncBackground() {
  widget_->setBackground(panelBrush(*chart_));
}

void ChartPlot::syncAxis(const Axis* axis) {
  QCPAxis* a = qcpAxis(axis);
  a->setVisible(axis->visible());
  a->setScaleType(axis->logarithmic() ? QCPAxis::stLogarithmic : QCPAxis::stLinear);
  a->setRange(drawingRange(axis->minimum(), axis->maximum(), axis->logarithmic()));
  a->setLabel(axis->drawnTitle());
  a->setLabelFont(axis->titleFont());
  a->setLabelColor(toQColor(axis->titleColor()));
  a->setLabelPadding(6);
  a->setTickLabels(axis->labelsVisible());
  a->setTickLabelFont(axis->labelFont());
  a->setTickLabelColor(toQColor(axis->labelColor()));
  a->setTickLabelPadding(4);
  const QPen line = toQPen(axis->axisPen());
  a->setBasePen(line);
  QPen tick = line.style() == Qt::NoPen ? QPen(toQColor(axis->axisPen().color), 1) : line;
  tick.setStyle(Qt::SolidLine);
  a->setTickPen(tick);
  a->setSubTickPen(tick);
  a->setTickLength(0, 4);
  a->setSubTicks(axis->minorTickCount() > 0);
  a->setSubTickLength(0, 2);
  QCPGrid* grid = a->grid();
  grid->setVisible(axis->visible() && (axis->gridPen().visible || axis->minorGridPen().visible));
  grid->setPen(toQPen(axis->gridPen()));
  grid->setZeroLinePen(Qt::NoPen);
  grid->setSubGridVisible(axis->minorGridPen().visible);
  grid->setSubGridPen(toQPen(axis->minorGridPen()));
}

void ChartPlot::syncLook() {
  syncBackground();
  const ChartText* texts[2] = {&chart_->title(), &chart_->foot()};
  QCPTextElement* elements[2] = {title_, foot_};
  for (int i = 0; i < 2; ++i) {
    const bool show = texts[i]->visible() && !texts[i]->lines().isEmpty();
    elements[i]->setText(show ? texts[i]->text() : QString());
    elements[i]->setFont(texts[i]->font());
    elements[i]->setTextColor(toQColor(texts[i]->color()));
  }
  for (int p = 0; p < 4; ++p) syncAxis(chart_->axis(static_cast<Axis::Position>(p)));

  // Room for the back wall of the 3D view above and to the right of the plotting area, and
  // for the last value labels of the bottom axis.
  widget_->setViewport(QRect(QPoint(), chart_->size()));
  const QSize depth = walls_->depthOffset();
  widget_->axisRect()->setMinimumMargins(QMargins(8, 8 + depth.height(), 16 + depth.width(), 8));

  QCPLegend* legend = widget_->legend;
  legend->clearItems();
  legend->setVisible(chart_->legendVisible());
  for (int i = 0; i < chart_->seriesCount(); ++i) {
    Series* series = chart_->series(i);
    SeriesGraph* graph = graphFor(series);
    graph->setVisible(series->visible());
    QCPAxis* key = qcpAxis(series->horizontalAxis());
    QCPAxis* value = qcpAxis(series->verticalAxis());
    if (graph->keyAxis() != key) graph->setKeyAxis(key);
    if (graph->valueAxis() != value) graph->setValueAxis(value);
    graph->setName(series->title());
    if (chart_->legendVisible() && series->visible() && !series->title().isEmpty())
      graph->addToLegend(legend);
  }
}

void ChartPlot::syncData() {
  for (int i = 0; i < chart_->seriesCount(); ++i) graphFor(chart_->series(i))->syncData();
}

void ChartPlot::layout() {
  syncLook();
  widget_->updateLayout();
}

void ChartPlot::replot() {
  widget_->replot(QCustomPlot::rpQueuedRefresh);
}

void ChartPlot::render(QPainter& painter, const QRectF& target, QSize logicalSize) {
  if (logicalSize.isEmpty() || target.isEmpty()) return;
  syncLook();
  syncData();
  QPicture picture;
  {
    QCPPainter recorder(&picture);
    recorder.setMode(QCPPainter::pmNonCosmetic);
    widget_->toPainter(&recorder, logicalSize.width(), logicalSize.height());
  }
  // Playing a picture back converts from the picture's resolution to the device's; the
  // remaining scale takes the logical size onto the target rectangle.
  const QPaintDevice* device = painter.device();
  const double dpiX =
      device != nullptr && device->logicalDpiX() > 0 ? device->logicalDpiX() : picture.logicalDpiX();
  const double dpiY =
      device != nullptr && device->logicalDpiY() > 0 ? device->logicalDpiY() : picture.logicalDpiY();
  painter.save();
  painter.translate(target.topLeft());
  painter.scale(target.width() / logicalSize.width() * picture.logicalDpiX() / dpiX,
                target.height() / logicalSize.height() * picture.logicalDpiY() / dpiY);
  painter.drawPicture(QPointF(0, 0), picture);
  painter.restore();
  // toPainter left the layout at the picture's size; lay the chart out for the screen again.
  layout();
}

void ChartPlot::renderImage(QImage& image) {
  syncLook();
  syncData();
  {
    QCPPainter painter(&image);
    widget_->toPainter(&painter, image.width(), image.height());
  }
  layout();
}

QRect ChartPlot::plotArea() const {
  return widget_->axisRect()->rect();
}

int ChartPlot::pointAt(Series* series, QPoint pixel) {
  if (!series->visible() || series->count() == 0) return -1;
  layout();
  const QCPAxis* kx = qcpAxis(series->horizontalAxis());
  const QCPAxis* ky = qcpAxis(series->verticalAxis());
  const QRectF area = plotAreaWithEdges(plotArea());
  const double tx = series->pointerVisible() ? std::clamp(series->horizSize(), 0, 100) + 1.0 : 3.0;
  const double ty = series->pointerVisible() ? std::clamp(series->vertSize(), 0, 100) + 1.0 : 3.0;
  const std::vector<double>& xs = series->xs();
  const std::vector<double>& ys = series->ys();
  for (std::size_t i = 0; i < xs.size(); ++i) {
    const QPointF p(kx->coordToPixel(xs[i]), ky->coordToPixel(ys[i]));
    if (!std::isfinite(p.x()) || !std::isfinite(p.y()) || !area.contains(p)) continue;
    if (std::fabs(pixel.x() - std::floor(p.x())) <= tx && std::fabs(pixel.y() - std::floor(p.y())) <= ty) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

QPoint ChartPlot::pointPixel(Series* series, int index) {
  layout();
  const double x = qcpAxis(series->horizontalAxis())->coordToPixel(series->xValue(index));
  const double y = qcpAxis(series->verticalAxis())->coordToPixel(series->yValue(index));
  if (!std::isfinite(x) || !std::isfinite(y) || std::fabs(x) > 1e9 || std::fabs(y) > 1e9)
    return QPoint(-1, -1);
  return QPoint(static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y)));
}

}  // namespace kovia
