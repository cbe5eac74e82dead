// The desktop operator: real Qt dialogs and message boxes, in Spanish. On the offscreen
// platform, where nobody could answer, a dialog throws UnexpectedDialog and message and
// error boxes are written to standard error.
#pragma once

#include <QPointer>
#include <QStringList>

#include "platform/seam.h"

class QApplication;

namespace kovia {

class HelpViewer;

class QtOperator : public Operator {
 public:
  int showModal(DialogForm& form) override;
  std::optional<OpenAnswer> openFile(const OpenRequest& request) override;
  std::optional<QString> saveFile(const SaveRequest& request) override;
  std::optional<Color> chooseColor(Color initial) override;
  bool printerSetup(QPrinter& printer) override;
  void message(const QString& text) override;
  void errorBox(const QString& text) override;
  void helpTopics(const QString& helpFile) override;

 private:
  QPointer<HelpViewer> help_;
};

// Loads Qt's own Spanish texts (qtbase_es.qm from Qt's translations folder) into `app`,
// so that the file, colour and print dialogs and the message-box buttons speak Spanish.
// Returns false when the translation file is missing.
bool installSpanishTranslations(QApplication& app);

// The platform look: Fusion style and Liberation Sans (the Arial-metric face) at 9 pt.
void installPlatformLook(QApplication& app);

// Converts the windows' filter notation "Texto|*.txt|Todos|*.*" into Qt name filters
// ("Texto (*.txt)", "Todos (*.*)"); ';' between patterns becomes a blank.
QStringList qtNameFilters(const QString& filter);

}  // namespace kovia
