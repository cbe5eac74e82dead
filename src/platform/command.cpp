#include "platform/command.h"

#include <QAction>
#include <QToolButton>

#include "platform/handler_guard.h"

namespace kovia {

Command::Command(QToolButton* button, QAction* item, QObject* parent)
    : QObject(parent), button_(button), item_(item) {
  if (button != nullptr) {
    setObjectName(button->objectName());
    connect(button, &QToolButton::clicked, this, [this] { raiseClick(); });
  }
  if (item != nullptr) {
    if (objectName().isEmpty()) setObjectName(item->objectName());
    connect(item, &QAction::triggered, this, [this] {
      // Qt delivers a trigger even to a disabled action when asked to by code; the
      // operator cannot choose a disabled item.
      if (item_ && item_->isEnabled()) raiseClick();
    });
  }
}

void Command::setEnabled(bool enabled) {
  setButtonEnabled(enabled);
  setMenuEnabled(enabled);
}

void Command::setButtonEnabled(bool enabled) {
  if (button_) button_->setEnabled(enabled);
}

void Command::setMenuEnabled(bool enabled) {
  if (item_) item_->setEnabled(enabled);
}

bool Command::buttonEnabled() const { return button_ && button_->isEnabled(); }

bool Command::menuEnabled() const { return item_ && item_->isEnabled(); }

bool Command::pressButton() {
  if (!buttonEnabled()) return false;
  return raiseClick();
}

bool Command::chooseMenuItem() {
  if (!menuEnabled()) return false;
  return raiseClick();
}

bool Command::raiseClick() {
  return HandlerGuard::operatorEvent([this] { emit OnClick(); });
}

}  // namespace kovia
