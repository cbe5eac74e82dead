#include "phase/Filtro_kovia.h"

namespace kovia {

TForm7::TForm7(QWidget* owner) : DialogForm(owner) {
  setCaption(QStringLiteral("Filtro"));
  setFixedSize(240, 120);
}

}  // namespace kovia
