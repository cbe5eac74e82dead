// kovia-batch fase: the phase window driven offscreen as an operator drives it.
//
// The program starts without its splash and "Mediciones de Diferencia de Fase" opens a phase
// window. A scripted operator loads the first file (open dialog with the "hora" filter when
// asked for, nominal frequency and tau typed digit by digit, each confirmed with Enter) and
// appends every further file through the "Agregar Datos" question answered "Aceptar". Then it
// chooses the unit, presses "Calcular Fase Acumulada", types the order, presses "Ajustar",
// "Calcular Residuos" and "Calcular", and chooses the noise type. "Guardar" then saves the four
// charts (800 × 600), the accumulated phase, the residuals, the Allan table, the report and the
// readings into the output folder. Any message the windows show before the save ends the run
// (status 1) before a file is written.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#ifdef __GLIBC__
#include <malloc.h>
#endif

#include "batch/batch_application.h"
#include "batch/batch_commands.h"
#include "batch/batch_save.h"
#include "phase/Agr_dat_kovia.h"
#include "phase/Fase_kovia.h"
#include "phase/Frecnomf_kovia.h"
#include "platform/scripted_operator.h"
#include "shell/Inicio_kovia.h"
#include "shell/shell_commands.h"

namespace kovia {

namespace {

constexpr const char* kUsage =
    "uso: kovia-batch fase ARCHIVO [ARCHIVO ...] [--hora] --unidad grados|tiempo --nominal HZ --tau S\n"
    "                 --orden Q [--ruido K] --salida DIR\n"
    "  ARCHIVO     archivo de lecturas de diferencia de fase; los siguientes se agregan al primero\n"
    "  --hora      los archivos son binarios de un juego horario (enteros de 32 bits)\n"
    "  --unidad    unidades de las lecturas: grados o tiempo\n"
    "  --nominal   frecuencia nominal en hertz, sólo dígitos (como se digita en el diálogo)\n"
    "  --tau       intervalo entre lecturas en segundos, sólo dígitos\n"
    "  --orden     orden del polinomio de ajuste: 1, 2 o 3\n"
    "  --ruido     tipo de ruido de las cotas de confianza: 0 White Phase, 1 Flicker Phase,\n"
    "              2 White Frequency, 3 Flicker Frequency, 4 Random-Walk Frequency\n"
    "  --salida    carpeta donde se escriben datos.bmp, fase_acumulada.bmp, residuos.bmp,\n"
    "              allan.bmp, fase_acumulada.dat, residuos.dat, allan.txt, reporte.txt y\n"
    "              datos_modificados.dat\n";

struct PhaseOptions {
  std::vector<std::string> files;
  bool hourly = false;
  int unit = -1;  // 0 grados, 1 tiempo
  std::string nominal;
  std::string tau;
  int order = 0;
  std::optional<int> noise;
  std::string outputDir;
};

void printError(const std::string& message) {
  std::fprintf(stderr, "kovia-batch fase: %s\n", message.c_str());
}

int usageError(const std::string& message) {
  printError(message);
  std::fputs(kUsage, stderr);
  return 2;
}

// A single digit from `low` to `high`, or nothing.
std::optional<int> digitIn(const std::string& value, char low, char high) {
  if (value.size() != 1 || value[0] < low || value[0] > high) return std::nullopt;
  return value[0] - '0';
}

// Fills `options`; an empty result, or the reason the command line is refused.
std::optional<std::string> parseOptions(const std::vector<std::string>& args, PhaseOptions& options) {
  bool haveNominal = false, haveTau = false, haveOutput = false, haveOrder = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& word = args[i];
    if (word.rfind("--", 0) != 0) {
      options.files.push_back(word);
      continue;
    }
    if (word == "--hora") {
      options.hourly = true;
      continue;
    }
    if (word != "--unidad" && word != "--nominal" && word != "--tau" && word != "--orden" &&
        word != "--ruido" && word != "--salida") {
      return "opción desconocida '" + word + "'";
    }
    if (i + 1 >= args.size()) return "falta el valor de la opción " + word;
    const std::string& value = args[++i];
    if (word == "--unidad") {
      if (options.unit >= 0) return "la opción --unidad se dio más de una vez";
      if (value == "grados") {
        options.unit = 0;
      } else if (value == "tiempo") {
        options.unit = 1;
      } else {
        return "la unidad '" + value + "' no es válida: use grados o tiempo";
      }
    } else if (word == "--nominal") {
      if (haveNominal) return "la opción --nominal se dio más de una vez";
      options.nominal = value;
      haveNominal = true;
    } else if (word == "--tau") {
      if (haveTau) return "la opción --tau se dio más de una vez";
      options.tau = value;
      haveTau = true;
    } else if (word == "--orden") {
      if (haveOrder) return "la opción --orden se dio más de una vez";
      const std::optional<int> order = digitIn(value, '1', '3');
      if (!order) return "el orden '" + value + "' no es válido: use 1, 2 o 3";
      options.order = *order;
      haveOrder = true;
    } else if (word == "--ruido") {
      if (options.noise) return "la opción --ruido se dio más de una vez";
      options.noise = digitIn(value, '0', '4');
      if (!options.noise) return "el tipo de ruido '" + value + "' no es válido: use un número de 0 a 4";
    } else {
      if (haveOutput) return "la opción --salida se dio más de una vez";
      options.outputDir = value;
      haveOutput = true;
    }
  }
  if (options.files.empty()) return "falta el ARCHIVO de lecturas";
  if (options.unit < 0) return "falta la opción --unidad";
  if (!haveNominal) return "falta la opción --nominal";
  if (!haveTau) return "falta la opción --tau";
  if (!haveOrder) return "falta la opción --orden";
  if (!haveOutput) return "falta la opción --salida";
  if (options.outputDir.empty()) return "la carpeta de --salida no puede estar vacía";
  return std::nullopt;
}

// Types `text` into `edit` one character at a time and presses Enter, as an operator does.
void typeAndEnter(Edit& edit, const std::string& text) {
  const QString typed = QString::fromStdString(text);
  for (qsizetype i = 1; i <= typed.size(); ++i) edit.userType(typed.left(i));
  edit.userKeyDown(keys::kReturn);
}

// The run itself, once the command line is accepted.
int runPhase(const PhaseOptions& options) {
  ScriptedOperator scripted;
  bool anyMessage = false;
  scripted.setSink([&](ScriptedOperator::MessageKind kind, const QString& text) {
    if (kind == ScriptedOperator::MessageKind::Help) return;
    anyMessage = true;
    printError(text.toStdString());
  });
  OperatorScope scope(scripted);

  TFormMain* mainForm = startKovia(StartupOptions{false, 0});
  if (mainForm == nullptr || !mainForm->BitBtn2->userClick() || Form1.get() == nullptr) {
    printError("no se pudo abrir la ventana de Mediciones de Diferencia de Fase");
    return 1;
  }
  TForm1& window = *Form1.get();

  const auto ranCleanly = [&](bool pressed, const std::string& command) {
    if (scripted.failure() != nullptr) {
      printError("diálogo inesperado durante \"" + command + "\"");
      return false;
    }
    if (anyMessage) return false;
    if (!pressed) {
      printError("el comando \"" + command + "\" no está disponible");
      return false;
    }
    return true;
  };

  const int filter = options.hourly ? 2 : 1;
  bool nominalAccepted = false;
  for (std::size_t i = 0; i < options.files.size(); ++i) {
    const QString file = QFileInfo(QString::fromStdString(options.files[i])).absoluteFilePath();
    if (i > 0) {
      scripted.queueModal(QStringLiteral("TForm16"),
                          [](DialogForm& form) { static_cast<TForm16&>(form).BitBtn1->userClick(); });
    }
    scripted.queueOpen(file, filter);
    if (i == 0) {
      scripted.queueModal(QStringLiteral("TForm5"), [&](DialogForm& form) {
        auto& dialog = static_cast<TForm5&>(form);
        typeAndEnter(*dialog.Edit1, options.nominal);
        if (!dialog.Edit1->isReadOnly()) return;  // refused: the dialog's message has been shown
        typeAndEnter(*dialog.Edit2, options.tau);
        nominalAccepted = dialog.ModalResult() == mrOk;
      });
    }
    if (!ranCleanly(window.openCommand->pressButton(), "Cargar Archivo de Datos " + options.files[i]))
      return 1;
    if (i == 0 && !nominalAccepted) {
      printError("el diálogo Frecuencia Nominal no aceptó los valores");
      return 1;
    }
  }

  if (!ranCleanly(window.RadioGroup1->userChoose(options.unit), "Unidades")) return 1;
  if (!ranCleanly(window.BitBtn4->userClick(), "Calcular Fase Acumulada")) return 1;
  if (!ranCleanly(window.Edit8->userType(QString::number(options.order)), "Orden")) return 1;
  if (!ranCleanly(window.BitBtn16->userClick(), "Ajustar")) return 1;
  if (!ranCleanly(window.BitBtn15->userClick(), "Calcular Residuos")) return 1;
  if (!ranCleanly(window.BitBtn12->userClick(), "Calcular")) return 1;
  if (options.noise && !ranCleanly(window.RadioGroup2->userChoose(*options.noise), "TIPOS DE RUIDO"))
    return 1;

  const QString folder = QString::fromStdString(options.outputDir);
  if (!QDir().mkpath(folder)) {
    printError("no se puede crear la carpeta de salida '" + options.outputDir + "'");
    return 1;
  }
  const OutputPaths out = outputPaths(
      folder, {"datos.bmp", "fase_acumulada.bmp", "residuos.bmp", "allan.bmp", "fase_acumulada.dat",
               "residuos.dat", "allan.txt", "reporte.txt", "datos_modificados.dat"});
  if (out.refused) {
    printError("Cannot create file " + *out.refused);
    return 1;
  }
  const bool saved =
      saveThroughCommand(scripted, window, *window.saveCommand, QStringLiteral("TForm14"), out.paths);
  if (!ranCleanly(true, "Guardar")) return 1;  // a message, an error or a dialog not expected
  if (!saved) {
    printError("el comando \"Guardar\" no guardó todos los archivos");
    return 1;
  }
  return 0;
}

// Each stage of a run over 10^6 readings builds and drops columns of tens of megabytes. Freed
// memory stays in the heap for the next stage instead of going back to the system and being
// faulted in again, page by page (about a tenth of the run's time on the machines we use).
void keepFreedMemory() {
#ifdef __GLIBC__
  mallopt(M_MMAP_THRESHOLD, 32 << 20);
  mallopt(M_TRIM_THRESHOLD, 1 << 30);
#endif
}

}  // namespace

int runPhaseCommand(const std::vector<std::string>& args) {
  PhaseOptions options;
  if (const std::optional<std::string> refusal = parseOptions(args, options)) return usageError(*refusal);
  keepFreedMemory();

  return runInBatchApplication([&] { return runPhase(options); }, printError);
}

}  // namespace kovia
