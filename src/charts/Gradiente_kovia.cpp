#include "charts/Gradiente_kovia.h"

#include "platform/handler_guard.h"

namespace kovia {

namespace {

constexpr int kButtonWidth = 96;
constexpr int kRowHeight = 25;

QGroupBox* groupBox(QWidget* parent, const QString& name, const QString& caption, const QRect& rect) {
  auto* group = new QGroupBox(caption, parent);
  group->setObjectName(name);
  group->setGeometry(rect);
  return group;
}

// A colour button with its swatch to the right. Every colour of this dialog is built with the
// panel command, which enables the buttons as designed (BitBtn1, BitBtn2 and BitBtn4 only
// while the gradient or panel colour they belong to is switched on).
BitBtn* colourButton(QWidget* parent, const QString& name, const QString& caption, int left, int top,
                     Shape*& swatch, const QString& swatchName) {
  auto* button = new BitBtn(parent, name, caption);
  button->setGeometry(left, top, kButtonWidth, kRowHeight);
  button->setEnabled(false);
  swatch = new Shape(parent, swatchName);
  swatch->setGeometry(left + kButtonWidth + 8, top, 36, kRowHeight);
  return button;
}

}  // namespace

TForm11::TForm11(QWidget* owner) : DialogForm(owner) {
  setCaption(QStringLiteral("Color del Panel"));

  GroupBox1 =
      groupBox(this, QStringLiteral("GroupBox1"), QStringLiteral("Gradiente"), QRect(10, 10, 250, 242));
  CheckBox1 = new CheckBox(GroupBox1, QStringLiteral("CheckBox1"), QStringLiteral("Visible"));
  CheckBox1->setGeometry(14, 24, 120, 20);
  CheckBox1->setEnabled(false);
  BitBtn1 = colourButton(GroupBox1, QStringLiteral("BitBtn1"), QStringLiteral("Color inicio"), 14, 52, Shape1,
                         QStringLiteral("Shape1"));
  BitBtn2 = colourButton(GroupBox1, QStringLiteral("BitBtn2"), QStringLiteral("Color Fin"), 14, 84, Shape2,
                         QStringLiteral("Shape2"));
  Label1 = new QLabel(QStringLiteral("Dirección:"), GroupBox1);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setGeometry(14, 118, 80, 20);
  ComboBox1 = new ComboBox(GroupBox1, QStringLiteral("ComboBox1"));
  ComboBox1->setItems({QStringLiteral("TopBot"), QStringLiteral("BotTop"), QStringLiteral("LefRig"),
                       QStringLiteral("RigLef"), QStringLiteral("FrCenter"), QStringLiteral("FrTopLeft"),
                       QStringLiteral("FrBotLef")});
  ComboBox1->setItemIndex(0);
  ComboBox1->setGeometry(96, 116, 140, 24);
  ComboBox1->setEnabled(false);

  GroupBox2 = groupBox(GroupBox1, QStringLiteral("GroupBox2"), QString(), QRect(8, 154, 234, 78));
  BitBtn4 = colourButton(GroupBox2, QStringLiteral("BitBtn4"), QStringLiteral("Color "), 8, 14, Shape3,
                         QStringLiteral("Shape3"));
  CheckBox2 = new CheckBox(GroupBox2, QStringLiteral("CheckBox2"), QString());
  CheckBox2->setGeometry(160, 16, 20, 20);
  CheckBox2->setEnabled(false);

  GroupBox3 =
      groupBox(this, QStringLiteral("GroupBox3"), QStringLiteral("Color Ejes"), QRect(270, 10, 164, 96));
  BitBtn5 = colourButton(GroupBox3, QStringLiteral("BitBtn5"), QStringLiteral("Ejes"), 12, 26, Shape4,
                         QStringLiteral("Shape4"));
  BitBtn6 = colourButton(GroupBox3, QStringLiteral("BitBtn6"), QStringLiteral("Grid"), 12, 60, Shape5,
                         QStringLiteral("Shape5"));

  GroupBox4 = groupBox(this, QStringLiteral("GroupBox4"), QStringLiteral("3D"), QRect(270, 114, 164, 138));
  BitBtn7 = colourButton(GroupBox4, QStringLiteral("BitBtn7"), QStringLiteral("Pared Izq."), 12, 26, Shape6,
                         QStringLiteral("Shape6"));
  BitBtn8 = colourButton(GroupBox4, QStringLiteral("BitBtn8"), QStringLiteral("Pared Fon."), 12, 62, Shape7,
                         QStringLiteral("Shape7"));
  BitBtn9 = colourButton(GroupBox4, QStringLiteral("BitBtn9"), QStringLiteral("Pared Aba."), 12, 98, Shape8,
                         QStringLiteral("Shape8"));

  BitBtn3 = new BitBtn(this, QStringLiteral("BitBtn3"), QStringLiteral("Aceptar"));
  BitBtn3->setGeometry(338, 264, 96, 28);
  BitBtn3->setDefault(true);
  connectHandler(BitBtn3, &Button::OnClick, this, &TForm11::BitBtn3Click);
  setFixedSize(444, 302);
}

void TForm11::BitBtn3Click(QObject*) {
  Close();
}

}  // namespace kovia
