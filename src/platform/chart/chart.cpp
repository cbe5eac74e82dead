#include "platform/chart/chart.h"

#include <QLocale>
#include <QMenu>
#include <QMouseEvent>
#include <QPaintDevice>
#include <QPainter>
#include <QRubberBand>
#include <QTimer>
#include <cmath>

#include "platform/chart/chart_plot.h"

namespace kovia {
namespace {

// Colours of series added without one of their own, in turn.
constexpr Color kPalette[] = {0x000000FF, 0x00008000, 0x00FF0000, 0x00FF00FF,
                              0x00808000, 0x00800000, 0x00000080, 0x00008080};

// A press followed by less movement than this is a click, not a drag.
constexpr int kDragThreshold = 3;

}  // namespace

void ChartText::setLines(const QStringList& lines) {
  lines_ = lines;
  chart_->modelChanged();
}

void ChartText::setText(const QString& text) {
  QStringList lines = text.split(QLatin1Char('\n'));
  for (QString& line : lines) {
    if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
  }
  if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
  setLines(lines);
}

void ChartText::setFont(const QFont& font) {
  font_ = font;
  chart_->modelChanged();
}

void ChartText::setColor(Color color) {
  color_ = color;
  chart_->modelChanged();
}

void ChartText::setVisible(bool on) {
  visible_ = on;
  chart_->modelChanged();
}

Chart::Chart(QWidget* parent)
    : QWidget(parent), title_(this, chartFont(13, true)), foot_(this, chartFont(11)) {
  for (int p = 0; p < 4; ++p)
    axes_[static_cast<std::size_t>(p)] = new Axis(this, static_cast<Axis::Position>(p));
  const QString point = QLocale::system().decimalPoint();
  if (point.size() == 1 && point.at(0).unicode() < 128) decimalSeparator_ = point.at(0).toLatin1();
  setMouseTracking(true);
  setContextMenuPolicy(Qt::PreventContextMenu);
  setAttribute(Qt::WA_OpaquePaintEvent);
  plot_ = std::make_unique<ChartPlot>(this);
  rubberBand_ = new QRubberBand(QRubberBand::Rectangle, this);
  modelChanged();
}

Chart::~Chart() = default;

Series* Chart::addSeries(const QString& name, SeriesKind kind) {
  const std::size_t n = series_.size();
  auto* series = new Series(this, kind, kPalette[n % (sizeof kPalette / sizeof kPalette[0])]);
  series->setObjectName(name);
  series_.push_back(series);
  modelChanged();
  return series;
}

Series* Chart::findSeries(const QString& name) const {
  for (Series* s : series_) {
    if (s->objectName() == name) return s;
  }
  return nullptr;
}

std::pair<double, double> Chart::automaticRange(const Axis* axis) const {
  const bool log = axis->logarithmic();
  bool found = false;
  double lo = 0.0, hi = 0.0;
  for (const Series* s : series_) {
    if (!s->visible() || s->count() == 0) continue;
    if ((axis->horizontal() ? s->horizontalAxis() : s->verticalAxis()) != axis) continue;
    const Series::Extent& e = axis->horizontal() ? s->xExtent() : s->yExtent();
    if (log ? !e.anyPositive : !e.any) continue;
    const double emin = log ? e.positiveMin : e.min;
    const double emax = log ? e.positiveMax : e.max;
    lo = found ? std::min(lo, emin) : emin;
    hi = found ? std::max(hi, emax) : emax;
    found = true;
  }
  if (!found) return log ? std::pair(1.0, 10.0) : std::pair(0.0, 1.0);
  if (lo == hi) {
    const double d = std::max(std::fabs(lo) * 1e-3, 1e-300);
    return {lo - d, hi + d};
  }
  return {lo, hi};
}

void Chart::setPanelColor(Color color) {
  panelColor_ = color;
  modelChanged();
}
void Chart::setGradientVisible(bool on) {
  gradientVisible_ = on;
  modelChanged();
}
void Chart::setGradientStartColor(Color color) {
  gradientStart_ = color;
  modelChanged();
}
void Chart::setGradientEndColor(Color color) {
  gradientEnd_ = color;
  modelChanged();
}
void Chart::setGradientDirection(GradientDirection direction) {
  gradientDirection_ = direction;
  modelChanged();
}
void Chart::setFramePen(const ChartPen& pen) {
  framePen_ = pen;
  modelChanged();
}
void Chart::setFrameColor(Color color) {
  framePen_.color = color;
  modelChanged();
}
void Chart::setLegendVisible(bool on) {
  legendVisible_ = on;
  modelChanged();
}
void Chart::setDecimalSeparator(char separator) {
  decimalSeparator_ = separator;
  modelChanged();
}
void Chart::setView3D(bool on) {
  view3D_ = on;
  modelChanged();
}
void Chart::setView3DWalls(bool on) {
  view3DWalls_ = on;
  modelChanged();
}
void Chart::setElevation(int degrees) {
  elevation_ = degrees;
  modelChanged();
}
void Chart::setRotation(int degrees) {
  rotation_ = degrees;
  modelChanged();
}
void Chart::setChart3DPercent(int percent) {
  depthPercent_ = percent;
  modelChanged();
}
void Chart::setLeftWallColor(Color color) {
  leftWall_ = color;
  modelChanged();
}
void Chart::setBackWallColor(Color color) {
  backWall_ = color;
  modelChanged();
}
void Chart::setBottomWallColor(Color color) {
  bottomWall_ = color;
  modelChanged();
}
void Chart::setBackWallTransparent(bool on) {
  backWallTransparent_ = on;
  modelChanged();
}

void Chart::saveScalesIfNone() {
  if (savedScales_) return;
  std::array<Axis::Scale, 4> scales;
  for (std::size_t i = 0; i < 4; ++i) scales[i] = axes_[i]->scale();
  savedScales_ = scales;
}

void Chart::zoomPercent(double percent) {
  std::array<std::pair<double, double>, 4> limits;
  for (std::size_t i = 0; i < 4; ++i) limits[i] = {axes_[i]->minimum(), axes_[i]->maximum()};
  saveScalesIfNone();
  for (std::size_t i = 0; i < 4; ++i) {
    const auto [lo, hi] = limits[i];
    const auto d = static_cast<double>((static_cast<long double>(hi) - static_cast<long double>(lo)) *
                                       (static_cast<long double>(percent) - 100.0L) * 0.01L);
    axes_[i]->setMinMax(lo + d, hi - d);
  }
  zoomed_ = true;
  modelChanged();
}

void Chart::undoZoom() {
  if (savedScales_) {
    const std::array<Axis::Scale, 4> scales = *savedScales_;
    savedScales_.reset();
    for (std::size_t i = 0; i < 4; ++i) axes_[i]->restoreScale(scales[i]);
  }
  zoomed_ = false;
  modelChanged();
}

std::pair<Series*, int> Chart::seriesPointAt(QPoint pixel) {
  for (auto it = series_.rbegin(); it != series_.rend(); ++it) {
    const int index = (*it)->pointAt(pixel);
    if (index >= 0) return {*it, index};
  }
  return {nullptr, -1};
}

void Chart::modelChanged() {
  if (replotPending_) return;
  replotPending_ = true;
  QTimer::singleShot(0, this, &Chart::flushReplot);
}

void Chart::flushReplot() {
  if (!replotPending_) return;
  replotPending_ = false;
  if (!isVisible()) {
    replotDeferred_ = true;
    return;
  }
  replotDeferred_ = false;
  plot_->replot();
}

void Chart::replotNow() {
  flushReplot();
}

void Chart::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (replotDeferred_) {
    replotPending_ = true;
    flushReplot();
  }
}

void Chart::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  plot_->widget()->setGeometry(rect());
}

void Chart::drawTo(QPainter& painter, const QRectF& target, QSize logicalSize) {
  if (logicalSize.isEmpty()) {
    const QPaintDevice* device = painter.device();
    const double sx = device != nullptr && device->logicalDpiX() > 0 ? 96.0 / device->logicalDpiX() : 1.0;
    const double sy = device != nullptr && device->logicalDpiY() > 0 ? 96.0 / device->logicalDpiY() : 1.0;
    logicalSize = QSize(static_cast<int>(std::lround(target.width() * sx)),
                        static_cast<int>(std::lround(target.height() * sy)));
  }
  plot_->render(painter, target, logicalSize);
}

QImage Chart::toImage(QSize size) {
  QImage image(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
  image.fill(Qt::white);
  plot_->renderImage(image);
  return image;
}

void Chart::mousePressEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  pressPos_ = lastPos_ = pos;
  dragMoved_ = false;
  drag_ = Drag::None;
  const auto [series, index] = seriesPointAt(pos);
  if (series != nullptr) {
    emit clickSeries(series, index, event->button(), event->modifiers(), pos.x(), pos.y());
    return;
  }
  if (event->button() == Qt::LeftButton && plot_->plotArea().contains(pos)) {
    drag_ = Drag::Zoom;
  } else if (event->button() == Qt::RightButton) {
    drag_ = Drag::Pan;
  }
}

void Chart::mouseMoveEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  emit mouseMove(event->modifiers(), pos.x(), pos.y());
  if (drag_ == Drag::None) return;
  if ((pos - pressPos_).manhattanLength() >= kDragThreshold) dragMoved_ = true;
  if (!dragMoved_) return;
  if (drag_ == Drag::Zoom) {
    rubberBand_->setGeometry(QRect(pressPos_, pos).normalized());
    rubberBand_->show();
  } else {
    panByPixels(pos - lastPos_);
    lastPos_ = pos;
  }
}

void Chart::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  const Drag drag = drag_;
  drag_ = Drag::None;
  rubberBand_->hide();
  if (drag == Drag::Zoom && dragMoved_) {
    // Drawn towards the lower right it zooms into the rectangle; otherwise it undoes the zoom.
    if (pos.x() > pressPos_.x() && pos.y() > pressPos_.y()) {
      zoomToPixels(QRect(pressPos_, pos));
    } else {
      undoZoom();
    }
  }
  if (event->button() == Qt::RightButton && !dragMoved_ && popupMenu_ != nullptr) {
    popupMenu_->popup(mapToGlobal(pos));
  }
}

void Chart::mouseDoubleClickEvent(QMouseEvent* event) {
  drag_ = Drag::None;
  event->accept();
  emit dblClick();
}

void Chart::zoomToPixels(const QRect& rect) {
  plot_->layout();
  std::array<std::pair<double, double>, 4> limits;
  for (std::size_t i = 0; i < 4; ++i) {
    const QCPAxis* a = plot_->qcpAxis(axes_[i]);
    limits[i] = axes_[i]->horizontal()
                    ? std::pair(a->pixelToCoord(rect.left()), a->pixelToCoord(rect.right()))
                    : std::pair(a->pixelToCoord(rect.bottom()), a->pixelToCoord(rect.top()));
  }
  saveScalesIfNone();
  for (std::size_t i = 0; i < 4; ++i) axes_[i]->setMinMax(limits[i].first, limits[i].second);
  zoomed_ = true;
  modelChanged();
}

void Chart::panByPixels(QPoint delta) {
  if (delta.isNull()) return;
  plot_->layout();
  std::array<std::pair<double, double>, 4> limits;
  for (std::size_t i = 0; i < 4; ++i) {
    const QCPAxis* a = plot_->qcpAxis(axes_[i]);
    const double shift = axes_[i]->horizontal() ? delta.x() : delta.y();
    const QCPRange r = a->range();
    limits[i] = {a->pixelToCoord(a->coordToPixel(r.lower) - shift),
                 a->pixelToCoord(a->coordToPixel(r.upper) - shift)};
  }
  saveScalesIfNone();
  for (std::size_t i = 0; i < 4; ++i) axes_[i]->setMinMax(limits[i].first, limits[i].second);
}

}  // namespace kovia
