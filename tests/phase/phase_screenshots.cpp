// Pictures of the phase window for the documentation: the bundled example in degrees
// (nominal frequency 10 000 000 Hz, tau 60 s, order 2, White Frequency bounds), one picture
// per page, written to docs/screenshots/phase_<page>.png, and its two dialogs
// (phase_nominal_dialog.png, phase_append_question.png).
//
//   phase_screenshots [FOLDER]        (default: the source tree's docs/screenshots)
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <cstdio>
#include <utility>

#include "phase/Agr_dat_kovia.h"
#include "phase/Fase_kovia.h"
#include "phase/Frecnomf_kovia.h"
#include "phase/phase_window_state.h"
#include "platform/qt_operator.h"
#include "platform/regional_settings.h"
#include "platform/resources.h"
#include "platform/scripted_operator.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  kovia::installSpanishTranslations(app);
  kovia::installPlatformLook(app);
  kovia::initKoviaResources();
  kovia::setDecimalSeparator('.');
  const QString folder =
      argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(KOVIA_SOURCE_DIR "/docs/screenshots");
  QDir().mkpath(folder);

  kovia::ScriptedOperator op;
  op.setSink([](kovia::ScriptedOperator::MessageKind, const QString& text) {
    std::fprintf(stderr, "%s\n", text.toUtf8().constData());
  });
  kovia::OperatorScope scope(op);

  kovia::TForm1 window;
  kovia::Form1 = &window;
  window.setWindowState(Qt::WindowNoState);
  window.resize(1280, 800);
  window.show();

  op.queueOpen(QStringLiteral(KOVIA_SOURCE_DIR "/examples/fase_grados.txt"), 1);
  op.queueModal(QStringLiteral("TForm5"), [](kovia::DialogForm& form) {
    auto& dialog = static_cast<kovia::TForm5&>(form);
    dialog.Edit1->userType(QStringLiteral("10000000"));
    dialog.Edit1->userKeyDown(kovia::keys::kReturn);
    dialog.Edit2->userType(QStringLiteral("60"));
    dialog.Edit2->userKeyDown(kovia::keys::kReturn);
  });
  bool ok = window.openCommand->pressButton();
  ok = ok && window.RadioGroup1->userChoose(0) && window.BitBtn4->userClick();
  ok = ok && window.Edit8->userType(QStringLiteral("2")) && window.BitBtn16->userClick();
  ok =
      ok && window.BitBtn15->userClick() && window.BitBtn12->userClick() && window.RadioGroup2->userChoose(2);
  if (!ok) {
    std::fputs("el ejemplo no pasó por la ventana\n", stderr);
    return 1;
  }
  for (int page = 0; page < window.PageControlph->pageCount(); ++page) {
    window.PageControlph->setActivePageIndex(page);
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
    const QString path = QDir(folder).filePath(QStringLiteral("phase_%1.png").arg(page));
    if (!window.grab().save(path)) {
      std::fprintf(stderr, "no se puede escribir %s\n", path.toLocal8Bit().constData());
      return 1;
    }
    std::printf("%s\n", path.toLocal8Bit().constData());
  }

  // The dialogs as the operator meets them: the nominal frequency typed, tau being typed.
  kovia::TForm5 nominal;
  nominal.Edit1->userType(QStringLiteral("10000000"));
  nominal.Edit1->userKeyDown(kovia::keys::kReturn);
  nominal.Edit2->userType(QStringLiteral("60"));
  kovia::TForm16 question;
  const std::pair<QWidget*, const char*> dialogs[] = {{&nominal, "phase_nominal_dialog.png"},
                                                      {&question, "phase_append_question.png"}};
  for (const auto& [dialog, name] : dialogs) {
    dialog->show();
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
    const QString path = QDir(folder).filePath(QString::fromLatin1(name));
    if (!dialog->grab().save(path)) {
      std::fprintf(stderr, "no se puede escribir %s\n", path.toLocal8Bit().constData());
      return 1;
    }
    std::printf("%s\n", path.toLocal8Bit().constData());
  }
  return 0;
}
