#include "charts/Coloravar_kovia.h"

#include "platform/handler_guard.h"

namespace kovia {

TForm9::TForm9(QWidget* owner) : DialogForm(owner) {
  setCaption(QStringLiteral("Establece Color RAvar"));

  GroupBox1 = new QGroupBox(QStringLiteral("Color"), this);
  GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
  GroupBox1->setGeometry(10, 10, 236, 100);
  Shape1 = new Shape(GroupBox1, QStringLiteral("Shape1"));
  Shape1->setGeometry(16, 30, 40, 25);
  BitBtn1 = new BitBtn(GroupBox1, QStringLiteral("BitBtn1"), QStringLiteral("Raíz de Avar"));
  BitBtn1->setGeometry(68, 30, 152, 25);
  Shape2 = new Shape(GroupBox1, QStringLiteral("Shape2"));
  Shape2->setGeometry(16, 64, 40, 25);
  BitBtn2 = new BitBtn(GroupBox1, QStringLiteral("BitBtn2"), QStringLiteral("Barras de Incer..."));
  BitBtn2->setGeometry(68, 64, 152, 25);
  // The colour choices are built with the Allan colour command.
  BitBtn1->setEnabled(false);
  BitBtn2->setEnabled(false);

  BitBtn3 = new BitBtn(this, QStringLiteral("BitBtn3"), QStringLiteral("Aceptar"));
  BitBtn3->setGeometry(150, 122, 96, 28);
  BitBtn3->setDefault(true);
  connectHandler(BitBtn3, &Button::OnClick, this, &TForm9::BitBtn3Click);
  setFixedSize(256, 160);
}

void TForm9::BitBtn3Click(QObject*) {
  Close();
}

}  // namespace kovia
