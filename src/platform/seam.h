// The dialog seam: every modal interaction with the operator goes through one Operator.
//
// The desktop program uses QtOperator (real Qt dialogs, in Spanish). Tests and the
// batch program install a ScriptedOperator, which answers each request from answers
// queued in advance and fails loudly (UnexpectedDialog) on a request it was not given
// an answer for. Windows never open a dialog or a message box themselves; they call
// currentOperator() (usually through DialogForm::ShowModal, OpenDialog, SaveDialog,
// showMessage and the handler guard).
#pragma once

#include <QString>
#include <exception>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "core/color.h"

class QPrinter;

namespace kovia {

class DialogForm;

// The kinds of request a script answers; each kind has its own first-in first-out queue.
enum class DialogKind { Modal, Open, Save, ChooseColor, PrinterSetup };

// "modal", "open", "save", "color", "printer".
std::string_view dialogKindName(DialogKind kind);

// A request the scripted operator had no answer for. The batch program ends with exit
// status 3 when it sees one.
class UnexpectedDialog : public std::runtime_error {
 public:
  UnexpectedDialog(DialogKind kind, const std::string& detail);
  DialogKind kind() const noexcept { return kind_; }
  const std::string& detail() const noexcept { return detail_; }

 private:
  DialogKind kind_;
  std::string detail_;
};

// Filters use the windows' notation "Texto|*.txt|Datos|*.dat;*.txt|Todos|*.*" (name and
// patterns alternate); filter indices count from 1.
struct OpenRequest {
  QString title;  // empty: the dialog's standard title
  QString filter;
  int filterIndex = 1;
  QString fileName;    // proposed name or path
  QString initialDir;  // empty: the current folder
};

struct OpenAnswer {
  QString path;
  int filterIndex = 1;  // the filter selected when the dialog closed
};

struct SaveRequest {
  QString title;
  QString filter;
  int filterIndex = 1;
  QString defaultExt;  // without the dot
  QString fileName;    // proposed name (the last one chosen in the same dialog)
  QString initialDir;
};

class Operator {
 public:
  virtual ~Operator() = default;

  // Shows `form` modally and returns its modal result once it closes.
  virtual int showModal(DialogForm& form) = 0;
  // The open dialog; nullopt when the operator cancels.
  virtual std::optional<OpenAnswer> openFile(const OpenRequest& request) = 0;
  // The save dialog; the chosen path, nullopt when the operator cancels.
  virtual std::optional<QString> saveFile(const SaveRequest& request) = 0;
  // The colour dialog; nullopt when the operator cancels.
  virtual std::optional<Color> chooseColor(Color initial) = 0;
  // The printer set-up dialog on `printer`; false when the operator cancels.
  virtual bool printerSetup(QPrinter& printer) = 0;
  // A message box with an OK button.
  virtual void message(const QString& text) = 0;
  // The default error box, showing an exception's message.
  virtual void errorBox(const QString& text) = 0;
  // The help-topics finder on `helpFile` (not modal).
  virtual void helpTopics(const QString& helpFile) = 0;

  // A failure of the operator's script (UnexpectedDialog) that the handler guard caught.
  // The scripted operator keeps it for its runner; others log it.
  virtual void scriptFailed(std::exception_ptr failure);
};

// The operator in force: the one installed last, else the process-wide QtOperator.
Operator& currentOperator();

// Installs `op` (nullptr: back to the QtOperator) and returns the previous one.
Operator* setCurrentOperator(Operator* op);

// Installs an operator for the lifetime of the scope.
class OperatorScope {
 public:
  explicit OperatorScope(Operator& op) : previous_(setCurrentOperator(&op)) {}
  ~OperatorScope() { setCurrentOperator(previous_); }
  OperatorScope(const OperatorScope&) = delete;
  OperatorScope& operator=(const OperatorScope&) = delete;

 private:
  Operator* previous_;
};

// Shows a message box with an OK button through the seam (the windows' ShowMessage).
void showMessage(const QString& text);

// The text of a message held as bytes: UTF-8 when the bytes are valid UTF-8 (the
// program's own literals), else Windows-1252 (cell texts quoted in a conversion error).
QString messageText(std::string_view bytes);

}  // namespace kovia
