// The computing commands through the window: fractional deviation, Allan deviation and the
// confidence bounds on small files with exact texts, their failures and refusals, and the
// NBS 1000-point set.
#include <cmath>
#include <cstdint>

#include "core/number_text.h"
#include "frequency_test_support.h"

namespace kovia::testing {
namespace {

// frecuencia_alterna.txt: 10 MHz + 0.01 Hz twice, 10 MHz - 0.01 Hz twice, and again.
class FrequencyAnalysisTest : public FrequencyWindowTest {
 protected:
  void loadAlternating() { ASSERT_TRUE(load(dataFile("frecuencia_alterna.txt"))); }
};

TEST_F(FrequencyAnalysisTest, DeviationWritesSevenDigitTextsTheMeanAndNMinusOnePoints) {
  loadAlternating();
  TForm2& w = *window_;
  ASSERT_TRUE(w.BitBtn1->userClick());
  const std::vector<std::string> y = {"1E-9", "1E-9", "-1E-9", "-1E-9", "1E-9", "1E-9", "-1E-9", "-1E-9"};
  EXPECT_EQ(w.StringGrid3->RowCount(), 8);
  EXPECT_EQ(column(*w.StringGrid3, 0), (std::vector<std::string>{"1", "2", "3", "4", "5", "6", "7", "8"}));
  EXPECT_EQ(column(*w.StringGrid3, 1), y);
  EXPECT_EQ(w.Edit4->text(), QStringLiteral("0"));
  ASSERT_EQ(w.Series5->count(), 7);  // the last deviation is not plotted
  for (int i = 0; i < 7; ++i) {
    EXPECT_EQ(w.Series5->xValue(i), i);
    EXPECT_EQ(w.Series5->yValue(i), i % 4 < 2 ? 1e-9 : -1e-9);
    EXPECT_EQ(w.Series5->color(i), colors::kNavy);
  }
  const FrequencyWindowState& state = frequencyWindowState();
  EXPECT_EQ(state.deviationPending, 0);
  EXPECT_TRUE(state.chart2ShowsPoints);
  EXPECT_FALSE(state.chart2ShowsLine);
  EXPECT_FALSE(w.BitBtn1->isEnabled());
  EXPECT_TRUE(w.BitBtn5->isEnabled());
  EXPECT_TRUE(w.zoomInCommand->menuEnabled());
  EXPECT_TRUE(errors().isEmpty());
}

TEST_F(FrequencyAnalysisTest, OneReadingGivesOneRowItsDeviationAsMeanAndNoPoint) {
  ASSERT_TRUE(load(dataFile("frecuencia_una.txt")));
  frequencyWindowState().dataPointColor = colors::kRed;
  ASSERT_TRUE(window_->BitBtn1->userClick());
  EXPECT_EQ(column(*window_->StringGrid3, 1), std::vector<std::string>{"1E-9"});
  EXPECT_EQ(window_->Edit4->text(), QStringLiteral("1E-9"));
  EXPECT_EQ(window_->Series5->count(), 0);

  // The Allan deviation needs two readings: refused before anything changes.
  ASSERT_TRUE(window_->BitBtn5->userClick());
  EXPECT_EQ(messages(),
            QStringList{QStringLiteral(
                "Se necesitan al menos dos lecturas para calcular la raíz de la varianza de Allan.")});
  EXPECT_EQ(frequencyWindowState().allanPending, 3);
  EXPECT_EQ(window_->StringGrid4->RowCount(), 5);
  EXPECT_TRUE(window_->BitBtn5->isEnabled());
  EXPECT_FALSE(window_->RadioGroup1->isEnabled());
}

TEST_F(FrequencyAnalysisTest, ANominalFrequencyOfZeroIsRefusedAndChangesNothing) {
  ASSERT_TRUE(load(dataFile("frecuencia_alterna.txt"), QStringLiteral("0"), QStringLiteral("10")));
  EXPECT_EQ(window_->Edit2->text(), QStringLiteral("0"));
  ASSERT_TRUE(window_->BitBtn1->userClick());
  EXPECT_EQ(messages(),
            QStringList{QStringLiteral("La frecuencia nominal es cero: cargue de nuevo el archivo e "
                                       "introduzca una frecuencia nominal válida.")});
  EXPECT_EQ(frequencyWindowState().deviationPending, 1);
  EXPECT_EQ(column(*window_->StringGrid3, 1), std::vector<std::string>(5));
  EXPECT_TRUE(window_->Edit4->text().isEmpty());
  EXPECT_TRUE(window_->BitBtn1->isEnabled());
  EXPECT_FALSE(window_->BitBtn5->isEnabled());
}

TEST_F(FrequencyAnalysisTest, AnOvertypedReadingStopsTheDeviationAfterTheRowsBeforeIt) {
  loadAlternating();
  TForm2& w = *window_;
  ASSERT_TRUE(w.StringGrid1->userTypeCell(1, 2, QStringLiteral("abc")));
  ASSERT_FALSE(w.BitBtn1->userClick());
  EXPECT_EQ(errors(), QStringList{QStringLiteral("'abc' is not a valid floating point value")});
  EXPECT_EQ(w.StringGrid3->Cells(1, 1), "1E-9");
  EXPECT_EQ(w.StringGrid3->Cells(1, 2), "");
  EXPECT_TRUE(w.Edit4->text().isEmpty());
  EXPECT_EQ(w.Series5->count(), 0);
  EXPECT_EQ(frequencyWindowState().deviationPending, 0);
  EXPECT_TRUE(w.BitBtn1->isEnabled());
  EXPECT_FALSE(w.BitBtn5->isEnabled());
}

TEST_F(FrequencyAnalysisTest, AllanLadderWritesTauAndSigmaTextsAndPlotsThem) {
  loadAlternating();
  TForm2& w = *window_;
  ASSERT_TRUE(w.BitBtn1->userClick());
  frequencyWindowState().avarColor = colors::kBlue;
  w.DBChart4->leftAxis()->setMinMax(1e-12, 1e-6);
  ASSERT_TRUE(w.BitBtn5->userClick());

  // N = 8: m = 1 and 2. sigma(1)^2 = 3 (2e-9)^2 / 14, sigma(2)^2 = 3 (2e-9)^2 / 6.
  EXPECT_EQ(w.StringGrid4->RowCount(), 2);
  EXPECT_EQ(w.StringGrid4->height(), 32);
  EXPECT_EQ(column(*w.StringGrid4, 0), (std::vector<std::string>{"10", "20"}));
  EXPECT_EQ(column(*w.StringGrid4, 1), (std::vector<std::string>{"9.258E-10", "1.414E-9"}));
  ASSERT_EQ(w.Series10->count(), 2);
  EXPECT_EQ(w.Series10->xValue(1), 20.0);
  EXPECT_EQ(w.Series10->yValue(0), 9.258e-10);  // from the text, not from the float
  EXPECT_EQ(w.Series10->color(0), colors::kBlue);
  EXPECT_TRUE(w.DBChart4->leftAxis()->automatic());

  EXPECT_EQ(frequencyWindowState().allanPending, 0);
  EXPECT_FALSE(w.BitBtn5->isEnabled());
  EXPECT_TRUE(w.RadioGroup1->isEnabled());
  for (Command* c :
       {w.avarColorCommand, w.minorGridCommand, w.saveCommand, w.moveUpCommand, w.moveDownCommand}) {
    EXPECT_TRUE(c->buttonEnabled() && c->menuEnabled()) << c->objectName().toStdString();
  }
  EXPECT_FALSE(w.Button2->isEnabled());
}

TEST_F(FrequencyAnalysisTest, NoiseTypeFillsBoundsInBarColourAndAnotherChoiceReplacesThem) {
  loadAlternating();
  TForm2& w = *window_;
  ASSERT_TRUE(w.BitBtn1->userClick());
  ASSERT_TRUE(w.BitBtn5->userClick());
  w.StringGrid4->setCell(0, 1, "999");  // rewritten from tau by the choice

  // White Frequency, N = 8: edf 4 (row 4 of the table) and 60/21 (row 2).
  ASSERT_TRUE(w.RadioGroup1->userChoose(2));
  EXPECT_EQ(column(*w.StringGrid4, 0), (std::vector<std::string>{"10", "20"}));
  EXPECT_EQ(column(*w.StringGrid4, 2), (std::vector<std::string>{"5.547E-10", "8.799E-10"}));
  EXPECT_EQ(column(*w.StringGrid4, 3), (std::vector<std::string>{"2.66E-9", "1.062E-8"}));
  ASSERT_EQ(w.Series11->count(), 2);
  ASSERT_EQ(w.Series12->count(), 2);
  EXPECT_EQ(w.Series11->xValue(1), 20.0);
  EXPECT_EQ(w.Series11->yValue(0), 5.547e-10);
  EXPECT_EQ(w.Series12->yValue(1), 1.062e-8);
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(w.Series11->color(i), colors::kBar);
    EXPECT_EQ(w.Series12->color(i), colors::kBar);
  }
  EXPECT_FALSE(w.Series11->marksVisible());
  EXPECT_TRUE(w.Button2->isEnabled());

  // White Phase, N = 8: edf 27/7 and 3, both row 3; nothing of the first choice remains.
  ASSERT_TRUE(w.RadioGroup1->userChoose(0));
  ASSERT_EQ(w.Series11->count(), 2);
  const double lower0 = 9.258e-10 / std::sqrt(static_cast<double>(9.3484f) / (27.0 / 7.0));
  EXPECT_EQ(w.StringGrid4->Cells(2, 0), generalText(lower0, 4, '.'));
  EXPECT_NE(w.StringGrid4->Cells(2, 0), "5.547E-10");
  EXPECT_TRUE(errors().isEmpty());
}

TEST_F(FrequencyAnalysisTest, AnEdfBelowOneLeavesTheBoundCellsEmptyAndAddsNoPoint) {
  ASSERT_TRUE(load(dataFile("frecuencia_dos.txt")));
  TForm2& w = *window_;
  ASSERT_TRUE(w.BitBtn1->userClick());
  ASSERT_TRUE(w.BitBtn5->userClick());
  // N = 2: one row, sigma^2 = (2e-9)^2 / 2.
  EXPECT_EQ(column(*w.StringGrid4, 1), std::vector<std::string>{"1.414E-9"});

  // White Phase gives edf 0 with N = 2; Flicker Phase gives a finite edf of at least 1.
  ASSERT_TRUE(w.RadioGroup1->userChoose(0));
  EXPECT_EQ(column(*w.StringGrid4, 2), std::vector<std::string>{""});
  EXPECT_EQ(column(*w.StringGrid4, 3), std::vector<std::string>{""});
  EXPECT_EQ(w.Series11->count(), 0);
  EXPECT_EQ(w.Series12->count(), 0);
  EXPECT_TRUE(w.Button2->isEnabled());
  EXPECT_TRUE(errors().isEmpty());
}

TEST_F(FrequencyAnalysisTest, AnOvertypedSigmaStopsTheBoundsAtItsRow) {
  loadAlternating();
  TForm2& w = *window_;
  ASSERT_TRUE(w.BitBtn1->userClick());
  ASSERT_TRUE(w.BitBtn5->userClick());
  ASSERT_TRUE(w.StringGrid4->userTypeCell(1, 1, QStringLiteral("x")));
  ASSERT_FALSE(w.RadioGroup1->userChoose(2));
  EXPECT_EQ(errors(), QStringList{QStringLiteral("'x' is not a valid floating point value")});
  EXPECT_EQ(w.StringGrid4->Cells(2, 0), "5.547E-10");
  EXPECT_EQ(w.StringGrid4->Cells(2, 1), "");
  EXPECT_EQ(w.Series11->count(), 1);
}

// The NBS 1000-point set: n[0] = 1234567890, n[i+1] = 16807 n[i] mod 2147483647 and the
// readings 1 + n / 2147483647 Hz at a nominal 1 Hz. Its published non-overlapping Allan
// deviation at tau = 1 is 0.2922.
TEST_F(FrequencyAnalysisTest, NbsThousandPointSetGivesItsPublishedSigma) {
  QByteArray bytes;
  std::int64_t n = 1234567890;
  for (int i = 0; i < 1000; ++i) {
    bytes +=
        QByteArray::fromStdString(defaultText(1.0 + static_cast<double>(n) / 2147483647.0, '.')) + "\r\n";
    n = (16807 * n) % 2147483647;
  }
  ASSERT_TRUE(
      load(writeFile(QStringLiteral("nbs1000.txt"), bytes), QStringLiteral("1"), QStringLiteral("1")));
  TForm2& w = *window_;
  ASSERT_TRUE(w.BitBtn1->userClick());
  ASSERT_TRUE(w.BitBtn5->userClick());
  ASSERT_EQ(w.StringGrid4->RowCount(), 9);
  EXPECT_EQ(w.StringGrid4->Cells(0, 0), "1");
  EXPECT_EQ(w.StringGrid4->Cells(0, 8), "256");
  EXPECT_EQ(w.StringGrid4->Cells(1, 0), "0.2922");

  // White Phase: edf above 100 on the first rows (normal approximation), the table below.
  ASSERT_TRUE(w.RadioGroup1->userChoose(0));
  ASSERT_EQ(w.Series11->count(), 9);
  for (int k = 0; k < 9; ++k) {
    SCOPED_TRACE(k);
    const auto cell = [&](int col) { return textToFloat(w.StringGrid4->Cells(col, k), '.'); };
    const long double sigma = cell(1);
    EXPECT_LT(cell(2), sigma);
    EXPECT_GT(cell(3), sigma);
  }
}

}  // namespace
}  // namespace kovia::testing
