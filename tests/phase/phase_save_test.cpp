// The phase window's save command: the items each stage offers, the nine steps in their
// order (the edited readings last), the bytes of the files with the grids' header rows, and
// files that cannot be written.
#include <sys/stat.h>

#include <functional>

#include "batch/batch_commands.h"
#include "output/Guardaph_kovia.h"
#include "phase_window_fixture.h"
#include "save_testing.h"

namespace kovia::testing {
namespace {

class PhaseSaveTest : public PhaseWindowTest {
 protected:
  // Presses "Guardar"; in TForm14 ticks CheckBox<n> for every n in `ticks` and presses its
  // "Guardar" (or, with `confirm` false, closes it with its close box); each file dialog is
  // answered with the next name in `answers`, in the test's folder (an empty name cancels).
  // What the dialog offered, CheckBox1 to CheckBox9, is kept in `offered_`.
  void save(const std::vector<int>& ticks, const std::vector<QString>& answers, bool confirm = true) {
    saver_.queueModal(QStringLiteral("TForm14"), [&](DialogForm& form) {
      auto& dialog = static_cast<TForm14&>(form);
      CheckBox* boxes[] = {dialog.CheckBox1, dialog.CheckBox2, dialog.CheckBox3,
                           dialog.CheckBox4, dialog.CheckBox5, dialog.CheckBox6,
                           dialog.CheckBox7, dialog.CheckBox8, dialog.CheckBox9};
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
    w->saveCommand->pressButton();
    EXPECT_TRUE(saver_.unusedAnswers().isEmpty()) << saver_.unusedAnswers().join(' ').toStdString();
    EXPECT_FALSE(saver_.failure()) << "a dialog was shown that the script did not expect";
    EXPECT_EQ(phaseWindowState().saveSelection, (std::array<std::int32_t, 9>{}));
  }

  QString out(const QString& name) const { return folder_.filePath(name); }

  // A file of twenty readings in degrees.
  QString readingsFile() {
    std::vector<std::string> readings;
    for (int k = 0; k < 20; ++k) readings.push_back(std::to_string(10 + (k * 37) % 23 + 2 * k));
    return writeLines(QStringLiteral("lecturas.txt"), readings);
  }

  // The readings loaded with nominal 10 MHz and tau 60 s.
  void loadReadings() { ASSERT_TRUE(load(readingsFile())); }

  // Every stage after the load, as the operator presses them; the noise type when given.
  void analyse(std::optional<int> noise) {
    ASSERT_TRUE(w->RadioGroup1->userChoose(0));
    ASSERT_TRUE(w->BitBtn4->userClick());
    ASSERT_TRUE(w->Edit8->userType(QStringLiteral("1")));
    ASSERT_TRUE(w->BitBtn16->userClick());
    ASSERT_TRUE(w->BitBtn15->userClick());
    ASSERT_TRUE(w->BitBtn12->userClick());
    if (noise) ASSERT_TRUE(w->RadioGroup2->userChoose(*noise));
  }

  // Column 1 of `grid` as a value-column file: the header row first.
  static QByteArray valueColumn(const StringGrid& grid) {
    QByteArray bytes;
    for (int row = 0; row < grid.RowCount(); ++row)
      bytes += QByteArray::fromStdString(grid.Cells(1, row)) + "\r\n";
    return bytes;
  }

  QStringList saverMessages() const { return saver_.texts(ScriptedOperator::MessageKind::Message); }
  QStringList saverErrors() const { return saver_.texts(ScriptedOperator::MessageKind::Error); }

  SaveRecorder saver_;
  std::vector<bool> offered_;
};

TEST_F(PhaseSaveTest, EachStageOffersItsItemsAndAnUnconfirmedDialogAsksForNoFile) {
  struct Stage {
    const char* name;
    std::function<bool(TForm1&)> reach;
    std::vector<bool> offered;  // CheckBox1 .. CheckBox9
  };
  const Stage stages[] = {
      {"carga", [](TForm1&) { return true; }, {true, false, false, false, false, false, false, false, true}},
      {"fase acumulada",
       [](TForm1& f) { return f.RadioGroup1->userChoose(0) && f.BitBtn4->userClick(); },
       {true, true, false, false, true, false, false, true, true}},
      {"residuos",
       [](TForm1& f) {
         return f.Edit8->userType(QStringLiteral("2")) && f.BitBtn16->userClick() && f.BitBtn15->userClick();
       },
       {true, true, true, false, true, true, false, true, true}},
      {"Allan", [](TForm1& f) { return f.BitBtn12->userClick(); }, std::vector<bool>(9, true)},
  };
  loadReadings();
  for (const Stage& stage : stages) {
    SCOPED_TRACE(stage.name);
    ASSERT_TRUE(stage.reach(*w));
    save({1, 9}, {}, false);
    EXPECT_EQ(offered_, stage.offered);
    save({}, {});
  }
  EXPECT_TRUE(saver_.requests.empty());
}

// Before a noise type the table carries the load's headers and empty bound fields; every
// value column starts with its grid's header; the readings come last although their box is
// at the top of the dialog.
TEST_F(PhaseSaveTest, NineItemsInStepOrderWithTheGridsHeaders) {
  loadReadings();
  analyse(std::nullopt);
  const QStringList names = {"datos.bmp", "acumulada.bmp", "residuos.bmp",
                             "allan.bmp", "acumulada.dat", "residuos.dat",
                             "allan.txt", "reporte.txt",   "lecturas_modificadas.dat"};
  save({9, 8, 7, 6, 5, 4, 3, 2, 1}, std::vector<QString>(names.begin(), names.end()));

  struct Dialog {
    const char* filter;
    const char* ext;
    const char* title;
  };
  const Dialog bmp{"Mapa de bits|*.bmp", "bmp", ""}, dat{"Archivo de datos|*.dat", "dat", ""},
      txt{"Texto|*.txt", "txt", "Guarda como..."};
  const Dialog expected[] = {bmp, bmp, bmp, bmp, dat, dat, txt, txt, dat};
  ASSERT_EQ(saver_.requests.size(), 9u);
  for (int i = 0; i < 9; ++i) {
    SCOPED_TRACE(i + 1);
    EXPECT_EQ(saver_.requests[i].filter, QString::fromUtf8(expected[i].filter));
    EXPECT_EQ(saver_.requests[i].defaultExt, QString::fromUtf8(expected[i].ext));
    EXPECT_EQ(saver_.requests[i].title, QString::fromUtf8(expected[i].title));
  }
  EXPECT_EQ(saver_.requests[8].fileName, out("residuos.dat"));  // the data dialog's last name

  EXPECT_TRUE(fileBytes(out("acumulada.dat")).startsWith("               Valor   \r\n"));
  EXPECT_EQ(fileBytes(out("acumulada.dat")), valueColumn(*w->StringGrid2));
  EXPECT_TRUE(fileBytes(out("residuos.dat")).startsWith("        Valor   \r\n"));
  EXPECT_EQ(fileBytes(out("residuos.dat")), valueColumn(*w->StringGrid6));
  const QByteArray readings = fileBytes(out("lecturas_modificadas.dat"));
  EXPECT_TRUE(readings.startsWith("       Valor   \r\n10\r\n"));
  EXPECT_EQ(readings.count("\r\n"), 21);
  EXPECT_EQ(fileBytes(out("reporte.txt")), "N\xfamero de datos:\t20\r\nDesviaci\xf3n Fraccional:\t" +
                                               QByteArray::fromStdString(w->Edit1->Text()) + "\r\n");

  const QList<QByteArray> table = fileBytes(out("allan.txt")).split('\n');
  ASSERT_EQ(table.size(), w->StringGrid5->RowCount() + 1);
  EXPECT_EQ(table[0], QByteArray("   Tau\t    Avar \t    Binf \t    Bsup          \r"));
  for (int row = 1; row < w->StringGrid5->RowCount(); ++row) {
    EXPECT_EQ(table[row], QByteArray::fromStdString(w->StringGrid5->Cells(0, row) + "\t" +
                                                    w->StringGrid5->Cells(1, row) + "\t\t\t\r"));
  }

  std::vector<QImage> images;
  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE(names[i].toStdString());
    images.push_back(bitmap(out(names[i])));
    EXPECT_FALSE(images.back().isNull());
    EXPECT_GT(darkPixels(images.back()), 300);
  }
  EXPECT_EQ(images[0].size(), w->Chart4->size());
  EXPECT_EQ(images[3].size(), w->DBChart1->size());
  for (int i = 1; i < 4; ++i) EXPECT_NE(images[i - 1], images[i]);
}

TEST_F(PhaseSaveTest, AfterANoiseTypeTheTableCarriesTheBoundsAndTheirHeaders) {
  loadReadings();
  analyse(2);
  save({7}, {"allan"});
  const QList<QByteArray> table = fileBytes(out("allan.txt")).split('\n');
  EXPECT_EQ(table[0], QByteArray("   Tau\t    Avar \t Binf\t Bsup         \r"));
  EXPECT_EQ(table[1], QByteArray::fromStdString(
                          w->StringGrid5->Cells(0, 1) + "\t" + w->StringGrid5->Cells(1, 1) + "\t" +
                          w->StringGrid5->Cells(2, 1) + "\t" + w->StringGrid5->Cells(3, 1) + "\t\r"));
  EXPECT_FALSE(w->StringGrid5->Cells(2, 1).empty());
}

// A report refused gives the program's message and the command goes on; a value column
// refused ends it with the platform's error. The old files stay whole, with no temporary
// file beside them.
TEST_F(PhaseSaveTest, UnwritableFilesKeepTheOldOnesWholeAndReportIt) {
  loadReadings();
  analyse(std::nullopt);
  QDir(folder_.path()).mkdir(QStringLiteral("cerrada"));
  const QString closed = out(QStringLiteral("cerrada"));
  const QString oldReport = writeBytes(QStringLiteral("cerrada/reporte.txt"), "viejo\r\n");
  const QString oldReadings = writeBytes(QStringLiteral("lecturas.dat"), "viejas\r\n");
  ASSERT_EQ(chmod(QFile::encodeName(closed).constData(), 0555), 0);
  ASSERT_EQ(chmod(QFile::encodeName(oldReadings).constData(), 0444), 0);

  save({8, 9, 6}, {"residuos.dat", "cerrada/reporte.txt", "lecturas.dat"});
  EXPECT_EQ(saverMessages(), QStringList({"No se puede abrir el archivo especificado"}));
  EXPECT_EQ(saverErrors(), QStringList({"Cannot create file " + oldReadings}));
  EXPECT_EQ(fileBytes(oldReport), QByteArray("viejo\r\n"));
  EXPECT_EQ(fileBytes(oldReadings), QByteArray("viejas\r\n"));
  EXPECT_EQ(fileBytes(out("residuos.dat")), valueColumn(*w->StringGrid6));

  // The chart that fails first: nothing after it is asked for.
  saver_.clearRecorded();
  saver_.requests.clear();
  save({1, 5, 9}, {"cerrada/datos.bmp"});
  EXPECT_EQ(saverErrors(), QStringList({"Cannot create file " + out("cerrada/datos.bmp")}));
  EXPECT_EQ(saver_.requests.size(), 1u);

  ASSERT_EQ(chmod(QFile::encodeName(closed).constData(), 0755), 0);
  EXPECT_EQ(QDir(closed).entryList(QDir::Files | QDir::Hidden), QStringList({"reporte.txt"}));
  EXPECT_EQ(QDir(folder_.path()).entryList(QDir::Files | QDir::Hidden),
            QStringList({"lecturas.dat", "lecturas.txt", "residuos.dat"}));
}

// The desktop program's save and kovia-batch fase give the same text files for the same
// inputs; the batch program's bitmaps are 800 × 600 and drawn.
TEST_F(PhaseSaveTest, TextFilesAreTheBatchProgramsBytes) {
  const QString batchDir = out("lote");
  ASSERT_EQ(
      runPhaseCommand({readingsFile().toStdString(), "--unidad", "grados", "--nominal", "10000000", "--tau",
                       "60", "--orden", "1", "--ruido", "2", "--salida", batchDir.toStdString()}),
      0);
  Form1 = w;  // the batch run's window is gone; this test's window is Form1 again

  resetPhaseWindowState();
  loadReadings();
  analyse(2);
  const char* texts[] = {"fase_acumulada.dat", "residuos.dat", "allan.txt", "reporte.txt",
                         "datos_modificados.dat"};
  save({5, 6, 7, 8, 9}, std::vector<QString>(std::begin(texts), std::end(texts)));
  for (const char* name : texts) {
    SCOPED_TRACE(name);
    const QByteArray desktop = fileBytes(out(QString::fromLatin1(name)));
    EXPECT_GT(desktop.size(), 20);
    EXPECT_EQ(desktop, fileBytes(QDir(batchDir).filePath(QString::fromLatin1(name))));
  }
  for (const char* name : {"datos.bmp", "fase_acumulada.bmp", "residuos.bmp", "allan.bmp"}) {
    SCOPED_TRACE(name);
    const QImage image = bitmap(QDir(batchDir).filePath(QString::fromLatin1(name)));
    EXPECT_EQ(image.size(), QSize(800, 600));
    EXPECT_GT(darkPixels(image), 1000);
  }
}

}  // namespace
}  // namespace kovia::testing
