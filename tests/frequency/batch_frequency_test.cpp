// kovia-batch frecuencia run in-process: the files it writes, its usage errors (status 2) and
// its refusals (status 1, no file written).
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "batch/batch_commands.h"
#include "frequency/frequency_window_state.h"
#include "platform/regional_settings.h"

namespace kovia {
namespace {

std::string dataPath(const char* name) {
  return std::string(KOVIA_TEST_DATA_DIR "/") + name;
}

QByteArray fileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<no existe>");
}

class BatchFrequencyTest : public ::testing::Test {
 protected:
  BatchFrequencyTest() {
    frequencyWindowState() = FrequencyWindowState{};
    setDecimalSeparator('.');
  }

  // Runs the command with `args`, keeping what it printed on standard error.
  int run(std::vector<std::string> args) {
    ::testing::internal::CaptureStderr();
    const int status = runFrequencyCommand(args);
    stderr_ = ::testing::internal::GetCapturedStderr();
    return status;
  }

  QString out(const char* name) const { return QDir(output_).filePath(QLatin1String(name)); }

  QTemporaryDir dir_;
  QString output_ = dir_.filePath(QStringLiteral("resultados/frecuencia"));  // created by the run
  std::string stderr_;
};

TEST_F(BatchFrequencyTest, WritesReportDeviationsAndAllanTableIntoANewFolder) {
  ASSERT_EQ(run({dataPath("frecuencia_alterna.txt"), "--nominal", "10000000", "--tau", "10", "--ruido", "2",
                 "--salida", output_.toStdString()}),
            0)
      << stderr_;
  EXPECT_EQ(
      fileBytes(out("reporte.txt")),
      QByteArray(
          "N\xfamero de datos:\t8\r\nFrecuencia Nominal:\t10000000\r\nFrecuencia Promedio:\t10000000\r\n"
          "\r\nDesviaci\xf3n Fraccional:\t0\r\n"));
  EXPECT_EQ(fileBytes(out("desviacion.dat")),
            QByteArray("1E-9\r\n1E-9\r\n-1E-9\r\n-1E-9\r\n1E-9\r\n1E-9\r\n-1E-9\r\n-1E-9\r\n"));
  EXPECT_EQ(
      fileBytes(out("allan.txt")),
      QByteArray("10\t9.258E-10\t5.547E-10\t2.66E-9         \r\n20\t1.414E-9\t8.799E-10\t1.062E-8\t\r\n"));
  EXPECT_EQ(stderr_.find("kovia-batch"), std::string::npos) << stderr_;
}

TEST_F(BatchFrequencyTest, WithoutNoiseTypeTheBoundColumnsStayEmpty) {
  ASSERT_EQ(run({dataPath("frecuencia_alterna.txt"), "--salida", output_.toStdString(), "--tau", "10",
                 "--nominal", "10000000"}),
            0)
      << stderr_;
  EXPECT_EQ(fileBytes(out("allan.txt")), QByteArray("10\t9.258E-10\t\t         \r\n20\t1.414E-9\t\t\t\r\n"));
}

TEST_F(BatchFrequencyTest, UsageErrorsEndWithStatusTwoAndWriteNothing) {
  const std::string file = dataPath("frecuencia_alterna.txt");
  const std::string folder = output_.toStdString();
  const std::vector<std::vector<std::string>> cases = {
      {},
      {file, "--nominal", "10000000", "--tau", "10"},                            // no --salida
      {file, "--tau", "10", "--salida", folder},                                 // no --nominal
      {"--nominal", "10000000", "--tau", "10", "--salida", folder},              // no file
      {file, file, "--nominal", "10000000", "--tau", "10", "--salida", folder},  // two files
      {file, "--nominal", "10000000", "--tau", "10", "--ruido", "5", "--salida",
       folder},  // noise out of range
      {file, "--nominal", "10000000", "--tau", "10", "--ruido", "-1", "--salida", folder},
      {file, "--nominal", "10000000", "--tau", "10", "--ruido", "dos", "--salida", folder},
      {file, "--nominal", "10000000", "--tau", "10", "--orden", "1", "--salida",
       folder},                                                    // not this command's
      {file, "--nominal", "10000000", "--tau", "10", "--salida"},  // option without value
  };
  for (const auto& args : cases) {
    SCOPED_TRACE(::testing::PrintToString(args));
    EXPECT_EQ(run(args), 2);
    EXPECT_NE(stderr_.find("uso: kovia-batch frecuencia"), std::string::npos);
  }
  EXPECT_FALSE(QDir(output_).exists());
}

TEST_F(BatchFrequencyTest, RefusedRunsEndWithStatusOneTheirMessageAndNoFile) {
  struct Case {
    std::string file, nominal, tau;
    const char* message;
  };
  const Case cases[] = {
      {dataPath("frecuencia_alterna.txt"), "10.5", "10",
       "Usted digitó un caracter no válido en '10.5'. \nInténtelo nuevamente introduciendo sólo caracteres "
       "numéricos."},
      {dataPath("frecuencia_alterna.txt"), "10000000", "1e3", "Usted digitó un caracter no válido en '1e3'."},
      {dataPath("frecuencia_separador.txt"), "10000000", "10",
       "'10000000,003' is not a valid floating point value"},
      {dataPath("frecuencia_una.txt"), "10000000", "10", "Se necesitan al menos dos lecturas"},
      {dataPath("frecuencia_vacio.txt"), "10000000", "10", "El archivo no contiene lecturas"},
      {dataPath("frecuencia_alterna.txt"), "0", "10", "La frecuencia nominal es cero"},
      {dataPath("no_existe.txt"), "10000000", "10", "No se puede abrir el archivo"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    frequencyWindowState() = FrequencyWindowState{};
    EXPECT_EQ(run({c.file, "--nominal", c.nominal, "--tau", c.tau, "--ruido", "0", "--salida",
                   output_.toStdString()}),
              1);
    EXPECT_NE(stderr_.find(c.message), std::string::npos) << stderr_;
    EXPECT_FALSE(QDir(output_).exists());
  }
}

}  // namespace
}  // namespace kovia
