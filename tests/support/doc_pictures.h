// Pictures of the windows for the documentation: with KOVIA_SCREENSHOT_DIR set, a test saves
// the window it has checked there as a PNG file; without it nothing is written.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QString>
#include <QWidget>
#include <cstdlib>

namespace kovia::testing {

inline void saveForDocs(QWidget& window, const char* file) {
  const char* dir = std::getenv("KOVIA_SCREENSHOT_DIR");
  if (dir == nullptr) return;
  const bool wasVisible = window.isVisible();
  window.show();
  QApplication::processEvents();
  const QString path = QDir(QString::fromLocal8Bit(dir)).filePath(QString::fromLatin1(file));
  EXPECT_TRUE(window.grab().save(path)) << path.toStdString();
  if (!wasVisible) window.hide();
}

}  // namespace kovia::testing
