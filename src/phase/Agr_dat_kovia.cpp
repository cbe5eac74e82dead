#include "phase/Agr_dat_kovia.h"

#include <QGuiApplication>
#include <QStyle>

#include "phase/phase_window_state.h"
#include "platform/handler_guard.h"
#include "platform/resources.h"

namespace kovia {

TForm16::TForm16(QWidget* owner) : DialogForm(owner) {
  setCaption(QStringLiteral("Agregar Datos"));
  setWindowIcon(koviaWindowIcon());
  setFixedSize(330, 118);

  Label1 = new QLabel(QStringLiteral("¿Deseas agragar un archivo nuevo al ya existente?"), this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setGeometry(16, 20, 298, 36);
  Label1->setWordWrap(true);
  Label1->setAlignment(Qt::AlignCenter);
  QFont font = QGuiApplication::font();
  font.setPixelSize(13);
  Label1->setFont(font);

  BitBtn1 = new BitBtn(style()->standardIcon(QStyle::SP_DialogYesButton), this, QStringLiteral("BitBtn1"),
                       QStringLiteral("Aceptar"));
  BitBtn1->setGeometry(64, 72, 92, 28);
  BitBtn1->setDefault(true);
  BitBtn2 = new BitBtn(style()->standardIcon(QStyle::SP_DialogNoButton), this, QStringLiteral("BitBtn2"),
                       QStringLiteral("No"));
  BitBtn2->setGeometry(174, 72, 92, 28);

  connectHandler(BitBtn1, &Button::OnClick, this, &TForm16::BitBtn1Click);
  connectHandler(BitBtn2, &Button::OnClick, this, &TForm16::BitBtn2Click);
}

void TForm16::BitBtn1Click(QObject*) {
  phaseWindowState().appendRequested = 1;
  Close();
}

void TForm16::BitBtn2Click(QObject*) {
  phaseWindowState().appendRequested = 0;
  Close();
}

}  // namespace kovia
