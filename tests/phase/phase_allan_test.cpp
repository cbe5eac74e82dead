// Allan deviation of the accumulated phase and its bounds by noise type, through the window.
#include <gtest/gtest.h>

#include <cmath>

#include "core/confidence_bounds.h"
#include "core/number_text.h"
#include "phase_window_fixture.h"

namespace kovia::testing {
namespace {

using Strings = std::vector<std::string>;

// A[k] = k^2 * 1E-9 s for k = 1 .. m.
std::vector<std::string> squares(int m) {
  std::vector<std::string> values;
  for (int k = 1; k <= m; ++k) values.push_back(generalText(static_cast<double>(k * k) * 1e-9, 9, '.'));
  return values;
}

class PhaseAllanTest : public PhaseWindowTest {
 protected:
  // The Allan deviation of `values` with tau `tau`, as after a fit.
  void allan(const std::vector<std::string>& values, int tau = 1) {
    phaseWindowState().tauSeconds = tau;
    setAccumulated(values);
    w->StringGrid2->setRowCount(static_cast<int>(values.size()) + 1);
    w->BitBtn12->setEnabled(true);
    ASSERT_TRUE(w->BitBtn12->userClick()) << errors().join(QLatin1Char('\n')).toStdString();
  }

  std::vector<Strings> table() const {
    std::vector<Strings> rows;
    for (int row = 0; row < w->StringGrid5->RowCount(); ++row) {
      Strings cells;
      for (int col = 0; col < 4; ++col) cells.push_back(w->StringGrid5->Cells(col, row));
      rows.push_back(cells);
    }
    return rows;
  }
};

TEST_F(PhaseAllanTest, WorkedExamples) {
  struct Case {
    int values;
    int tau;
    std::vector<Strings> rows;  // columns 0 and 1 of rows 1 ..
  };
  const Case cases[] = {
      {7, 1, {{"1", "1.414E-9"}, {"2", "2.828E-9"}}},
      // 3n > M for n = 2: one second difference, divided by M - 2n = 1.
      {5, 1, {{"1", "1.414E-9"}, {"2", "4E-9"}}},
      {7, 10, {{"10", "1.414E-10"}, {"20", "2.828E-10"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.values * 100 + c.tau);
    resetPhaseWindowState();
    w->Series5->clear();
    allan(squares(c.values), c.tau);
    ASSERT_EQ(w->StringGrid5->RowCount(), static_cast<int>(c.rows.size()) + 1);
    for (std::size_t j = 0; j < c.rows.size(); ++j) {
      const int row = static_cast<int>(j) + 1;
      EXPECT_EQ((Strings{w->StringGrid5->Cells(0, row), w->StringGrid5->Cells(1, row)}), c.rows[j]);
      // The point carries the 4-digit text, not the full-precision deviation.
      EXPECT_EQ(w->Series5->xValue(row - 1), std::stod(c.rows[j][0]));
      EXPECT_EQ(w->Series5->yValue(row - 1), std::stod(c.rows[j][1]));
      EXPECT_EQ(w->Series5->color(row - 1), 0x800000u);
    }
    EXPECT_EQ(phaseWindowState().allanPending, 0);
    EXPECT_TRUE(w->RadioGroup2->isEnabled());
    EXPECT_FALSE(w->BitBtn12->isEnabled());
    for (Command* cmd : {w->minorGridCommand, w->saveCommand, w->moveUpCommand, w->moveDownCommand}) {
      EXPECT_TRUE(cmd->buttonEnabled() && cmd->menuEnabled());
    }
  }
}

TEST_F(PhaseAllanTest, TwoValuesGiveNoRowButStillOfferTheNoiseType) {
  allan(squares(2));
  EXPECT_EQ(w->StringGrid5->RowCount(), 1);
  EXPECT_EQ(w->Series5->count(), 0);
  EXPECT_TRUE(w->RadioGroup2->isEnabled());
}

TEST_F(PhaseAllanTest, NoiseTypeFillsBoundsAndReplacesThemOnAnotherChoice) {
  allan(squares(7));
  EXPECT_EQ(w->StringGrid5->Cells(2, 0), "   Binf  ");  // as the window opened
  ASSERT_TRUE(w->RadioGroup2->userChoose(0));
  EXPECT_EQ(table()[0], (Strings{"   Tau", "    Avar ", " Binf", " Bsup"}));
  EXPECT_TRUE(w->avarColorCommand->buttonEnabled() && w->avarColorCommand->menuEnabled());

  for (const int choice : {0, 4}) {
    SCOPED_TRACE(choice);
    if (choice != 0) ASSERT_TRUE(w->RadioGroup2->userChoose(choice));
    ASSERT_EQ(w->Series3->count(), 2);
    ASSERT_EQ(w->Series4->count(), 2);
    for (int row = 1; row <= 2; ++row) {
      const float sigma = std::stof(w->StringGrid5->Cells(1, row));
      const std::optional<ConfidenceBounds> expected =
          phaseBounds(*noiseTypeFromIndex(choice), 7.0f, row - 1, sigma);
      ASSERT_TRUE(expected.has_value());
      EXPECT_EQ(w->StringGrid5->Cells(2, row), generalText(expected->lower, 4, '.'));
      EXPECT_EQ(w->StringGrid5->Cells(3, row), generalText(expected->upper, 4, '.'));
      EXPECT_LT(std::stod(w->StringGrid5->Cells(2, row)), sigma);
      EXPECT_GT(std::stod(w->StringGrid5->Cells(3, row)), sigma);
      EXPECT_EQ(w->Series3->xValue(row - 1), row == 1 ? 1.0 : 2.0);
      EXPECT_EQ(w->Series3->yValue(row - 1), std::stod(w->StringGrid5->Cells(3, row)));
      EXPECT_EQ(w->Series4->yValue(row - 1), std::stod(w->StringGrid5->Cells(2, row)));
      EXPECT_EQ(w->Series3->color(row - 1), 0x0000FFu);
      EXPECT_EQ(w->Series4->color(row - 1), 0x0000FFu);
    }
  }
}

TEST_F(PhaseAllanTest, NoBoundsWhereTheDegreesOfFreedomHaveNoChiSquareRow) {
  // Random-Walk Frequency with M = 3 divides by (M - 3)^2 = 0.
  allan(squares(3));
  ASSERT_EQ(w->StringGrid5->RowCount(), 2);
  ASSERT_TRUE(w->RadioGroup2->userChoose(4));
  EXPECT_EQ(table()[1], (Strings{"1", w->StringGrid5->Cells(1, 1), "", ""}));
  EXPECT_EQ(w->Series3->count(), 0);
  EXPECT_EQ(w->Series4->count(), 0);
  EXPECT_TRUE(errors().isEmpty());
  // White Phase with M = 3 has edf 1 exactly: the df = 1 row.
  ASSERT_TRUE(w->RadioGroup2->userChoose(0));
  EXPECT_NE(w->StringGrid5->Cells(2, 1), "");
  EXPECT_EQ(w->Series3->count(), 1);
}

TEST_F(PhaseAllanTest, DeviationTypedAwayEndsTheBoundsAtItsRow) {
  allan(squares(7));
  w->StringGrid5->setCell(1, 2, "x");
  EXPECT_FALSE(w->RadioGroup2->userChoose(0));
  EXPECT_EQ(errors(), QStringList{QStringLiteral("'x' is not a valid floating point value")});
  EXPECT_NE(w->StringGrid5->Cells(2, 1), "");
  EXPECT_EQ(w->StringGrid5->Cells(2, 2), "");
  EXPECT_EQ(w->Series3->count(), 1);
}

TEST_F(PhaseAllanTest, ZeroTauIsRefused) {
  allan(squares(7), 0);
  ASSERT_EQ(messages().size(), 1);
  EXPECT_TRUE(messages().front().startsWith(QStringLiteral("Tau es cero")));
  EXPECT_EQ(w->StringGrid5->RowCount(), 2);
  EXPECT_EQ(phaseWindowState().allanPending, 3);
}

TEST_F(PhaseAllanTest, WholePipelineOnTheWorkedExample) {
  accumulate({"170", "-175", "-160", "178", "175", "172", "174", "176", "180", "181"});
  w->Edit8->userType(QStringLiteral("2"));
  ASSERT_TRUE(w->BitBtn16->userClick());
  ASSERT_TRUE(w->BitBtn15->userClick());
  ASSERT_TRUE(w->BitBtn12->userClick());
  ASSERT_TRUE(w->RadioGroup2->userChoose(2));
  // M = 9 accumulated values: factors 1, 2 and 4; averaging times 60, 120 and 240 s.
  EXPECT_EQ(column(*w->StringGrid5, 0), (Strings{"60", "120", "240"}));
  for (int row = 1; row <= 3; ++row) EXPECT_NE(w->StringGrid5->Cells(3, row), "") << row;
  EXPECT_TRUE(errors().isEmpty() && messages().isEmpty());
}

}  // namespace
}  // namespace kovia::testing
