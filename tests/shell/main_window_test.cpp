// The main window: captions, places and fonts of its buttons, no close box, and its handlers;
// the about box shown modally from it, and the help command.
#include <gtest/gtest.h>

#include "form_layout.h"
#include "platform/scripted_operator.h"
#include "shell/Acerca_de_kovia.h"
#include "shell/Inicio_kovia.h"
#include "shell/shell_commands.h"

namespace kovia {
namespace {

class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest() : scope_(op_) { mainForm_ = startKovia({.showSplash = false}); }
  ~MainWindowTest() override { destroyApplicationForms(); }

  ScriptedOperator op_;
  OperatorScope scope_;
  TFormMain* mainForm_ = nullptr;
};

// The window's client area (the central widget) is what the designed positions refer to.
QRect clientGeometry(const QWidget& control, const TFormMain& form) {
  return QRect(control.mapTo(form.centralWidget(), QPoint(0, 0)), control.size());
}

TEST_F(MainWindowTest, HasItsCaptionNoBorderIconsAndTheFourButtonsAsDesigned) {
  EXPECT_EQ(mainForm_->Caption(), QStringLiteral("Kovia"));
  const Qt::WindowFlags flags = mainForm_->windowFlags();
  EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowCloseButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowSystemMenuHint));
  EXPECT_EQ(mainForm_->palette().color(QPalette::WindowText), QColor(0, 0, 0x80));  // navy

  struct Case {
    BitBtn* button;
    QString caption;
    QRect rect;
    int fontPixels;
  };
  const Case cases[] = {
      {mainForm_->BitBtn1, QStringLiteral("Mediciones de Frecuencia"), {120, 160, 257, 33}, 16},
      {mainForm_->BitBtn2, QStringLiteral("Mediciones de Diferencia de Fase"), {120, 203, 257, 33}, 16},
      {mainForm_->BitBtn4, QStringLiteral("Acerca de ..."), {56, 275, 81, 33}, 11},
      {mainForm_->BitBtn3, QStringLiteral("&Salir"), {360, 275, 81, 33}, 11},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.caption.toStdString());
    EXPECT_EQ(c.button->text(), c.caption);
    EXPECT_EQ(clientGeometry(*c.button, *mainForm_), c.rect);
    EXPECT_EQ(c.button->font().pixelSize(), c.fontPixels);
    EXPECT_EQ(c.button->palette().color(QPalette::ButtonText), QColor(Qt::black));
    EXPECT_TRUE(c.button->isEnabled());
  }
  EXPECT_FALSE(mainForm_->BitBtn3->icon().pixmap(16, 16).isNull());  // the exit picture
  EXPECT_FALSE(mainForm_->Image1->pixmap().isNull());
  EXPECT_FALSE(mainForm_->Image2->pixmap().isNull());
  EXPECT_EQ(kovia::testing::layoutProblems(*mainForm_->centralWidget()), QStringList());
}

TEST_F(MainWindowTest, SalirClosesTheMainWindow) {
  bool closed = false;
  QObject::connect(mainForm_, &TFormMain::mainWindowClosed, [&] { closed = true; });
  EXPECT_TRUE(mainForm_->BitBtn3->userClick());
  EXPECT_TRUE(closed);
  EXPECT_FALSE(mainForm_->isVisible());
}

TEST_F(MainWindowTest, AcercaDeShowsTheAboutBoxModallyAndCerrarClosesIt) {
  bool checked = false;
  op_.queueModal(QStringLiteral("TForm3"), [&](DialogForm& form) {
    auto& box = static_cast<TForm3&>(form);
    EXPECT_EQ(Form3.get(), &box);
    EXPECT_TRUE(box.showingModal());
    EXPECT_EQ(box.Caption(), QStringLiteral("Acerca de Kovia"));
    EXPECT_FALSE(box.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_EQ(box.size(), QSize(558, 360));
    EXPECT_EQ(box.StaticText1->text(), QStringLiteral("Versión:   1.2"));
    EXPECT_EQ(box.StaticText1->pos(), QPoint(349, 60));
    EXPECT_EQ(box.BitBtn1->text(), QStringLiteral("Cerrar"));
    EXPECT_EQ(box.BitBtn1->geometry(), QRect(472, 320, 73, 25));
    for (const QLabel* picture : {box.Image1, box.Image2, box.Image3})
      EXPECT_FALSE(picture->pixmap().isNull());
    EXPECT_EQ(kovia::testing::layoutProblems(box), QStringList());
    EXPECT_TRUE(box.BitBtn1->userClick());
    EXPECT_FALSE(box.isVisible());
    checked = true;
  });
  EXPECT_TRUE(mainForm_->BitBtn4->userClick());
  EXPECT_TRUE(checked);
  EXPECT_TRUE(op_.unusedAnswers().isEmpty());
  EXPECT_EQ(op_.failure(), nullptr);
  EXPECT_EQ(Form3.get(), nullptr);  // destroyed once the modal showing ended
  EXPECT_TRUE(mainForm_->isVisible());
}

TEST_F(MainWindowTest, TheAboutBoxIsDestroyedAlsoWhenItsShowingFails) {
  // No answer queued: the scripted operator refuses the modal showing.
  EXPECT_FALSE(mainForm_->BitBtn4->userClick());
  EXPECT_NE(op_.failure(), nullptr);
  EXPECT_EQ(Form3.get(), nullptr);
}

TEST_F(MainWindowTest, TheHelpCommandOpensTheProgramsHelpFile) {
  showHelpTopics();
  EXPECT_EQ(op_.texts(ScriptedOperator::MessageKind::Help), QStringList{applicationHelpFile()});
}

}  // namespace
}  // namespace kovia
