// The frequency window's commands at 10^6 readings, offscreen and on show, each timed as the
// operator waits for it: load (file, grid, dialog, chart), fractional deviation, Allan
// deviation, a noise type, and the replot of the chart on show after each.
//
//   bench_frequency [READINGS]   (default 1000000)
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "core/number_text.h"
#include "frequency/Frecnom_kovia.h"
#include "frequency/Frecuencia_kovia.h"
#include "platform/regional_settings.h"
#include "platform/resources.h"
#include "platform/scripted_operator.h"

namespace {

using kovia::TForm2;

// Readings of a 10 MHz oscillator with white frequency noise, as a counter writes them.
QByteArray readingsFile(int count) {
  std::mt19937_64 random(20240611);
  std::normal_distribution<double> noise(0.0, 1e-4);
  QByteArray bytes;
  bytes.reserve(count * 18);
  for (int i = 0; i < count; ++i) {
    bytes += QByteArray::fromStdString(kovia::generalText(10000000.0012 + noise(random), 15, '.'));
    bytes += "\r\n";
  }
  return bytes;
}

// Processor time of the process so far (user and system), in milliseconds: on a busy
// machine it says more than the wall clock.
long long cpuMs() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000LL +
         (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000;
}

long peakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024;
}

// Runs `command` and then the replot it asked for, as the screen shows it.
template <class F>
void timed(const char* name, TForm2& window, F command) {
  QElapsedTimer clock;
  clock.start();
  const long long cpuStart = cpuMs();
  const bool ok = command();
  const qint64 commandMs = clock.elapsed();
  const long long commandCpu = cpuMs() - cpuStart;
  QCoreApplication::processEvents();
  const qint64 totalMs = clock.elapsed();
  std::printf("%-32s %6lld ms, %6lld ms processor; with the replot %6lld ms, %6lld ms processor%s\n", name,
              static_cast<long long>(commandMs), commandCpu, static_cast<long long>(totalMs),
              cpuMs() - cpuStart, ok ? "" : "  FAILED");
  (void)window;
}

}  // namespace

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  const int count = argc > 1 ? std::atoi(argv[1]) : 1000000;
  kovia::setDecimalSeparator('.');
  kovia::initKoviaResources();

  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("lecturas.txt"));
  {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return 1;
    file.write(readingsFile(count));
  }

  kovia::ScriptedOperator op;
  op.setSink([](kovia::ScriptedOperator::MessageKind, const QString& text) {
    std::fprintf(stderr, "%s\n", text.toUtf8().constData());
  });
  kovia::OperatorScope scope(op);
  TForm2 window;
  window.resize(1400, 900);
  window.showNormal();
  QCoreApplication::processEvents();

  op.queueOpen(path);
  op.queueModal(QStringLiteral("TForm4"), [](kovia::DialogForm& form) {
    auto& dialog = static_cast<kovia::TForm4&>(form);
    dialog.Edit1->userType(QStringLiteral("10000000"));
    dialog.Edit1->userKeyDown(kovia::keys::kReturn);
    dialog.Edit2->userType(QStringLiteral("1"));
    dialog.Edit2->userKeyDown(kovia::keys::kReturn);
  });
  std::printf("%d readings\n", count);
  timed("Cargar Archivo de Datos", window, [&] { return window.openCommand->pressButton(); });
  window.PageControl1->userSelectPage(1);
  timed("Desviación Fraccional", window, [&] { return window.BitBtn1->userClick(); });
  window.PageControl1->userSelectPage(2);
  timed("Raíz de la Varianza de Allan", window, [&] { return window.BitBtn5->userClick(); });
  timed("TIPOS DE RUIDO (White Frequency)", window, [&] { return window.RadioGroup1->userChoose(2); });
  window.PageControl1->userSelectPage(0);
  timed("Página Datos Originales", window, [] { return true; });
  std::printf("sigma(tau0) = %s, peak memory %ld MB\n", window.StringGrid4->Cells(1, 0).c_str(),
              peakMegabytes());
  return 0;
}
