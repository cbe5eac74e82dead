#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "chart_demo.h"
#include "core/text_file.h"
#include "platform/chart/chart.h"

namespace kovia {
namespace {

int countPixels(const QImage& image, const QRect& area, QRgb rgb) {
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x)
      n += (image.pixel(x, y) & 0xFFFFFFu) == (rgb & 0xFFFFFFu);
  }
  return n;
}

// Both demonstration charts side by side; written to KOVIA_SCREENSHOT_DIR when it is set.
TEST(ChartPicture, DemoShowsBothPointColoursAndTheMinorGrid) {
  Chart readings;
  Chart allan;
  testing::fillReadingsChart(readings);
  testing::fillAllanChart(allan);
  readings.resize(560, 420);
  allan.resize(560, 420);
  const QImage left = readings.toImage(readings.size());
  const QImage right = allan.toImage(allan.size());

  EXPECT_GT(countPixels(left, left.rect(), toQColor(colors::kNavy).rgb()), 80 * 4);
  EXPECT_GT(countPixels(left, left.rect(), toQColor(colors::kRed).rgb()), 40 * 4);
  EXPECT_GT(countPixels(right, right.rect(), toQColor(colors::kSilver).rgb()), 200);
  EXPECT_GT(countPixels(right, right.rect(), toQColor(colors::kBar).rgb()), 12 * 5);

  if (const char* dir = std::getenv("KOVIA_SCREENSHOT_DIR")) {
    QImage both(left.width() + right.width(), left.height(), QImage::Format_RGB32);
    both.fill(Qt::white);
    QPainter painter(&both);
    painter.drawImage(0, 0, left);
    painter.drawImage(left.width(), 0, right);
    painter.end();
    ASSERT_TRUE(both.save(QDir(QString::fromLocal8Bit(dir)).filePath(QStringLiteral("chart_demo.png"))));
  }
}

// Mean absolute difference per channel, 0..255.
double meanDifference(const QImage& a, const QImage& b) {
  double sum = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
    }
  }
  return sum / (3.0 * a.width() * a.height());
}

std::uint32_t le32(const QByteArray& b, int at) {
  return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16 |
         static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
}

class ShownDemo : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::fillReadingsChart(chart_);
    chart_.resize(421, 300);  // rows of 1263 bytes: the file pads them to 1264
    chart_.show();
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
  }
  Chart chart_;
};

TEST_F(ShownDemo, BitmapIsTheOnScreenPictureAtTheOnScreenSize) {
  chart_.zoomPercent(120);  // the file shows the zoom as the screen does
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("datos.bmp"));
  chart_.saveBitmap(path);

  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  ASSERT_GE(bytes.size(), 54);
  EXPECT_EQ(bytes.left(2), QByteArray("BM"));
  EXPECT_EQ(le32(bytes, 2), static_cast<std::uint32_t>(bytes.size()));
  EXPECT_EQ(le32(bytes, 14), 40u);  // BITMAPINFOHEADER
  EXPECT_EQ(static_cast<std::int32_t>(le32(bytes, 18)), 421);
  EXPECT_EQ(std::abs(static_cast<std::int32_t>(le32(bytes, 22))), 300);
  EXPECT_EQ(le32(bytes, 28) & 0xFFFFu, 24u);  // bits per pixel
  EXPECT_EQ(bytes.size(), static_cast<qsizetype>(le32(bytes, 10) + 1264 * 300));

  QImage saved;
  ASSERT_TRUE(saved.loadFromData(bytes, "BMP"));
  saved = saved.convertToFormat(QImage::Format_RGB32);
  const QImage screen = chart_.grab().toImage().convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(saved.size(), screen.size());
  EXPECT_EQ(saved.pixel(0, 0) & 0xFFFFFFu, 0xFFFFFFu);
  // Same points at the same pixels as on screen (text may differ in its antialiasing).
  const QRgb navy = toQColor(colors::kNavy).rgb() & 0xFFFFFFu;
  int navyPixels = 0, misplaced = 0;
  for (int y = 0; y < saved.height(); ++y) {
    for (int x = 0; x < saved.width(); ++x) {
      if ((saved.pixel(x, y) & 0xFFFFFFu) != navy) continue;
      ++navyPixels;
      misplaced += (screen.pixel(x, y) & 0xFFFFFFu) != navy;
    }
  }
  EXPECT_GT(navyPixels, 100);
  EXPECT_LT(misplaced, navyPixels / 50);
  EXPECT_LT(meanDifference(saved, screen), 3.0);
}

TEST_F(ShownDemo, BitmapThatCannotBeWrittenReportsCannotCreateFile) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("no/such/folder/datos.bmp"));
  try {
    chart_.saveBitmap(path);
    FAIL() << "no error";
  } catch (const FileWriteError& e) {
    EXPECT_EQ(std::string(e.what()), "Cannot create file " + path.toStdString());
  }
  EXPECT_FALSE(QFile::exists(path));
}

TEST_F(ShownDemo, PrintsOnePage) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("grafico.pdf"));
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path);
  chart_.print(printer);
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray pdf = file.readAll();
  EXPECT_TRUE(pdf.startsWith("%PDF"));
  EXPECT_EQ(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "), 1);
}

TEST_F(ShownDemo, HighResolutionPaintersGetTheSamePictureScaled) {
  const QImage plain = chart_.toImage(QSize(400, 300));
  QImage fine(1600, 1200, QImage::Format_RGB32);
  fine.setDotsPerMeterX(4 * 3780);
  fine.setDotsPerMeterY(4 * 3780);
  fine.fill(Qt::white);
  QPainter painter(&fine);
  chart_.drawTo(painter, QRectF(0, 0, 1600, 1200));
  painter.end();
  const QImage reduced = fine.scaled(400, 300, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  EXPECT_LT(meanDifference(reduced, plain), 6.0);
}

}  // namespace
}  // namespace kovia
