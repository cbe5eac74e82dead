#include "batch/batch_save.h"

#include <QDir>

#include "core/text_file.h"
#include "output/save_command.h"
#include "platform/chart/chart.h"
#include "platform/choice_controls.h"
#include "platform/command.h"
#include "platform/form.h"
#include "platform/misc_controls.h"
#include "platform/scripted_operator.h"

namespace kovia {

OutputPaths outputPaths(const QString& folder, const std::vector<const char*>& names) {
  OutputPaths out;
  for (const char* name : names) {
    const QString path = QDir(folder).filePath(QString::fromUtf8(name));
    if (!canWriteInPlace(filePath(path))) {
      out.refused = filePath(path);
      return out;
    }
    out.paths.push_back(path);
  }
  return out;
}

bool saveThroughCommand(ScriptedOperator& op, QWidget& window, Command& save, const QString& optionsClass,
                        const std::vector<QString>& paths) {
  for (Chart* chart : window.findChildren<Chart*>()) chart->setBitmapSize(kBatchBitmapSize);
  op.queueModal(optionsClass, [](DialogForm& form) {
    for (CheckBox* box : form.findChildren<CheckBox*>()) box->userTick(true);
    if (auto* confirm = form.findChild<BitBtn*>(QStringLiteral("BitBtn1"))) confirm->userClick();
  });
  for (const QString& path : paths) op.queueSave(path);
  return save.pressButton() && op.unusedAnswers().isEmpty();
}

}  // namespace kovia
