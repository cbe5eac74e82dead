// kovia-batch escenario FILE: the program's start-up without the splash, then the scenario's
// steps, JSON lines on standard output, and messages on standard error.
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <exception>
#include <string>

#include "batch/batch_commands.h"
#include "batch/scenario_runner.h"
#include "batch/scenario_script.h"
#include "platform/scripted_operator.h"
#include "platform/seam.h"
#include "shell/shell_commands.h"

namespace kovia {

namespace {

void printError(const std::string& text) {
  std::fputs(("kovia-batch: " + text + "\n").c_str(), stderr);
  std::fflush(stderr);
}

}  // namespace

int runScenarioCommand(const std::vector<std::string>& args) {
  if (args.size() != 1) {
    printError("uso: kovia-batch escenario ARCHIVO");
    return 2;
  }
  const QString path = QString::fromStdString(args[0]);
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    printError("no se puede leer el escenario " + args[0]);
    return 1;
  }
  QByteArray text = file.readAll();
  file.close();
  if (text.startsWith("\xEF\xBB\xBF")) text.remove(0, 3);  // a byte-order mark some editors write

  std::vector<ScenarioStep> steps;
  try {
    steps = parseScenario(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
  } catch (const ScenarioSyntaxError& e) {
    printError(args[0] + ": " + e.what());
    return scenario_status::kMalformed;
  }

  // The operator is in force before the first window exists, so that no dialog of the
  // start-up could wait for a click.
  ScriptedOperator op;
  OperatorScope scope(op);
  ScenarioRunner runner(
      op,
      [](const std::string& line) {
        std::fputs(line.c_str(), stdout);
        std::fputc('\n', stdout);
        std::fflush(stdout);
      },
      QFileInfo(path).absolutePath());
  runner.setMainForm(QStringLiteral("FormMain"));
  try {
    startKovia(StartupOptions{.showSplash = false, .splashDelayMs = 0});
  } catch (const std::exception& e) {
    printError(std::string("el programa no pudo arrancar: ") + e.what());
    return 1;
  }
  const ScenarioOutcome outcome = runner.run(steps);
  if (outcome.status != scenario_status::kSuccess) printError(args[0] + ": " + outcome.error);
  return outcome.status;
}

}  // namespace kovia
