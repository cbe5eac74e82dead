// Commands of the application shell that the analysis windows share: the about box and the
// help command, and the program's start-up.
#pragma once

#include <QList>
#include <QString>
#include <functional>

class QWidget;

namespace kovia {

class TFormMain;

// Creates a new about box (TForm3) owned by the application, stores it in Form3, shows it
// modally and destroys it when the modal showing ends.
void showAboutBox();

// The help command of the analysis windows: the help-topics finder on the program's help file.
void showHelpTopics();

// The program's help file: set by start-up; empty before it, or when no help file was found
// (the help window then says so).
QString applicationHelpFile();
void setApplicationHelpFile(const QString& path);

struct StartupOptions {
  bool showSplash = true;    // kovia-batch starts without the splash and its delay
  int splashDelayMs = 1500;  // wall-clock time the splash stays on screen
};

// The program's start-up after the application object exists: Qt's Spanish texts and the
// platform look, the splash and its delay, title, help file, the forms created in their fixed
// order (FormMain first), splash hidden and the main window shown. Returns the main form.
TFormMain* startKovia(const StartupOptions& options);

// Runs the message loop until `mainForm` closes; the analysis windows still open then do
// not keep the program running. Returns at once when the main form is not on show.
void runMessageLoop(TFormMain& mainForm);

// Runs the start-up `steps` under the program's one start-up handler: a std::exception is
// shown in the default error box with its message, any other exception with an empty message.
// The splash is hidden before the box, so that it cannot cover it. Always returns 0, the
// program's exit status.
int runStartupGuarded(const std::function<void()>& steps);

// The desktop program after its application object: start-up and message loop, guarded.
int runKovia(const StartupOptions& options);

// The windows owned by the application: the forms of start-up and every analysis window a
// main-window button opened. They live until destroyApplicationForms(), which the program
// calls after its message loop and tests after each case; it destroys them newest first.
void adoptApplicationForm(QWidget* form);
void destroyApplicationForms();
// The application's forms still alive, oldest first.
QList<QWidget*> applicationForms();

}  // namespace kovia
