#include "platform/resources.h"

#include <QGuiApplication>
#include <QImageReader>

// Q_INIT_RESOURCE declares a function of the global namespace: it must be used outside ours.
static void initEmbeddedKoviaResources() {
  Q_INIT_RESOURCE(kovia);
}

namespace kovia {

void initKoviaResources() {
  static const bool done = [] {
    initEmbeddedKoviaResources();
    return true;
  }();
  (void)done;
}

QPixmap resourcePixmap(const QString& path, QSize size) {
  initKoviaResources();
  // SVG pictures are rendered at the device's resolution rather than scaled from a
  // bitmap, so that text and thin lines in them stay sharp.
  const qreal ratio = qApp != nullptr ? qApp->devicePixelRatio() : 1.0;
  QImageReader reader(path);
  if (size.isValid()) reader.setScaledSize(size * ratio);
  QImage image = reader.read();
  if (image.isNull()) return {};
  QPixmap pixmap = QPixmap::fromImage(std::move(image));
  pixmap.setDevicePixelRatio(ratio);
  return pixmap;
}

QIcon koviaWindowIcon() {
  initKoviaResources();
  return QIcon(QStringLiteral(":/logo.svg"));
}

}  // namespace kovia
