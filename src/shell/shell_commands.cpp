#include "shell/shell_commands.h"

#include <memory>

#include "platform/seam.h"
#include "shell/Acerca_de_kovia.h"

namespace kovia {

namespace {
QString& helpFileSetting() {
  static QString path;
  return path;
}
}  // namespace

void showAboutBox() {
  // Destroyed when the modal showing ends, also when the showing fails.
  auto box = std::make_unique<TForm3>(nullptr);
  Form3 = box.get();
  box->ShowModal();
}

void showHelpTopics() {
  currentOperator().helpTopics(applicationHelpFile());
}

QString applicationHelpFile() {
  return helpFileSetting();
}

void setApplicationHelpFile(const QString& path) {
  helpFileSetting() = path;
}

}  // namespace kovia
