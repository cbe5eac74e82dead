#include "output/Imprimirph_kovia.h"

#include "output/option_dialog.h"
#include "platform/handler_guard.h"

namespace kovia {

TForm15::TForm15(QWidget* owner) : DialogForm(owner) {
  setCaption(QStringLiteral("Imprimiendo info Fase"));
  GroupBox1 = optionGroup(this, QStringLiteral("GroupBox1"), QStringLiteral("Control de Impresión"), 6);
  CheckBox1 = optionBox(GroupBox1, QStringLiteral("CheckBox1"), QStringLiteral("Gráfico de datos"), 0);
  CheckBox2 =
      optionBox(GroupBox1, QStringLiteral("CheckBox2"), QStringLiteral("Gráfico de Fase acumulada"), 1);
  CheckBox3 = optionBox(GroupBox1, QStringLiteral("CheckBox3"), QStringLiteral("Gráfico de Residuos"), 2);
  CheckBox4 =
      optionBox(GroupBox1, QStringLiteral("CheckBox4"), QStringLiteral("Gráfico de la Raíz de Avar"), 3);
  CheckBox5 = optionBox(GroupBox1, QStringLiteral("CheckBox5"), QStringLiteral("Raíz de la Avar"), 4);
  CheckBox6 = optionBox(GroupBox1, QStringLiteral("CheckBox6"), QStringLiteral("Reporte"), 5);
  BitBtn1 = confirmButton(this, GroupBox1, QStringLiteral("BitBtn1"), QStringLiteral("Imprimir"),
                          QStringLiteral(":/icons/print.svg"));
  BitBtn2 =
      pictureButtonBeside(this, BitBtn1, QStringLiteral("BitBtn2"), QStringLiteral(":/icons/print_setup.svg"),
                          QStringLiteral("Configurar impresora"));
  // The printer set-up is built with the print command.
  BitBtn2->setEnabled(false);
  connectHandler(BitBtn1, &Button::OnClick, this, &TForm15::BitBtn1Click);
}

void TForm15::BitBtn1Click(QObject*) {
  setModalResult(mrOk);
}

}  // namespace kovia
