#include "platform/qt_operator.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFont>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QStyleFactory>
#include <QTranslator>
#include <cstdio>

#include "platform/form.h"
#include "platform/help_viewer.h"

namespace kovia {

namespace {

QWidget* dialogParent() { return QApplication::activeWindow(); }

// Without a screen (the offscreen platform) no operator can see a dialog: asking for
// one would wait forever, so it fails loudly instead, and boxes go to standard error.
bool headless() { return QGuiApplication::platformName() == QStringLiteral("offscreen"); }

void refuseHeadless(DialogKind kind, const QString& detail) {
  if (headless()) throw UnexpectedDialog(kind, ("sin pantalla: " + detail).toStdString());
}

QString boxTitle() {
  const QString name = QApplication::applicationDisplayName();
  return name.isEmpty() ? QStringLiteral("Kovia") : name;
}

}  // namespace

QStringList qtNameFilters(const QString& filter) {
  QStringList result;
  const QStringList parts = filter.split(QLatin1Char('|'));
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString patterns = parts[i + 1];
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    result << QStringLiteral("%1 (%2)").arg(parts[i], patterns);
  }
  return result;
}

int QtOperator::showModal(DialogForm& form) {
  refuseHeadless(DialogKind::Modal, form.windowTitle());
  return form.execModal();
}

std::optional<OpenAnswer> QtOperator::openFile(const OpenRequest& request) {
  refuseHeadless(DialogKind::Open, request.title);
  QFileDialog dialog(dialogParent(), request.title.isEmpty() ? QStringLiteral("Abrir") : request.title,
                     request.initialDir);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  const QStringList filters = qtNameFilters(request.filter);
  if (!filters.isEmpty()) {
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.value(std::max(0, request.filterIndex - 1), filters.front()));
  }
  if (!request.fileName.isEmpty()) dialog.selectFile(request.fileName);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  const int index = static_cast<int>(filters.indexOf(dialog.selectedNameFilter()));
  return OpenAnswer{dialog.selectedFiles().front(), index < 0 ? request.filterIndex : index + 1};
}

std::optional<QString> QtOperator::saveFile(const SaveRequest& request) {
  refuseHeadless(DialogKind::Save, request.title);
  QFileDialog dialog(dialogParent(), request.title.isEmpty() ? QStringLiteral("Guardar como") : request.title,
                     request.initialDir);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  // The windows replace an existing file without asking.
  dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
  dialog.setDefaultSuffix(request.defaultExt);
  const QStringList filters = qtNameFilters(request.filter);
  if (!filters.isEmpty()) {
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.value(std::max(0, request.filterIndex - 1), filters.front()));
  }
  if (!request.fileName.isEmpty()) dialog.selectFile(request.fileName);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().front();
}

std::optional<Color> QtOperator::chooseColor(Color initial) {
  refuseHeadless(DialogKind::ChooseColor, QString());
  const QColor chosen = QColorDialog::getColor(QColor(redOf(initial), greenOf(initial), blueOf(initial)),
                                               dialogParent(), QStringLiteral("Color"));
  if (!chosen.isValid()) return std::nullopt;
  return makeColor(static_cast<std::uint8_t>(chosen.red()), static_cast<std::uint8_t>(chosen.green()),
                   static_cast<std::uint8_t>(chosen.blue()));
}

bool QtOperator::printerSetup(QPrinter& printer) {
  refuseHeadless(DialogKind::PrinterSetup, QString());
  QPrintDialog dialog(&printer, dialogParent());
  dialog.setWindowTitle(QStringLiteral("Configurar impresión"));
  return dialog.exec() == QDialog::Accepted;
}

void QtOperator::message(const QString& text) {
  if (headless()) {
    std::fprintf(stderr, "%s\n", text.toUtf8().constData());
    return;
  }
  QMessageBox box(QMessageBox::NoIcon, boxTitle(), text, QMessageBox::Ok, dialogParent());
  box.exec();
}

void QtOperator::errorBox(const QString& text) {
  if (headless()) {
    std::fprintf(stderr, "Error: %s\n", text.toUtf8().constData());
    return;
  }
  QMessageBox box(QMessageBox::Critical, boxTitle(), text, QMessageBox::Ok, dialogParent());
  box.exec();
}

void QtOperator::helpTopics(const QString& helpFile) {
  if (headless()) return;  // a window nobody can see
  if (help_.isNull()) help_ = new HelpViewer();
  help_->openFile(helpFile);
  help_->show();
  help_->raise();
  help_->activateWindow();
}

bool installSpanishTranslations(QApplication& app) {
  auto* translator = new QTranslator(&app);
  if (!translator->load(QStringLiteral("qtbase_es"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return false;
  }
  return QApplication::installTranslator(translator);
}

void installPlatformLook(QApplication& app) {
  if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) app.setStyle(fusion);
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPointSize(9);
  QApplication::setFont(font);
}

}  // namespace kovia
