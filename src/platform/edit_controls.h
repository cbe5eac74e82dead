// Edit fields and up-down controls.
//
// Edit::setText() by the program runs OnChange when the text changes; the operator's
// typing runs it too. A key press raises OnKeyDown(key, shift) first (Enter is 13); a
// handler that sets the key to 0 takes it. setText() hides QLineEdit's own: call it
// through Edit.
//
// UpDown steps an associated Edit: each step raises OnChangingEx(allowChange, newValue,
// direction) before the position moves, then writes the new position into the Edit
// (whose OnChange runs) and raises OnClick.
#pragma once

#include <QLineEdit>
#include <QWidget>
#include <string>

#include "platform/keys.h"

class QToolButton;

namespace kovia {

class Edit : public QLineEdit {
  Q_OBJECT
  Q_PROPERTY(QString text READ text)
  Q_PROPERTY(bool readOnly READ isReadOnly)

 public:
  explicit Edit(QWidget* parent = nullptr, const QString& name = QString());

  // The text in UTF-8.
  std::string Text() const { return text().toStdString(); }
  // Replaces the text; OnChange runs when it changed.
  void setText(const QString& text);
  void setText(const std::string& utf8) { setText(QString::fromStdString(utf8)); }
  void setText(const char* utf8) { setText(QString::fromUtf8(utf8)); }

  // The operator replaces the text (OnChange runs); false when disabled or read-only.
  bool userType(const QString& text);
  // The operator presses a key in the field; false when disabled or the handler failed.
  bool userKeyDown(KeyCode key, ShiftState shift = {});

 signals:
  void OnChange();
  void OnKeyDown(KeyCode& key, ShiftState shift);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

enum class UpDownDirection { None, Up, Down };

class UpDown : public QWidget {
  Q_OBJECT
  Q_PROPERTY(int position READ Position)

 public:
  // Range 0 .. 100, position 0, increment 1, no wrapping, no associate.
  explicit UpDown(QWidget* parent = nullptr, const QString& name = QString());

  int Min() const { return min_; }
  int Max() const { return max_; }
  void setRange(int min, int max);
  int Position() const { return position_; }
  // Sets the position (clamped) and writes it into the associate; no OnChangingEx.
  void setPosition(int position);
  bool wrap() const { return wrap_; }
  void setWrap(bool on) { wrap_ = on; }
  int increment() const { return increment_; }
  void setIncrement(int step) { increment_ = step; }
  Edit* associate() const { return associate_; }
  void setAssociate(Edit* edit);

  // The operator presses an arrow; false when disabled, refused, or a handler failed.
  bool userClick(UpDownDirection direction);

 signals:
  void OnChangingEx(bool& allowChange, int newValue, UpDownDirection direction);
  void OnClick(UpDownDirection direction);

 private:
  void step(UpDownDirection direction);

  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
  int increment_ = 1;
  bool wrap_ = false;
  Edit* associate_ = nullptr;
  QToolButton* up_;
  QToolButton* down_;
};

}  // namespace kovia
