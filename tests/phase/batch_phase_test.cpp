// kovia-batch fase: exit statuses and the files it writes.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <string>
#include <vector>

#include "batch/batch_commands.h"
#include "phase/phase_window_state.h"

namespace kovia {
namespace {

std::string data(const char* name) {
  return std::string(KOVIA_TEST_DATA_DIR "/") + name;
}

std::string readAll(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return "<missing>";
  return file.readAll().toStdString();
}

class PhaseBatchTest : public ::testing::Test {
 protected:
  int run(std::vector<std::string> args) {
    resetPhaseWindowState();  // each run is a program run of its own
    return runPhaseCommand(args);
  }
  std::string out(const char* sub = "salida") const {
    return dir_.filePath(QString::fromLatin1(sub)).toStdString();
  }
  QTemporaryDir dir_;
};

TEST_F(PhaseBatchTest, UsageErrorsExitWithTwoAndWriteNothing) {
  const std::string file = data("fase_desenvuelve.txt");
  const std::vector<std::vector<std::string>> cases = {
      {},
      {file, "--unidad", "grados", "--nominal", "10000000", "--tau", "60", "--orden", "2"},
      {file, "--unidad", "grados", "--nominal", "10000000", "--tau", "60", "--orden", "2", "--ruido", "5",
       "--salida", out()},
      {file, "--unidad", "grados", "--nominal", "10000000", "--tau", "60", "--orden", "0", "--salida", out()},
      {file, "--unidad", "grados", "--nominal", "10000000", "--tau", "60", "--orden", "4", "--salida", out()},
      {file, "--unidad", "metros", "--nominal", "10000000", "--tau", "60", "--orden", "1", "--salida", out()},
      {file, "--unidad", "grados", "--nominal", "10000000", "--tau", "60", "--orden", "1", "--salida", out(),
       "--x"},
  };
  for (const auto& args : cases) {
    EXPECT_EQ(run(args), 2) << ::testing::PrintToString(args);
  }
  EXPECT_FALSE(QDir(QString::fromStdString(out())).exists());
}

TEST_F(PhaseBatchTest, RefusedDataExitsWithOneAndWritesNothing) {
  const std::vector<std::vector<std::string>> cases = {
      // The nominal-frequency dialog takes digits only.
      {data("fase_desenvuelve.txt"), "--unidad", "grados", "--nominal", "10.5", "--tau", "60", "--orden", "2",
       "--salida", out()},
      // A tau of zero cannot give an accumulated phase.
      {data("fase_desenvuelve.txt"), "--unidad", "grados", "--nominal", "10000000", "--tau", "0", "--orden",
       "2", "--salida", out()},
      {dir_.filePath(QStringLiteral("no_existe.txt")).toStdString(), "--unidad", "grados", "--nominal",
       "10000000", "--tau", "60", "--orden", "2", "--salida", out()},
  };
  for (const auto& args : cases) {
    EXPECT_EQ(run(args), 1) << ::testing::PrintToString(args);
  }
  EXPECT_FALSE(QDir(QString::fromStdString(out())).exists());
}

TEST_F(PhaseBatchTest, AppendsFurtherFilesAndWritesTheFiveResults) {
  const std::string folder = out("nueva/carpeta");  // created when missing
  ASSERT_EQ(run({data("fase_desenvuelve.txt"), data("fase_agregado.txt"), "--unidad", "grados", "--nominal",
                 "10000000", "--tau", "60", "--orden", "2", "--ruido", "2", "--salida", folder}),
            0);
  const QDir dir(QString::fromStdString(folder));

  const std::string readings = readAll(dir.filePath(QStringLiteral("datos_modificados.dat")));
  EXPECT_EQ(readings, "       Valor   \r\n170\r\n-175\r\n-160\r\n178\r\n175\r\n172\r\n174\r\n176\r\n");

  const std::string accumulated = readAll(dir.filePath(QStringLiteral("fase_acumulada.dat")));
  EXPECT_EQ(accumulated.rfind("               Valor   \r\n4.72222222E-8\r\n5.13888889E-8\r\n", 0), 0u)
      << accumulated;
  EXPECT_EQ(std::count(accumulated.begin(), accumulated.end(), '\n'), 8);  // header and 7 values

  const std::string residuals = readAll(dir.filePath(QStringLiteral("residuos.dat")));
  EXPECT_EQ(residuals.rfind("        Valor   \r\n", 0), 0u);
  EXPECT_EQ(std::count(residuals.begin(), residuals.end(), '\n'), 8);

  // Eight readings analysed: the report counts all of them.
  const std::string report = readAll(dir.filePath(QStringLiteral("reporte.txt")));
  EXPECT_EQ(report.rfind("N\xfamero de datos:\t8\r\nDesviaci\xf3n Fraccional:\t", 0), 0u) << report;

  const std::string table = readAll(dir.filePath(QStringLiteral("allan.txt")));
  // M = 7: factors 1 and 2, bounds of White Frequency.
  EXPECT_EQ(table.rfind("   Tau\t    Avar \t Binf\t Bsup         \r\n60\t", 0), 0u) << table;
  EXPECT_EQ(std::count(table.begin(), table.end(), '\n'), 3);
}

TEST_F(PhaseBatchTest, HourlyFilesWithTheHourOption) {
  ASSERT_EQ(run({data("fase_hora_recortada.5"), "--hora", "--unidad", "tiempo", "--nominal", "5000000",
                 "--tau", "1", "--orden", "1", "--salida", out()}),
            0);
  EXPECT_EQ(readAll(QDir(QString::fromStdString(out())).filePath(QStringLiteral("datos_modificados.dat"))),
            "       Valor   \r\n1\r\n-1\r\n2000000\r\n");
}

}  // namespace
}  // namespace kovia
