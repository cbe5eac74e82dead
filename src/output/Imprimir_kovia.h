// Print options of the frequency window: which charts and tables the print command prints.
#pragma once

#include <QGroupBox>

#include "platform/choice_controls.h"
#include "platform/form.h"
#include "platform/misc_controls.h"

namespace kovia {

class TForm8 : public DialogForm {
  Q_OBJECT

 public:
  explicit TForm8(QWidget* owner = nullptr);

  QGroupBox* GroupBox1;  // "Control de Impresión"
  CheckBox* CheckBox1;   // data chart
  CheckBox* CheckBox2;   // deviation chart
  CheckBox* CheckBox3;   // Allan chart
  CheckBox* CheckBox4;   // report
  CheckBox* CheckBox6;   // Allan table (the dialog has no CheckBox5)
  BitBtn* BitBtn1;       // "Imprimir"
  BitBtn* BitBtn2;       // printer set-up, a picture without caption

 public slots:
  // Confirms the choice and closes the dialog (modal result mrOk).
  void BitBtn1Click(QObject* Sender);
};

inline FormVar<TForm8> Form8{"Form8"};

}  // namespace kovia
