// The dialog seam with the scripted operator, the open/save dialog objects, and the
// handler guard.
#include "platform/seam.h"

#include <gtest/gtest.h>

#include <QObject>
#include <stdexcept>

#include "core/number_text.h"
#include "platform/edit_controls.h"
#include "platform/choice_controls.h"
#include "platform/file_dialogs.h"
#include "platform/form.h"
#include "platform/handler_guard.h"
#include "platform/misc_controls.h"
#include "platform/scripted_operator.h"
#include "platform/string_grid.h"

namespace kovia {

// A nominal-frequency-like dialog: Enter in its field stores the value and closes it.
class TProbeDialog : public DialogForm {
  Q_OBJECT

 public:
  explicit TProbeDialog(QWidget* owner = nullptr) : DialogForm(owner), Edit1(new Edit(this, QStringLiteral("Edit1"))) {
    connectHandler(Edit1, &Edit::OnKeyDown, this, &TProbeDialog::Edit1OnKeyDown);
  }
  Edit* Edit1;
  long double value = 0;

 public slots:
  void Edit1OnKeyDown(QObject*, KeyCode& key, ShiftState) {
    if (key != keys::kReturn) return;
    Edit1->setReadOnly(true);
    value = textToFloat(Edit1->Text(), '.');
    Close();
  }
};

class TOtherDialog : public DialogForm {
  Q_OBJECT

 public:
  using DialogForm::DialogForm;
};

namespace {

class SeamTest : public ::testing::Test {
 protected:
  SeamTest() : scope_(op_) {}
  QStringList errors() const { return op_.texts(ScriptedOperator::MessageKind::Error); }
  ScriptedOperator op_;
  OperatorScope scope_;
};

TEST_F(SeamTest, AnswersFileDialogsInOrderPerKind) {
  op_.queueOpen(QStringLiteral("/datos/a.txt"));
  op_.queueSave(QStringLiteral("/salida/reporte"));
  op_.queueOpen(QStringLiteral("/datos/b.0"), 2);
  op_.queueSave(QStringLiteral("/salida/allan.txt"));
  op_.queueSaveCancel();

  OpenDialog open(nullptr, QStringLiteral("OpenDialog1"));
  open.setFilter(QStringLiteral("Texto|*.txt;*.dat|hora|*.0;*.1"));
  ASSERT_TRUE(open.Execute());
  EXPECT_EQ(open.FileName(), QStringLiteral("/datos/a.txt"));
  EXPECT_EQ(open.FilterIndex(), 1);
  ASSERT_TRUE(open.Execute());
  EXPECT_EQ(open.FileName(), QStringLiteral("/datos/b.0"));
  EXPECT_EQ(open.FilterIndex(), 2);

  SaveDialog save(nullptr, QStringLiteral("SaveDialog1"));
  save.setFilter(QStringLiteral("Texto|*.txt"));
  save.setDefaultExt(QStringLiteral("txt"));
  ASSERT_TRUE(save.Execute());
  EXPECT_EQ(save.FileName(), QStringLiteral("/salida/reporte.txt"));  // default extension added
  ASSERT_TRUE(save.Execute());
  EXPECT_EQ(save.FileName(), QStringLiteral("/salida/allan.txt"));
  EXPECT_FALSE(save.Execute());
  EXPECT_EQ(save.FileName(), QStringLiteral("/salida/allan.txt"));  // kept for the next use
  EXPECT_TRUE(op_.unusedAnswers().isEmpty());
}

TEST_F(SeamTest, AnUnexpectedDialogFailsLoudlyAndUnusedAnswersAreReported) {
  op_.queueColor(0x00FF0000);
  op_.queueModal(QStringLiteral("TForm4"), nullptr);
  OpenDialog open;
  try {
    open.Execute();
    ADD_FAILURE() << "no exception";
  } catch (const UnexpectedDialog& e) {
    EXPECT_EQ(e.kind(), DialogKind::Open);
  }
  EXPECT_THROW(currentOperator().saveFile({}), UnexpectedDialog);
  TOtherDialog other;
  EXPECT_THROW(other.ShowModal(), UnexpectedDialog);
  EXPECT_EQ(op_.unusedAnswers(), (QStringList{QStringLiteral("modal TForm4"), QStringLiteral("color 0x00FF0000")}));
}

TEST_F(SeamTest, ModalStepsDriveTheFormAndAnOpenFormIsClosedAfterThem) {
  op_.queueModal(QStringLiteral("TOtherDialog"), nullptr);
  op_.queueModal(QStringLiteral("TProbeDialog"), [](DialogForm& form) {
    auto& probe = static_cast<TProbeDialog&>(form);
    EXPECT_TRUE(probe.showingModal());
    probe.Edit1->userType(QStringLiteral("10000000"));
    probe.Edit1->userKeyDown(keys::kReturn);
  });
  TProbeDialog probe;
  EXPECT_EQ(probe.ShowModal(), mrCancel);  // closed by its own handler, as with the close box
  EXPECT_EQ(probe.value, 10000000.0L);
  EXPECT_FALSE(probe.isVisible());

  TOtherDialog other;  // its answer was queued first, yet only a TOtherDialog takes it
  EXPECT_EQ(other.ShowModal(), mrCancel);
  EXPECT_FALSE(other.isVisible());

  op_.queueModal(QStringLiteral("TOtherDialog"), [](DialogForm& form) { form.setModalResult(mrOk); });
  EXPECT_EQ(other.ShowModal(), mrOk);
  EXPECT_FALSE(other.isVisible());
}

TEST_F(SeamTest, ColourAndPrinterAnswers) {
  op_.queueColor(0x000000FF);
  op_.queueColorCancel();
  EXPECT_EQ(currentOperator().chooseColor(0), std::optional<Color>(0x000000FF));
  EXPECT_EQ(currentOperator().chooseColor(0), std::nullopt);
  op_.queuePrinterSetup(false);
  EXPECT_EQ(op_.unusedAnswers(), QStringList{QStringLiteral("printer cancel")});
}

TEST_F(SeamTest, GuardShowsTheConversionMessageAndKeepsEarlierWrites) {
  StringGrid grid;
  grid.setColCount(2);
  grid.setRowCount(2);
  grid.setCell(1, 0, "1,5x");
  Button button(nullptr, QStringLiteral("BitBtn1"));
  bool reachedEnd = false;
  connectHandler(&button, &Button::OnClick, &grid, [&] {
    grid.setCell(0, 1, "escrito");
    (void)textToFloat(grid.Cells(1, 0), ',');
    reachedEnd = true;
  });
  EXPECT_FALSE(button.userClick());
  EXPECT_EQ(errors(), QStringList{QStringLiteral("'1,5x' is not a valid floating point value")});
  EXPECT_EQ(grid.Cells(0, 1), "escrito");
  EXPECT_FALSE(reachedEnd);

  // A program press lets the same failure reach the caller, as a direct call does.
  EXPECT_THROW(button.Click(), ConversionError);
  EXPECT_EQ(errors().size(), 1);
}

TEST_F(SeamTest, AFailureInANestedEventEndsTheOuterHandlerAndIsShownOnce) {
  RadioGroup group;
  group.setItems({QStringLiteral("a"), QStringLiteral("b")});
  Button button;
  bool outerContinued = false;
  connectHandler(&group, &RadioGroup::OnClick, &button, [] { throw std::runtime_error("interno"); });
  connectHandler(&button, &Button::OnClick, &group, [&] {
    group.setItemIndex(1);
    outerContinued = true;
  });
  EXPECT_FALSE(button.userClick());
  EXPECT_FALSE(outerContinued);
  EXPECT_EQ(errors(), QStringList{QStringLiteral("interno")});
}

TEST_F(SeamTest, GuardRecordsAnUnexpectedDialogAsAScriptFailureNotAnErrorBox) {
  Button button;
  connectHandler(&button, &Button::OnClick, &button, [] {
    OpenDialog open;
    open.Execute();
  });
  EXPECT_FALSE(button.userClick());
  EXPECT_TRUE(errors().isEmpty());
  EXPECT_THROW(op_.rethrowFailure(), UnexpectedDialog);
}

TEST_F(SeamTest, GuardShowsForeignExceptionsAndLatin1MessagesSensibly) {
  Button button;
  int which = 0;
  connectHandler(&button, &Button::OnClick, &button, [&] {
    if (which == 0) throw 42;
    throw std::runtime_error("'caf\xE9' is not a valid floating point value");
  });
  button.userClick();
  which = 1;
  button.userClick();
  EXPECT_EQ(errors(), (QStringList{QString(), QStringLiteral("'café' is not a valid floating point value")}));
}

TEST_F(SeamTest, MessagesAreRecordedAndPassedToTheSink) {
  QStringList printed;
  op_.setSink([&](ScriptedOperator::MessageKind, const QString& text) { printed << text; });
  showMessage(QStringLiteral("No se puede abrir archivo"));
  currentOperator().errorBox(QStringLiteral("Cannot create file /x"));
  EXPECT_EQ(printed, (QStringList{QStringLiteral("No se puede abrir archivo"), QStringLiteral("Cannot create file /x")}));
  EXPECT_EQ(op_.texts(ScriptedOperator::MessageKind::Message), QStringList{QStringLiteral("No se puede abrir archivo")});
}

}  // namespace
}  // namespace kovia

#include "seam_test.moc"
