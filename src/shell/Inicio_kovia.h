// The main window: identification panel and the four buttons from which the operator opens
// the frequency and phase windows, the about box, and leaves the program.
#pragma once

#include <QFrame>
#include <QLabel>

#include "platform/form.h"
#include "platform/misc_controls.h"

namespace kovia {

class TFormMain : public Form {
  Q_OBJECT

 public:
  explicit TFormMain(QWidget* owner = nullptr);

  // The three framed panels, top to bottom: identification, the two large buttons, the
  // two small buttons.
  QFrame* TabControl1;
  QFrame* TabControl2;
  QFrame* TabControl3;
  QLabel* Image1;  // logo, left of the identification lines
  QLabel* Image2;  // about picture, right of them
  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label3;
  QLabel* Label4;
  BitBtn* BitBtn1;  // "Mediciones de Frecuencia"
  BitBtn* BitBtn2;  // "Mediciones de Diferencia de Fase"
  BitBtn* BitBtn3;  // "&Salir"
  BitBtn* BitBtn4;  // "Acerca de ..."

 public slots:
  // Opens a new frequency window; earlier ones stay as the operator left them.
  void BitBtn1Click(QObject* Sender);
  // Opens a new phase window; earlier ones stay as the operator left them.
  void BitBtn2Click(QObject* Sender);
  // Closes the main window, which ends the program.
  void BitBtn3Click(QObject* Sender);
  // Shows the about box modally.
  void BitBtn4Click(QObject* Sender);

 signals:
  // The main window was closed: the message loop ends with it.
  void mainWindowClosed();

 protected:
  // However the window is closed ("&Salir", or the window manager although it offers no
  // close box), the program ends: a hidden main window must never keep it running.
  void closeEvent(QCloseEvent* event) override;
};

inline FormVar<TFormMain> FormMain{"FormMain"};

}  // namespace kovia
