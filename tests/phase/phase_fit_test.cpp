// Polynomial fit, residuals and the cell smoothing of the accumulated-phase grid.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "phase_window_fixture.h"

namespace kovia::testing {
namespace {

using Strings = std::vector<std::string>;

class PhaseFitTest : public PhaseWindowTest {
 protected:
  bool fit(int order) {
    w->Edit8->userType(QString::number(order));
    return w->BitBtn16->userClick();
  }
};

TEST_F(PhaseFitTest, OrderOneThroughAStraightLineLeavesTinyResiduals) {
  // 3.6 degrees of a 10 MHz period is 1E-9 s: A = 1E-9, 2E-9, 3E-9.
  accumulate({"3.6", "7.2", "10.8", "14.4"});
  ASSERT_EQ(column(*w->StringGrid2, 1), (Strings{"1E-9", "2E-9", "3E-9"}));
  ASSERT_TRUE(fit(1));

  EXPECT_EQ(w->StringGrid7->RowCount(), 4);
  EXPECT_EQ(column(*w->StringGrid7, 0, 0), (Strings{"     No  ", "1", "2", "3"}));
  EXPECT_EQ(w->Series10->count(), 3);
  EXPECT_EQ(w->Series10->color(2), 0x0000FFu);
  for (int k = 1; k <= 3; ++k) {
    EXPECT_NEAR(std::stod(w->StringGrid7->Cells(1, k)), k * 1e-9, 1e-15) << k;
  }
  EXPECT_TRUE(w->BitBtn15->isEnabled());
  EXPECT_TRUE(w->BitBtn12->isEnabled());
  EXPECT_TRUE(w->Button1->isEnabled());

  ASSERT_TRUE(w->BitBtn15->userClick());
  EXPECT_EQ(column(*w->StringGrid6, 0, 0), (Strings{"     No  ", "1", "2", "3"}));
  bool anyNonZero = false;
  for (int k = 1; k <= 3; ++k) {
    const double r = std::stod(w->StringGrid6->Cells(1, k));
    EXPECT_LT(std::fabs(r), 1e-15) << k;
    anyNonZero = anyNonZero || r != 0.0;
  }
  EXPECT_TRUE(anyNonZero);  // single-precision sweeps do not land exactly on the line
  // The last residual is tabulated but not drawn.
  EXPECT_EQ(w->Series8->count(), 2);
  EXPECT_EQ(w->Series8->color(0), 0x0000FFu);
  EXPECT_EQ(w->Series8->yValue(1), std::stod(w->StringGrid6->Cells(1, 2)));
  EXPECT_EQ(phaseWindowState().residualsPending, 0);
  EXPECT_FALSE(w->BitBtn15->isEnabled());
}

TEST_F(PhaseFitTest, OrdersOutsideOneToThreeDoNothing) {
  accumulate({"170", "-175", "-160", "178", "175"});
  for (const int order : {0, 4}) {
    SCOPED_TRACE(order);
    ASSERT_TRUE(fit(order));
    EXPECT_EQ(w->StringGrid7->RowCount(), 2);
    EXPECT_EQ(w->StringGrid7->Cells(0, 1), "");
    EXPECT_EQ(w->Series10->count(), 0);
    EXPECT_FALSE(w->BitBtn15->isEnabled());
    EXPECT_FALSE(w->BitBtn12->isEnabled());
  }
  w->Edit8->userType(QStringLiteral("dos"));
  EXPECT_FALSE(w->BitBtn16->userClick());
  EXPECT_EQ(errors(), QStringList{QStringLiteral("'dos' is not a valid integer value")});
}

TEST_F(PhaseFitTest, ASecondFitReplacesTheCurveAndEmptiesTheResiduals) {
  accumulate({"170", "-175", "-160", "178", "175"});
  ASSERT_TRUE(fit(1));
  ASSERT_TRUE(w->BitBtn15->userClick());
  ASSERT_EQ(w->Series8->count(), 3);

  ASSERT_TRUE(fit(2));
  EXPECT_EQ(w->Series10->count(), 4);
  EXPECT_EQ(w->Series8->count(), 0);
  EXPECT_EQ(column(*w->StringGrid6, 1), (Strings{"", "", "", ""}));
  EXPECT_EQ(w->StringGrid6->Cells(1, 0), "        Valor   ");
  EXPECT_TRUE(w->BitBtn15->isEnabled());
}

TEST_F(PhaseFitTest, UpDownStepsTheOrderWrapsAndEnablesTheFit) {
  accumulate({"170", "-175", "-160", "178", "175"});
  w->BitBtn16->setEnabled(false);
  ASSERT_TRUE(w->UpDown1->userClick(UpDownDirection::Up));
  EXPECT_EQ(w->Edit8->text(), QStringLiteral("1"));
  EXPECT_TRUE(w->BitBtn16->isEnabled());
  ASSERT_TRUE(w->UpDown1->userClick(UpDownDirection::Down));
  ASSERT_TRUE(w->UpDown1->userClick(UpDownDirection::Down));
  EXPECT_EQ(w->Edit8->text(), QStringLiteral("100"));
}

// A fit whose power sums overflow single precision, or whose coefficients are not finite,
// writes no curve: it says why, and the residuals wait for a fit that worked.
TEST_F(PhaseFitTest, RefusesFitsThatWouldWriteNonFiniteValues) {
  struct Case {
    const char* rowNumber;  // typed over every row number of the grid
    int order;
    const char* message;
  };
  const Case cases[] = {
      {"10000000", 3, "las sumas de potencias exceden"},
      {"0", 1, "los coeficientes del ajuste no resultan finitos"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.order);
    resetPhaseWindowState();
    op_.clearRecorded();
    accumulate({"170", "-175", "-160", "178", "175"});
    ASSERT_TRUE(fit(1));
    for (int row = 1; row < w->StringGrid2->RowCount(); ++row) w->StringGrid2->setCell(0, row, c.rowNumber);
    ASSERT_TRUE(fit(c.order));
    ASSERT_EQ(messages().size(), 1);
    EXPECT_NE(messages().front().indexOf(QString::fromUtf8(c.message)), -1)
        << messages().front().toStdString();
    EXPECT_EQ(w->Series10->count(), 0);
    EXPECT_EQ(w->StringGrid7->Cells(1, 1), "");
    EXPECT_FALSE(w->BitBtn15->isEnabled());
  }
}

TEST_F(PhaseFitTest, SelectingACellReplacesItWithTheMeanOfItsNeighbours) {
  accumulate({"10", "20", "30", "40", "50", "60", "70"});
  w->StringGrid2->setCell(1, 4, "2.0E-9");
  w->StringGrid2->setCell(1, 5, "1.0E-9");
  w->StringGrid2->setCell(1, 6, "4.0E-9");
  ASSERT_TRUE(w->StringGrid2->userSelectCell(1, 5));
  EXPECT_EQ(w->StringGrid2->Cells(1, 5), "3E-9");
  ASSERT_TRUE(w->StringGrid2->userSelectCell(0, 3));
  EXPECT_EQ(w->StringGrid2->Cells(0, 3), "3");
  EXPECT_EQ(w->Series2->yValue(4), 1.38888889E-8);  // the chart is not redrawn

  // Row 1 takes the header as its upper neighbour, which is no number.
  EXPECT_FALSE(w->StringGrid2->userSelectCell(1, 1));
  EXPECT_EQ(errors(),
            QStringList{QStringLiteral("'               Valor   ' is not a valid floating point value")});
}

}  // namespace
}  // namespace kovia::testing
