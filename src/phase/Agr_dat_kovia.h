// The append question of the phase window, asked before a load once a file has been
// loaded: "Aceptar" appends the next file to the readings in the grid, "No" replaces them.
// Closing the question otherwise keeps the previous choice.
#pragma once

#include <QLabel>

#include "platform/form.h"
#include "platform/misc_controls.h"

namespace kovia {

class TForm16 : public DialogForm {
  Q_OBJECT

 public:
  explicit TForm16(QWidget* owner = nullptr);

  QLabel* Label1;   // the question
  BitBtn* BitBtn1;  // "Aceptar"
  BitBtn* BitBtn2;  // "No"

 public slots:
  void BitBtn1Click(QObject* Sender);
  void BitBtn2Click(QObject* Sender);
};

inline FormVar<TForm16> Form16{"Form16"};

}  // namespace kovia
