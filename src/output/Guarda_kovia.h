// Save options of the frequency window: which charts and tables the save command writes.
#pragma once

#include <QGroupBox>

#include "platform/choice_controls.h"
#include "platform/form.h"
#include "platform/misc_controls.h"

namespace kovia {

class TForm13 : public DialogForm {
  Q_OBJECT

 public:
  explicit TForm13(QWidget* owner = nullptr);

  QGroupBox* GroupBox1;  // "Control de Guardado"
  CheckBox* CheckBox1;   // data chart as BMP
  CheckBox* CheckBox2;   // deviation chart as BMP
  CheckBox* CheckBox3;   // Allan chart as BMP
  CheckBox* CheckBox4;   // report
  CheckBox* CheckBox5;   // deviation values
  CheckBox* CheckBox6;   // Allan table
  BitBtn* BitBtn1;       // "Guardar"

 public slots:
  // Switches on the saveSelection entry of every ticked box (step i for CheckBox<i+1>)
  // and closes the dialog (modal result mrOk).
  void BitBtn1Click(QObject* Sender);
};

inline FormVar<TForm13> Form13{"Form13"};

}  // namespace kovia
