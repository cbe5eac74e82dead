// Commands of the application shell that the analysis windows share: the about box and the
// help command, and the program's start-up.
#pragma once

class QWidget;

namespace kovia {

class TFormMain;

// Creates a new about box (TForm3) owned by the application, stores it in Form3, shows it
// modally and destroys it when the modal showing ends.
void showAboutBox();

// The help command of the analysis windows: the help-topics finder on the program's help file.
void showHelpTopics();

struct StartupOptions {
  bool showSplash = true;        // kovia-batch starts without the splash and its delay
  int splashDelayMs = 1500;      // wall-clock time the splash stays on screen
};

// The program's start-up after the application object exists: splash, delay, title, help file,
// the forms created in their fixed order (FormMain first), splash hidden. Returns the main form.
TFormMain* startKovia(const StartupOptions& options);

}  // namespace kovia
