// The panel dialog: gradient, panel, axis, grid and wall colours of the active chart,
// shared by both analysis windows.
#pragma once

#include <QGroupBox>
#include <QLabel>

#include "platform/choice_controls.h"
#include "platform/form.h"
#include "platform/misc_controls.h"
#include "platform/shape.h"

namespace kovia {

class TForm11 : public DialogForm {
  Q_OBJECT

 public:
  explicit TForm11(QWidget* owner = nullptr);

  QGroupBox* GroupBox1;  // "Gradiente"
  CheckBox* CheckBox1;   // "Visible": gradient on or off
  BitBtn* BitBtn1;       // "Color inicio"
  Shape* Shape1;
  BitBtn* BitBtn2;  // "Color Fin"
  Shape* Shape2;
  QLabel* Label1;        // "Dirección:"
  ComboBox* ComboBox1;   // gradient direction
  QGroupBox* GroupBox2;  // captionless box of the plain panel colour
  BitBtn* BitBtn4;       // "Color "
  CheckBox* CheckBox2;
  Shape* Shape3;
  QGroupBox* GroupBox3;  // "Color Ejes"
  BitBtn* BitBtn5;       // "Ejes"
  Shape* Shape4;
  BitBtn* BitBtn6;  // "Grid"
  Shape* Shape5;
  QGroupBox* GroupBox4;  // "3D"
  BitBtn* BitBtn7;       // "Pared Izq."
  Shape* Shape6;
  BitBtn* BitBtn8;  // "Pared Fon."
  Shape* Shape7;
  BitBtn* BitBtn9;  // "Pared Aba."
  Shape* Shape8;
  BitBtn* BitBtn3;  // "Aceptar"

 public slots:
  // Closes the dialog.
  void BitBtn3Click(QObject* Sender);
};

inline FormVar<TForm11> Form11{"Form11"};

}  // namespace kovia
