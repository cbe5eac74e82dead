// The titles dialog: the title and axis texts of the active chart and the title colour,
// shared by both analysis windows.
#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>

#include "platform/form.h"
#include "platform/misc_controls.h"

namespace kovia {

class TForm10 : public DialogForm {
  Q_OBJECT

 public:
  explicit TForm10(QWidget* owner = nullptr);

  // Each memo holds at most this many characters.
  static constexpr int kMaxTextLength = 99;

  QGroupBox* GroupBox1;   // "Títulos del Gráfico"
  QLabel* Label1;         // " Título"
  QPlainTextEdit* Memo1;  // title text
  QLabel* Label2;         // Eje "X"
  QPlainTextEdit* Memo2;  // bottom-axis text
  QLabel* Label3;         // Eje "Y"
  QPlainTextEdit* Memo3;  // left-axis text
  BitBtn* BitBtn3;        // "Color"
  BitBtn* BitBtn1;        // "Aceptar"

 public slots:
  // Closes the dialog.
  void BitBtn1Click(QObject* Sender);
};

inline FormVar<TForm10> Form10{"Form10"};

}  // namespace kovia
