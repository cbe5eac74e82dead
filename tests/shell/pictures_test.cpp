// The shell's windows as pictures: the splash and the main window show their pictures, and the
// help window shows the help file's topics. With KOVIA_SCREENSHOT_DIR set, the pictures are
// also saved there for the documentation (splash.png, main_window.png, about.png, help.png).
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>

#include "doc_pictures.h"
#include "platform/help_viewer.h"
#include "platform/scripted_operator.h"
#include "shell/Acerca_de_kovia.h"
#include "shell/Inicio_kovia.h"
#include "shell/Splash_kovia.h"
#include "shell/shell_commands.h"

namespace kovia {
namespace {

using kovia::testing::saveForDocs;

QImage shownPicture(QWidget& window) {
  window.show();
  QApplication::processEvents();
  return window.grab().toImage();
}

TEST(ShellPictures, SplashMainWindowAboutBoxAndHelpShowTheirContent) {
  ScriptedOperator op;
  OperatorScope scope(op);
  TFormMain* mainForm = startKovia({.showSplash = false});

  // The splash picture fills the window: dark blue behind the program's name.
  const QImage splash = shownPicture(*Form12);
  EXPECT_EQ(splash.size() / splash.devicePixelRatio(), QSize(500, 333));
  const QColor corner = splash.pixelColor(4, 4);
  EXPECT_LT(corner.lightness(), 80);
  EXPECT_GT(corner.blue(), corner.red());
  saveForDocs(*Form12, "splash.png");
  Form12->hide();

  // The logo on the identification panel is drawn (not the panel's grey).
  const QImage mainPicture = shownPicture(*mainForm);
  const QPoint logoCentre =
      mainForm->Image1->mapTo(mainForm, QPoint(48, 48)) * mainPicture.devicePixelRatio();
  EXPECT_NE(mainPicture.pixelColor(logoCentre), mainForm->palette().color(QPalette::Window));
  saveForDocs(*mainForm, "main_window.png");

  TForm3 about;
  shownPicture(about);
  saveForDocs(about, "about.png");
  about.hide();

  HelpViewer help;
  ASSERT_TRUE(help.openFile(applicationHelpFile()));
  EXPECT_GE(help.topics().size(), 5);
  help.resize(860, 600);
  shownPicture(help);
  saveForDocs(help, "help.png");
  destroyApplicationForms();
}

}  // namespace
}  // namespace kovia
