// Opening the analysis windows from the main window: every press gives a new window that
// starts as designed, whatever the earlier ones show.
#include <gtest/gtest.h>

#include <QAction>
#include <QMap>
#include <QToolButton>

#include "frequency/Frecuencia_kovia.h"
#include "phase/Fase_kovia.h"
#include "platform/scripted_operator.h"
#include "shell/Inicio_kovia.h"
#include "shell/shell_commands.h"

namespace kovia {
namespace {

class AnalysisWindowsTest : public ::testing::Test {
 protected:
  AnalysisWindowsTest() : scope_(op_) { mainForm_ = startKovia({.showSplash = false}); }
  ~AnalysisWindowsTest() override { destroyApplicationForms(); }

  ScriptedOperator op_;
  OperatorScope scope_;
  TFormMain* mainForm_ = nullptr;
};

// Enabled state of every tool button or every menu item of a window, by name.
template <class T>
QMap<QString, bool> enabledStates(const QWidget& form) {
  QMap<QString, bool> states;
  for (const T* item : form.findChildren<T*>()) {
    if (!item->objectName().isEmpty()) states.insert(item->objectName(), item->isEnabled());
  }
  return states;
}

TEST_F(AnalysisWindowsTest, EachFrequencyWindowStartsWithOnlyTheLoadButtonOpen) {
  TForm2* startupWindow = Form2;
  ASSERT_NE(startupWindow, nullptr);
  ASSERT_TRUE(mainForm_->BitBtn1->userClick());
  TForm2* first = Form2;
  ASSERT_NE(first, startupWindow);
  EXPECT_TRUE(first->isVisible());

  // The operator's work in the first window changes its buttons.
  first->SpeedButton3->setEnabled(false);
  for (QToolButton* b : {first->SpeedButton4, first->SpeedButton2, first->SpeedButton14}) b->setEnabled(true);
  const QMap<QString, bool> firstButtons = enabledStates<QToolButton>(*first);

  ASSERT_TRUE(mainForm_->BitBtn1->userClick());
  TForm2* second = Form2;
  ASSERT_NE(second, first);
  EXPECT_EQ(FormRegistry::find(QStringLiteral("Form2")), second);
  // Earlier instances are neither freed nor changed.
  EXPECT_TRUE(first->isVisible());
  EXPECT_FALSE(startupWindow->isVisible());
  EXPECT_EQ(enabledStates<QToolButton>(*first), firstButtons);
  EXPECT_TRUE(second->isVisible());

  EXPECT_TRUE(second->SpeedButton3->isEnabled());
  for (QToolButton* b :
       {second->SpeedButton4, second->SpeedButton5, second->SpeedButton15, second->SpeedButton2,
        second->SpeedButton10, second->SpeedButton8, second->SpeedButton7, second->SpeedButton11,
        second->SpeedButton12, second->SpeedButton13, second->SpeedButton1, second->SpeedButton14}) {
    EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();
  }
  // The buttons the handler does not list, and every menu item, keep their designed states.
  TForm2 designed;
  QMap<QString, bool> expectedButtons = enabledStates<QToolButton>(designed);
  for (const char* listed :
       {"SpeedButton4", "SpeedButton5", "SpeedButton15", "SpeedButton2", "SpeedButton10", "SpeedButton8",
        "SpeedButton7", "SpeedButton11", "SpeedButton12", "SpeedButton13", "SpeedButton1", "SpeedButton14"}) {
    expectedButtons[QString::fromLatin1(listed)] = false;
  }
  expectedButtons[QStringLiteral("SpeedButton3")] = true;
  EXPECT_EQ(enabledStates<QToolButton>(*second), expectedButtons);
  EXPECT_EQ(enabledStates<QAction>(*second), enabledStates<QAction>(designed));

  struct Width {
    StringGrid* grid;
    int col;
    int width;
  };
  for (const Width& w : {Width{second->StringGrid1, 0, 52}, Width{second->StringGrid1, 1, 112},
                         Width{second->StringGrid3, 0, 52}, Width{second->StringGrid3, 1, 112},
                         Width{second->StringGrid4, 0, 42}}) {
    EXPECT_EQ(w.grid->ColWidths(w.col), w.width) << w.grid->objectName().toStdString() << " " << w.col;
  }
}

TEST_F(AnalysisWindowsTest, EachPhaseWindowGetsItsHeaderTextsWithTheirBlanks) {
  ASSERT_TRUE(mainForm_->BitBtn2->userClick());
  TForm1* first = Form1;
  first->StringGrid1->setCell(1, 0, "cambiado");
  ASSERT_TRUE(mainForm_->BitBtn2->userClick());
  TForm1* form = Form1;
  ASSERT_NE(form, first);
  EXPECT_EQ(first->StringGrid1->Cells(1, 0), "cambiado");
  EXPECT_TRUE(first->isVisible());
  EXPECT_TRUE(form->isVisible());

  struct Header {
    StringGrid* grid;
    int col;
    const char* text;
    int width;  // -1: not set by the handler
  };
  const Header headers[] = {
      {form->StringGrid1, 0, "     No  ", 52}, {form->StringGrid1, 1, "       Valor   ", 112},
      {form->StringGrid2, 0, "     No  ", 52}, {form->StringGrid2, 1, "               Valor   ", 112},
      {form->StringGrid7, 0, "     No  ", 50}, {form->StringGrid7, 1, "        Valor   ", -1},
      {form->StringGrid6, 0, "     No  ", 52}, {form->StringGrid6, 1, "        Valor   ", 112},
      {form->StringGrid5, 0, "   Tau", 40},    {form->StringGrid5, 1, "    Avar ", -1},
      {form->StringGrid5, 2, "   Binf  ", -1}, {form->StringGrid5, 3, "   Bsup  ", -1},
  };
  for (const Header& h : headers) {
    SCOPED_TRACE(h.grid->objectName().toStdString() + " " + std::to_string(h.col));
    EXPECT_EQ(h.grid->Cells(h.col, 0), h.text);
    if (h.width >= 0) {
      EXPECT_EQ(h.grid->ColWidths(h.col), h.width);
    }
  }
  // Fifteen blanks before "Valor" and three after it.
  EXPECT_EQ(form->StringGrid2->Cells(1, 0), std::string(15, ' ') + "Valor" + std::string(3, ' '));

  // No button or menu item changes.
  TForm1 designed;
  EXPECT_EQ(enabledStates<QToolButton>(*form), enabledStates<QToolButton>(designed));
  EXPECT_EQ(enabledStates<QAction>(*form), enabledStates<QAction>(designed));
}

}  // namespace
}  // namespace kovia
