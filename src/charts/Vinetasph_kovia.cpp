#include "charts/Vinetasph_kovia.h"

#include "platform/handler_guard.h"

namespace kovia {

TForm17::TForm17(QWidget* owner) : DialogForm(owner) {
  setCaption(QStringLiteral("Propiedades de las Viñetas"));

  GroupBox1 = new QGroupBox(QStringLiteral("Color"), this);
  GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
  GroupBox1->setGeometry(10, 10, 150, 80);
  Shape1 = new Shape(GroupBox1, QStringLiteral("Shape1"));
  Shape1->setGeometry(14, 32, 36, 25);
  // The caption is the control's own name, as designed.
  Button1 = new Button(GroupBox1, QStringLiteral("Button1"), QStringLiteral("Button1"));
  Button1->setGeometry(60, 32, 76, 25);

  RadioGroup1 = new RadioGroup(this, QStringLiteral("RadioGroup1"), QStringLiteral("Estilo"));
  RadioGroup1->setItems({QStringLiteral("Diamante"), QStringLiteral("Círculo"), QStringLiteral("Cuadrado"),
                         QStringLiteral("Raya"), QStringLiteral("Triángulo"), QStringLiteral("Cruz")});
  RadioGroup1->setGeometry(170, 10, 130, 170);

  GroupBox2 = new QGroupBox(QStringLiteral("Tamaño "), this);
  GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
  GroupBox2->setGeometry(10, 100, 150, 80);
  // Arrows on the left of the field.
  UpDown1 = new UpDown(GroupBox2, QStringLiteral("UpDown1"));
  UpDown1->setGeometry(14, 32, 18, 25);
  Edit1 = new Edit(GroupBox2, QStringLiteral("Edit1"));
  Edit1->setGeometry(34, 32, 48, 25);
  UpDown1->setRange(1, 15);
  UpDown1->setWrap(false);
  UpDown1->setAssociate(Edit1);
  UpDown1->setPosition(1);

  // Colour, style and size are built with the point command.
  Button1->setEnabled(false);
  RadioGroup1->setEnabled(false);
  Edit1->setEnabled(false);
  UpDown1->setEnabled(false);

  Button2 = new Button(this, QStringLiteral("Button2"), QStringLiteral("Aceptar"));
  Button2->setGeometry(204, 192, 96, 28);
  Button2->setDefault(true);
  connectHandler(Button2, &Button::OnClick, this, &TForm17::Button2Click);
  setFixedSize(310, 230);
}

void TForm17::Button2Click(QObject*) {
  Close();
}

}  // namespace kovia
