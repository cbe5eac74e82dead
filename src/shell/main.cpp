// Entry point of the desktop program: the application object first, then the start-up and
// the message loop under the start-up handler. The program takes no arguments, reads no
// settings, and returns 0.
#include <QApplication>

#include "shell/shell_commands.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const int status = kovia::runKovia(kovia::StartupOptions{});
  kovia::destroyApplicationForms();
  return status;
}
