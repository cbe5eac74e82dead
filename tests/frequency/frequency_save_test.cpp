// The frequency window's save command: which items the options dialog offers at each stage,
// the file dialogs it asks in order, the bytes of the files, and files that cannot be written.
#include <sys/stat.h>

#include <QApplication>

#include "batch/batch_commands.h"
#include "frequency_test_support.h"
#include "output/Guarda_kovia.h"
#include "save_testing.h"

namespace kovia::testing {
namespace {

class FrequencySaveTest : public FrequencyWindowTest {
 protected:
  // Presses "Guardar"; in TForm13 ticks the boxes numbered in `ticks` (1 to 6) and presses
  // its "Guardar" (or, with `confirm` false, closes it with its close box); each file
  // dialog is answered with the next name in `answers`, taken in the test's folder (an
  // empty name cancels). What the dialog offered is kept in `offered_`.
  void save(const std::vector<int>& ticks, const std::vector<QString>& answers, bool confirm = true) {
    saver_.queueModal(QStringLiteral("TForm13"), [&](DialogForm& form) {
      auto& dialog = static_cast<TForm13&>(form);
      CheckBox* boxes[] = {dialog.CheckBox1, dialog.CheckBox2, dialog.CheckBox3,
                           dialog.CheckBox4, dialog.CheckBox5, dialog.CheckBox6};
      offered_.clear();
      for (CheckBox* box : boxes) offered_.push_back(box->isEnabled());
      for (int tick : ticks) boxes[tick - 1]->userTick(true);
      if (confirm) dialog.BitBtn1->userClick();
    });
    for (const QString& answer : answers) {
      if (answer.isEmpty()) {
        saver_.queueSaveCancel();
      } else {
        saver_.queueSave(out(answer));
      }
    }
    OperatorScope scope(saver_);
    window_->saveCommand->pressButton();
    EXPECT_TRUE(saver_.unusedAnswers().isEmpty()) << saver_.unusedAnswers().join(' ').toStdString();
    EXPECT_FALSE(saver_.failure()) << "a dialog was shown that the script did not expect";
    EXPECT_EQ(frequencyWindowState().saveSelection, (std::array<std::int32_t, 6>{}));
  }

  QString out(const QString& name) const { return dir_.filePath(name); }

  // Loads the eight alternating readings and runs every stage up to the noise type.
  void analyse() {
    ASSERT_TRUE(load(dataFile("frecuencia_alterna.txt")));
    ASSERT_TRUE(window_->BitBtn1->userClick());
    ASSERT_TRUE(window_->BitBtn5->userClick());
    ASSERT_TRUE(window_->RadioGroup1->userChoose(2));
  }

  QStringList saverErrors() const { return saver_.texts(ScriptedOperator::MessageKind::Error); }
  QStringList saverMessages() const { return saver_.texts(ScriptedOperator::MessageKind::Message); }

  SaveRecorder saver_;
  std::vector<bool> offered_;
};

TEST_F(FrequencySaveTest, EachStageOffersItsItemsAndAnUnconfirmedDialogAsksForNoFile) {
  struct Stage {
    const char* name;
    std::function<bool(TForm2&)> reach;
    std::vector<bool> offered;
  };
  const Stage stages[] = {
      {"carga", [](TForm2&) { return true; }, {true, false, false, false, false, false}},
      {"desviación",
       [](TForm2& w) { return w.BitBtn1->userClick(); },
       {true, true, false, true, true, false}},
      {"Allan", [](TForm2& w) { return w.BitBtn5->userClick(); }, {true, true, true, true, true, true}},
  };
  ASSERT_TRUE(load(dataFile("frecuencia_alterna.txt")));
  for (const Stage& stage : stages) {
    SCOPED_TRACE(stage.name);
    ASSERT_TRUE(stage.reach(*window_));
    // Ticked boxes count only when "Guardar" confirms them: the close box asks for nothing.
    save({1}, {}, false);
    EXPECT_EQ(offered_, stage.offered);
    save({}, {});
  }
  EXPECT_TRUE(saver_.requests.empty());
  EXPECT_TRUE(QDir(dir_.path()).isEmpty());
}

TEST_F(FrequencySaveTest, ThreeChartsAskTheBitmapDialogThreeTimesEachProposingTheNameBefore) {
  analyse();
  save({1, 2, 3}, {"datos.bmp", "desviacion", "allan.bmp"});
  ASSERT_EQ(saver_.requests.size(), 3u);
  EXPECT_EQ(saver_.requests[0].fileName, QString());
  EXPECT_EQ(saver_.requests[1].fileName, out("datos.bmp"));
  EXPECT_EQ(saver_.requests[2].fileName, out("desviacion.bmp"));  // the default extension added
  for (const SaveRequest& request : saver_.requests) {
    EXPECT_EQ(request.filter, QStringLiteral("Mapa de Bits|*.bmp"));
    EXPECT_EQ(request.defaultExt, QStringLiteral("bmp"));
    EXPECT_EQ(request.title, QString());
  }

  // Each chart in its own file, at the size it has on screen, drawn (not a blank page).
  const std::pair<const char*, Chart*> charts[] = {
      {"datos.bmp", window_->Chart1}, {"desviacion.bmp", window_->Chart2}, {"allan.bmp", window_->DBChart4}};
  std::vector<QImage> images;
  for (const auto& [name, chart] : charts) {
    SCOPED_TRACE(name);
    const QImage image = bitmap(out(QString::fromLatin1(name)));
    EXPECT_EQ(image.size(), chart->size());
    EXPECT_GT(darkPixels(image), 500) << "no titles, axes or points drawn";
    images.push_back(image);
  }
  EXPECT_NE(images[0], images[1]);
  EXPECT_NE(images[1], images[2]);
}

// A page keeps the geometry it had when last on show (none when it never was): the chart of
// such a page is drawn at the size it has once its page is shown, not at a stale one.
TEST_F(FrequencySaveTest, AChartOnAPageNotOnShowIsDrawnAtItsShownSize) {
  window_->showNormal();
  window_->resize(1000, 700);
  QApplication::processEvents();
  analyse();
  window_->PageControl1->setActivePageIndex(1);
  QApplication::processEvents();
  window_->PageControl1->setActivePageIndex(0);
  window_->resize(900, 640);
  QApplication::processEvents();

  save({2, 3}, {"desviacion.bmp", "allan.bmp"});
  for (int page : {1, 2}) {
    window_->PageControl1->setActivePageIndex(page);
    QApplication::processEvents();
  }
  EXPECT_EQ(bitmap(out("desviacion.bmp")).size(), window_->Chart2->size());
  EXPECT_EQ(bitmap(out("allan.bmp")).size(), window_->DBChart4->size());
  EXPECT_EQ(window_->size(), QSize(900, 640));
}

TEST_F(FrequencySaveTest, ReportDeviationsAndTableAreTheShownTexts) {
  analyse();
  // The report and the table share the text dialog: the table is offered the report's name,
  // and a cancelled item is skipped without a word.
  save({4, 5, 6}, {"reporte.txt", "", "allan.txt"});
  ASSERT_EQ(saver_.requests.size(), 3u);
  EXPECT_EQ(saver_.requests[0].filter, QStringLiteral("Texto|*.txt"));
  EXPECT_EQ(saver_.requests[1].filter, QStringLiteral("Archivo de datos|*.dat"));
  EXPECT_EQ(saver_.requests[2].fileName, out("reporte.txt"));
  EXPECT_TRUE(saverMessages().isEmpty());
  EXPECT_EQ(
      fileBytes(out("reporte.txt")),
      QByteArray(
          "N\xfamero de datos:\t8\r\nFrecuencia Nominal:\t10000000\r\nFrecuencia Promedio:\t10000000\r\n"
          "\r\nDesviaci\xf3n Fraccional:\t0\r\n"));
  EXPECT_EQ(
      fileBytes(out("allan.txt")),
      QByteArray("10\t9.258E-10\t5.547E-10\t2.66E-9         \r\n20\t1.414E-9\t8.799E-10\t1.062E-8\t\r\n"));
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList({"allan.txt", "reporte.txt"}));

  save({5}, {"desviacion"});
  EXPECT_EQ(fileBytes(out("desviacion.dat")),
            QByteArray("1E-9\r\n1E-9\r\n-1E-9\r\n-1E-9\r\n1E-9\r\n1E-9\r\n-1E-9\r\n-1E-9\r\n"));
}

// No question before replacing a file, and a long path is used whole, never cut to a limit.
TEST_F(FrequencySaveTest, ReplacesWithoutAskingAndKeepsLongPathsWhole) {
  analyse();
  const QString old =
      writeFile(QStringLiteral("reporte.txt"), "un reporte anterior, más largo que el nuevo\r\n");
  const QString deep = QString(40, QLatin1Char('c')) + QLatin1Char('/') + QString(40, QLatin1Char('d'));
  ASSERT_TRUE(QDir(dir_.path()).mkpath(deep));
  const QString longName = deep + QLatin1Char('/') + QString(120, QLatin1Char('r'));
  ASSERT_GT(out(longName).size(), 200);

  save({4, 6}, {"reporte.txt", longName});
  EXPECT_EQ(
      fileBytes(old),
      QByteArray(
          "N\xfamero de datos:\t8\r\nFrecuencia Nominal:\t10000000\r\nFrecuencia Promedio:\t10000000\r\n"
          "\r\nDesviaci\xf3n Fraccional:\t0\r\n"));
  EXPECT_TRUE(fileBytes(out(longName + QStringLiteral(".txt"))).startsWith("10\t9.258E-10\t"));
  EXPECT_EQ(QDir(out(deep)).entryList(QDir::Files | QDir::Hidden).size(), 1);
  EXPECT_TRUE(saverMessages().isEmpty());
}

TEST_F(FrequencySaveTest, SixLevelTableHasSixLinesTheFirstEndingInNineSpaces) {
  QByteArray readings;
  for (int i = 0; i < 100; ++i) readings += (i % 3 == 0 ? "10000000.02\r\n" : "9999999.99\r\n");
  ASSERT_TRUE(load(writeFile(QStringLiteral("cien.txt"), readings)));
  ASSERT_TRUE(window_->BitBtn1->userClick());
  ASSERT_TRUE(window_->BitBtn5->userClick());
  ASSERT_TRUE(window_->RadioGroup1->userChoose(0));
  save({6}, {"tabla.txt"});

  const QList<QByteArray> lines = fileBytes(out("tabla.txt")).split('\n');
  ASSERT_EQ(lines.size(), 7);  // six lines and nothing after the last line end
  EXPECT_TRUE(lines[6].isEmpty());
  for (int i = 0; i < 6; ++i) {
    SCOPED_TRACE(i);
    const QByteArray& line = lines[i];
    EXPECT_EQ(line.count('\t'), i == 0 ? 3 : 4);
    EXPECT_TRUE(line.endsWith(i == 0 ? QByteArray("         \r") : QByteArray("\t\r")));
    EXPECT_TRUE(line.startsWith(QByteArray::number(10 << i) + '\t'));
  }
}

// Files that cannot be written: a report or table gives the program's message and the
// command goes on; a chart or value column ends the command with the platform's error.
// Either way the old file stays whole and no temporary file is left in the folder.
TEST_F(FrequencySaveTest, UnwritableFilesKeepTheOldOnesWholeAndReportIt) {
  analyse();
  QDir(dir_.path()).mkdir(QStringLiteral("cerrada"));
  const QString closed = out(QStringLiteral("cerrada"));
  const QString old = writeFile(QStringLiteral("cerrada/allan.txt"), "viejo\r\n");
  ASSERT_EQ(chmod(QFile::encodeName(closed).constData(), 0555), 0);

  // Table refused, deviations still saved.
  save({5, 6}, {"desviacion.dat", "cerrada/allan.txt"});
  EXPECT_EQ(saverMessages(), QStringList({"No se puede abrir el archivo especificado"}));
  EXPECT_TRUE(saverErrors().isEmpty());
  EXPECT_EQ(fileBytes(old), QByteArray("viejo\r\n"));
  EXPECT_TRUE(QFile::exists(out("desviacion.dat")));

  // A chart refused: the command ends there, the later items are never asked for.
  saver_.clearRecorded();
  saver_.requests.clear();
  save({1, 4, 6}, {"cerrada/datos.bmp"});
  const QString path = out("cerrada/datos.bmp");
  EXPECT_EQ(saverErrors(), QStringList({"Cannot create file " + path}));
  EXPECT_EQ(saver_.requests.size(), 1u);

  // A value column over a file that is a folder: the same.
  saver_.clearRecorded();
  QDir(dir_.path()).mkdir(QStringLiteral("carpeta.dat"));
  save({5, 6}, {"carpeta.dat"});
  EXPECT_EQ(saverErrors(), QStringList({"Cannot create file " + out("carpeta.dat")}));

  ASSERT_EQ(chmod(QFile::encodeName(closed).constData(), 0755), 0);
  EXPECT_EQ(QDir(closed).entryList(QDir::Files | QDir::Hidden), QStringList({"allan.txt"}));
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"desviacion.dat"}));
}

// The desktop program's save and kovia-batch give the same text files for the same inputs.
TEST_F(FrequencySaveTest, TextFilesAreTheBatchProgramsBytes) {
  const QString batchDir = out("lote");
  ::testing::internal::CaptureStderr();
  const int status =
      runFrequencyCommand({dataFile("frecuencia_alterna.txt").toStdString(), "--nominal", "10000000", "--tau",
                           "10", "--ruido", "2", "--salida", batchDir.toStdString()});
  const std::string stderrText = ::testing::internal::GetCapturedStderr();
  ASSERT_EQ(status, 0) << stderrText;
  Form2 = window_;  // the batch run's window is gone; this test's window is Form2 again

  frequencyWindowState() = FrequencyWindowState{};
  analyse();
  save({4, 5, 6}, {"reporte.txt", "desviacion.dat", "allan.txt"});
  for (const char* name : {"reporte.txt", "desviacion.dat", "allan.txt"}) {
    SCOPED_TRACE(name);
    const QByteArray desktop = fileBytes(out(QString::fromLatin1(name)));
    EXPECT_FALSE(desktop.isEmpty());
    EXPECT_EQ(desktop, fileBytes(QDir(batchDir).filePath(QString::fromLatin1(name))));
  }
  for (const char* name : {"datos.bmp", "desviacion.bmp", "allan.bmp"}) {
    SCOPED_TRACE(name);
    const QImage image = bitmap(QDir(batchDir).filePath(QString::fromLatin1(name)));
    EXPECT_EQ(image.size(), QSize(800, 600));
    EXPECT_GT(darkPixels(image), 1000);
  }
}

// kovia-batch checks every target before the save command writes the first one: a target
// it cannot replace ends the run with no file written.
TEST_F(FrequencySaveTest, ABatchRunWithOneTargetRefusedWritesNoFile) {
  const QString batchDir = out("lote");
  ASSERT_TRUE(QDir(dir_.path()).mkpath(QStringLiteral("lote/allan.txt")));  // a folder in its place
  ::testing::internal::CaptureStderr();
  const int status = runFrequencyCommand({dataFile("frecuencia_alterna.txt").toStdString(), "--nominal",
                                          "10000000", "--tau", "10", "--salida", batchDir.toStdString()});
  const std::string stderrText = ::testing::internal::GetCapturedStderr();
  Form2 = window_;
  EXPECT_EQ(status, 1);
  EXPECT_NE(stderrText.find("Cannot create file " + out("lote/allan.txt").toStdString()), std::string::npos)
      << stderrText;
  EXPECT_EQ(QDir(batchDir).entryList(QDir::Files | QDir::Hidden), QStringList());
}

}  // namespace
}  // namespace kovia::testing
