// Entry point of kovia-batch: the headless batch analysis and the scenario runner. Both drive
// the desktop program's own windows, offscreen unless a platform was chosen.
#include <QApplication>
#include <QByteArray>
#include <cstdio>
#include <string>
#include <vector>

#include "batch/batch_commands.h"
#include "platform/qt_operator.h"
#include "platform/resources.h"

namespace {

constexpr const char* kUsage =
    "uso: kovia-batch escenario ARCHIVO\n"
    "     kovia-batch frecuencia ARCHIVO --nominal HZ --tau S [--ruido K] --salida DIR\n"
    "     kovia-batch fase ARCHIVO [ARCHIVO ...] [--hora] --unidad grados|tiempo --nominal HZ --tau S\n"
    "                 --orden Q [--ruido K] --salida DIR\n";

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);  // takes Qt's own options (-platform ...) out of argv
  kovia::installSpanishTranslations(app);
  kovia::installPlatformLook(app);
  kovia::initKoviaResources();

  std::vector<std::string> args;
  for (int i = 2; i < argc; ++i) args.emplace_back(QString::fromLocal8Bit(argv[i]).toStdString());
  const std::string command = argc > 1 ? argv[1] : "";
  if (command == "escenario") return kovia::runScenarioCommand(args);
  if (command == "frecuencia") return kovia::runFrequencyCommand(args);
  if (command == "fase") return kovia::runPhaseCommand(args);
  std::fputs(kUsage, stderr);
  return 2;
}
