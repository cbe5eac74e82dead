// The certificate page: one landscape Letter page holding one chart, laid out as a report
// with a single detail band. The form itself is never put on screen; the certificate
// commands fill its chart and preview the page.
#pragma once

#include <QFrame>
#include <QRectF>

#include "platform/chart/chart.h"
#include "platform/form.h"
#include "platform/misc_controls.h"

namespace kovia {

// Geometry of the certificate page in millimetres, from the page's top left corner.
namespace certificate_page {
constexpr double kWidthMm = 279.4;  // Letter, landscape
constexpr double kHeightMm = 215.9;
constexpr double kMarginMm = 10.0;  // on every side
constexpr QRectF kBandMm{kMarginMm, kMarginMm, 259.3, 197.9};
// The chart frame: 12.7 mm from the band's left, 16.9 mm from its top.
constexpr QRectF kChartMm{kMarginMm + 12.7, kMarginMm + 16.9, 195.3, 161.4};
// Pixels per millimetre at the screen's 96 dots per inch, for the on-form layout.
constexpr double kPixelsPerMm = 96.0 / 25.4;
}  // namespace certificate_page

class TForm18 : public DialogForm {
  Q_OBJECT

 public:
  explicit TForm18(QWidget* owner = nullptr);

  QFrame* QuickRep1;    // the report page, white, at 96 dots per inch
  QFrame* DetailBand1;  // the one detail band
  QFrame* QRChart1;     // the chart frame
  Chart* QRDBChart1;    // the certificate chart: Series1 .. Series4
  QFrame* Panel1;       // below the report, holding the buttons
  Button* Button1;      // "Cancel"
  Button* Button2;      // "Continuar"

 public slots:
  // Closes the form.
  void Button1Click(QObject* Sender);
};

inline FormVar<TForm18> Form18{"Form18"};

}  // namespace kovia
