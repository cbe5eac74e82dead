#include "batch/batch_application.h"

#include <QApplication>
#include <cstdlib>
#include <exception>
#include <memory>

#include "shell/Inicio_kovia.h"
#include "shell/shell_commands.h"

namespace kovia {

int runInBatchApplication(const std::function<int()>& run,
                          const std::function<void(const std::string&)>& printError) {
  std::unique_ptr<QApplication> ownApplication;
  if (QCoreApplication::instance() == nullptr) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "kovia-batch";
    static char* argv[] = {name, nullptr};
    ownApplication = std::make_unique<QApplication>(argc, argv);
  }
  int status = 1;
  try {
    status = run();
  } catch (const std::exception& e) {
    printError(e.what());
    status = 1;
  }
  // The windows go before the application object.
  destroyApplicationForms();
  return status;
}

}  // namespace kovia
