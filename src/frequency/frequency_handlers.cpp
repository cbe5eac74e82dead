// The computing commands of the frequency window: load, fractional deviation, Allan
// deviation and confidence bounds, with help and about. Each reads the cells the stage before
// wrote, calls the kernels of the core, writes cells and series, and enables the next stage.
#include <QStatusBar>
#include <cmath>
#include <memory>
#include <stdexcept>
#include <string>

#include "core/confidence_bounds.h"
#include "core/frequency_analysis.h"
#include "core/number_text.h"
#include "frequency/Frecnom_kovia.h"
#include "frequency/Frecuencia_kovia.h"
#include "frequency/frequency_cells.h"
#include "frequency/frequency_window_state.h"
#include "platform/regional_settings.h"
#include "platform/seam.h"
#include "shell/shell_commands.h"

namespace kovia {

namespace {

const QString kNoReadingsMessage =
    QStringLiteral("El archivo no contiene lecturas: no hay datos que analizar.");
const QString kZeroNominalMessage = QStringLiteral(
    "La frecuencia nominal es cero: cargue de nuevo el archivo e introduzca una frecuencia nominal válida.");
const QString kTooFewForAllanMessage =
    QStringLiteral("Se necesitan al menos dos lecturas para calcular la raíz de la varianza de Allan.");

// Clears the status-bar progress of a command however the command ends.
class StatusReset {
 public:
  explicit StatusReset(Form* form) : form_(form) {}
  ~StatusReset() { form_->statusBar()->clearMessage(); }
  StatusReset(const StatusReset&) = delete;
  StatusReset& operator=(const StatusReset&) = delete;

 private:
  Form* form_;
};

QString text(const std::string& s) {
  return QString::fromStdString(s);
}

// Adds the values as the next points of `series` (x = running index), in one burst.
void addPoints(Series* series, const std::vector<double>& values, Color color) {
  for (const double v : values) series->addY(v, QString(), color);
}

[[noreturn]] void throwSumOutOfRange(const char* what) {
  throw std::runtime_error(std::string("La suma de ") + what +
                           " está fuera del intervalo de los números que el programa puede representar.");
}

}  // namespace

void TForm2::SpeedButton3Click(QObject* /*Sender*/) {
  FrequencyWindowState& state = frequencyWindowState();
  if (!OpenDialog1->Execute()) return;
  StatusReset status(this);

  state.dataPending = 0;
  state.deviationPending = 1;
  RichEdit3->Lines().clear();
  for (Series* s : {Series1, Series2, Series3, Series5, Series10, Series11, Series12}) s->clear();
  StringGrid1->clearColumn(0);
  StringGrid1->clearColumn(1);
  StringGrid3->clearColumn(0);
  StringGrid3->clearColumn(1);
  for (int col = 0; col < StringGrid4->ColCount(); ++col) StringGrid4->clearColumn(col);
  RadioGroup1->setItemIndex(-1);
  RadioGroup1->setEnabled(false);
  for (Command* c : {minorGridCommand, moveDownCommand, moveUpCommand, avarColorCommand})
    c->setEnabled(false);
  setCaption(OpenDialog1->FileName());

  progress(0, QStringLiteral("Leyendo el archivo…"));
  Memo1->Lines().loadFromFile(OpenDialog1->FileName().toStdString());
  const int count = Memo1->Lines().count();

  StringGrid1->beginUpdate();
  StringGrid1->setColCount(2);
  StringGrid1->setRowCount(count);
  StringGrid1->setColumn(0, rowNumberColumn(count));
  GridColumn lines;
  std::size_t bytes = 0;
  for (const std::string& line : Memo1->Lines().lines()) bytes += line.size();
  lines.reserve(static_cast<std::size_t>(count), bytes);
  for (const std::string& line : Memo1->Lines().lines()) lines.append(line);
  StringGrid1->setColumn(1, std::move(lines));
  StringGrid1->endUpdate();

  if (count == 0) {
    // Nothing to analyse: no dialog, no duration, no stage to enable.
    Edit1->setText(QStringLiteral("0"));
    Edit3->setText(QString());
    Chart1->foot().setText(QString());
    Chart2->foot().setText(QString());
    BitBtn1->setEnabled(false);
    Button1->setEnabled(false);
    showMessage(kNoReadingsMessage);
    return;
  }

  {
    const std::unique_ptr<TForm4> dialog(new TForm4(this));
    dialog->ShowModal();
  }
  plotAndSummariseReadings(count);
}

void TForm2::plotAndSummariseReadings(int count) {
  FrequencyWindowState& state = frequencyWindowState();
  const char separator = decimalSeparator();

  progress(count, QStringLiteral("Graficando %1 lecturas…").arg(count));
  const ColumnNumbers<double> readings = readDoubles(*StringGrid1, 1, count, separator);
  addPoints(Series1, readings.values, state.dataPointColor);
  readings.rethrowFailure();

  state.chart1ShowsPoints = true;
  state.chart1ShowsLine = false;
  const QString foot = text(measurementFootText(count, state.tauSeconds));
  Chart1->foot().setText(foot);
  Chart2->foot().setText(foot);
  Edit2->setText(text(defaultText(state.nominalFrequencyHz, separator)));
  Edit1->setText(text(integerText(count)));
  const std::optional<double> mean = readingMean(readings.values);
  if (!mean || !std::isfinite(*mean)) throwSumOutOfRange("las lecturas");
  Edit3->setText(text(defaultText(*mean, separator)));

  for (Command* c : {saveCommand, pointColorCommand, lineCommand, moveLeftCommand, moveUpCommand,
                     moveDownCommand, moveRightCommand, zoomInCommand, zoomOutCommand, resetCommand}) {
    c->setEnabled(true);
  }
  BitBtn1->setEnabled(true);
  Series5->clear();
  Button1->setEnabled(true);
}

void TForm2::BitBtn1Click(QObject* /*Sender*/) {
  FrequencyWindowState& state = frequencyWindowState();
  const double nominal = state.nominalFrequencyHz;
  // Every deviation divides by the nominal frequency: refuse before anything changes.
  if (nominal == 0.0 || !std::isfinite(nominal)) {
    showMessage(kZeroNominalMessage);
    return;
  }
  const int count = Memo1->Lines().count();
  if (count == 0) {
    showMessage(kNoReadingsMessage);
    return;
  }
  StatusReset status(this);
  const char separator = decimalSeparator();

  Series5->clear();
  state.deviationPending = 0;
  StringGrid3->setRowCount(count);

  progress(count, QStringLiteral("Calculando %1 desviaciones…").arg(count));
  const ColumnNumbers<double> readings = readDoubles(*StringGrid1, 1, count, separator);
  const FrequencyDeviations deviations = fractionalDeviations(readings.values, nominal);
  const int written = static_cast<int>(deviations.values.size());
  StringGrid3->beginUpdate();
  StringGrid3->setColumn(0, rowNumberColumn(written));
  StringGrid3->setColumn(1, generalTextColumn(deviations.values, 7, separator));
  StringGrid3->endUpdate();
  readings.rethrowFailure();  // the rows before the reading that does not convert stay

  if (!std::isfinite(deviations.mean)) throwSumOutOfRange("las desviaciones");
  Edit4->setText(text(generalText(deviations.mean, 7, separator)));

  // The last deviation stays in the grid but is not plotted.
  progress(count, QStringLiteral("Graficando %1 desviaciones…").arg(count));
  const ColumnNumbers<double> plotted = readDoubles(*StringGrid3, 1, count - 1, separator);
  addPoints(Series5, plotted.values, state.dataPointColor);
  plotted.rethrowFailure();

  state.chart2ShowsLine = false;
  state.chart2ShowsPoints = true;
  BitBtn5->setEnabled(true);
  for (Command* c : {saveCommand, pointColorCommand, lineCommand, moveLeftCommand, moveUpCommand,
                     moveDownCommand, moveRightCommand, zoomInCommand, zoomOutCommand, resetCommand}) {
    c->setEnabled(true);
  }
  BitBtn1->setEnabled(false);
}

void TForm2::BitBtn5Click(QObject* /*Sender*/) {
  FrequencyWindowState& state = frequencyWindowState();
  const char separator = decimalSeparator();
  // N is the reading count the load wrote into Edit1.
  const long double countValue = textToFloat(Edit1->Text(), separator);
  if (!(countValue >= 2.0L)) {
    showMessage(kTooFewForAllanMessage);
    return;
  }
  const int count = countValue > 2147483647.0L ? 2147483647 : static_cast<int>(countValue);
  StatusReset status(this);

  state.allanPending = 0;
  const int steps = frequencyAllanStepCount(count);
  StringGrid4->setRowCount(steps);
  StringGrid4->setFixedHeight(16 * steps);
  for (int r = 0; r < steps; ++r)
    StringGrid4->setCell(0, r, defaultText(averagingTime(r, state.tauSeconds), separator));

  progress(count, QStringLiteral("Calculando la raíz de la varianza de Allan…"));
  const ColumnNumbers<float> deviations = readFloats(*StringGrid3, 1, count, separator);
  deviations.rethrowFailure();
  const FrequencyAllan allan = frequencyAllanDeviation(deviations.values);
  for (int r = 0; r < steps && r < static_cast<int>(allan.sigma.size()); ++r) {
    const float sigma = allan.sigma[static_cast<std::size_t>(r)];
    if (!std::isfinite(sigma)) {
      throw std::runtime_error(
          "La raíz de la varianza de Allan está fuera del intervalo de los números que el programa puede "
          "representar.");
    }
    StringGrid4->setCell(1, r, generalText(sigma, 4, separator));
    // The point is plotted from the texts just written.
    const double tau = cellDouble(*StringGrid4, 0, r, separator);
    const double shown = cellDouble(*StringGrid4, 1, r, separator);
    Series10->addXY(tau, shown, QString(), state.avarColor);
  }

  DBChart4->leftAxis()->setAutomaticMinimum(true);
  DBChart4->leftAxis()->setAutomaticMaximum(true);
  BitBtn5->setEnabled(false);
  RadioGroup1->setEnabled(true);
  for (Command* c : {avarColorCommand, minorGridCommand, saveCommand, moveUpCommand, moveDownCommand}) {
    c->setEnabled(true);
  }
}

void TForm2::RadioGroup1Click(QObject* /*Sender*/) {
  const FrequencyWindowState& state = frequencyWindowState();
  const char separator = decimalSeparator();
  Button2->setEnabled(true);
  const int rows = StringGrid4->RowCount();
  for (int k = 0; k < rows; ++k)
    StringGrid4->setCell(0, k, defaultText(averagingTime(k, state.tauSeconds), separator));
  const std::optional<NoiseType> noise = noiseTypeFromIndex(RadioGroup1->ItemIndex());
  if (!noise) return;

  Series12->clear();
  Series11->clear();
  StringGrid4->clearColumn(2);
  StringGrid4->clearColumn(3);
  const auto count = static_cast<float>(textToFloat(Edit1->Text(), separator));
  for (int k = 0; k < rows; ++k) {
    const double sigma = cellDouble(*StringGrid4, 1, k, separator);
    const std::optional<ConfidenceBounds> bounds = frequencyBounds(*noise, count, k, sigma);
    // An edf below 1 or not finite has no chi-square points: the row keeps no bounds.
    if (!bounds) continue;
    if (!std::isfinite(bounds->lower) || !std::isfinite(bounds->upper))
      throw ValueRangeError(StringGrid4->Cells(1, k));
    const std::string lower = generalText(bounds->lower, 4, separator);
    const std::string upper = generalText(bounds->upper, 4, separator);
    if (bounds->fromTable) {
      StringGrid4->setCell(3, k, upper);
      StringGrid4->setCell(2, k, lower);
    } else {
      StringGrid4->setCell(2, k, lower);
      StringGrid4->setCell(3, k, upper);
    }
    const double tau = cellDouble(*StringGrid4, 0, k, separator);
    Series12->addXY(tau, cellDouble(*StringGrid4, 3, k, separator), QString(), state.barColor);
    Series12->setMarksVisible(false);
    Series11->addXY(tau, cellDouble(*StringGrid4, 2, k, separator), QString(), state.barColor);
    Series11->setMarksVisible(false);
  }
}

void TForm2::SpeedButton19Click(QObject* /*Sender*/) {
  showHelpTopics();
}

void TForm2::Acercade1Click(QObject* /*Sender*/) {
  showAboutBox();
}

}  // namespace kovia
