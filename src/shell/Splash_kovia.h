// The splash window: the program's picture, on screen while the program starts.
#pragma once

#include <QLabel>

#include "platform/form.h"

namespace kovia {

class TForm12 : public Form {
  Q_OBJECT

 public:
  explicit TForm12(QWidget* owner = nullptr);

  QLabel* Image1;  // the 500×333 picture that fills the window
};

inline FormVar<TForm12> Form12{"Form12"};

}  // namespace kovia
