// Allan deviation of the accumulated phase and its 95 % bounds by noise type.
#include <algorithm>
#include <cmath>

#include "core/confidence_bounds.h"
#include "core/number_text.h"
#include "core/phase_analysis.h"
#include "phase/Fase_kovia.h"
#include "phase/phase_cells.h"
#include "phase/phase_progress.h"
#include "phase/phase_window_state.h"
#include "platform/regional_settings.h"
#include "platform/seam.h"

namespace kovia {

namespace {

// Significant digits of the Allan table's deviation and bound texts.
constexpr int kAllanDigits = 4;

}  // namespace

void TForm1::BitBtn12Click(QObject*) {
  PhaseWindowState& s = phaseWindowState();
  if (s.tauSeconds <= 0) {
    showMessage(
        QStringLiteral("Tau es cero: no se puede calcular la raíz de la varianza de Allan. "
                       "Cargue el archivo de nuevo e indique el intervalo entre lecturas."));
    return;
  }
  const int values = StringGrid2->RowCount() - 1;
  const int steps = phaseAllanStepCount(static_cast<std::size_t>(std::max(values, 0)));

  ProgressScope progress(*this);
  progress.show(QStringLiteral("Calculando la raíz de la varianza de Allan de ") + QString::number(values) +
                QStringLiteral(" valores ..."));
  CellValues<double> accumulated;
  PhaseAllan allan;
  if (steps > 0) accumulated = readDoubleCells(*StringGrid2, 1, 1, values);
  if (steps > 0 && accumulated.complete()) {
    allan = phaseAllanDeviation(accumulated.values, s.tauSeconds);
    const bool finite = std::all_of(allan.rows.begin(), allan.rows.end(),
                                    [](const PhaseAllanRow& row) { return std::isfinite(row.sigma); });
    if (!finite) {
      showMessage(
          QStringLiteral("La varianza de Allan de estos datos excede el intervalo de los números de "
                         "precisión simple: no se puede calcular."));
      return;
    }
  }

  s.allanPending = 0;
  StringGrid5->setRowCount(steps + 1);
  // An accumulated value that did not convert ends the command before any row is written.
  accumulated.rethrow();
  const char separator = decimalSeparator();
  for (int step = 0; step < static_cast<int>(allan.rows.size()); ++step) {
    const int row = step + 1;
    const double tau = averagingTime(step, s.tauSeconds);
    StringGrid5->setCell(0, row, defaultText(tau, separator));
    StringGrid5->setCell(
        1, row, generalText(allan.rows[static_cast<std::size_t>(step)].sigma, kAllanDigits, separator));
    Series5->addXY(tau, readDoubleCell(*StringGrid5, 1, row), QString(), s.avarColor);
  }
  Series5->setMarksVisible(false);

  RadioGroup2->setEnabled(true);
  for (Command* command : {minorGridCommand, saveCommand, moveUpCommand, moveDownCommand})
    command->setEnabled(true);
  BitBtn12->setEnabled(false);
}

void TForm1::RadioGroup2Click(QObject*) {
  const PhaseWindowState& s = phaseWindowState();
  avarColorCommand->setEnabled(true);
  const int rows = StringGrid5->RowCount() - 1;
  const char separator = decimalSeparator();
  for (int row = 1; row <= rows; ++row)
    StringGrid5->setCell(0, row, defaultText(averagingTime(row - 1, s.tauSeconds), separator));
  const std::optional<NoiseType> noise = noiseTypeFromIndex(RadioGroup2->ItemIndex());
  if (!noise) return;

  Series3->clear();
  Series4->clear();
  StringGrid5->clearColumn(2);
  StringGrid5->clearColumn(3);
  StringGrid5->setCellText(2, 0, QStringLiteral(" Binf"));
  StringGrid5->setCellText(3, 0, QStringLiteral(" Bsup"));

  const auto values = static_cast<float>(StringGrid2->RowCount() - 1);
  for (int row = 1; row <= rows; ++row) {
    const CellValues<float> sigma = readFloatCells(*StringGrid5, 1, row, row);
    sigma.rethrow();
    // An averaging time whose degrees of freedom have no chi-square row (below 1, or not
    // finite for very short data) gets no bounds rather than invented ones.
    const std::optional<ConfidenceBounds> bounds = phaseBounds(*noise, values, row - 1, sigma.values.front());
    if (!bounds) continue;
    StringGrid5->setCell(2, row, generalText(bounds->lower, kAllanDigits, separator));
    StringGrid5->setCell(3, row, generalText(bounds->upper, kAllanDigits, separator));
    const double tau = readDoubleCell(*StringGrid5, 0, row);
    Series3->addXY(tau, readDoubleCell(*StringGrid5, 3, row), QString(), colors::kRed);
    Series4->addXY(tau, readDoubleCell(*StringGrid5, 2, row), QString(), colors::kRed);
  }
  Series3->setMarksVisible(false);
  Series4->setMarksVisible(false);
}

}  // namespace kovia
