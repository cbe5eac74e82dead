#include "batch/scenario_runner.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <charconv>
#include <cstdint>

#include "batch/json_line.h"
#include "platform/form.h"
#include "platform/scripted_operator.h"

namespace kovia {

namespace {

std::string lineText(int line) { return "línea " + std::to_string(line) + ": "; }

}  // namespace

ScenarioStepError::ScenarioStepError(int line, const std::string& message)
    : UnexpectedDialog(DialogKind::Modal, message), line_(line), text_(lineText(line) + message) {}

ScenarioRunner::ScenarioRunner(ScriptedOperator& op, Print print, QString baseDir)
    : op_(op), print_(std::move(print)), baseDir_(std::move(baseDir)) {
  op_.setSink([this](ScriptedOperator::MessageKind kind, const QString& text) {
    // The help-topics finder is a window of its own, not a box that waits for a click.
    if (kind == ScriptedOperator::MessageKind::Help) return;
    print_(JsonObject().add("message", text.toStdString()).str());
  });
}

ScenarioRunner::~ScenarioRunner() { op_.setSink(nullptr); }

ScenarioOutcome ScenarioRunner::run(const std::vector<ScenarioStep>& steps) {
  failure_.reset();
  try {
    runSteps(steps);
  } catch (const ScenarioStepError& e) {
    if (!failure_) failure_ = ScenarioOutcome{scenario_status::kMalformed, e.what()};
  } catch (const UnexpectedDialog& e) {
    if (!failure_) failure_ = ScenarioOutcome{scenario_status::kUnanswered, lineText(currentLine_) + e.what()};
  }
  if (failure_) return *failure_;
  const QStringList unused = op_.unusedAnswers();
  if (!unused.isEmpty()) {
    return {scenario_status::kUnanswered,
            "respuestas que ningún diálogo pidió: " + unused.join(QStringLiteral("; ")).toStdString()};
  }
  return {};
}

void ScenarioRunner::runSteps(const std::vector<ScenarioStep>& steps) {
  for (const ScenarioStep& step : steps) {
    currentLine_ = step.line;
    if (programEnded()) fail(step, "el programa ya terminó: la ventana principal se cerró");
    processPendingEvents();
    runStep(step);
    currentLine_ = step.line;
    stopOnFailure();
  }
}

void ScenarioRunner::runStep(const ScenarioStep& step) {
  const std::string& v = step.verb;
  if (v == "press") {
    press(step);
  } else if (v == "call") {
    call(step);
  } else if (v == "choose") {
    choose(step);
  } else if (v == "type") {
    type(step);
  } else if (v == "key") {
    key(step);
  } else if (v == "cell") {
    cell(step);
  } else if (v == "select") {
    select(step);
  } else if (v == "clickpoint") {
    clickPoint(step);
  } else if (v == "dblclick") {
    doubleClick(step);
  } else if (v == "scroll") {
    scroll(step);
  } else if (v == "tick") {
    tick(step);
  } else if (v == "dump") {
    dump(step);
  } else if (v == "open" || v == "save" || v == "color" || v == "modal") {
    queueAnswer(step);
  } else {
    fail(step, "paso desconocido: " + v);
  }
}

void ScenarioRunner::runModalBody(const std::vector<ScenarioStep>& body, DialogForm& form) {
  struct Shown {
    std::vector<QPointer<DialogForm>>& forms;
    ~Shown() { forms.pop_back(); }
  } shown{shown_};
  shown_.emplace_back(&form);
  runSteps(body);
}

void ScenarioRunner::fail(const ScenarioStep& step, const std::string& message) {
  ScenarioStepError error(step.line, message);
  if (!failure_) failure_ = ScenarioOutcome{scenario_status::kMalformed, error.what()};
  throw error;
}

void ScenarioRunner::stopOnFailure() {
  // The handler guard hands a failure of the script to the operator and lets the step end
  // normally; from here on nothing more may run.
  if (const std::exception_ptr failure = op_.failure()) {
    if (!failure_) {
      try {
        std::rethrow_exception(failure);
      } catch (const ScenarioStepError& e) {
        failure_ = ScenarioOutcome{scenario_status::kMalformed, e.what()};
      } catch (const std::exception& e) {
        failure_ = ScenarioOutcome{scenario_status::kUnanswered, lineText(currentLine_) + e.what()};
      }
    }
    std::rethrow_exception(failure);
  }
  if (failure_) throw ScenarioStepError(currentLine_, failure_->error);
}

void ScenarioRunner::processPendingEvents() {
  QCoreApplication::sendPostedEvents();
  QCoreApplication::processEvents();
  // Deferred deletions only between top-level steps: inside a modal block the handler that
  // showed the dialog is still running and may hold the objects.
  if (shown_.empty()) QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

bool ScenarioRunner::programEnded() {
  if (ended_ || mainForm_.isEmpty()) return ended_;
  const QWidget* main = FormRegistry::find(mainForm_);
  if (main != nullptr && main->isVisible()) {
    mainShown_ = true;
  } else if (mainShown_) {
    ended_ = true;
  }
  return ended_;
}

QString ScenarioRunner::answerPath(const std::string& path) const {
  const QString written = QString::fromStdString(path);
  if (QDir::isAbsolutePath(written)) return written;
  return QDir::cleanPath(QDir(baseDir_).absoluteFilePath(written));
}

void ScenarioRunner::queueAnswer(const ScenarioStep& step) {
  const std::string& v = step.verb;
  const std::string& first = step.args.at(0);
  if (v == "open") {
    if (first == "cancel") {
      op_.queueOpenCancel();
    } else {
      int filterIndex = 0;
      if (step.args.size() == 2) {
        const std::string& text = step.args[1];
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), filterIndex);
        if (error != std::errc() || end != text.data() + text.size()) fail(step, "filtro fuera de rango: " + text);
      }
      op_.queueOpen(answerPath(first), filterIndex);
    }
  } else if (v == "save") {
    if (first == "cancel") {
      op_.queueSaveCancel();
    } else {
      op_.queueSave(answerPath(first));
    }
  } else if (v == "color") {
    if (first == "cancel") {
      op_.queueColorCancel();
    } else {
      std::uint32_t value = 0;
      std::from_chars(first.data() + 2, first.data() + first.size(), value, 16);
      op_.queueColor(value);
    }
  } else {
    op_.queueModal(QString::fromStdString(first),
                   [this, body = step.body](DialogForm& form) { runModalBody(body, form); });
  }
}

}  // namespace kovia
