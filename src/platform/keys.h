// Key codes and shift states delivered by the key-down events of the controls.
// Codes follow the virtual-key numbering the windows test against (Enter is 13).
#pragma once

#include <QFlags>

class QKeyEvent;

namespace kovia {

using KeyCode = unsigned short;

namespace keys {
constexpr KeyCode kBack = 8;
constexpr KeyCode kTab = 9;
constexpr KeyCode kReturn = 13;
constexpr KeyCode kEscape = 27;
constexpr KeyCode kSpace = 32;
constexpr KeyCode kPrior = 33;
constexpr KeyCode kNext = 34;
constexpr KeyCode kEnd = 35;
constexpr KeyCode kHome = 36;
constexpr KeyCode kLeft = 37;
constexpr KeyCode kUp = 38;
constexpr KeyCode kRight = 39;
constexpr KeyCode kDown = 40;
constexpr KeyCode kInsert = 45;
constexpr KeyCode kDelete = 46;
constexpr KeyCode kF1 = 112;
}  // namespace keys

enum class ShiftKey : unsigned { Shift = 1, Alt = 2, Ctrl = 4 };
Q_DECLARE_FLAGS(ShiftState, ShiftKey)
Q_DECLARE_OPERATORS_FOR_FLAGS(ShiftState)

// The key code of a Qt key press; 0 for keys that have no code (dead keys, modifiers alone).
KeyCode keyCodeOf(const QKeyEvent& event);

// The shift state of a Qt key press.
ShiftState shiftStateOf(const QKeyEvent& event);

}  // namespace kovia
