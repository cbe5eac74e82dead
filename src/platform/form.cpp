#include "platform/form.h"

#include <QApplication>
#include <QEventLoop>
#include <QHash>
#include <QIcon>
#include <QKeySequence>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "platform/command.h"
#include "platform/messages.h"
#include "platform/seam.h"

namespace kovia {

// ---- MainMenu ----

MainMenu::MainMenu(QWidget* parent) : QMenuBar(parent) {
  setObjectName(QStringLiteral("MainMenu1"));
  setNativeMenuBar(false);
}

QMenu* MainMenu::addTop(const QString& name, const QString& caption) {
  QMenu* menu = addMenu(caption);
  menu->setObjectName(name);
  menu->menuAction()->setObjectName(name);
  menu->setToolTipsVisible(true);
  return menu;
}

QAction* MainMenu::addItem(QMenu* menu, const QString& name, const QString& caption) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(name);
  return action;
}

QAction* MainMenu::addItem(QMenu* menu, const QString& name, const QString& caption,
                           const QKeySequence& shortcut) {
  QAction* action = addItem(menu, name, caption);
  action->setShortcut(shortcut);
  return action;
}

QAction* MainMenu::addSeparatorTo(QMenu* menu) { return menu->addSeparator(); }

QMenu* MainMenu::addSubmenu(QMenu* menu, const QString& name, const QString& caption) {
  QMenu* sub = menu->addMenu(caption);
  sub->setObjectName(name);
  sub->menuAction()->setObjectName(name);
  return sub;
}

int MainMenu::topCount() const { return static_cast<int>(actions().size()); }

QMenu* MainMenu::top(int topIndex) const {
  const QList<QAction*> tops = actions();
  if (topIndex < 0 || topIndex >= tops.size()) throw ListIndexError(topIndex);
  return tops[topIndex]->menu();
}

QAction* MainMenu::Items(int topIndex, int index) const {
  QMenu* menu = top(topIndex);
  const QList<QAction*> items = menu != nullptr ? menu->actions() : QList<QAction*>{};
  if (index < 0 || index >= items.size()) throw ListIndexError(index);
  return items[index];
}

// ---- Form ----

Form::Form(QWidget* owner) : QMainWindow(owner, Qt::Window) {
  menu_ = new MainMenu(this);
  setMenuBar(menu_);
  toolBar_ = new QToolBar(QStringLiteral("Herramientas"), this);
  toolBar_->setObjectName(QStringLiteral("ToolBar1"));
  toolBar_->setMovable(false);
  toolBar_->setFloatable(false);
  toolBar_->setIconSize(QSize(20, 20));
  toolBar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
  addToolBar(Qt::TopToolBarArea, toolBar_);
  statusBar()->setObjectName(QStringLiteral("StatusBar1"));
  statusBar()->setSizeGripEnabled(true);
}

QToolButton* Form::addToolButton(const QString& name, const QString& hint, const QIcon& icon) {
  auto* button = new QToolButton(toolBar_);
  button->setObjectName(name);
  button->setIcon(icon);
  button->setAutoRaise(true);
  const qsizetype bar = hint.indexOf(QLatin1Char('|'));
  button->setToolTip(bar < 0 ? hint : hint.left(bar));
  if (bar >= 0 && bar + 1 < hint.size()) button->setStatusTip(hint.mid(bar + 1));
  toolBar_->addWidget(button);
  return button;
}

Command* Form::addCommand(const QString& buttonName, const QString& hint, const QIcon& icon, QAction* item) {
  QToolButton* button = addToolButton(buttonName, hint, icon);
  if (item != nullptr && item->icon().isNull()) item->setIcon(icon);
  return new Command(button, item, this);
}

void Form::addToolSeparator() { toolBar_->addSeparator(); }

void Form::showProgress(const QString& text) {
  statusBar()->showMessage(text);
  statusBar()->repaint();
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

// ---- DialogForm ----

DialogForm::DialogForm(QWidget* owner) : QDialog(owner) {
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

int DialogForm::ShowModal() { return currentOperator().showModal(*this); }

void DialogForm::setModalResult(int result) {
  modalResult_ = result;
  if (result != mrNone && isVisible()) QDialog::done(result);
}

int DialogForm::execModal() {
  modalResult_ = mrNone;
  showingModal_ = true;
  exec();
  showingModal_ = false;
  if (modalResult_ == mrNone) modalResult_ = mrCancel;
  return modalResult_;
}

void DialogForm::beginScriptedModal() {
  modalResult_ = mrNone;
  showingModal_ = true;
  show();
}

int DialogForm::finishScriptedModal() {
  if (isVisible()) close();
  if (isVisible()) hide();  // a form that refuses to close still leaves the screen
  showingModal_ = false;
  if (modalResult_ == mrNone) modalResult_ = mrCancel;
  return modalResult_;
}

void DialogForm::done(int result) {
  if (modalResult_ == mrNone) {
    modalResult_ = result == QDialog::Accepted ? mrOk : (result == QDialog::Rejected ? mrCancel : result);
  }
  QDialog::done(result);
}

// ---- FormRegistry ----

namespace {
QHash<QString, QPointer<QWidget>>& registry() {
  static QHash<QString, QPointer<QWidget>> forms;
  return forms;
}
}  // namespace

void FormRegistry::set(const QString& name, QWidget* form) { registry()[name] = form; }

QWidget* FormRegistry::find(const QString& name) {
  const auto it = registry().constFind(name);
  return it == registry().constEnd() ? nullptr : it->data();
}

QStringList FormRegistry::names() {
  QStringList result = registry().keys();
  result.sort();
  return result;
}

}  // namespace kovia
