// Start-up: the splash and its delay, the forms in their fixed order, the message loop ended by
// the main window, and the start-up failure handler.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTimer>
#include <stdexcept>

#include "platform/scripted_operator.h"
#include "shell/Inicio_kovia.h"
#include "shell/Splash_kovia.h"
#include "shell/shell_commands.h"

namespace kovia {
namespace {

class StartupTest : public ::testing::Test {
 protected:
  StartupTest() : scope_(op_) {}
  ~StartupTest() override { destroyApplicationForms(); }
  QStringList errors() const { return op_.texts(ScriptedOperator::MessageKind::Error); }

  ScriptedOperator op_;
  OperatorScope scope_;
};

QStringList objectNames(const QList<QWidget*>& forms) {
  QStringList names;
  for (const QWidget* form : forms) names << form->objectName();
  return names;
}

TEST_F(StartupTest, CreatesTheFormsInTheirFixedOrderWithTheMainFormFirst) {
  TFormMain* mainForm = startKovia({.showSplash = false});

  // The splash before all others; then the main form, so that it is the main form.
  const QStringList expected = {
      QStringLiteral("Form12"), QStringLiteral("FormMain"), QStringLiteral("Form2"),
      QStringLiteral("Form1"),  QStringLiteral("Form3"),    QStringLiteral("Form4"),
      QStringLiteral("Form5"),  QStringLiteral("Form6"),    QStringLiteral("Form7"),
      QStringLiteral("Form9"),  QStringLiteral("Form10"),   QStringLiteral("Form11"),
      QStringLiteral("Form13"), QStringLiteral("Form8"),    QStringLiteral("Form14"),
      QStringLiteral("Form15"), QStringLiteral("Form16"),   QStringLiteral("Form17"),
      QStringLiteral("Form18")};
  const QList<QWidget*> forms = applicationForms();
  EXPECT_EQ(objectNames(forms), expected);
  for (QWidget* form : forms) {
    EXPECT_EQ(FormRegistry::find(form->objectName()), form) << form->objectName().toStdString();
  }

  ASSERT_EQ(mainForm, FormMain.get());
  EXPECT_TRUE(mainForm->isVisible());
  EXPECT_FALSE(Form12->isVisible());  // hidden, but kept until the program ends
  for (QWidget* form : forms) {
    if (form != mainForm) {
      EXPECT_FALSE(form->isVisible()) << form->objectName().toStdString();
    }
  }
  EXPECT_EQ(QCoreApplication::applicationName(), QStringLiteral("Kovia"));
  EXPECT_TRUE(QFileInfo(applicationHelpFile()).isFile()) << applicationHelpFile().toStdString();
  EXPECT_TRUE(applicationHelpFile().endsWith(QStringLiteral("help/kovia.html")));
}

TEST_F(StartupTest, TheSplashIsOnScreenForTheWholeDelayBeforeAnyOtherForm) {
  bool splashShown = false;
  bool mainFormExisted = true;
  // A timer fires inside the delay: window-system and timer events are processed there.
  QTimer::singleShot(100, [&] {
    splashShown = Form12 != nullptr && Form12->isVisible();
    mainFormExisted = FormMain != nullptr;
  });
  QElapsedTimer clock;
  clock.start();
  startKovia({.showSplash = true, .splashDelayMs = 300});
  EXPECT_GE(clock.elapsed(), 300);
  EXPECT_TRUE(splashShown);
  EXPECT_FALSE(mainFormExisted);
  EXPECT_FALSE(Form12->isVisible());
  EXPECT_TRUE(FormMain->isVisible());
}

TEST_F(StartupTest, TheMessageLoopEndsWhenTheMainWindowCloses) {
  TFormMain* mainForm = startKovia({.showSplash = false});
  bool pressed = false;
  QTimer::singleShot(0, [&] { pressed = mainForm->BitBtn3->userClick(); });
  // Should "&Salir" fail to end the loop, this ends it and the test fails instead of hanging.
  bool timedOut = false;
  QTimer guard;
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, [&] {
    timedOut = true;
    QCoreApplication::quit();
  });
  guard.start(5000);
  runMessageLoop(*mainForm);
  EXPECT_TRUE(pressed);
  EXPECT_FALSE(timedOut);
  EXPECT_FALSE(mainForm->isVisible());
}

TEST_F(StartupTest, AFailureIsShownInTheErrorBoxAndTheProgramReturnsZero) {
  struct Case {
    const char* what;
    std::function<void()> fail;
    QString shown;
  };
  const Case cases[] = {
      {"std::exception", [] { throw std::runtime_error("Cannot create file C:\\kovia.txt"); },
       QStringLiteral("Cannot create file C:\\kovia.txt")},
      {"Spanish message", [] { throw std::runtime_error("No se puede abrir el archivo especificado"); },
       QStringLiteral("No se puede abrir el archivo especificado")},
      {"anything else", [] { throw 42; }, QString()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    op_.clearRecorded();
    // The failure comes while the splash is still on screen: it must not hide the box.
    const int status = runStartupGuarded([&] {
      startKovia({.showSplash = true, .splashDelayMs = 0});
      Form12->show();
      c.fail();
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(errors(), QStringList{c.shown});
    EXPECT_FALSE(Form12->isVisible());
    destroyApplicationForms();
  }
}

TEST_F(StartupTest, AStartupThatSucceedsShowsNoErrorBox) {
  const int status = runStartupGuarded([] { startKovia({.showSplash = false}); });
  EXPECT_EQ(status, 0);
  EXPECT_TRUE(op_.recorded().empty());
  EXPECT_TRUE(FormMain->isVisible());
}

}  // namespace
}  // namespace kovia
