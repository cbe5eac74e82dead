// Save options of the phase window: which charts and tables the save command writes.
#pragma once

#include <QGroupBox>

#include "platform/choice_controls.h"
#include "platform/form.h"
#include "platform/misc_controls.h"

namespace kovia {

class TForm14 : public DialogForm {
  Q_OBJECT

 public:
  explicit TForm14(QWidget* owner = nullptr);

  QGroupBox* GroupBox1;  // "Control de Guardado"
  CheckBox* CheckBox9;   // modified original data: shown at the top, processed last
  CheckBox* CheckBox1;   // data chart as BMP
  CheckBox* CheckBox2;   // accumulated-phase chart as BMP
  CheckBox* CheckBox3;   // residuals chart as BMP
  CheckBox* CheckBox4;   // Allan chart as BMP
  CheckBox* CheckBox5;   // accumulated-phase values
  CheckBox* CheckBox6;   // residual values
  CheckBox* CheckBox7;   // Allan table
  CheckBox* CheckBox8;   // report
  BitBtn* BitBtn1;       // "Guardar"

 public slots:
  // Switches on the saveSelection entry of every ticked box (step i for CheckBox<i+1>)
  // and closes the dialog (modal result mrOk).
  void BitBtn1Click(QObject* Sender);
};

inline FormVar<TForm14> Form14{"Form14"};

}  // namespace kovia
