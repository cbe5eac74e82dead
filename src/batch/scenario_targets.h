// How scenario names reach the objects of the windows: controls by objectName among a form's
// own descendants, the form that owns an object, and whether an operator can reach it.
#pragma once

#include <QString>

class QAction;
class QMetaMethod;
class QObject;
class QWidget;

namespace kovia {

class PageControl;

// The object named `name` among the descendants of `form`, searched level by level so that
// the nearest one wins. Other forms parented to `form` (dialogs, windows) are not searched:
// their controls are theirs. Commands are skipped (a command carries the name of its tool
// button, which is the control), and a menu stands for its menu item. Widgets win over
// other objects of the same name. nullptr when nothing has that name.
QObject* findControl(QWidget* form, const QString& name);

// The form (main window or dialog) an object belongs to; nullptr when none.
QWidget* owningForm(const QObject* object);

// True when the operator can reach the menu item: it and every menu above it are enabled
// and visible, and its form is on show and enabled.
bool menuItemReachable(const QAction* action);

// The first page control of a form (its pages are what a form's activePage counts).
PageControl* pageControlOf(QWidget* form);

// True for the names of program-wide form variables: "FormMain", "Form1", "Form18", ...
bool isFormVariableName(const QString& name);

// The slot `handler` of `form` that takes exactly the sender; an invalid method when none.
QMetaMethod senderHandler(const QObject& form, const QString& handler);

// The sender given to a handler run directly: the control named by the handler's name
// without its event ("SpeedButton3Click" → SpeedButton3), else the form itself.
QObject* handlerSender(QWidget* form, const QString& handler);

}  // namespace kovia
