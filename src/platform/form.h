// Form bases of the windows, and the program-wide form variables.
//
// An analysis window derives from Form (a main window with the menu MainMenu1, a tool
// bar strip, a client area for its page control, and a status bar); a dialog derives
// from DialogForm and is shown with ShowModal(), which goes through the dialog seam.
// Every control is a named member whose objectName is its designed name, and every
// handler is a public slot taking the sender first, so that a scenario runner finds
// both through Qt's meta-object system.
#pragma once

#include <QDialog>
#include <QMainWindow>
#include <QMenuBar>
#include <QPointer>
#include <QString>
#include <QStringList>

class QIcon;
class QKeySequence;
class QToolBar;
class QToolButton;

namespace kovia {

class Command;

// Modal results of a dialog form.
enum ModalResult : int { mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5, mrYes = 6, mrNo = 7 };

// The main menu MainMenu1. Items are addressed by (top-level index, item index) with
// separators counted, as the windows address them.
class MainMenu : public QMenuBar {
  Q_OBJECT

 public:
  explicit MainMenu(QWidget* parent = nullptr);

  // Appends a top-level menu ("&Archivo"); `name` becomes its objectName.
  QMenu* addTop(const QString& name, const QString& caption);
  // Appends an item to `menu`; `name` ("Salir1") becomes the action's objectName.
  QAction* addItem(QMenu* menu, const QString& name, const QString& caption);
  QAction* addItem(QMenu* menu, const QString& name, const QString& caption, const QKeySequence& shortcut);
  // Appends a separator; it takes an item index like any other item.
  QAction* addSeparatorTo(QMenu* menu);
  // Appends a submenu item.
  QMenu* addSubmenu(QMenu* menu, const QString& name, const QString& caption);

  int topCount() const;
  QMenu* top(int topIndex) const;
  // Item `index` of top-level menu `topIndex`, separators counted. Throws ListIndexError
  // for an index outside either list.
  QAction* Items(int topIndex, int index) const;
};

// Base of the analysis windows and the main window. Closing a form hides it; the form
// stays in memory until the program ends (or its owner deletes it).
class Form : public QMainWindow {
  Q_OBJECT
  Q_PROPERTY(QString caption READ Caption WRITE setCaption)

 public:
  explicit Form(QWidget* owner = nullptr);

  QString Caption() const { return windowTitle(); }
  void setCaption(const QString& caption) { setWindowTitle(caption); }

  MainMenu* mainMenu() const { return menu_; }
  QToolBar* toolBar() const { return toolBar_; }

  // A tool button of the strip: `hint` is the designed hint "Guardar|" (the text before
  // '|' is the tooltip, the text after it, if any, the status-bar text).
  QToolButton* addToolButton(const QString& name, const QString& hint, const QIcon& icon);
  // A tool button paired with its menu item `item` (may be null) as one command.
  Command* addCommand(const QString& buttonName, const QString& hint, const QIcon& icon, QAction* item);
  void addToolSeparator();

  // The page control or other widget filling the area below the tool bar.
  void setClientWidget(QWidget* widget) { setCentralWidget(widget); }

  int helpContext() const { return helpContext_; }
  void setHelpContext(int context) { helpContext_ = context; }
  QString helpFile() const { return helpFile_; }
  void setHelpFile(const QString& file) { helpFile_ = file; }

  // Shows `text` in the status bar and repaints at once without processing operator
  // input, so that a long command reports progress and no click can re-enter it.
  void showProgress(const QString& text);

 public slots:
  // Closes the form as with its close box (an analysis window only hides).
  bool Close() { return close(); }

 private:
  MainMenu* menu_;
  QToolBar* toolBar_;
  int helpContext_ = 0;
  QString helpFile_;
};

// Base of the dialogs. ShowModal() goes through the seam; the modal showing ends when a
// handler sets a nonzero ModalResult or closes the form (mrCancel, as the close box).
class DialogForm : public QDialog {
  Q_OBJECT
  Q_PROPERTY(QString caption READ Caption WRITE setCaption)

 public:
  explicit DialogForm(QWidget* owner = nullptr);

  QString Caption() const { return windowTitle(); }
  void setCaption(const QString& caption) { setWindowTitle(caption); }

  // Shows the form modally through currentOperator() and returns its modal result.
  int ShowModal();

  int ModalResult() const { return modalResult_; }
  // A nonzero result ends the modal showing.
  void setModalResult(int result);

  // True while the form is shown modally (by the Qt loop or by a script).
  bool showingModal() const { return showingModal_; }

  // The real modal loop (used by QtOperator).
  int execModal();
  // The scripted showing: begin shows the form without a loop; finish closes it as with
  // its close box when it is still open and returns the modal result.
  void beginScriptedModal();
  int finishScriptedModal();

 public slots:
  bool Close() { return close(); }

 protected:
  void done(int result) override;

 private:
  int modalResult_ = mrNone;
  bool showingModal_ = false;
};

// Forms by variable name ("FormMain", "Form2"): the most recently created instance, or
// nullptr once it has been destroyed.
class FormRegistry {
 public:
  static void set(const QString& name, QWidget* form);
  static QWidget* find(const QString& name);
  static QStringList names();
};

// A program-wide form variable: `inline FormVar<TForm2> Form2;`. Assigning a new
// instance makes it the one the variable (and the registry, under the variable's name)
// refers to; the variable reads as nullptr once that instance is destroyed. Without an
// explicit name, the name is the form's class name without its leading 'T'.
template <class T>
class FormVar {
 public:
  FormVar() = default;
  explicit FormVar(const char* name) : name_(QString::fromLatin1(name)) {}

  FormVar& operator=(T* form) {
    form_ = form;
    if (form != nullptr) {
      if (name_.isEmpty()) name_ = defaultName(form);
      if (form->objectName().isEmpty()) form->setObjectName(name_);
    }
    if (!name_.isEmpty()) FormRegistry::set(name_, form);
    return *this;
  }

  T* get() const { return form_.data(); }
  T* operator->() const { return form_.data(); }
  operator T*() const { return form_.data(); }
  const QString& name() const { return name_; }

 private:
  static QString defaultName(T* form) {
    QString className = QString::fromLatin1(form->metaObject()->className());
    className = className.mid(className.lastIndexOf(QLatin1Char(':')) + 1);
    if (className.startsWith(QLatin1Char('T'))) className.remove(0, 1);
    return className;
  }

  QString name_;
  QPointer<T> form_;
};

}  // namespace kovia
