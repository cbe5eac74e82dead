// The unit choice and the accumulated phase: unwrapping through the window, the rate, the
// range indicators and the refusals that keep a division by zero out of the grid.
#include <gtest/gtest.h>

#include "phase_window_fixture.h"

namespace kovia::testing {
namespace {

using Strings = std::vector<std::string>;

class PhaseAccumulationTest : public PhaseWindowTest {};

TEST_F(PhaseAccumulationTest, WorkedExampleInDegrees) {
  accumulate({"170", "-175", "-160", "178", "175"});

  // Differences -345, 15, 338, -3: A = 170, 185, 200, 178 degrees of a 10 MHz period.
  EXPECT_EQ(w->StringGrid2->RowCount(), 5);
  EXPECT_EQ(column(*w->StringGrid2, 0), (Strings{"1", "2", "3", "4"}));
  EXPECT_EQ(column(*w->StringGrid2, 1),
            (Strings{"4.72222222E-8", "5.13888889E-8", "5.55555556E-8", "4.94444444E-8"}));
  EXPECT_EQ(w->StringGrid2->Cells(1, 0), "               Valor   ");
  // (row 3 - row 1) / ((5 - 2) * 60 s)
  EXPECT_EQ(w->Edit1->text(), QStringLiteral("4.62963E-11"));
  // The chart takes rows 1 .. N-2, read back from their texts.
  EXPECT_EQ(ys(*w->Series2), (std::vector<double>{4.72222222E-8, 5.13888889E-8, 5.55555556E-8}));
  EXPECT_EQ(w->Series2->color(0), 0x800000u);

  const PhaseWindowState& s = phaseWindowState();
  EXPECT_EQ(s.accumulationPending, 0);
  EXPECT_EQ(s.chart2ShowsPoints, 1);
  EXPECT_EQ(s.chart2ShowsLine, 0);
  EXPECT_FALSE(w->BitBtn4->isEnabled());
  EXPECT_FALSE(w->RadioGroup1->isEnabled());
  EXPECT_FALSE(w->ComboBox1->isEnabled());
  EXPECT_FALSE(w->ComboBox2->isEnabled());
  EXPECT_TRUE(w->BitBtn16->isEnabled());
  EXPECT_TRUE(w->Edit8->isEnabled());
  EXPECT_TRUE(w->UpDown1->isEnabled());
  EXPECT_TRUE(w->zoomInCommand->buttonEnabled() && w->zoomInCommand->menuEnabled());
}

TEST_F(PhaseAccumulationTest, AJumpOfExactlyTheThresholdIsNoWrap) {
  struct Case {
    Strings readings;
    int unit;
    Strings accumulated;
  };
  const Case cases[] = {
      {{"0", "180", "170", "100"}, 0, {"0", "5E-8", "4.72222222E-8"}},
      {{"0", "180.5", "170", "100"}, 0, {"0", "-4.98611111E-8", "-5.27777778E-8"}},
      {{"0", "1000000", "0"}, 1, {"0", "5E-8"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.readings[1]);
    resetPhaseWindowState();
    accumulate(c.readings, c.unit);
    EXPECT_EQ(column(*w->StringGrid2, 1), c.accumulated);
  }
}

TEST_F(PhaseAccumulationTest, ThreeReadingsGiveTwoRowsOnePointAndNoRate) {
  accumulate({"10", "20", "30"});
  EXPECT_EQ(column(*w->StringGrid2, 1), (Strings{"2.77777778E-9", "5.55555556E-9"}));
  EXPECT_EQ(w->Series2->count(), 1);
  EXPECT_EQ(w->Edit1->text(), QStringLiteral("0"));
}

TEST_F(PhaseAccumulationTest, DecimalCommaOfTheRegionalSettings) {
  setDecimalSeparator(',');
  accumulate({"0,5", "1", "1,5", "2"});
  setDecimalSeparator('.');
  EXPECT_EQ(column(*w->StringGrid2, 1), (Strings{"1,38888889E-10", "2,77777778E-10", "4,16666667E-10"}));
  EXPECT_EQ(w->Edit1->text(), QStringLiteral("1,157407E-12"));
  EXPECT_EQ(w->Series2->yValue(1), 2.77777778E-10);
}

TEST_F(PhaseAccumulationTest, UnitChoiceShowsTheRangeIndicators) {
  struct Case {
    Strings readings;
    int unit;
    const char* nominal;
    int combo1, combo2;
  };
  const Case cases[] = {
      {{"-90", "0", "90"}, 0, "10000000", 1, -1},
      {{"10", "200", "350"}, 0, "10000000", 2, -1},
      {{"5", "6", "7"}, 1, "5000000", -1, 2},
      {{"5", "6", "7"}, 1, "10000000", -1, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.readings[0] + " " + c.nominal);
    resetPhaseWindowState();
    ASSERT_TRUE(load(writeLines(QStringLiteral("lecturas.txt"), c.readings), QString::fromUtf8(c.nominal)));
    w->ComboBox2->setItemIndex(-1);
    ASSERT_TRUE(w->RadioGroup1->userChoose(c.unit));
    EXPECT_EQ(w->ComboBox1->ItemIndex(), c.combo1);
    EXPECT_EQ(w->ComboBox2->ItemIndex(), c.combo2);
    EXPECT_EQ(c.unit == 0 ? w->ComboBox2->isEnabled() : w->ComboBox1->isEnabled(), false);
    EXPECT_TRUE(w->BitBtn4->isEnabled());
  }
}

// A nominal frequency or tau of zero, too few readings or no unit: the command explains why
// and changes nothing.
TEST_F(PhaseAccumulationTest, RefusesWhatWouldDivideByZeroOrHasNoRows) {
  struct Case {
    const char* what;
    Strings readings;
    const char* nominal;  // null: tau is typed first, which closes the dialog without a nominal
    const char* tau;
    const char* message;
  };
  const Case cases[] = {
      {"nominal 0", {"1", "2", "3"}, nullptr, "60", "La frecuencia nominal es cero"},
      {"tau 0", {"1", "2", "3"}, "10000000", "0", "Tau es cero"},
      {"two readings", {"1", "2"}, "10000000", "60", "Se necesitan al menos tres lecturas"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    resetPhaseWindowState();
    op_.clearRecorded();
    op_.queueOpen(writeLines(QStringLiteral("lecturas.txt"), c.readings), 1);
    const QString tau = QString::fromUtf8(c.tau);
    if (c.nominal != nullptr) {
      queueNominal(QString::fromUtf8(c.nominal), tau);
    } else {
      op_.queueModal(QStringLiteral("TForm5"), [tau](DialogForm& form) {
        auto& dialog = static_cast<TForm5&>(form);
        typeDigits(*dialog.Edit2, tau);
        dialog.Edit2->userKeyDown(keys::kReturn);
      });
    }
    ASSERT_TRUE(w->openCommand->pressButton());
    ASSERT_TRUE(w->RadioGroup1->userChoose(0));
    ASSERT_TRUE(w->BitBtn4->userClick());

    ASSERT_EQ(messages().size(), 1);
    EXPECT_TRUE(messages().front().startsWith(QString::fromUtf8(c.message)))
        << messages().front().toStdString();
    EXPECT_EQ(w->StringGrid2->RowCount(), 2);
    EXPECT_EQ(w->StringGrid2->Cells(1, 1), "");
    EXPECT_EQ(w->Series2->count(), 0);
    EXPECT_EQ(phaseWindowState().accumulationPending, 1);
    EXPECT_TRUE(w->BitBtn4->isEnabled());
    EXPECT_FALSE(w->BitBtn16->isEnabled());
  }
}

TEST_F(PhaseAccumulationTest, RefusesWithoutAUnitAfterANewLoad) {
  ASSERT_TRUE(load(dataFile("fase_desenvuelve.txt")));
  ASSERT_TRUE(w->RadioGroup1->userChoose(0));
  queueAppendAnswer(false);
  op_.queueOpen(dataFile("fase_desenvuelve.txt"), 1);
  queueNominal(QStringLiteral("10000000"), QStringLiteral("60"));
  ASSERT_TRUE(w->openCommand->pressButton());
  // The load leaves "Calcular Fase Acumulada" enabled but takes the unit away.
  ASSERT_TRUE(w->BitBtn4->isEnabled());
  ASSERT_EQ(w->RadioGroup1->ItemIndex(), -1);
  ASSERT_TRUE(w->BitBtn4->userClick());
  ASSERT_EQ(messages().size(), 1);
  EXPECT_TRUE(messages().front().startsWith(QStringLiteral("Elija las unidades")));
  EXPECT_EQ(phaseWindowState().accumulationPending, 1);
}

TEST_F(PhaseAccumulationTest, ReadingsBeyondTheDoubleRangeAreRefused) {
  // The load plots no such reading.
  EXPECT_FALSE(load(writeLines(QStringLiteral("enorme.txt"), {"1", "1E400", "2"})));
  EXPECT_EQ(
      errors(),
      QStringList{QStringLiteral("El valor '1E400' excede el intervalo de los números de doble precisión")});
  EXPECT_EQ(w->Series1->count(), 1);

  // Typed over a loaded reading, it leaves the accumulated phase undone.
  resetPhaseWindowState();
  ASSERT_TRUE(load(writeLines(QStringLiteral("lecturas.txt"), {"1", "2", "3"})));
  w->StringGrid1->setCell(1, 2, "1E400");
  ASSERT_TRUE(w->RadioGroup1->userChoose(0));
  ASSERT_TRUE(w->BitBtn4->userClick());
  ASSERT_EQ(messages().size(), 1);
  EXPECT_TRUE(messages().front().startsWith(QStringLiteral("Las lecturas exceden")));
  EXPECT_EQ(w->StringGrid2->Cells(1, 1), "");
  EXPECT_EQ(phaseWindowState().accumulationPending, 1);
}

TEST_F(PhaseAccumulationTest, ReadingTypedAwayEndsTheCommandAfterTheRowsBeforeIt) {
  ASSERT_TRUE(load(writeLines(QStringLiteral("lecturas.txt"), {"10", "20", "30", "40", "50"})));
  w->StringGrid1->setCell(1, 4, "cuarenta");
  ASSERT_TRUE(w->RadioGroup1->userChoose(0));
  EXPECT_FALSE(w->BitBtn4->userClick());
  EXPECT_EQ(errors(), QStringList{QStringLiteral("'cuarenta' is not a valid floating point value")});
  EXPECT_EQ(w->StringGrid2->RowCount(), 5);
  EXPECT_EQ(column(*w->StringGrid2, 1), (Strings{"2.77777778E-9", "5.55555556E-9", "", ""}));
  EXPECT_EQ(phaseWindowState().accumulationPending, 0);
  EXPECT_FALSE(w->BitBtn16->isEnabled());
}

}  // namespace
}  // namespace kovia::testing
