// The load command and the nominal-frequency dialog: what a load leaves in the grid, the line
// store, the charts, the fields, the record and the commands; line ends; reloads; the digit
// check; the foot texts; a reading that does not convert; an empty or unreadable file.
#include "frequency/frequency_cells.h"
#include "frequency_test_support.h"

namespace kovia::testing {
namespace {

const std::vector<std::string> kAlternating = {"10000000.01", "10000000.01", "9999999.99", "9999999.99",
                                               "10000000.01", "10000000.01", "9999999.99", "9999999.99"};

TEST_F(FrequencyWindowTest, LoadFillsGridLineStoreChartFieldsAndRecord) {
  const QString path = dataFile("frecuencia_alterna.txt");
  ASSERT_TRUE(load(path));
  TForm2& w = *window_;
  const FrequencyWindowState& state = frequencyWindowState();

  EXPECT_EQ(w.Caption(), path);
  EXPECT_EQ(w.Memo1->Lines().lines(), kAlternating);
  EXPECT_EQ(w.StringGrid1->RowCount(), 8);
  EXPECT_EQ(column(*w.StringGrid1, 0), (std::vector<std::string>{"1", "2", "3", "4", "5", "6", "7", "8"}));
  EXPECT_EQ(column(*w.StringGrid1, 1), kAlternating);

  ASSERT_EQ(w.Series1->count(), 8);
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(w.Series1->xValue(i), i);
    EXPECT_EQ(w.Series1->yValue(i), i % 4 < 2 ? 10000000.01 : 9999999.99);
    EXPECT_EQ(w.Series1->color(i), colors::kNavy);
    EXPECT_TRUE(w.Series1->label(i).isEmpty());
  }
  EXPECT_EQ(w.Series2->count(), 0);
  const QStringList foot = {QStringLiteral("(1 minutos de medición con Tau= 10 s)")};
  EXPECT_EQ(w.Chart1->foot().lines(), foot);
  EXPECT_EQ(w.Chart2->foot().lines(), foot);
  EXPECT_EQ(w.Edit1->text(), QStringLiteral("8"));
  EXPECT_EQ(w.Edit2->text(), QStringLiteral("10000000"));
  EXPECT_EQ(w.Edit3->text(), QStringLiteral("10000000"));

  EXPECT_EQ(state.nominalFrequencyHz, 1e7);
  EXPECT_EQ(state.tauSeconds, 10);
  EXPECT_EQ(state.dataPending, 0);
  EXPECT_EQ(state.deviationPending, 1);
  EXPECT_EQ(state.allanPending, 3);
  EXPECT_TRUE(state.chart1ShowsPoints);
  EXPECT_FALSE(state.chart1ShowsLine);

  for (Command* c :
       {w.saveCommand, w.pointColorCommand, w.lineCommand, w.moveLeftCommand, w.moveUpCommand,
        w.moveDownCommand, w.moveRightCommand, w.zoomInCommand, w.zoomOutCommand, w.resetCommand}) {
    EXPECT_TRUE(c->buttonEnabled() && c->menuEnabled()) << c->objectName().toStdString();
  }
  for (Command* c : {w.minorGridCommand, w.avarColorCommand, w.printCommand})
    EXPECT_FALSE(c->buttonEnabled());
  EXPECT_TRUE(w.BitBtn1->isEnabled());
  EXPECT_TRUE(w.Button1->isEnabled());
  EXPECT_FALSE(w.BitBtn5->isEnabled());
  EXPECT_TRUE(errors().isEmpty());
  EXPECT_TRUE(messages().isEmpty());
  EXPECT_TRUE(op_.unusedAnswers().isEmpty());
}

TEST_F(FrequencyWindowTest, LineEndsAndAFinalBreakGiveTheSameReadings) {
  const std::vector<std::string> expected = {"10000000.5", " 9999999.5 ", "1E7"};
  const char* variants[] = {"10000000.5\r\n 9999999.5 \r\n1E7\r\n", "10000000.5\r\n 9999999.5 \r\n1E7",
                            "10000000.5\n 9999999.5 \n1E7\n", "10000000.5\r 9999999.5 \r1E7\r",
                            "10000000.5\n 9999999.5 \r\n1E7"};
  int n = 0;
  for (const char* bytes : variants) {
    SCOPED_TRACE(bytes);
    ASSERT_TRUE(load(writeFile(QStringLiteral("f%1.txt").arg(n++), QByteArray(bytes))));
    EXPECT_EQ(window_->Memo1->Lines().lines(), expected);
    EXPECT_EQ(column(*window_->StringGrid1, 1), expected);  // blanks kept as read
    EXPECT_EQ(window_->Edit1->text(), QStringLiteral("3"));
    EXPECT_EQ(window_->Series1->count(), 3);
  }
}

TEST_F(FrequencyWindowTest, ASecondLoadLeavesNothingOfTheFirst) {
  ASSERT_TRUE(load(dataFile("frecuencia_alterna.txt")));
  ASSERT_TRUE(window_->BitBtn1->userClick());
  ASSERT_TRUE(window_->BitBtn5->userClick());
  ASSERT_TRUE(window_->RadioGroup1->userChoose(2));
  ASSERT_TRUE(load(dataFile("frecuencia_dos.txt")));
  TForm2& w = *window_;

  EXPECT_EQ(w.StringGrid1->RowCount(), 2);
  EXPECT_EQ(column(*w.StringGrid1, 1), (std::vector<std::string>{"10000000.01", "9999999.99"}));
  EXPECT_EQ(w.Memo1->Lines().count(), 2);
  EXPECT_EQ(w.Series1->count(), 2);
  // The result grids keep their row counts and lose their texts.
  EXPECT_EQ(column(*w.StringGrid3, 1), std::vector<std::string>(8));
  for (int c = 0; c < 4; ++c) EXPECT_EQ(column(*w.StringGrid4, c), std::vector<std::string>(2));
  for (Series* s : {w.Series3, w.Series5, w.Series10, w.Series11, w.Series12}) EXPECT_EQ(s->count(), 0);
  EXPECT_EQ(w.RadioGroup1->ItemIndex(), -1);
  EXPECT_FALSE(w.RadioGroup1->isEnabled());
  EXPECT_FALSE(w.minorGridCommand->buttonEnabled());
  EXPECT_FALSE(w.avarColorCommand->menuEnabled());
  EXPECT_TRUE(w.BitBtn1->isEnabled());
  EXPECT_EQ(frequencyWindowState().deviationPending, 1);
  EXPECT_EQ(frequencyWindowState().allanPending, 0);  // never set back
}

TEST_F(FrequencyWindowTest, DialogAcceptsOnlyDigitsInEitherField) {
  TForm4 accepted;
  typeAndEnter(accepted.Edit1, QStringLiteral("10000000"));
  EXPECT_TRUE(accepted.Edit1->isReadOnly());
  EXPECT_TRUE(accepted.Edit2->isEnabled());
  EXPECT_EQ(frequencyWindowState().nominalFrequencyHz, 1e7);
  typeAndEnter(accepted.Edit2, QStringLiteral("10"));
  EXPECT_EQ(frequencyWindowState().tauSeconds, 10);
  EXPECT_EQ(accepted.ModalResult(), mrOk);
  EXPECT_TRUE(messages().isEmpty());

  // Refused: the message quotes the characters checked, at most the first 19.
  const std::pair<QString, QString> refused[] = {
      {QStringLiteral("10.5"), QStringLiteral("10.5")},
      {QStringLiteral("+5"), QStringLiteral("+5")},
      {QStringLiteral(" 5"), QStringLiteral(" 5")},
      {QStringLiteral("1E7"), QStringLiteral("1E7")},
      {QStringLiteral("123456789012345678x0"), QStringLiteral("123456789012345678x")},
  };
  for (const auto& [typed, quoted] : refused) {
    SCOPED_TRACE(typed.toStdString());
    frequencyWindowState() = FrequencyWindowState{};
    const QStringList expected = {
        QStringLiteral("Usted digitó un caracter no válido en '") + quoted +
        QStringLiteral("'. \nInténtelo nuevamente introduciendo sólo caracteres numéricos.")};
    op_.clearRecorded();
    TForm4 dialog;
    typeAndEnter(dialog.Edit1, typed);
    EXPECT_EQ(messages(), expected);
    EXPECT_FALSE(dialog.Edit1->isReadOnly());
    EXPECT_FALSE(dialog.Edit2->isEnabled());
    EXPECT_EQ(frequencyWindowState().nominalFrequencyHz, 0.0);

    op_.clearRecorded();
    typeAndEnter(dialog.Edit1, QStringLiteral("5"));
    typeAndEnter(dialog.Edit2, typed);
    EXPECT_EQ(messages(), expected);
    EXPECT_FALSE(dialog.Edit2->isReadOnly());
    EXPECT_EQ(frequencyWindowState().tauSeconds, 0);
    EXPECT_NE(dialog.ModalResult(), mrOk);
  }

  // A non-digit past the 19th character passes the check; the whole text then fails to convert.
  op_.clearRecorded();
  TForm4 longer;
  typeAndEnter(longer.Edit1, QStringLiteral("1234567890123456789x"));
  EXPECT_TRUE(messages().isEmpty());
  EXPECT_EQ(errors(),
            QStringList{QStringLiteral("'1234567890123456789x' is not a valid floating point value")});
}

TEST_F(FrequencyWindowTest, DialogRefusesATauBeyondThirtyTwoBitsAndKeepsTheFieldEditable) {
  TForm4 dialog;
  typeAndEnter(dialog.Edit1, QStringLiteral("5"));
  typeAndEnter(dialog.Edit2, QStringLiteral("2147483648"));
  ASSERT_EQ(messages().size(), 1);
  EXPECT_TRUE(messages()[0].startsWith(QStringLiteral("Tau no puede ser mayor que 2147483647 segundos.")));
  EXPECT_FALSE(dialog.Edit2->isReadOnly());
  EXPECT_EQ(frequencyWindowState().tauSeconds, 0);
  typeAndEnter(dialog.Edit2, QStringLiteral("2147483647"));
  EXPECT_EQ(frequencyWindowState().tauSeconds, 2147483647);
  EXPECT_EQ(dialog.ModalResult(), mrOk);
}

TEST_F(FrequencyWindowTest, AnEmptyFieldFailsTheConversionAndOnlyTheCloseBoxRemains) {
  frequencyWindowState().nominalFrequencyHz = 5e6;
  frequencyWindowState().tauSeconds = 7;
  TForm4 dialog;
  typeAndEnter(dialog.Edit1, QString());
  EXPECT_EQ(errors(), QStringList{QStringLiteral("'' is not a valid floating point value")});
  EXPECT_TRUE(dialog.Edit1->isReadOnly());
  EXPECT_FALSE(dialog.Edit2->isEnabled());
  EXPECT_EQ(frequencyWindowState().nominalFrequencyHz, 5e6);
  EXPECT_EQ(frequencyWindowState().tauSeconds, 7);
}

TEST_F(FrequencyWindowTest, ALoadWhoseDialogIsClosedKeepsThePreviousValues) {
  frequencyWindowState().nominalFrequencyHz = 5e6;
  frequencyWindowState().tauSeconds = 60;
  op_.queueOpen(dataFile("frecuencia_alterna.txt"));
  op_.queueModal(QStringLiteral("TForm4"), [](DialogForm&) {});  // closed with its close box
  ASSERT_TRUE(window_->openCommand->pressButton());
  EXPECT_EQ(window_->Edit2->text(), QStringLiteral("5000000"));
  EXPECT_EQ(window_->Chart1->foot().lines(),
            QStringList{QStringLiteral("(8 minutos de medición con Tau= 60 s)")});
}

TEST_F(FrequencyWindowTest, FootTextSwitchesToHoursAtOneHour) {
  ASSERT_TRUE(load(dataFile("frecuencia_una.txt"), QStringLiteral("10000000"), QStringLiteral("3599")));
  EXPECT_EQ(window_->Chart1->foot().lines(),
            QStringList{QStringLiteral("(59 minutos de medición con Tau= 3599 s)")});
  ASSERT_TRUE(load(dataFile("frecuencia_una.txt"), QStringLiteral("10000000"), QStringLiteral("3600")));
  EXPECT_EQ(window_->Chart2->foot().lines(),
            QStringList{QStringLiteral("(1 horas de medición con Tau= 3600 s)")});

  struct Case {
    std::int64_t readings;
    std::int32_t tau;
    const char* foot;
  };
  const Case cases[] = {
      {120, 60, "(2 horas de medición con Tau= 60 s)"},
      {100, 1, "(1 minutos de medición con Tau= 1 s)"},
      {59, 1, "(0 minutos de medición con Tau= 1 s)"},
      // Beyond 32 bits the duration is still the true one.
      {1000000, 3600, "(1000000 horas de medición con Tau= 3600 s)"},
  };
  for (const Case& c : cases) EXPECT_EQ(measurementFootText(c.readings, c.tau), c.foot);
}

TEST_F(FrequencyWindowTest, AReadingThatDoesNotConvertStopsTheLoadAtItsLine) {
  ASSERT_FALSE(load(dataFile("frecuencia_separador.txt")));
  TForm2& w = *window_;
  EXPECT_EQ(errors(), QStringList{QStringLiteral("'10000000,003' is not a valid floating point value")});
  EXPECT_EQ(w.StringGrid1->RowCount(), 4);  // the grid was filled before the conversion
  EXPECT_EQ(w.StringGrid1->Cells(1, 3), "10000000.004");
  ASSERT_EQ(w.Series1->count(), 2);
  EXPECT_EQ(w.Series1->yValue(1), 10000000.002);
  EXPECT_TRUE(w.Edit1->text().isEmpty());
  EXPECT_TRUE(w.Edit3->text().isEmpty());
  EXPECT_TRUE(w.Chart1->foot().lines().isEmpty());
  EXPECT_FALSE(w.BitBtn1->isEnabled());
  EXPECT_FALSE(w.saveCommand->buttonEnabled());
  EXPECT_FALSE(frequencyWindowState().chart1ShowsPoints);
  EXPECT_EQ(frequencyWindowState().deviationPending, 1);

  // With the comma as the regional separator the same file stops at its first line.
  op_.clearRecorded();
  setDecimalSeparator(',');
  ASSERT_FALSE(load(dataFile("frecuencia_separador.txt")));
  EXPECT_EQ(errors(), QStringList{QStringLiteral("'10000000.001' is not a valid floating point value")});
  EXPECT_EQ(w.Series1->count(), 0);
}

TEST_F(FrequencyWindowTest, AReadingBeyondTheRangeOfADoubleStopsTheLoad) {
  ASSERT_FALSE(load(writeFile(QStringLiteral("grande.txt"), "10000000\n1E400\n")));
  ASSERT_EQ(errors().size(), 1);
  EXPECT_TRUE(errors()[0].startsWith(QStringLiteral("El valor '1E400' está fuera del intervalo")));
  EXPECT_EQ(window_->Series1->count(), 1);
  EXPECT_TRUE(window_->Edit3->text().isEmpty());
}

TEST_F(FrequencyWindowTest, AnEmptyFileLoadsNoReadingsAndEnablesNoComputation) {
  ASSERT_TRUE(load(dataFile("frecuencia_alterna.txt")));
  op_.clearRecorded();
  op_.queueOpen(dataFile("frecuencia_vacio.txt"));
  ASSERT_TRUE(window_->openCommand->pressButton());
  TForm2& w = *window_;
  EXPECT_EQ(messages(),
            QStringList{QStringLiteral("El archivo no contiene lecturas: no hay datos que analizar.")});
  EXPECT_TRUE(op_.unusedAnswers().isEmpty());  // no nominal-frequency dialog
  EXPECT_EQ(w.StringGrid1->RowCount(), 0);
  EXPECT_EQ(w.Series1->count(), 0);
  EXPECT_EQ(w.Edit1->text(), QStringLiteral("0"));
  EXPECT_TRUE(w.Edit3->text().isEmpty());
  EXPECT_FALSE(w.BitBtn1->isEnabled());
  EXPECT_FALSE(w.Button1->isEnabled());

  // Even called directly, the deviation refuses an empty load.
  op_.clearRecorded();
  w.BitBtn1Click(w.BitBtn1);
  EXPECT_EQ(messages().size(), 1);
  EXPECT_EQ(w.StringGrid3->RowCount(), 5);  // untouched
}

TEST_F(FrequencyWindowTest, CancelledOrUnreadableFileChangesWhatTheDescriptionSays) {
  op_.queueOpenCancel();
  ASSERT_TRUE(window_->openCommand->pressButton());
  EXPECT_EQ(frequencyWindowState().dataPending, 3);
  EXPECT_EQ(window_->Caption(), QStringLiteral("Análisis de Mediciones de Frecuencia"));

  const QString missing = dir_.filePath(QStringLiteral("no_existe.txt"));
  op_.queueOpen(missing);
  ASSERT_FALSE(window_->openCommand->pressButton());
  ASSERT_EQ(errors().size(), 1);
  EXPECT_TRUE(errors()[0].contains(missing));
  EXPECT_EQ(window_->Caption(), missing);
  EXPECT_EQ(frequencyWindowState().dataPending, 0);
  EXPECT_EQ(frequencyWindowState().deviationPending, 1);
  EXPECT_TRUE(op_.unusedAnswers().isEmpty());
}

}  // namespace
}  // namespace kovia::testing
