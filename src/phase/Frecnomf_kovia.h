// The nominal-frequency dialog of the phase window: the operator types the nominal
// frequency (whole hertz) and tau (whole seconds), each confirmed with Enter. Only digits
// pass; the dialog closes itself after a valid tau. Tau may be typed first (its field is
// enabled from the start), which closes the dialog without a nominal frequency.
#pragma once

#include <QLabel>

#include "platform/edit_controls.h"
#include "platform/form.h"

namespace kovia {

class TForm5 : public DialogForm {
  Q_OBJECT

 public:
  explicit TForm5(QWidget* owner = nullptr);

  QLabel* Label1;  // "Frecuencia Nominal:"
  Edit* Edit1;     // nominal frequency, Hz
  QLabel* Label2;  // "Hz"
  QLabel* Label3;  // "Tau:"
  Edit* Edit2;     // tau, seconds
  QLabel* Label4;  // "segundos"
  QLabel* Label5;  // "Fase" in the corner

 public slots:
  void Edit1OnKeyDown(QObject* Sender, KeyCode& Key, ShiftState Shift);
  void Edit2OnKeyDown(QObject* Sender, KeyCode& Key, ShiftState Shift);
};

// The refusal message for an entry whose first 19 characters are not all digits; empty when
// they are.
QString nominalEntryRefusal(const QString& entry);

inline FormVar<TForm5> Form5{"Form5"};

}  // namespace kovia
