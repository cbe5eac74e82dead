#include "platform/edit_controls.h"

#include <QKeyEvent>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/handler_guard.h"

namespace kovia {

// ---- Edit ----

Edit::Edit(QWidget* parent, const QString& name) : QLineEdit(parent) {
  if (!name.isEmpty()) setObjectName(name);
  // textEdited() comes only from the operator's typing.
  connect(this, &QLineEdit::textEdited, this, [this] { HandlerGuard::operatorEvent([this] { emit OnChange(); }); });
}

void Edit::setText(const QString& text) {
  if (text == this->text()) return;
  QLineEdit::setText(text);
  setCursorPosition(0);  // a field written by the program shows its text from the start
  HandlerGuard::raise([this] { emit OnChange(); });
}

bool Edit::userType(const QString& text) {
  if (!isEnabled() || isReadOnly()) return false;
  if (text == this->text()) return true;
  QLineEdit::setText(text);
  return HandlerGuard::operatorEvent([this] { emit OnChange(); });
}

bool Edit::userKeyDown(KeyCode key, ShiftState shift) {
  if (!isEnabled()) return false;
  return HandlerGuard::operatorEvent([&] { emit OnKeyDown(key, shift); });
}

void Edit::keyPressEvent(QKeyEvent* event) {
  KeyCode key = keyCodeOf(*event);
  if (key != 0) {
    const ShiftState shift = shiftStateOf(*event);
    const bool completed = HandlerGuard::operatorEvent([&] { emit OnKeyDown(key, shift); });
    // Enter belongs to the field's handler: it never presses a dialog's default button.
    if (!completed || key == 0 || key == keys::kReturn) {
      event->accept();
      return;
    }
  }
  QLineEdit::keyPressEvent(event);
}

// ---- UpDown ----

UpDown::UpDown(QWidget* parent, const QString& name)
    : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this)) {
  if (!name.isEmpty()) setObjectName(name);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  up_->setArrowType(Qt::UpArrow);
  down_->setArrowType(Qt::DownArrow);
  for (QToolButton* b : {up_, down_}) {
    b->setFixedSize(16, 10);
    b->setAutoRepeat(true);
    layout->addWidget(b);
  }
  connect(up_, &QToolButton::clicked, this, [this] { userClick(UpDownDirection::Up); });
  connect(down_, &QToolButton::clicked, this, [this] { userClick(UpDownDirection::Down); });
}

void UpDown::setRange(int min, int max) {
  min_ = std::min(min, max);
  max_ = std::max(min, max);
  position_ = std::clamp(position_, min_, max_);
}

void UpDown::setPosition(int position) {
  position_ = std::clamp(position, min_, max_);
  if (associate_ != nullptr) associate_->setText(QString::number(position_));
}

void UpDown::setAssociate(Edit* edit) {
  associate_ = edit;
  if (edit != nullptr) edit->setText(QString::number(position_));
}

bool UpDown::userClick(UpDownDirection direction) {
  if (!isEnabled() || direction == UpDownDirection::None) return false;
  return HandlerGuard::operatorEvent([&] { step(direction); });
}

void UpDown::step(UpDownDirection direction) {
  // The field may have been typed into: step from what it shows when that is a position.
  int current = position_;
  if (associate_ != nullptr) {
    bool ok = false;
    const int shown = associate_->text().trimmed().toInt(&ok);
    if (ok && shown >= min_ && shown <= max_) current = shown;
  }
  int next = current + (direction == UpDownDirection::Up ? increment_ : -increment_);
  if (next > max_) next = wrap_ ? min_ : max_;
  if (next < min_) next = wrap_ ? max_ : min_;
  if (next == current) return;
  bool allow = true;
  HandlerGuard::raise([&] { emit OnChangingEx(allow, next, direction); });
  if (!allow) return;
  setPosition(next);
  HandlerGuard::raise([&] { emit OnClick(direction); });
}

}  // namespace kovia
