// Helpers of the save command's tests: a scripted operator that keeps every save request
// (filter, default extension, title and proposed name of each file dialog), and readers of
// the files written.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <optional>
#include <vector>

#include "platform/scripted_operator.h"

namespace kovia::testing {

class SaveRecorder : public ScriptedOperator {
 public:
  std::optional<QString> saveFile(const SaveRequest& request) override {
    requests.push_back(request);
    return ScriptedOperator::saveFile(request);
  }
  std::vector<SaveRequest> requests;
};

inline QByteArray fileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<no existe>");
}

// The picture of a Windows bitmap file (null when the file is not one).
inline QImage bitmap(const QString& path) {
  const QByteArray bytes = fileBytes(path);
  QImage image;
  if (!bytes.startsWith("BM") || !image.loadFromData(bytes, "BMP")) return QImage();
  return image;
}

// Pixels dark enough to be text, axes or points.
inline int darkPixels(const QImage& image) {
  int dark = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) dark += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
  }
  return dark;
}

}  // namespace kovia::testing
