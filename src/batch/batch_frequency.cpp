// kovia-batch frecuencia: the frequency window driven offscreen as an operator drives it.
//
// The program starts without its splash, "Mediciones de Frecuencia" opens a frequency
// window, and a scripted operator answers the open dialog with the file and the
// nominal-frequency dialog by typing the digits and pressing Enter. Then "Desviación
// Fraccional", "Raíz de la Varianza de Allan" and the noise type are pressed in that order,
// and "Guardar" saves the three charts (800 × 600), the report, the deviations and the Allan
// table into the output folder. Any message the windows show before the save ends the run
// (status 1) before a file is written.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "batch/batch_application.h"
#include "batch/batch_commands.h"
#include "batch/batch_save.h"
#include "frequency/Frecnom_kovia.h"
#include "frequency/Frecuencia_kovia.h"
#include "platform/scripted_operator.h"
#include "shell/Inicio_kovia.h"
#include "shell/shell_commands.h"

namespace kovia {

namespace {

constexpr const char* kUsage =
    "uso: kovia-batch frecuencia ARCHIVO --nominal HZ --tau S [--ruido K] --salida DIR\n"
    "  ARCHIVO     archivo de lecturas de frecuencia, una por línea\n"
    "  --nominal   frecuencia nominal en hertz, sólo dígitos (como se digita en el diálogo)\n"
    "  --tau       tiempo de promediación de cada lectura en segundos, sólo dígitos\n"
    "  --ruido     tipo de ruido de las cotas de confianza: 0 White Phase, 1 Flicker Phase,\n"
    "              2 White Frequency, 3 Flicker Frequency, 4 Random-Walk Frequency\n"
    "  --salida    carpeta donde se escriben datos.bmp, desviacion.bmp, allan.bmp, reporte.txt,\n"
    "              desviacion.dat y allan.txt\n";

struct FrequencyOptions {
  std::string file;
  std::string nominal;
  std::string tau;
  std::optional<int> noise;
  std::string outputDir;
};

void printError(const std::string& message) {
  std::fprintf(stderr, "kovia-batch frecuencia: %s\n", message.c_str());
}

int usageError(const std::string& message) {
  printError(message);
  std::fputs(kUsage, stderr);
  return 2;
}

// Fills `options`; an empty result, or the reason the command line is refused.
std::optional<std::string> parseOptions(const std::vector<std::string>& args, FrequencyOptions& options) {
  bool haveNominal = false, haveTau = false, haveOutput = false, haveFile = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& word = args[i];
    if (word.rfind("--", 0) != 0) {
      if (haveFile) return "sobra el argumento '" + word + "': se analiza un solo archivo";
      options.file = word;
      haveFile = true;
      continue;
    }
    if (word != "--nominal" && word != "--tau" && word != "--ruido" && word != "--salida") {
      return "opción desconocida '" + word + "'";
    }
    if (i + 1 >= args.size()) return "falta el valor de la opción " + word;
    const std::string& value = args[++i];
    bool* seen = nullptr;
    if (word == "--nominal") {
      options.nominal = value;
      seen = &haveNominal;
    } else if (word == "--tau") {
      options.tau = value;
      seen = &haveTau;
    } else if (word == "--salida") {
      options.outputDir = value;
      seen = &haveOutput;
    } else {
      if (options.noise) return "la opción --ruido se dio más de una vez";
      if (value.size() != 1 || value[0] < '0' || value[0] > '4') {
        return "el tipo de ruido '" + value + "' no es válido: use un número de 0 a 4";
      }
      options.noise = value[0] - '0';
      continue;
    }
    if (*seen) return "la opción " + word + " se dio más de una vez";
    *seen = true;
  }
  if (!haveFile) return "falta el ARCHIVO de lecturas";
  if (!haveNominal) return "falta la opción --nominal";
  if (!haveTau) return "falta la opción --tau";
  if (!haveOutput) return "falta la opción --salida";
  if (options.outputDir.empty()) return "la carpeta de --salida no puede estar vacía";
  return std::nullopt;
}

// The run itself, once the command line is accepted.
int runFrequency(const FrequencyOptions& options) {
  ScriptedOperator scripted;
  bool anyMessage = false;
  scripted.setSink([&](ScriptedOperator::MessageKind kind, const QString& text) {
    if (kind == ScriptedOperator::MessageKind::Help) return;
    anyMessage = true;
    printError(text.toStdString());
  });
  OperatorScope scope(scripted);

  TFormMain* mainForm = startKovia(StartupOptions{false, 0});
  if (mainForm == nullptr || !mainForm->BitBtn1->userClick() || Form2.get() == nullptr) {
    printError("no se pudo abrir la ventana de Mediciones de Frecuencia");
    return 1;
  }
  TForm2& window = *Form2.get();
  // Nobody looks at an offscreen window: hidden, its charts keep their model and draw only
  // when asked for a picture, not after every command.
  window.hide();

  const QString file = QFileInfo(QString::fromStdString(options.file)).absoluteFilePath();
  scripted.queueOpen(file);
  bool dialogAccepted = false;
  scripted.queueModal(QStringLiteral("TForm4"), [&](DialogForm& form) {
    auto& dialog = static_cast<TForm4&>(form);
    dialog.Edit1->userType(QString::fromStdString(options.nominal));
    dialog.Edit1->userKeyDown(keys::kReturn);
    if (!dialog.Edit2->isEnabled()) return;  // refused: the dialog's message has been shown
    dialog.Edit2->userType(QString::fromStdString(options.tau));
    dialog.Edit2->userKeyDown(keys::kReturn);
    dialogAccepted = dialog.ModalResult() == mrOk;
  });

  const auto ranCleanly = [&](bool pressed, const char* command) {
    if (scripted.failure() != nullptr) {
      printError(std::string("diálogo inesperado durante \"") + command + "\"");
      return false;
    }
    if (anyMessage) return false;
    if (!pressed) {
      printError(std::string("el comando \"") + command + "\" no está disponible");
      return false;
    }
    return true;
  };

  if (!ranCleanly(window.openCommand->pressButton(), "Cargar Archivo de Datos")) return 1;
  if (!dialogAccepted) {
    printError("el diálogo Frecuencia Nominal no aceptó los valores");
    return 1;
  }
  if (!ranCleanly(window.BitBtn1->userClick(), "Desviación Fraccional")) return 1;
  if (!ranCleanly(window.BitBtn5->userClick(), "Raíz de la Varianza de Allan")) return 1;
  if (options.noise && !ranCleanly(window.RadioGroup1->userChoose(*options.noise), "TIPOS DE RUIDO"))
    return 1;

  const QString folder = QString::fromStdString(options.outputDir);
  if (!QDir().mkpath(folder)) {
    printError("no se puede crear la carpeta de salida '" + options.outputDir + "'");
    return 1;
  }
  const OutputPaths out = outputPaths(
      folder, {"datos.bmp", "desviacion.bmp", "allan.bmp", "reporte.txt", "desviacion.dat", "allan.txt"});
  if (out.refused) {
    printError("Cannot create file " + *out.refused);
    return 1;
  }
  const bool saved =
      saveThroughCommand(scripted, window, *window.saveCommand, QStringLiteral("TForm13"), out.paths);
  if (!ranCleanly(true, "Guardar")) return 1;  // a message, an error or a dialog not expected
  if (!saved) {
    printError("el comando \"Guardar\" no guardó todos los archivos");
    return 1;
  }
  return 0;
}

}  // namespace

int runFrequencyCommand(const std::vector<std::string>& args) {
  FrequencyOptions options;
  if (const std::optional<std::string> refusal = parseOptions(args, options)) return usageError(*refusal);

  return runInBatchApplication([&] { return runFrequency(options); }, printError);
}

}  // namespace kovia
