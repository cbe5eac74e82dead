// Loading phase files: fresh and appended loads, hourly binary files, the nominal-frequency
// dialog and the duration foot text.
#include <gtest/gtest.h>

#include "core/phase_analysis.h"
#include "phase/hourly_file.h"
#include "phase/phase_rules.h"
#include "phase_window_fixture.h"
#include "platform/state_registry.h"

namespace kovia::testing {
namespace {

using Strings = std::vector<std::string>;

class PhaseLoadTest : public PhaseWindowTest {};

TEST_F(PhaseLoadTest, FirstLoadFillsGridSummaryChartAndEnablesTheUnitChoice) {
  const QString path = dataFile("fase_desenvuelve.txt");
  ASSERT_TRUE(load(path));  // no append question is expected: the script would fail on one

  EXPECT_EQ(w->Caption(), path);
  EXPECT_EQ(w->StringGrid1->RowCount(), 6);
  EXPECT_EQ(column(*w->StringGrid1, 0, 0), (Strings{"     No  ", "1", "2", "3", "4", "5"}));
  EXPECT_EQ(column(*w->StringGrid1, 1, 0), (Strings{"       Valor   ", "170", "-175", "-160", "178", "175"}));
  EXPECT_EQ(w->Memo1->Lines().count(), 5);
  EXPECT_EQ(w->Edit2->text(), QStringLiteral("5"));
  EXPECT_EQ(w->Edit3->text(), QStringLiteral("10000000"));
  EXPECT_EQ(w->Edit4->text(), QStringLiteral("60"));
  EXPECT_TRUE(w->Edit2->isReadOnly() && w->Edit3->isReadOnly() && w->Edit4->isReadOnly());

  EXPECT_EQ(ys(*w->Series1), (std::vector<double>{170, -175, -160, 178, 175}));
  EXPECT_EQ(w->Series1->color(4), 0x800000u);
  EXPECT_EQ(w->Series1->xValue(4), 4.0);
  for (Chart* chart : {w->Chart2, w->Chart4, w->Chart5}) {
    EXPECT_EQ(chart->foot().text(), QStringLiteral("(5 minutos de medición con TAU= 60 s)"));
  }

  const PhaseWindowState& s = phaseWindowState();
  EXPECT_EQ(s.nominalFrequencyHz, 10000000.0);
  EXPECT_EQ(s.tauSeconds, 60);
  EXPECT_EQ(s.dataPending, 0);
  EXPECT_EQ(s.accumulationPending, 1);
  EXPECT_EQ(s.appendRequested, 1);
  EXPECT_EQ(s.loadedCount, 5);
  EXPECT_EQ(s.chart4ShowsPoints, 1);
  EXPECT_EQ(s.residualsPending, 3);

  for (Command* c :
       {w->saveCommand, w->pointColorCommand, w->lineCommand, w->moveLeftCommand, w->moveUpCommand,
        w->moveDownCommand, w->moveRightCommand, w->zoomInCommand, w->zoomOutCommand, w->resetCommand}) {
    EXPECT_TRUE(c->buttonEnabled() && c->menuEnabled()) << c->button()->objectName().toStdString();
  }
  for (Command* c : {w->minorGridCommand, w->avarColorCommand}) EXPECT_FALSE(c->buttonEnabled());
  EXPECT_TRUE(w->RadioGroup1->isEnabled());
  EXPECT_EQ(w->RadioGroup1->ItemIndex(), -1);
  EXPECT_FALSE(w->BitBtn4->isEnabled());
  EXPECT_EQ(w->StringGrid5->Cells(2, 0), "    Binf ");
}

TEST_F(PhaseLoadTest, AppendAcceptedNumbersOnAndCountsEveryReading) {
  ASSERT_TRUE(load(dataFile("fase_desenvuelve.txt")));
  ASSERT_TRUE(w->RadioGroup1->userChoose(0));
  ASSERT_TRUE(w->BitBtn4->userClick());

  queueAppendAnswer(true);
  op_.queueOpen(dataFile("fase_agregado.txt"), 1);  // no nominal-frequency dialog this time
  ASSERT_TRUE(w->openCommand->pressButton());
  expectScriptDone();

  EXPECT_EQ(column(*w->StringGrid1, 0), (Strings{"1", "2", "3", "4", "5", "6", "7", "8"}));
  EXPECT_EQ(column(*w->StringGrid1, 1), (Strings{"170", "-175", "-160", "178", "175", "172", "174", "176"}));
  EXPECT_EQ(ys(*w->Series1), (std::vector<double>{170, -175, -160, 178, 175, 172, 174, 176}));
  // The line store, the count and the foot text all speak of the eight readings analysed.
  EXPECT_EQ(w->Memo1->Lines().count(), 8);
  EXPECT_EQ(w->Edit2->text(), QStringLiteral("8"));
  EXPECT_EQ(phaseWindowState().loadedCount, 8);
  EXPECT_EQ(w->Chart4->foot().text(), QStringLiteral("(8 minutos de medición con TAU= 60 s)"));
  EXPECT_EQ(w->Edit3->text(), QStringLiteral("10000000"));
  EXPECT_EQ(w->Edit4->text(), QStringLiteral("60"));
  // The results of the earlier data are gone and the unit must be chosen again.
  EXPECT_EQ(w->Series2->count(), 0);
  EXPECT_EQ(w->StringGrid2->Cells(1, 1), "");
  EXPECT_EQ(w->Edit1->text(), QStringLiteral("4.62963E-11"));  // only a fresh load empties the rate
  EXPECT_EQ(w->RadioGroup1->ItemIndex(), -1);
  EXPECT_EQ(phaseWindowState().accumulationPending, 1);
}

// The state record belongs to the run: a second phase window asks the append question on its
// first load. Appending there numbers the readings of that window's own grid.
TEST_F(PhaseLoadTest, AppendInANewWindowStartsFromItsOwnGrid) {
  ASSERT_TRUE(load(dataFile("fase_desenvuelve.txt")));
  TForm1 second;
  queueAppendAnswer(true);
  op_.queueOpen(dataFile("fase_agregado.txt"), 1);
  ASSERT_TRUE(second.openCommand->pressButton());
  expectScriptDone();

  EXPECT_EQ(column(*second.StringGrid1, 0, 0), (Strings{"     No  ", "1", "2", "3"}));
  EXPECT_EQ(column(*second.StringGrid1, 1), (Strings{"172", "174", "176"}));
  EXPECT_EQ(phaseWindowState().loadedCount, 3);
  EXPECT_EQ(second.Edit2->text(), QStringLiteral("3"));
  EXPECT_EQ(second.Edit3->text(), QStringLiteral("10000000"));
  EXPECT_EQ(second.Edit4->text(), QStringLiteral("60"));
  EXPECT_EQ(second.Chart4->foot().text(), QStringLiteral("(3 minutos de medición con TAU= 60 s)"));
  EXPECT_EQ(w->StringGrid1->RowCount(), 6);  // the first window keeps its readings
}

TEST_F(PhaseLoadTest, AppendRefusedLoadsAfresh) {
  ASSERT_TRUE(load(dataFile("fase_desenvuelve.txt")));
  queueAppendAnswer(false);
  op_.queueOpen(dataFile("fase_agregado.txt"), 1);
  queueNominal(QStringLiteral("5000000"), QStringLiteral("1"));
  ASSERT_TRUE(w->openCommand->pressButton());
  expectScriptDone();

  EXPECT_EQ(column(*w->StringGrid1, 1, 0), (Strings{"       Valor   ", "172", "174", "176"}));
  EXPECT_EQ(ys(*w->Series1), (std::vector<double>{172, 174, 176}));
  EXPECT_EQ(w->Edit2->text(), QStringLiteral("3"));
  EXPECT_EQ(w->Edit3->text(), QStringLiteral("5000000"));
  EXPECT_EQ(w->Chart5->foot().text(), QStringLiteral("(0 minutos de medición con TAU= 1 s)"));
  EXPECT_EQ(phaseWindowState().appendRequested, 1);  // the next load appends again
}

TEST_F(PhaseLoadTest, HourlyFilesGiveOneReadingPerCompleteRecord) {
  struct Case {
    const char* file;
    Strings readings;
    const char* foot;
  };
  const Case cases[] = {
      // 14 bytes: three records, the two trailing bytes ignored.
      {"fase_hora_recortada.5", {"1", "-1", "2000000"}, "(3 minutos de medición con TAU= 60 s)"},
      {"fase_hora_vacia.10s", {}, "(0 minutos de medición con TAU= 60 s)"},
      // A text file chosen with the "hora" filter is read as binary: 27 bytes, six records.
      {"fase_desenvuelve.txt",
       {"221263665", "925969674", "755633461", "221263409", "943141130", "925960717"},
       "(6 minutos de medición con TAU= 60 s)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    resetPhaseWindowState();
    ASSERT_TRUE(load(dataFile(c.file), QStringLiteral("10000000"), QStringLiteral("60"), 2));
    EXPECT_EQ(w->StringGrid1->RowCount(), static_cast<int>(c.readings.size()) + 1);
    EXPECT_EQ(column(*w->StringGrid1, 1), c.readings);
    EXPECT_EQ(w->StringGrid1->Cells(1, 0), "       Valor   ");
    EXPECT_EQ(w->Series1->count(), static_cast<int>(c.readings.size()));
    EXPECT_EQ(w->Edit2->text(), QString::number(c.readings.size()));
    EXPECT_EQ(w->Chart4->foot().text(), QString::fromUtf8(c.foot));
  }
}

TEST_F(PhaseLoadTest, IntermediateFileIsPrivateToTheRun) {
  const std::optional<QString> intermediate = intermediateFilePath();
  ASSERT_TRUE(intermediate.has_value());
  EXPECT_TRUE(intermediate->endsWith(QStringLiteral("/aux_file.txt")));
  EXPECT_FALSE(intermediate->startsWith(QStringLiteral("c:")));
  const QFileInfo folder(QFileInfo(*intermediate).absolutePath());
  EXPECT_NE(folder.absoluteFilePath(), QDir::tempPath());  // a folder of its own, not the shared one
  EXPECT_EQ(
      QFile::permissions(folder.absoluteFilePath()) & (QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                                       QFileDevice::ReadOther | QFileDevice::WriteOther),
      QFileDevice::Permissions());
  EXPECT_EQ(hourlyRecordsText(std::string("\x01\x00\x00\x00\xff\xff\xff\xff\x80", 9)), "1\n-1\n");
}

TEST_F(PhaseLoadTest, UnreadableHourlyFileIsReportedAndKeepsTheReadings) {
  ASSERT_TRUE(load(dataFile("fase_desenvuelve.txt")));
  queueAppendAnswer(false);
  op_.queueOpen(folder_.filePath(QStringLiteral("no_existe.3")), 2);
  ASSERT_TRUE(w->openCommand->pressButton());
  expectScriptDone();

  EXPECT_EQ(messages(), QStringList{QStringLiteral("No se puede abrir archivo")});
  EXPECT_EQ(w->StringGrid1->RowCount(), 6);
  EXPECT_EQ(w->Edit2->text(), QStringLiteral("5"));
  EXPECT_EQ(phaseWindowState().loadedCount, 5);
  EXPECT_EQ(w->Series1->count(), 0);  // a fresh load clears the readings' series first
  EXPECT_EQ(phaseWindowState().dataPending, 0);
  EXPECT_TRUE(w->RadioGroup1->isEnabled());
}

TEST_F(PhaseLoadTest, CancelledOpenDialogChangesNothing) {
  op_.queueOpenCancel();
  ASSERT_TRUE(w->openCommand->pressButton());
  EXPECT_EQ(phaseWindowState().dataPending, 3);
  EXPECT_EQ(w->Caption(), QStringLiteral("Análisis de Mediciones de Diferencia de Fase"));
}

TEST_F(PhaseLoadTest, ReadingThatDoesNotConvertStopsThePlotAfterTheGridIsFilled) {
  EXPECT_FALSE(load(writeLines(QStringLiteral("mala.txt"), {"1.5", "", "3"})));
  EXPECT_EQ(errors(), QStringList{QStringLiteral("'' is not a valid floating point value")});
  EXPECT_EQ(column(*w->StringGrid1, 1), (Strings{"1.5", "", "3"}));
  EXPECT_EQ(ys(*w->Series1), (std::vector<double>{1.5}));
  EXPECT_EQ(phaseWindowState().loadedCount, 3);
  EXPECT_TRUE(w->Edit2->text().isEmpty());  // summary and enabling do not run
  EXPECT_FALSE(w->RadioGroup1->isEnabled());
}

TEST_F(PhaseLoadTest, NominalFrequencyDialogTakesOnlyDigits) {
  const QString refusalTail =
      QStringLiteral("'. \nInténtelo nuevamente introduciendo sólo caracteres numéricos.");
  struct Case {
    const char* entry;
    bool accepted;
  };
  const Case cases[] = {{"10000000", true}, {"10.5", false}, {"1e7", false}, {"-5", false}, {"1", true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.entry);
    resetPhaseWindowState();
    op_.clearRecorded();
    TForm5 dialog;
    const QString entry = QString::fromUtf8(c.entry);
    typeDigits(*dialog.Edit1, entry);
    ASSERT_TRUE(dialog.Edit1->userKeyDown(keys::kReturn));
    if (c.accepted) {
      EXPECT_TRUE(messages().isEmpty());
      EXPECT_EQ(phaseWindowState().nominalFrequencyHz, entry.toDouble());
      EXPECT_TRUE(dialog.Edit1->isReadOnly());
    } else {
      EXPECT_EQ(messages(),
                QStringList{QStringLiteral("Usted digitó un caracter no válido en '") + entry + refusalTail});
      EXPECT_EQ(phaseWindowState().nominalFrequencyHz, 0.0);
      EXPECT_FALSE(dialog.Edit1->isReadOnly());
    }
  }

  TForm5 tauFirst;
  EXPECT_TRUE(tauFirst.Edit2->isEnabled());
  typeDigits(*tauFirst.Edit2, QStringLiteral("1"));
  ASSERT_TRUE(tauFirst.Edit2->userKeyDown(keys::kReturn));
  EXPECT_EQ(phaseWindowState().tauSeconds, 1);

  // A tau beyond 32 bits would be stored as another number: it is refused and can be retyped.
  op_.clearRecorded();
  TForm5 huge;
  typeDigits(*huge.Edit2, QStringLiteral("4294967297"));
  ASSERT_TRUE(huge.Edit2->userKeyDown(keys::kReturn));
  EXPECT_EQ(phaseWindowState().tauSeconds, 1);
  ASSERT_EQ(messages().size(), 1);
  EXPECT_TRUE(messages().front().startsWith(QStringLiteral("Tau fuera de intervalo: '4294967297'")));
  EXPECT_FALSE(huge.Edit2->isReadOnly());
}

TEST(PhaseRules, MeasurementDurationText) {
  struct Case {
    std::int32_t readings, tau;
    const char* text;
  };
  const Case cases[] = {
      {25, 120, "(50 minutos de medición con TAU= 120 s)"},
      {36, 100, "(1 horas de medición con TAU= 100 s)"},
      {3599, 1, "(59 minutos de medición con TAU= 1 s)"},
      {3600, 1, "(1 horas de medición con TAU= 1 s)"},
      {0, 60, "(0 minutos de medición con TAU= 60 s)"},
      {86400, 60, "(1440 horas de medición con TAU= 60 s)"},
      // 32-bit arithmetic: 100000 * 30000 wraps to -1294967296.
      {100000, 30000, "(-21582788 minutos de medición con TAU= 30000 s)"},
  };
  for (const Case& c : cases) EXPECT_EQ(measurementDurationText(c.readings, c.tau), c.text);
}

TEST(PhaseRules, OrderFieldIntegerConversion) {
  EXPECT_EQ(textToInteger("2"), 2);
  EXPECT_EQ(textToInteger("  -7"), -7);
  for (const char* bad : {"", "2.0", "2 ", "dos", "99999999999"}) {
    EXPECT_THROW(textToInteger(bad), IntegerConversionError) << bad;
  }
  try {
    textToInteger("x");
  } catch (const IntegerConversionError& e) {
    EXPECT_STREQ(e.what(), "'x' is not a valid integer value");
  }
}

TEST(PhaseWindowStateRecord, EveryFieldIsDumpedUnderItsName) {
  resetPhaseWindowState();
  const StateDescriber* describe = findStateRecord("PhaseWindowState");
  ASSERT_NE(describe, nullptr);
  std::map<std::string, StateValue> fields;
  for (const StateField& f : (*describe)()) fields.emplace(f.name, f.value);
  EXPECT_EQ(std::get<long long>(fields.at("dataPending")), 3);
  EXPECT_EQ(std::get<long long>(fields.at("pointSize")), 2);
  EXPECT_EQ(std::get<long long>(fields.at("barColor")), 0x8000FF);
  EXPECT_EQ(std::get<std::vector<long long>>(fields.at("saveSelection")).size(), 9u);
  EXPECT_EQ(std::get<std::vector<long long>>(fields.at("printSelection")).size(), 6u);
  EXPECT_EQ(std::get<std::vector<long long>>(fields.at("gradientEndColor")),
            (std::vector<long long>{0x408080, 0x408080, 0x408080, 0x408080}));
  EXPECT_EQ(std::get<std::string>(fields.at("titleText[1]")), "FASE ACUMULADA Y AJUSTE \n  FIGURA 2");
  EXPECT_EQ(std::get<std::string>(fields.at("yAxisText[3]")), "s(t)");
  EXPECT_EQ(fields.count("view3DOn"), 1u);
  EXPECT_EQ(fields.count("selectedDataRow"), 1u);
}

}  // namespace
}  // namespace kovia::testing
