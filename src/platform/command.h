// A command: a tool button and its main-menu item wired to one handler.
//
// setEnabled() changes both; setButtonEnabled() and setMenuEnabled() change one of them,
// for the places where the windows change only the button (opening a window) or keep a
// menu item disabled while its button is enabled (printing). Pressing either raises
// OnClick() as an operator event, through the handler guard; a disabled half does nothing.
#pragma once

#include <QAction>
#include <QObject>
#include <QPointer>
#include <QToolButton>

namespace kovia {

class Command : public QObject {
  Q_OBJECT
  Q_PROPERTY(bool buttonEnabled READ buttonEnabled WRITE setButtonEnabled)
  Q_PROPERTY(bool menuEnabled READ menuEnabled WRITE setMenuEnabled)

 public:
  // `button` or `item` may be null for a command with one half only.
  Command(QToolButton* button, QAction* item, QObject* parent = nullptr);

  void setEnabled(bool enabled);
  void setButtonEnabled(bool enabled);
  void setMenuEnabled(bool enabled);
  bool buttonEnabled() const;
  bool menuEnabled() const;

  QToolButton* button() const { return button_.data(); }
  QAction* menuItem() const { return item_.data(); }

  // The operator presses the tool button (false: disabled, or the handler failed).
  bool pressButton();
  // The operator chooses the menu item (false: disabled, or the handler failed).
  bool chooseMenuItem();

 signals:
  void OnClick();

 private:
  bool raiseClick();

  QPointer<QToolButton> button_;
  QPointer<QAction> item_;
};

}  // namespace kovia
