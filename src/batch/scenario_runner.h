// The scenario runner: plays parsed scenario steps against the program's windows as an
// operator would, and prints what the windows hold as JSON lines.
//
// Forms are found by their program-wide variable (FormRegistry); controls, series, charts
// and handlers by objectName and through the meta-object system, so no window needs a table
// of its own. Dialogs are answered by a ScriptedOperator; its message and error boxes are
// printed as {"message": TEXT} lines the moment they appear.
#pragma once

#include <QPointer>
#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "batch/scenario_script.h"
#include "platform/seam.h"

class QObject;
class QWidget;

namespace kovia {

class DialogForm;
class ScriptedOperator;

// Exit statuses of a scenario run.
namespace scenario_status {
constexpr int kSuccess = 0;
constexpr int kMalformed = 2;   // a step that cannot be run as written
constexpr int kUnanswered = 3;  // a dialog no step answered, or an answer never asked for
}  // namespace scenario_status

struct ScenarioOutcome {
  int status = scenario_status::kSuccess;
  std::string error;  // "línea N: ..." (Spanish), empty on success
};

// A step that names nothing the windows hold, or asks a control for something it does not do.
// It may be raised deep inside a handler (a step of a `modal` block runs while the handler
// that showed the dialog waits), so it travels as a failure of the operator's script: the
// handler guard hands every UnexpectedDialog to the operator instead of showing an error box.
class ScenarioStepError : public UnexpectedDialog {
 public:
  ScenarioStepError(int line, const std::string& message);
  int line() const noexcept { return line_; }
  const char* what() const noexcept override { return text_.c_str(); }

 private:
  int line_;
  std::string text_;
};

class ScenarioRunner {
 public:
  using Print = std::function<void(const std::string& line)>;

  // `op` must be the operator in force while run() runs. `baseDir` is the folder against
  // which relative paths of open and save answers are taken (the scenario file's folder).
  ScenarioRunner(ScriptedOperator& op, Print print, QString baseDir);
  ~ScenarioRunner();
  ScenarioRunner(const ScenarioRunner&) = delete;
  ScenarioRunner& operator=(const ScenarioRunner&) = delete;

  // The variable of the main window: once it has been on show and closes, the program has
  // ended and a step after that is malformed.
  void setMainForm(const QString& variable) { mainForm_ = variable; }

  // Runs the steps in order; stops at the first malformed step or unanswered dialog, and
  // checks at the end that every answer was asked for.
  ScenarioOutcome run(const std::vector<ScenarioStep>& steps);

 private:
  void runSteps(const std::vector<ScenarioStep>& steps);
  void runStep(const ScenarioStep& step);
  void runModalBody(const std::vector<ScenarioStep>& body, DialogForm& form);
  [[noreturn]] void fail(const ScenarioStep& step, const std::string& message);
  // Throws the script's first failure, if any, so that a modal block stops with it.
  void stopOnFailure();
  void processPendingEvents();
  bool programEnded();
  void queueAnswer(const ScenarioStep& step);
  QString answerPath(const std::string& path) const;

  // Names (scenario_targets.cpp).
  QWidget* formNamed(const ScenarioStep& step, const std::string& variable);
  QObject* target(const ScenarioStep& step);
  bool operable(const QObject* object) const;

  // Operator steps (scenario_steps.cpp).
  void press(const ScenarioStep& step);
  void call(const ScenarioStep& step);
  void choose(const ScenarioStep& step);
  void type(const ScenarioStep& step);
  void key(const ScenarioStep& step);
  void cell(const ScenarioStep& step);
  void select(const ScenarioStep& step);
  void clickPoint(const ScenarioStep& step);
  void doubleClick(const ScenarioStep& step);
  void scroll(const ScenarioStep& step);
  void tick(const ScenarioStep& step);
  void dump(const ScenarioStep& step);

  ScriptedOperator& op_;
  Print print_;
  QString baseDir_;
  QString mainForm_;
  bool mainShown_ = false;
  bool ended_ = false;
  // The forms shown by the modal blocks being run, innermost last (`this`).
  std::vector<QPointer<DialogForm>> shown_;
  // The line of the step being run (innermost), for a failure the operator reports.
  int currentLine_ = 0;
  std::optional<ScenarioOutcome> failure_;
};

}  // namespace kovia
