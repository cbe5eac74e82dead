#include "output/Guarda_kovia.h"

#include "frequency/frequency_window_state.h"
#include "output/option_dialog.h"
#include "platform/handler_guard.h"

namespace kovia {

TForm13::TForm13(QWidget* owner) : DialogForm(owner) {
  setCaption(QStringLiteral("Guardando info de Frecuencia"));
  GroupBox1 = optionGroup(this, QStringLiteral("GroupBox1"), QStringLiteral("Control de Guardado"), 6);
  CheckBox1 = optionBox(GroupBox1, QStringLiteral("CheckBox1"),
                        QStringLiteral("Gráfico de datos como imagen BMP"), 0);
  CheckBox2 = optionBox(GroupBox1, QStringLiteral("CheckBox2"),
                        QStringLiteral("Gráfico de desviación como imagen BMP"), 1);
  CheckBox3 = optionBox(GroupBox1, QStringLiteral("CheckBox3"),
                        QStringLiteral("Gráfico de la Raíz de Avar como imagen BMP"), 2);
  CheckBox4 = optionBox(GroupBox1, QStringLiteral("CheckBox4"), QStringLiteral("Reporte como TXT"), 3);
  CheckBox5 =
      optionBox(GroupBox1, QStringLiteral("CheckBox5"), QStringLiteral("Datos de la Desviación como TXT"), 4);
  CheckBox6 =
      optionBox(GroupBox1, QStringLiteral("CheckBox6"), QStringLiteral("Raíz de la Avar como TXT"), 5);
  BitBtn1 = confirmButton(this, GroupBox1, QStringLiteral("BitBtn1"), QStringLiteral("Guardar"),
                          QStringLiteral(":/icons/save.svg"));
  connectHandler(BitBtn1, &Button::OnClick, this, &TForm13::BitBtn1Click);
}

void TForm13::BitBtn1Click(QObject*) {
  auto& selection = frequencyWindowState().saveSelection;
  const CheckBox* boxes[] = {CheckBox1, CheckBox2, CheckBox3, CheckBox4, CheckBox5, CheckBox6};
  for (std::size_t i = 0; i < selection.size(); ++i) {
    if (boxes[i]->Checked()) selection[i] = 1;
  }
  setModalResult(mrOk);
}

}  // namespace kovia
