// The "Filtro" dialog of the phase window (slope filter). It is created at start-up and no
// command shows it; its content is not designed.
#pragma once

#include "platform/form.h"

namespace kovia {

class TForm7 : public DialogForm {
  Q_OBJECT

 public:
  explicit TForm7(QWidget* owner = nullptr);
};

inline FormVar<TForm7> Form7{"Form7"};

}  // namespace kovia
