#include "platform/keys.h"

#include <QKeyEvent>

namespace kovia {

KeyCode keyCodeOf(const QKeyEvent& event) {
  const int key = event.key();
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return static_cast<KeyCode>('A' + (key - Qt::Key_A));
  if (key >= Qt::Key_0 && key <= Qt::Key_9) return static_cast<KeyCode>('0' + (key - Qt::Key_0));
  if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return static_cast<KeyCode>(keys::kF1 + (key - Qt::Key_F1));
  switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return keys::kReturn;
    case Qt::Key_Backspace:
      return keys::kBack;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return keys::kTab;
    case Qt::Key_Escape:
      return keys::kEscape;
    case Qt::Key_Space:
      return keys::kSpace;
    case Qt::Key_PageUp:
      return keys::kPrior;
    case Qt::Key_PageDown:
      return keys::kNext;
    case Qt::Key_End:
      return keys::kEnd;
    case Qt::Key_Home:
      return keys::kHome;
    case Qt::Key_Left:
      return keys::kLeft;
    case Qt::Key_Up:
      return keys::kUp;
    case Qt::Key_Right:
      return keys::kRight;
    case Qt::Key_Down:
      return keys::kDown;
    case Qt::Key_Insert:
      return keys::kInsert;
    case Qt::Key_Delete:
      return keys::kDelete;
    default:
      return 0;
  }
}

ShiftState shiftStateOf(const QKeyEvent& event) {
  ShiftState state;
  const Qt::KeyboardModifiers mods = event.modifiers();
  if (mods & Qt::ShiftModifier) state |= ShiftKey::Shift;
  if (mods & Qt::AltModifier) state |= ShiftKey::Alt;
  if (mods & Qt::ControlModifier) state |= ShiftKey::Ctrl;
  return state;
}

}  // namespace kovia
