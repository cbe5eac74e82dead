// The point dialog: colour, style and size of the points of the active chart, shared by both
// analysis windows.
#pragma once

#include <QGroupBox>

#include "platform/choice_controls.h"
#include "platform/edit_controls.h"
#include "platform/form.h"
#include "platform/misc_controls.h"
#include "platform/shape.h"

namespace kovia {

class TForm17 : public DialogForm {
  Q_OBJECT

 public:
  explicit TForm17(QWidget* owner = nullptr);

  QGroupBox* GroupBox1;     // "Color"
  Shape* Shape1;            // the page's point colour
  Button* Button1;          // "Button1": opens the colour dialog
  RadioGroup* RadioGroup1;  // "Estilo"
  QGroupBox* GroupBox2;     // "Tamaño "
  Edit* Edit1;              // point size
  UpDown* UpDown1;          // steps Edit1 from 1 to 15
  Button* Button2;          // "Aceptar"

 public slots:
  // Closes the dialog.
  void Button2Click(QObject* Sender);
};

inline FormVar<TForm17> Form17{"Form17"};

}  // namespace kovia
