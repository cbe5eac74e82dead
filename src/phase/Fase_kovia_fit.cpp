// Accumulated phase, polynomial fit and residuals of the phase window.
#include <algorithm>
#include <cmath>

#include "core/number_text.h"
#include "core/phase_analysis.h"
#include "phase/Fase_kovia.h"
#include "phase/phase_cells.h"
#include "phase/phase_progress.h"
#include "phase/phase_rules.h"
#include "phase/phase_window_state.h"
#include "platform/regional_settings.h"
#include "platform/seam.h"

namespace kovia {

namespace {

// Significant digits of each stage's texts.
constexpr int kAccumulatedDigits = 9;
constexpr int kRateDigits = 7;
constexpr int kFittedDigits = 9;
constexpr int kResidualDigits = 7;

// Why the accumulated phase cannot be computed from what the window holds; empty when it can.
QString accumulationRefusal(int unitItem, int readingCount) {
  const PhaseWindowState& s = phaseWindowState();
  if (unitItem != 0 && unitItem != 1) {
    return QStringLiteral(
        "Elija las unidades de las lecturas (Grados o Tiempo) antes de calcular la fase acumulada.");
  }
  if (s.nominalFrequencyHz == 0.0 || !std::isfinite(s.nominalFrequencyHz)) {
    return QStringLiteral(
        "La frecuencia nominal es cero: no se puede calcular la fase acumulada. "
        "Cargue el archivo de nuevo e indique la frecuencia nominal.");
  }
  if (s.tauSeconds <= 0) {
    return QStringLiteral(
        "Tau es cero: no se puede calcular la fase acumulada. "
        "Cargue el archivo de nuevo e indique el intervalo entre lecturas.");
  }
  if (readingCount < 3) {
    return QStringLiteral("Se necesitan al menos tres lecturas para calcular la fase acumulada.");
  }
  return QString();
}

bool allFinite(const AccumulatedPhase& phase) {
  return std::all_of(phase.seconds.begin(), phase.seconds.end(),
                     [](long double v) { return std::isfinite(v); }) &&
         std::all_of(phase.unwrapped.begin(), phase.unwrapped.end(),
                     [](double v) { return std::isfinite(v); });
}

QString fitRefusal(FitStatus status, int order) {
  const QString prefix = QStringLiteral("No se puede ajustar un polinomio de orden ") +
                         QString::number(order) + QStringLiteral(" a estos datos: ");
  if (status == FitStatus::PowerSumOverflow) {
    return prefix + QStringLiteral(
                        "las sumas de potencias exceden el intervalo de los números de precisión simple. "
                        "Elija un orden menor.");
  }
  return prefix + QStringLiteral("los coeficientes del ajuste no resultan finitos.");
}

}  // namespace

void TForm1::BitBtn4Click(QObject*) {
  PhaseWindowState& s = phaseWindowState();
  const int readingCount = StringGrid1->RowCount() - 1;
  const int unitItem = RadioGroup1->ItemIndex();
  if (const QString refusal = accumulationRefusal(unitItem, readingCount); !refusal.isEmpty()) {
    showMessage(refusal);
    return;
  }
  ProgressScope progress(*this);
  progress.show(QStringLiteral("Calculando la fase acumulada de ") + QString::number(readingCount) +
                QStringLiteral(" lecturas ..."));
  const CellValues<long double> readings = readExtendedCells(*StringGrid1, 1, 1, readingCount);
  const AccumulatedPhase phase = accumulatePhase(
      readings.values, unitItem == 1 ? PhaseUnit::TimeCounts : PhaseUnit::Degrees, s.nominalFrequencyHz);
  if (!allFinite(phase)) {
    showMessage(
        QStringLiteral("Las lecturas exceden el intervalo de los números de doble precisión: "
                       "no se puede calcular la fase acumulada."));
    return;
  }

  StringGrid2->setRowCount(readingCount);
  s.accumulationPending = 0;
  const int rows = static_cast<int>(phase.seconds.size());
  StringGrid2->beginUpdate();
  StringGrid2->setColumn(0, rowNumberColumn(StringGrid2->cellView(0, 0), 1, rows), 0);
  StringGrid2->setColumn(1, generalTextColumn(StringGrid2->cellView(1, 0), phase.seconds, kAccumulatedDigits),
                         0);
  StringGrid2->endUpdate();
  // A reading that did not convert ends the command after the rows it allowed.
  readings.rethrow();

  const double first = readDoubleCell(*StringGrid2, 1, 1);
  const double last = readDoubleCell(*StringGrid2, 1, StringGrid2->RowCount() - 2);
  const PhaseRate rate = phaseRate(first, last, readingCount, s.tauSeconds);
  Edit1->setText(QString::fromStdString(generalText(rate.value, kRateDigits, decimalSeparator())));

  addColumnPoints(*StringGrid2, 1, 1, readingCount - 2, *Series2, s.rawPointColor);
  s.chart2ShowsPoints = 1;
  s.chart2ShowsLine = 0;

  enableChartCommands();
  BitBtn4->setEnabled(false);
  RadioGroup1->setEnabled(false);
  ComboBox1->setEnabled(false);
  ComboBox2->setEnabled(false);
  BitBtn16->setEnabled(true);
  Edit8->setEnabled(true);
  UpDown1->setEnabled(true);
}

void TForm1::BitBtn16Click(QObject*) {
  const int order = textToInteger(Edit8->Text());
  if (order < kMinFitOrder || order > kMaxFitOrder) return;

  for (StringGrid* grid : {StringGrid6, StringGrid7}) {
    grid->clearColumn(0);
    grid->clearColumn(1);
  }
  Series8->clear();
  Series10->clear();
  StringGrid7->setCellText(0, 0, QStringLiteral("     No  "));
  StringGrid7->setCellText(1, 0, QStringLiteral("        Valor   "));
  StringGrid6->setCellText(0, 0, QStringLiteral("     No  "));
  StringGrid6->setCellText(1, 0, QStringLiteral("        Valor   "));
  StringGrid7->setRowCount(StringGrid2->RowCount());

  ProgressScope progress(*this);
  const int values = StringGrid2->RowCount() - 1;
  progress.show(QStringLiteral("Ajustando un polinomio de orden ") + QString::number(order) +
                QStringLiteral(" a ") + QString::number(values) + QStringLiteral(" valores ..."));
  // The row numbers are read first, then the accumulated values.
  const CellValues<double> x = readDoubleCells(*StringGrid2, 0, 1, values);
  x.rethrow();
  const CellValues<float> a = readFloatCells(*StringGrid2, 1, 1, values);
  a.rethrow();

  const PolynomialFit fit = fitPolynomial(x.values, a.values, order);
  const bool finite =
      std::all_of(fit.fitted.begin(), fit.fitted.end(), [](float v) { return std::isfinite(v); });
  if (fit.status != FitStatus::Ok || !finite) {
    // No fitted values were written: the residuals have nothing to work on.
    BitBtn15->setEnabled(false);
    showMessage(
        fitRefusal(fit.status == FitStatus::Ok ? FitStatus::NonFiniteCoefficients : fit.status, order));
    return;
  }

  const Color red = colors::kRed;
  for (const float p : fit.fitted) Series10->addY(p, QString(), red);
  const int rows = static_cast<int>(fit.fitted.size());
  StringGrid7->beginUpdate();
  // The row numbers in the default number text are their integer texts.
  StringGrid7->setColumn(0, rowNumberColumn(StringGrid7->cellView(0, 0), 1, rows), 0);
  StringGrid7->setColumn(1, generalTextColumn(StringGrid7->cellView(1, 0), fit.fitted, kFittedDigits), 0);
  StringGrid7->endUpdate();

  BitBtn15->setEnabled(true);
  BitBtn12->setEnabled(true);
  Button1->setEnabled(true);
}

void TForm1::BitBtn15Click(QObject*) {
  PhaseWindowState& s = phaseWindowState();
  s.residualsPending = 0;
  const int fittedRows = StringGrid7->RowCount();
  StringGrid6->setRowCount(fittedRows);

  ProgressScope progress(*this);
  progress.show(QStringLiteral("Calculando ") + QString::number(fittedRows - 1) +
                QStringLiteral(" residuos ..."));
  const CellValues<double> accumulated = readDoubleCells(*StringGrid2, 1, 1, fittedRows - 1);
  const CellValues<double> fitted = readDoubleCells(*StringGrid7, 1, 1, fittedRows - 1);
  const std::vector<long double> residual = residuals(accumulated.values, fitted.values);
  const int rows = static_cast<int>(residual.size());
  StringGrid6->beginUpdate();
  if (rows > 0) {
    StringGrid6->setColumn(0, rowNumberColumn(StringGrid6->cellView(0, 0), 1, rows), 0);
    StringGrid6->setColumn(1, generalTextColumn(StringGrid6->cellView(1, 0), residual, kResidualDigits), 0);
  }
  StringGrid6->endUpdate();
  // Row by row the accumulated value is read before the fitted one: the first row that did
  // not convert in either column ends the command with its own failure.
  if (accumulated.values.size() <= fitted.values.size()) accumulated.rethrow();
  fitted.rethrow();

  addColumnPoints(*StringGrid6, 1, 1, StringGrid2->RowCount() - 2, *Series8, colors::kRed);

  enableChartCommands();
  BitBtn15->setEnabled(false);
}

}  // namespace kovia
