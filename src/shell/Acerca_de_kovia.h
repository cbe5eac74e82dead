// The about box: the program's pictures, identification and version, closed with "Cerrar".
#pragma once

#include <QLabel>

#include "platform/form.h"
#include "platform/misc_controls.h"

namespace kovia {

class TForm3 : public DialogForm {
  Q_OBJECT

 public:
  explicit TForm3(QWidget* owner = nullptr);

  QLabel* Image1;  // about picture
  QLabel* Image2;  // logo
  QLabel* Image3;  // certificate picture beside the line on calibration reports
  QLabel* Label1;  // "Kovia"
  QLabel* Label2;
  QLabel* Label3;
  QLabel* Label4;
  QLabel* Label5;
  QLabel* Label6;
  QLabel* StaticText1;  // "Versión:   1.2"
  QFrame* Bevel1;
  BitBtn* BitBtn1;  // "Cerrar"

 public slots:
  // Closes the box.
  void BitBtn1Click(QObject* Sender);
};

inline FormVar<TForm3> Form3{"Form3"};

}  // namespace kovia
