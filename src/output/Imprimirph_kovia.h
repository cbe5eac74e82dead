// Print options of the phase window: which charts and tables the print command prints.
#pragma once

#include <QGroupBox>

#include "platform/choice_controls.h"
#include "platform/form.h"
#include "platform/misc_controls.h"

namespace kovia {

class TForm15 : public DialogForm {
  Q_OBJECT

 public:
  explicit TForm15(QWidget* owner = nullptr);

  QGroupBox* GroupBox1;  // "Control de Impresión"
  CheckBox* CheckBox1;   // data chart
  CheckBox* CheckBox2;   // accumulated-phase chart
  CheckBox* CheckBox3;   // residuals chart
  CheckBox* CheckBox4;   // Allan chart
  CheckBox* CheckBox5;   // Allan table
  CheckBox* CheckBox6;   // report
  BitBtn* BitBtn1;       // "Imprimir"
  BitBtn* BitBtn2;       // printer set-up, a picture without caption

 public slots:
  // Confirms the choice and closes the dialog (modal result mrOk).
  void BitBtn1Click(QObject* Sender);
};

inline FormVar<TForm15> Form15{"Form15"};

}  // namespace kovia
