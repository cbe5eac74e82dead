// The load of the phase window: the append question, the fresh load and the append load.
//
// The line store Memo1 always holds one line per reading row of StringGrid1, also after an
// append, so the count shown in Edit2 is the count every later stage works on.
#include <memory>

#include "core/number_text.h"
#include "phase/Agr_dat_kovia.h"
#include "phase/Fase_kovia.h"
#include "phase/Frecnomf_kovia.h"
#include "phase/hourly_file.h"
#include "phase/phase_cells.h"
#include "phase/phase_progress.h"
#include "phase/phase_rules.h"
#include "phase/phase_window_state.h"
#include "platform/regional_settings.h"
#include "platform/seam.h"

namespace kovia {

namespace {

// Filter 1 of OpenDialog1 reads text; any other filter reads an hourly binary file.
constexpr int kTextFilter = 1;

}  // namespace

void TForm1::SpeedButton3Click(QObject*) {
  if (phaseWindowState().dataPending == 0) askAppend();
  if (phaseWindowState().appendRequested == 1) {
    appendLoad();
  } else {
    freshLoad();
  }
}

void TForm1::askAppend() {
  auto question = std::make_unique<TForm16>();
  Form16 = question.get();
  question->ShowModal();
}

void TForm1::clearResults() {
  for (StringGrid* grid : {StringGrid5, StringGrid7, StringGrid2, StringGrid6}) {
    const int columns = grid == StringGrid5 ? 4 : 2;
    for (int c = 0; c < columns; ++c) grid->clearColumn(c);
  }
}

void TForm1::resetAnalysisControls() {
  RadioGroup1->setItemIndex(-1);
  RadioGroup1->setEnabled(false);
  RadioGroup2->setItemIndex(-1);
  RadioGroup2->setEnabled(false);
  ComboBox1->setItemIndex(-1);
  ComboBox1->setEnabled(false);
  UpDown1->setEnabled(false);
  BitBtn12->setEnabled(false);
  BitBtn16->setEnabled(false);
  for (Command* command : {minorGridCommand, moveDownCommand, moveUpCommand, avarColorCommand}) {
    command->setEnabled(false);
  }
}

void TForm1::writeResultHeaders() {
  StringGrid2->setCellText(0, 0, QStringLiteral("     No  "));
  StringGrid2->setCellText(1, 0, QStringLiteral("               Valor   "));
  StringGrid7->setCellText(0, 0, QStringLiteral("     No  "));
  StringGrid7->setCellText(1, 0, QStringLiteral("        Valor   "));
  StringGrid6->setCellText(0, 0, QStringLiteral("     No  "));
  StringGrid6->setCellText(1, 0, QStringLiteral("        Valor   "));
  StringGrid5->setCellText(0, 0, QStringLiteral("   Tau"));
  StringGrid5->setCellText(1, 0, QStringLiteral("    Avar "));
  StringGrid5->setCellText(2, 0, QStringLiteral("    Binf "));
  StringGrid5->setCellText(3, 0, QStringLiteral("    Bsup "));
}

bool TForm1::readChosenFile(LineStore& lines) {
  const QString path = OpenDialog1->FileName();
  if (OpenDialog1->FilterIndex() == kTextFilter) {
    lines.loadFromFile(path.toStdString());
    return true;
  }
  const std::optional<QString> intermediate = convertHourlyFile(path);
  if (!intermediate) {
    showMessage(QStringLiteral("No se puede abrir archivo"));
    return false;
  }
  lines.loadFromFile(intermediate->toStdString());
  return true;
}

void TForm1::writeDurationFeet(int readingCount) {
  const QString text =
      QString::fromStdString(measurementDurationText(readingCount, phaseWindowState().tauSeconds));
  for (Chart* chart : {Chart2, Chart4, Chart5}) chart->foot().setText(text);
}

void TForm1::enableChartCommands() {
  for (Command* command : {saveCommand, pointColorCommand, lineCommand, moveLeftCommand, moveUpCommand,
                           moveDownCommand, moveRightCommand, zoomInCommand, zoomOutCommand, resetCommand}) {
    command->setEnabled(true);
  }
}

void TForm1::freshLoad() {
  if (!OpenDialog1->Execute()) return;
  ProgressScope progress(*this);
  PhaseWindowState& s = phaseWindowState();
  s.dataPending = 0;
  s.accumulationPending = 1;
  s.appendRequested = 1;
  Edit1->setText(QString());

  for (Series* series : {Series1, Series2, Series3, Series4, Series5, Series6, Series7, Series8, Series10}) {
    series->clear();
  }
  clearResults();
  resetAnalysisControls();
  StringGrid1->setCellText(0, 0, QStringLiteral("     No  "));
  StringGrid1->setCellText(1, 0, QStringLiteral("       Valor   "));
  writeResultHeaders();
  setCaption(OpenDialog1->FileName());

  progress.show(QStringLiteral("Leyendo ") + OpenDialog1->FileName() + QStringLiteral(" ..."));
  LineStore lines;
  if (readChosenFile(lines)) {
    const int count = lines.count();
    StringGrid1->beginUpdate();
    StringGrid1->setRowCount(count + 1);
    StringGrid1->setColCount(2);
    StringGrid1->setColumn(0, rowNumberColumn(StringGrid1->cellView(0, 0), 1, count), 0);
    StringGrid1->setColumn(1, textColumn(StringGrid1->cellView(1, 0), lines.lines()), 0);
    StringGrid1->endUpdate();
    Memo1->Lines() = std::move(lines);
    hasReadings_ = true;
    s.loadedCount = count;

    auto dialog = std::make_unique<TForm5>();
    Form5 = dialog.get();
    dialog->ShowModal();
    dialog.reset();

    progress.show(QStringLiteral("Graficando ") + QString::number(count) + QStringLiteral(" lecturas ..."));
    addColumnPoints(*StringGrid1, 1, 1, count, *Series1, s.rawPointColor);
    s.chart4ShowsPoints = 1;
    s.chart4ShowsLine = 0;
    writeDurationFeet(count);
  }

  Edit2->setText(QString::fromStdString(integerText(Memo1->Lines().count())));
  Edit3->setText(QString::fromStdString(defaultText(s.nominalFrequencyHz, decimalSeparator())));
  Edit4->setText(QString::fromStdString(integerText(s.tauSeconds)));
  for (Edit* field : {Edit2, Edit3, Edit4}) field->setReadOnly(true);
  enableChartCommands();
  RadioGroup1->setEnabled(true);
}

void TForm1::appendLoad() {
  if (!OpenDialog1->Execute()) return;
  ProgressScope progress(*this);
  PhaseWindowState& s = phaseWindowState();
  s.dataPending = 0;
  s.accumulationPending = 1;

  for (Series* series : {Series2, Series3, Series4, Series5, Series6, Series8, Series10}) series->clear();
  clearResults();
  resetAnalysisControls();
  writeResultHeaders();
  setCaption(OpenDialog1->FileName());

  progress.show(QStringLiteral("Leyendo ") + OpenDialog1->FileName() + QStringLiteral(" ..."));
  LineStore lines;
  const bool firstReadings = !hasReadings_;
  if (readChosenFile(lines)) {
    // The new readings are numbered on from the readings of this window's grid.
    const int before = readingRows();
    const int added = lines.count();
    const int total = before + added;
    StringGrid1->beginUpdate();
    StringGrid1->setRowCount(total + 1);
    StringGrid1->setColCount(2);
    if (firstReadings) {
      StringGrid1->setCellText(0, 0, QStringLiteral("     No  "));
      StringGrid1->setCellText(1, 0, QStringLiteral("       Valor   "));
    }
    StringGrid1->setColumn(0, rowNumberColumn(std::nullopt, before + 1, added), before + 1);
    StringGrid1->setColumn(1, textColumn(std::nullopt, lines.lines()), before + 1);
    StringGrid1->endUpdate();
    if (firstReadings) Memo1->Lines().clear();
    for (const std::string& line : lines.lines()) Memo1->Lines().add(line);
    hasReadings_ = true;
    s.loadedCount = total;

    progress.show(QStringLiteral("Graficando ") + QString::number(added) + QStringLiteral(" lecturas ..."));
    if (s.chart4ShowsPoints == 1)
      addColumnPoints(*StringGrid1, 1, before + 1, total, *Series1, s.rawPointColor);
    if (s.chart4ShowsLine == 1)
      addColumnPoints(*StringGrid1, 1, before + 1, total, *Series7, s.rawPointColor);
    s.chart4ShowsPoints = 1;
    s.chart4ShowsLine = 0;
    writeDurationFeet(total);
  }

  Edit2->setText(QString::fromStdString(integerText(Memo1->Lines().count())));
  if (firstReadings && hasReadings_) {
    // Readings appended to a window that had none: its summary still needs the nominal
    // frequency and tau they are analysed with.
    Edit3->setText(QString::fromStdString(defaultText(s.nominalFrequencyHz, decimalSeparator())));
    Edit4->setText(QString::fromStdString(integerText(s.tauSeconds)));
  }
  enableChartCommands();
  RadioGroup1->setEnabled(true);
}

}  // namespace kovia
