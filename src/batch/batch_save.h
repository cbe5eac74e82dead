// Saving a batch run's results through the analysis window's own save command, as an
// operator would: every item ticked in the options dialog, each file dialog answered with a
// fixed name in the output folder. The text files are therefore the save command's bytes.
#pragma once

#include <QSize>
#include <QString>
#include <QWidget>
#include <optional>
#include <string>
#include <vector>

namespace kovia {

class Command;
class ScriptedOperator;

// The size of every bitmap the batch program writes.
inline constexpr QSize kBatchBitmapSize{800, 600};

// `folder`/<name> for every name, in order, or the first path that could not be written in
// place (a folder, a read-only file, a folder without write permission): checked before
// anything is written, so that a refused run leaves no partial set of files behind.
struct OutputPaths {
  std::vector<QString> paths;
  std::optional<std::string> refused;
};
OutputPaths outputPaths(const QString& folder, const std::vector<const char*>& names);

// Presses `save` with the answers queued on `op`: in the next form of class `optionsClass`
// shown modally every enabled check box is ticked and its "Guardar" (BitBtn1) pressed; the
// file dialogs that follow are answered with `paths`, in order. The window's charts are
// drawn at kBatchBitmapSize. True when the command ran through and took every answer.
bool saveThroughCommand(ScriptedOperator& op, QWidget& window, Command& save, const QString& optionsClass,
                        const std::vector<QString>& paths);

}  // namespace kovia
