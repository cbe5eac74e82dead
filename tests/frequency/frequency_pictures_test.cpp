// The frequency window on screen after the sample file went through every stage: each page's
// chart draws its points in their colours. With KOVIA_SCREENSHOT_DIR set, the three pages are
// also saved there for the documentation (frequency_data.png, frequency_deviation.png,
// frequency_allan.png, and the nominal-frequency dialog as frequency_nominal_dialog.png).
#include <QApplication>
#include <QImage>

#include "doc_pictures.h"
#include "frequency_test_support.h"
#include "platform/qt_operator.h"

namespace kovia::testing {
namespace {

// Pixels of `image` in exactly `color`.
int pixelsOf(const QImage& image, Color color) {
  const QRgb wanted = toQColor(color).rgb();
  int n = 0;
  for (int y = 0; y < image.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) n += (line[x] & 0x00FFFFFF) == (wanted & 0x00FFFFFF) ? 1 : 0;
  }
  return n;
}

QImage pageImage(TForm2& window, int page, Chart* chart) {
  window.PageControl1->userSelectPage(page);
  QApplication::processEvents();
  return chart->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

TEST_F(FrequencyWindowTest, SampleFileThroughEveryStageIsDrawnOnItsThreePages) {
  // The program's look (face and style), as start-up installs it, on a window built in it.
  installPlatformLook(*qApp);
  delete window_;
  window_ = new TForm2;
  TForm2& w = *window_;
  w.setWindowState(Qt::WindowNoState);
  w.resize(1280, 800);
  w.show();
  ASSERT_TRUE(load(dataFile("../../examples/frecuencia_10MHz.txt")));
  ASSERT_TRUE(w.BitBtn1->userClick());
  ASSERT_TRUE(w.BitBtn5->userClick());
  ASSERT_TRUE(w.RadioGroup1->userChoose(2));
  ASSERT_TRUE(errors().isEmpty() && messages().isEmpty());
  EXPECT_EQ(w.Chart1->foot().lines(), QStringList{QStringLiteral("(4 horas de medición con Tau= 10 s)")});
  EXPECT_EQ(w.StringGrid4->RowCount(), 10);

  EXPECT_GT(pixelsOf(pageImage(w, 0, w.Chart1), colors::kNavy), 1000);
  saveForDocs(w, "frequency_data.png");
  EXPECT_GT(pixelsOf(pageImage(w, 1, w.Chart2), colors::kNavy), 1000);
  saveForDocs(w, "frequency_deviation.png");
  const QImage allan = pageImage(w, 2, w.DBChart4);
  EXPECT_GT(pixelsOf(allan, colors::kNavy), 50);  // ten diamonds
  EXPECT_GT(pixelsOf(allan, colors::kBar), 50);   // twenty bars
  saveForDocs(w, "frequency_allan.png");
}

TEST_F(FrequencyWindowTest, NominalFrequencyDialogDrawsItsFieldsInTheHighlightColour) {
  installPlatformLook(*qApp);
  TForm4 dialog;
  typeAndEnter(dialog.Edit1, QStringLiteral("10000000"));
  dialog.show();
  QApplication::processEvents();
  const QImage picture = dialog.grab().toImage();
  const QColor highlight = dialog.Edit2->palette().color(QPalette::Base);
  const QPoint inField = dialog.Edit2->geometry().topLeft() + QPoint(dialog.Edit2->width() - 4, 4);
  EXPECT_EQ(picture.pixelColor(inField * picture.devicePixelRatio()), highlight);
  EXPECT_EQ(highlight, dialog.palette().color(QPalette::Active, QPalette::Highlight));
  saveForDocs(dialog, "frequency_nominal_dialog.png");
}

}  // namespace
}  // namespace kovia::testing
