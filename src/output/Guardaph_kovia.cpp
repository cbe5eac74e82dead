#include "output/Guardaph_kovia.h"

#include "output/option_dialog.h"
#include "phase/phase_window_state.h"
#include "platform/handler_guard.h"

namespace kovia {

TForm14::TForm14(QWidget* owner) : DialogForm(owner) {
  setCaption(QStringLiteral("Guardando info Fase"));
  GroupBox1 = optionGroup(this, QStringLiteral("GroupBox1"), QStringLiteral("Control de Guardado"), 9);
  CheckBox9 =
      optionBox(GroupBox1, QStringLiteral("CheckBox9"), QStringLiteral("Datos Originales Modificados"), 0);
  CheckBox1 = optionBox(GroupBox1, QStringLiteral("CheckBox1"),
                        QStringLiteral("Gráfico de datos como imagen BMP"), 1);
  CheckBox2 = optionBox(GroupBox1, QStringLiteral("CheckBox2"),
                        QStringLiteral("Gráfico de fase acumulada como imagen BMP"), 2);
  CheckBox3 = optionBox(GroupBox1, QStringLiteral("CheckBox3"),
                        QStringLiteral("Gráfico de Residuos como imagen BMP"), 3);
  CheckBox4 = optionBox(GroupBox1, QStringLiteral("CheckBox4"),
                        QStringLiteral("Gráfico de Raíz de Avar como BMP"), 4);
  CheckBox5 = optionBox(GroupBox1, QStringLiteral("CheckBox5"),
                        QStringLiteral("Datos de la fase acumulada como TXT"), 5);
  CheckBox6 =
      optionBox(GroupBox1, QStringLiteral("CheckBox6"), QStringLiteral("Datos de los residuos como TXT"), 6);
  CheckBox7 =
      optionBox(GroupBox1, QStringLiteral("CheckBox7"), QStringLiteral("Raíz de la Avar como TXT"), 7);
  CheckBox8 = optionBox(GroupBox1, QStringLiteral("CheckBox8"), QStringLiteral("Reporte"), 8);
  BitBtn1 = confirmButton(this, GroupBox1, QStringLiteral("BitBtn1"), QStringLiteral("Guardar"),
                          QStringLiteral(":/icons/save.svg"));
  connectHandler(BitBtn1, &Button::OnClick, this, &TForm14::BitBtn1Click);
}

void TForm14::BitBtn1Click(QObject*) {
  auto& selection = phaseWindowState().saveSelection;
  const CheckBox* boxes[] = {CheckBox1, CheckBox2, CheckBox3, CheckBox4, CheckBox5,
                             CheckBox6, CheckBox7, CheckBox8, CheckBox9};
  for (std::size_t i = 0; i < selection.size(); ++i) {
    if (boxes[i]->Checked()) selection[i] = 1;
  }
  setModalResult(mrOk);
}

}  // namespace kovia
