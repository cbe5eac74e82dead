// The program's start-up, message loop and start-up failure handler.
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPointer>
#include <QThread>
#include <exception>
#include <vector>

#include "charts/Coloravar_kovia.h"
#include "charts/Fuente_kovia.h"
#include "charts/Gradiente_kovia.h"
#include "charts/Vinetasph_kovia.h"
#include "frequency/Frecnom_kovia.h"
#include "frequency/Frecuencia_kovia.h"
#include "output/Guarda_kovia.h"
#include "output/Guardaph_kovia.h"
#include "output/Imprimir_kovia.h"
#include "output/Imprimirph_kovia.h"
#include "output/Pri_cer_fas1_kovia.h"
#include "phase/Agr_dat_kovia.h"
#include "phase/Fase_kovia.h"
#include "phase/Filtro_kovia.h"
#include "phase/Frecnomf_kovia.h"
#include "phase/Tau_ceropha.h"
#include "platform/help_viewer.h"
#include "platform/qt_operator.h"
#include "platform/resources.h"
#include "platform/seam.h"
#include "shell/Acerca_de_kovia.h"
#include "shell/Inicio_kovia.h"
#include "shell/Splash_kovia.h"
#include "shell/shell_commands.h"

namespace kovia {

namespace {

std::vector<QPointer<QWidget>>& ownedForms() {
  static std::vector<QPointer<QWidget>> forms;
  return forms;
}

// Qt's Spanish texts and the platform look, once per application object.
void installLook() {
  static QPointer<QCoreApplication> done;
  auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
  if (app == nullptr || done == app) return;
  done = app;
  installSpanishTranslations(*app);
  installPlatformLook(*app);
  QApplication::setWindowIcon(koviaWindowIcon());
}

// Creates a form owned by the application and stores it in its variable.
template <class T>
T* createForm(FormVar<T>& variable) {
  T* form = new T(nullptr);
  adoptApplicationForm(form);
  variable = form;
  return form;
}

// The splash stays on screen for `ms` of wall-clock time. Paint and window-system events are
// processed meanwhile, the operator's input is not.
void splashDelay(int ms) {
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < ms) {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    QThread::msleep(10);
  }
}

}  // namespace

void adoptApplicationForm(QWidget* form) {
  if (form != nullptr) ownedForms().emplace_back(form);
}

QList<QWidget*> applicationForms() {
  QList<QWidget*> alive;
  for (const QPointer<QWidget>& form : ownedForms()) {
    if (!form.isNull()) alive.append(form.data());
  }
  return alive;
}

void destroyApplicationForms() {
  std::vector<QPointer<QWidget>> forms;
  forms.swap(ownedForms());
  for (auto it = forms.rbegin(); it != forms.rend(); ++it) delete it->data();
}

TFormMain* startKovia(const StartupOptions& options) {
  initKoviaResources();
  installLook();

  TForm12* splash = createForm(Form12);
  if (options.showSplash) {
    splash->show();
    splash->repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    splashDelay(options.splashDelayMs);
  }

  QCoreApplication::setApplicationName(QStringLiteral("Kovia"));
  setApplicationHelpFile(defaultHelpFile());

  // Fixed order; the main window first, so that it is the main form.
  TFormMain* mainForm = createForm(FormMain);
  createForm(Form2);
  createForm(Form1);
  createForm(Form3);
  createForm(Form4);
  createForm(Form5);
  createForm(Form6);
  createForm(Form7);
  createForm(Form9);
  createForm(Form10);
  createForm(Form11);
  createForm(Form13);
  createForm(Form8);
  createForm(Form14);
  createForm(Form15);
  createForm(Form16);
  createForm(Form17);
  createForm(Form18);

  splash->hide();
  // What the message loop does first: the main form goes on screen.
  mainForm->show();
  return mainForm;
}

void runMessageLoop(TFormMain& mainForm) {
  if (!mainForm.isVisible()) return;
  QApplication::setQuitOnLastWindowClosed(false);
  const QMetaObject::Connection ends = QObject::connect(
      &mainForm, &TFormMain::mainWindowClosed, QCoreApplication::instance(), &QCoreApplication::quit);
  QApplication::exec();
  QObject::disconnect(ends);
}

int runStartupGuarded(const std::function<void()>& steps) {
  QString message;
  try {
    steps();
    return 0;
  } catch (const std::exception& e) {
    message = messageText(e.what());
  } catch (...) {
    message.clear();
  }
  if (Form12 != nullptr) Form12->hide();
  try {
    currentOperator().errorBox(message);
  } catch (...) {
    // Nothing is left to report a failure of the error box itself to; the program ends.
  }
  return 0;
}

int runKovia(const StartupOptions& options) {
  return runStartupGuarded([&] { runMessageLoop(*startKovia(options)); });
}

}  // namespace kovia
