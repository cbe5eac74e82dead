#include "output/Pri_cer_fas1_kovia.h"

#include <QFont>
#include <QGuiApplication>
#include <cmath>

#include "platform/handler_guard.h"

namespace kovia {

namespace {

constexpr Color kGridColor = 0x00EBEBEB;
constexpr Color kFuchsia = 0x00FF00FF;

int px(double mm) {
  return static_cast<int>(std::lround(mm * certificate_page::kPixelsPerMm));
}

QRect pxRect(const QRectF& mm) {
  return QRect(px(mm.x()), px(mm.y()), px(mm.width()), px(mm.height()));
}

QFrame* whiteFrame(QWidget* parent, const QString& name, const QRect& rect, bool outlined) {
  auto* frame = new QFrame(parent);
  frame->setObjectName(name);
  frame->setGeometry(rect);
  frame->setAutoFillBackground(true);
  QPalette palette = frame->palette();
  palette.setColor(QPalette::Window, Qt::white);
  frame->setPalette(palette);
  if (outlined) frame->setFrameStyle(QFrame::Box | QFrame::Plain);
  return frame;
}

// The certificate chart as designed: titles, hidden axis lines, light grids with eight minor
// divisions, no legend, flat, and four series (data, two marker series and a line).
void designCertificateChart(Chart& chart) {
  chart.title().setLines({QStringLiteral("MEDICIONES DE DIFERENCIA DE FASE"), QStringLiteral("FIGURA 1")});
  chart.title().setFont(chartFont(19));
  chart.title().setColor(colors::kBlack);
  chart.foot().setLines({QStringLiteral("(10 horas de medición con TAU= 1s)")});
  chart.foot().setFont(chartFont(12));
  chart.foot().setColor(colors::kBlack);
  chart.setLegendVisible(false);
  chart.setView3D(false);
  chart.setView3DWalls(false);
  chart.setBackWallColor(colors::kWhite);
  chart.setBackWallTransparent(true);

  Axis* bottom = chart.bottomAxis();
  bottom->setAxisPen({colors::kBlack, LineStyle::Solid, 1, false});
  bottom->setGridPen({kGridColor, LineStyle::Dot, 1, true});
  bottom->setMinorGridPen({kGridColor, LineStyle::DashDotDot, 1, true});
  bottom->setMinorTickCount(8);
  bottom->setTitleCaption(QStringLiteral("DATOS"));

  Axis* left = chart.leftAxis();
  left->setAxisPen({colors::kBlack, LineStyle::Solid, 1, false});
  left->setLabelFormat(QStringLiteral("0.00E+00"));
  left->setGridPen({kGridColor, LineStyle::Dot, 1, true});
  left->setMinorGridPen({kGridColor, LineStyle::Dot, 1, true});
  left->setMinorTickCount(8);
  left->setTitleCaption(QStringLiteral("TIEMPO (s)"));
  left->setTitleFont(chartFont(13));
  left->setTitleColor(colors::kBlack);

  Series* data = chart.addSeries(QStringLiteral("Series1"), SeriesKind::Point);
  data->setSeriesColor(colors::kNavy);
  data->setPointerStyle(PointerStyle::Diamond);
  data->setHorizSize(2);
  data->setVertSize(2);
  data->setMarksVisible(false);
  for (const char* name : {"Series2", "Series3"}) {
    Series* marker = chart.addSeries(QString::fromLatin1(name), SeriesKind::Point);
    marker->setSeriesColor(kFuchsia);
    marker->setPointerStyle(PointerStyle::Rectangle);
    marker->setVertSize(1);
    marker->setMarksVisible(false);
  }
  Series* line = chart.addSeries(QStringLiteral("Series4"), SeriesKind::Line);
  line->setSeriesColor(colors::kRed);
  line->setPointerVisible(false);
  line->setMarksVisible(false);
}

}  // namespace

TForm18::TForm18(QWidget* owner) : DialogForm(owner) {
  using namespace certificate_page;
  setCaption(QStringLiteral("Pre-Impresión"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

  QuickRep1 = whiteFrame(this, QStringLiteral("QuickRep1"), QRect(0, 0, px(kWidthMm), px(kHeightMm)), false);
  QuickRep1->setFont(chartFont(13));
  DetailBand1 = whiteFrame(QuickRep1, QStringLiteral("DetailBand1"), pxRect(kBandMm), false);
  QRChart1 = whiteFrame(DetailBand1, QStringLiteral("QRChart1"),
                        pxRect(kChartMm.translated(-kBandMm.x(), -kBandMm.y())), false);
  QRDBChart1 = new Chart(QStringLiteral("QRDBChart1"), QRChart1);
  QRDBChart1->setGeometry(QRChart1->rect());
  designCertificateChart(*QRDBChart1);

  Panel1 = new QFrame(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
  Panel1->setGeometry(0, QuickRep1->height(), QuickRep1->width(), 44);
  Button1 = new Button(Panel1, QStringLiteral("Button1"), QStringLiteral("Cancel"));
  Button2 = new Button(Panel1, QStringLiteral("Button2"), QStringLiteral("Continuar"));
  Button2->setGeometry(Panel1->width() - 12 - 96, 8, 96, 28);
  Button1->setGeometry(Button2->x() - 8 - 96, 8, 96, 28);
  // The preview of the page is built with the certificate commands.
  Button2->setEnabled(false);
  connectHandler(Button1, &Button::OnClick, this, &TForm18::Button1Click);

  setFixedSize(QuickRep1->width(), Panel1->geometry().bottom() + 1);
}

void TForm18::Button1Click(QObject*) {
  Close();
}

}  // namespace kovia
