// The nominal-frequency dialog of the frequency window: the operator types the nominal
// frequency in whole hertz and presses Enter, then tau in whole seconds and Enter; the dialog
// checks that only digits were typed, stores both values in FrequencyWindowState and closes.
#pragma once

#include <QLabel>
#include <QString>

#include "platform/edit_controls.h"
#include "platform/form.h"
#include "platform/keys.h"

namespace kovia {

class TForm4 : public DialogForm {
  Q_OBJECT

 public:
  explicit TForm4(QWidget* owner = nullptr);

  QLabel* Label1;  // "Frecuencia Nominal:"
  Edit* Edit1;     // nominal frequency, Hz
  QLabel* Label2;  // "Hz"
  QLabel* Label3;  // "Tau:"
  Edit* Edit2;     // tau, seconds (disabled until the nominal frequency is accepted)
  QLabel* Label4;  // "segundos"
  QLabel* Label5;  // "Frecuencia": the window the dialog belongs to

 public slots:
  // Enter: accepts the nominal frequency, enables Edit2 and gives it the focus.
  void Edit1OnKeyDown(QObject* Sender, KeyCode& Key, ShiftState Shift);
  // Enter: accepts tau and closes the dialog.
  void Edit2OnKeyDown(QObject* Sender, KeyCode& Key, ShiftState Shift);
};

// The refusal of a field whose first 19 characters are not all decimal digits, quoting them.
QString invalidCharacterMessage(const QString& checkedCharacters);

// The characters the digit check looks at: at most the first 19 of the field's text.
QString digitCheckedPart(const QString& text);
// True when every character is one of '0' ... '9' (an empty text passes).
bool onlyDecimalDigits(const QString& text);

inline FormVar<TForm4> Form4{"Form4"};

}  // namespace kovia
