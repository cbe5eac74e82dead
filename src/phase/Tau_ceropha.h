// The "Tau_Cero" dialog of the phase window. It is created at start-up and no command shows
// it; its content is not designed.
#pragma once

#include "platform/form.h"

namespace kovia {

class TForm6 : public DialogForm {
  Q_OBJECT

 public:
  explicit TForm6(QWidget* owner = nullptr);
};

inline FormVar<TForm6> Form6{"Form6"};

}  // namespace kovia
