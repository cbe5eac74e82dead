// Windows bitmap files of a chart.
#include <QBuffer>
#include <string>
#include <string_view>

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
  saveBitmap(path, size());
}

void Chart::saveBitmap(const QString& path, QSize size) {
  writeBitmapFile(path, toImage(size));
}

}  // namespace kovia
