#include "shell/Acerca_de_kovia.h"

#include <QFont>
#include <QGuiApplication>
#include <QIcon>

#include "platform/handler_guard.h"
#include "platform/resources.h"

namespace kovia {

namespace {

QFont pixelFont(int pixels, bool bold = false) {
  QFont font = QGuiApplication::font();
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

QLabel* picture(QWidget* parent, const QString& name, const QString& resource, const QRect& rect) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setGeometry(rect);
  label->setPixmap(resourcePixmap(resource, rect.size()));
  return label;
}

QLabel* textLine(QWidget* parent, const QString& name, const QString& text, const QRect& rect,
                 const QFont& font, const QColor& color) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setGeometry(rect);
  label->setFont(font);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, color);
  label->setPalette(palette);
  return label;
}

}  // namespace

TForm3::TForm3(QWidget* owner) : DialogForm(owner) {
  setCaption(QStringLiteral("Acerca de Kovia"));
  // Single-line border and no border icons: the box is closed with "Cerrar".
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                 Qt::WindowTitleHint);
  setWindowIcon(koviaWindowIcon());
  setFixedSize(558, 360);

  const QColor navy(0x00, 0x00, 0x80);
  const QColor grey(0x40, 0x40, 0x40);

  Image1 = picture(this, QStringLiteral("Image1"), QStringLiteral(":/about.svg"), QRect(24, 24, 160, 160));
  Image2 = picture(this, QStringLiteral("Image2"), QStringLiteral(":/logo.svg"), QRect(478, 24, 64, 64));

  Label1 = textLine(this, QStringLiteral("Label1"), QStringLiteral("Kovia"), QRect(208, 40, 140, 40),
                    pixelFont(32, true), navy);
  StaticText1 = textLine(this, QStringLiteral("StaticText1"), QStringLiteral("Versión:   1.2"),
                         QRect(349, 60, 92, 16), pixelFont(12), navy);
  Label2 = textLine(this, QStringLiteral("Label2"), QStringLiteral("Análisis de estabilidad de osciladores"),
                    QRect(208, 96, 334, 18), pixelFont(13, true), navy);
  Label3 = textLine(this, QStringLiteral("Label3"), QStringLiteral("Laboratorio de Tiempo y Frecuencia"),
                    QRect(208, 116, 334, 18), pixelFont(13), navy);
  Label4 =
      textLine(this, QStringLiteral("Label4"),
               QStringLiteral("Mediciones de frecuencia: desviación fraccional de frecuencia y raíz de la "
                              "varianza de Allan con sus límites de confianza al 95 %."),
               QRect(208, 144, 334, 48), pixelFont(12), grey);
  Label5 =
      textLine(this, QStringLiteral("Label5"),
               QStringLiteral("Mediciones de diferencia de fase: fase acumulada, ajuste polinomial, residuos "
                              "y raíz de la varianza de Allan."),
               QRect(208, 196, 334, 48), pixelFont(12), grey);
  Image3 = picture(this, QStringLiteral("Image3"), QStringLiteral(":/icons/certificate.svg"),
                   QRect(208, 254, 32, 32));
  Label6 = textLine(
      this, QStringLiteral("Label6"),
      QStringLiteral("Tablas, gráficas e informes para los certificados de calibración del laboratorio."),
      QRect(250, 252, 292, 48), pixelFont(12), grey);

  Bevel1 = new QFrame(this);
  Bevel1->setObjectName(QStringLiteral("Bevel1"));
  Bevel1->setFrameStyle(QFrame::HLine | QFrame::Sunken);
  Bevel1->setGeometry(12, 304, 534, 4);

  BitBtn1 = new BitBtn(this, QStringLiteral("BitBtn1"), QStringLiteral("Cerrar"));
  BitBtn1->setGeometry(472, 320, 73, 25);
  BitBtn1->setDefault(true);
  connectHandler(BitBtn1, &Button::OnClick, this, &TForm3::BitBtn1Click);
}

void TForm3::BitBtn1Click(QObject*) {
  Close();
}

}  // namespace kovia
