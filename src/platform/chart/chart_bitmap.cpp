// Windows bitmap files and printed pages of a chart.
#include <QBuffer>
#include <QLayout>
#include <QPainter>
#include <QPrinter>
#include <QStackedWidget>
#include <algorithm>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/text_file.h"
#include "platform/chart/bitmap_file.h"
#include "platform/chart/chart.h"

namespace kovia {

QByteArray encodeBitmap(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (image.isNull() || !image.convertToFormat(QImage::Format_RGB32).save(&buffer, "BMP"))
    return QByteArray();
  return bytes;
}

void writeBitmapFile(const QString& path, const QImage& image) {
  const std::string target = path.toStdString();
  const QByteArray bytes = encodeBitmap(image);
  try {
    if (bytes.isEmpty()) throw FileWriteError(target, "empty picture");
    replaceFileAtomically(target,
                          std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  } catch (const FileWriteError&) {
    throw FileWriteError(target, "Cannot create file " + target);
  }
}

void Chart::saveBitmap(const QString& path) {
  saveBitmap(path, bitmapSize_.isEmpty() ? onScreenSize() : bitmapSize_);
}

QSize Chart::onScreenSize() {
  if (!window()->isVisible()) return size();
  std::vector<QWidget*> ancestors;
  for (QWidget* w = parentWidget(); w != nullptr; w = w->parentWidget()) ancestors.push_back(w);
  // From the window down: a page not on show takes the geometry of the page on show, and
  // it and everything below it on the way to the chart are laid out again.
  bool hiddenPage = false;
  for (auto it = ancestors.rbegin(); it != ancestors.rend(); ++it) {
    QWidget* w = *it;
    auto* stack = qobject_cast<QStackedWidget*>(w->parentWidget());
    if (stack != nullptr && stack->currentWidget() != nullptr && stack->currentWidget() != w) {
      w->setGeometry(stack->currentWidget()->geometry());
      hiddenPage = true;
    }
    if (hiddenPage && w->layout() != nullptr) w->layout()->setGeometry(w->rect());
  }
  return size();
}

void Chart::saveBitmap(const QString& path, QSize size) {
  writeBitmapFile(path, toImage(size));
}

void Chart::print(QPrinter& printer) {
  const QSize screen = size().expandedTo(QSize(1, 1));
  QPainter painter;
  if (!painter.begin(&printer)) throw std::runtime_error("No se puede imprimir en la impresora seleccionada");
  const QRectF area(QPointF(0, 0), printer.pageLayout().paintRectPixels(printer.resolution()).size());
  // Printer pixels per screen pixel, the same both ways so that the proportions stay.
  const double scale = std::min(area.width() / screen.width(), area.height() / screen.height());
  const QSizeF drawn(screen.width() * scale, screen.height() * scale);
  const QRectF target(QPointF((area.width() - drawn.width()) / 2, 0), drawn);
  drawTo(painter, target, screen);
  painter.end();
}

}  // namespace kovia
