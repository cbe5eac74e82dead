#include "platform/file_dialogs.h"

#include <QFileInfo>

#include "platform/seam.h"

namespace kovia {

QString withDefaultExtension(const QString& path, const QString& ext) {
  if (ext.isEmpty() || path.isEmpty()) return path;
  const QString name = QFileInfo(path).fileName();
  if (name.isEmpty() || name.contains(QLatin1Char('.'))) return path;
  return path + QLatin1Char('.') + ext;
}

OpenDialog::OpenDialog(QObject* parent, const QString& name) : QObject(parent) {
  if (!name.isEmpty()) setObjectName(name);
}

bool OpenDialog::Execute() {
  const std::optional<OpenAnswer> answer =
      currentOperator().openFile(OpenRequest{title_, filter_, filterIndex_, fileName_, initialDir_});
  if (!answer) return false;
  fileName_ = answer->path;
  filterIndex_ = answer->filterIndex;
  return true;
}

SaveDialog::SaveDialog(QObject* parent, const QString& name) : QObject(parent) {
  if (!name.isEmpty()) setObjectName(name);
}

bool SaveDialog::Execute() {
  const std::optional<QString> path =
      currentOperator().saveFile(SaveRequest{title_, filter_, filterIndex_, defaultExt_, fileName_, initialDir_});
  if (!path) return false;
  fileName_ = withDefaultExtension(*path, defaultExt_);
  return true;
}

}  // namespace kovia
