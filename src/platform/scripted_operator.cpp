#include "platform/scripted_operator.h"

#include <algorithm>

#include "platform/form.h"

namespace kovia {

QString formClassName(const QObject& form) {
  const QString name = QString::fromLatin1(form.metaObject()->className());
  return name.mid(name.lastIndexOf(QLatin1Char(':')) + 1);
}

void ScriptedOperator::queueOpen(const QString& path, int filterIndex) {
  open_.push_back({false, path, filterIndex, 0});
}
void ScriptedOperator::queueOpenCancel() { open_.push_back({true, {}, 0, 0}); }
void ScriptedOperator::queueSave(const QString& path) { save_.push_back({false, path, 0, 0}); }
void ScriptedOperator::queueSaveCancel() { save_.push_back({true, {}, 0, 0}); }
void ScriptedOperator::queueColor(Color color) { color_.push_back({false, {}, 0, color}); }
void ScriptedOperator::queueColorCancel() { color_.push_back({true, {}, 0, 0}); }
void ScriptedOperator::queuePrinterSetup(bool accept) { printer_.push_back({!accept, {}, 0, 0}); }

void ScriptedOperator::queueModal(const QString& formClass, ModalSteps steps) {
  modal_.push_back({formClass, std::move(steps)});
}

ScriptedOperator::Answer ScriptedOperator::take(std::deque<Answer>& queue, DialogKind kind,
                                                const QString& detail) {
  if (queue.empty()) throw UnexpectedDialog(kind, detail.toStdString());
  Answer answer = queue.front();
  queue.pop_front();
  return answer;
}

int ScriptedOperator::showModal(DialogForm& form) {
  const QString cls = formClassName(form);
  const auto it = std::find_if(modal_.begin(), modal_.end(), [&](const Modal& m) { return m.formClass == cls; });
  if (it == modal_.end()) throw UnexpectedDialog(DialogKind::Modal, cls.toStdString());
  ModalSteps steps = std::move(it->steps);
  modal_.erase(it);
  form.beginScriptedModal();
  try {
    if (steps) steps(form);
  } catch (...) {
    form.finishScriptedModal();
    throw;
  }
  return form.finishScriptedModal();
}

std::optional<OpenAnswer> ScriptedOperator::openFile(const OpenRequest& request) {
  const Answer a = take(open_, DialogKind::Open, request.title);
  if (a.cancel) return std::nullopt;
  return OpenAnswer{a.path, a.filterIndex > 0 ? a.filterIndex : request.filterIndex};
}

std::optional<QString> ScriptedOperator::saveFile(const SaveRequest& request) {
  const Answer a = take(save_, DialogKind::Save, request.title);
  if (a.cancel) return std::nullopt;
  return a.path;
}

std::optional<Color> ScriptedOperator::chooseColor(Color) {
  const Answer a = take(color_, DialogKind::ChooseColor, QString());
  if (a.cancel) return std::nullopt;
  return a.color;
}

bool ScriptedOperator::printerSetup(QPrinter&) {
  return !take(printer_, DialogKind::PrinterSetup, QString()).cancel;
}

void ScriptedOperator::record(MessageKind kind, const QString& text) {
  recorded_.push_back({kind, text});
  if (sink_) sink_(kind, text);
}

void ScriptedOperator::message(const QString& text) { record(MessageKind::Message, text); }
void ScriptedOperator::errorBox(const QString& text) { record(MessageKind::Error, text); }
void ScriptedOperator::helpTopics(const QString& helpFile) { record(MessageKind::Help, helpFile); }

void ScriptedOperator::scriptFailed(std::exception_ptr failure) {
  if (!failure_) failure_ = failure;
}

void ScriptedOperator::rethrowFailure() const {
  if (failure_) std::rethrow_exception(failure_);
}

QStringList ScriptedOperator::texts(MessageKind kind) const {
  QStringList result;
  for (const Recorded& r : recorded_) {
    if (r.kind == kind) result << r.text;
  }
  return result;
}

QStringList ScriptedOperator::unusedAnswers() const {
  QStringList result;
  for (const Modal& m : modal_) result << QStringLiteral("modal ") + m.formClass;
  for (const Answer& a : open_) result << QStringLiteral("open ") + (a.cancel ? QStringLiteral("cancel") : a.path);
  for (const Answer& a : save_) result << QStringLiteral("save ") + (a.cancel ? QStringLiteral("cancel") : a.path);
  for (const Answer& a : color_) {
    result << QStringLiteral("color ") +
                  (a.cancel ? QStringLiteral("cancel")
                            : QStringLiteral("0x") + QStringLiteral("%1").arg(a.color, 8, 16, QLatin1Char('0')).toUpper());
  }
  for (const Answer& a : printer_) {
    result << QStringLiteral("printer ") + (a.cancel ? QStringLiteral("cancel") : QStringLiteral("ok"));
  }
  return result;
}

}  // namespace kovia
