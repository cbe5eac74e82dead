#include "phase/Tau_ceropha.h"

namespace kovia {

TForm6::TForm6(QWidget* owner) : DialogForm(owner) {
  setCaption(QStringLiteral("Tau_Cero"));
  setFixedSize(240, 120);
}

}  // namespace kovia
