// The scripted operator: answers every request of the seam from answers queued in
// advance, as an operator would, with no window waiting for a click.
//
// Answers are queued first-in first-out per kind. A modal answer names the form class
// it is meant for ("TForm4") and holds the steps to run on the form while it is shown;
// it is taken by the next form of that class shown modally. After the steps the form is
// closed as with its close box if it is still open. A request with no queued answer
// throws UnexpectedDialog. Message boxes and error boxes are recorded and passed to the
// sink, never waited on.
#pragma once

#include <QObject>
#include <QStringList>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/seam.h"

namespace kovia {

class ScriptedOperator : public Operator {
 public:
  enum class MessageKind { Message, Error, Help };
  struct Recorded {
    MessageKind kind;
    QString text;
  };
  using ModalSteps = std::function<void(DialogForm&)>;
  using Sink = std::function<void(MessageKind, const QString&)>;

  // Answers. A path answer of the open dialog may carry a filter index (from 1; 0 keeps
  // the index the dialog asked with).
  void queueOpen(const QString& path, int filterIndex = 0);
  void queueOpenCancel();
  void queueSave(const QString& path);
  void queueSaveCancel();
  void queueColor(Color color);
  void queueColorCancel();
  void queueModal(const QString& formClass, ModalSteps steps);
  void queuePrinterSetup(bool accept);

  // Every message and error box is also passed to `sink` (for instance to print it).
  void setSink(Sink sink) { sink_ = std::move(sink); }
  const std::vector<Recorded>& recorded() const { return recorded_; }
  // The texts of the recorded boxes of one kind, in order.
  QStringList texts(MessageKind kind) const;
  void clearRecorded() { recorded_.clear(); }

  // The answers never asked for, one line each ("open /tmp/a.txt", "modal TForm4", ...).
  QStringList unusedAnswers() const;

  // The first script failure the handler guard reported (an UnexpectedDialog), if any.
  std::exception_ptr failure() const { return failure_; }
  void rethrowFailure() const;
  void clearFailure() { failure_ = nullptr; }

  int showModal(DialogForm& form) override;
  std::optional<OpenAnswer> openFile(const OpenRequest& request) override;
  std::optional<QString> saveFile(const SaveRequest& request) override;
  std::optional<Color> chooseColor(Color initial) override;
  bool printerSetup(QPrinter& printer) override;
  void message(const QString& text) override;
  void errorBox(const QString& text) override;
  void helpTopics(const QString& helpFile) override;
  void scriptFailed(std::exception_ptr failure) override;

 private:
  struct Answer {
    bool cancel = false;
    QString path;
    int filterIndex = 0;
    Color color = 0;
  };
  struct Modal {
    QString formClass;
    ModalSteps steps;
  };
  static Answer take(std::deque<Answer>& queue, DialogKind kind, const QString& detail);
  void record(MessageKind kind, const QString& text);

  std::deque<Answer> open_;
  std::deque<Answer> save_;
  std::deque<Answer> color_;
  std::deque<Answer> printer_;
  std::deque<Modal> modal_;
  std::vector<Recorded> recorded_;
  Sink sink_;
  std::exception_ptr failure_;
};

// The class name of a form as the scripts name it ("TForm4"), without any namespace.
QString formClassName(const QObject& form);

}  // namespace kovia
