// The Allan colour dialog: the colours of the Allan-deviation points and of the bound bars,
// shared by both analysis windows.
#pragma once

#include <QGroupBox>

#include "platform/form.h"
#include "platform/misc_controls.h"
#include "platform/shape.h"

namespace kovia {

class TForm9 : public DialogForm {
  Q_OBJECT

 public:
  explicit TForm9(QWidget* owner = nullptr);

  QGroupBox* GroupBox1;  // "Color"
  Shape* Shape1;         // Allan-deviation colour
  BitBtn* BitBtn1;       // "Raíz de Avar"
  Shape* Shape2;         // bound-bar colour
  BitBtn* BitBtn2;       // "Barras de Incer..."
  BitBtn* BitBtn3;       // "Aceptar"

 public slots:
  // Closes the dialog.
  void BitBtn3Click(QObject* Sender);
};

inline FormVar<TForm9> Form9{"Form9"};

}  // namespace kovia
