#include "shell/Inicio_kovia.h"

#include <QCloseEvent>
#include <QFont>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

#include "frequency/Frecuencia_kovia.h"
#include "phase/Fase_kovia.h"
#include "platform/handler_guard.h"
#include "platform/resources.h"
#include "shell/shell_commands.h"

namespace kovia {

namespace {

// Client area, fitted to the three panels.
constexpr int kClientWidth = 497;
constexpr int kClientHeight = 337;

QFont pixelFont(int pixels, bool bold = false) {
  QFont font = QGuiApplication::font();
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

// A plain framed panel at `rect` of the client area.
QFrame* framePanel(QWidget* client, const QString& name, const QRect& rect) {
  auto* frame = new QFrame(client);
  frame->setObjectName(name);
  frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
  frame->setLineWidth(1);
  frame->setMidLineWidth(1);
  frame->setGeometry(rect);
  return frame;
}

QLabel* lineLabel(QWidget* parent, const QString& name, const QString& text, int top, int height,
                  const QFont& font) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setFont(font);
  label->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
  label->setGeometry(120, top, 249, height);
  return label;
}

// A button on `panel`, placed at `rect` in client coordinates as designed.
BitBtn* mainButton(QFrame* panel, const QString& name, const QString& caption, const QRect& rect,
                   int fontPixels) {
  auto* button = new BitBtn(panel, name, caption);
  button->setGeometry(rect.translated(-panel->pos()));
  button->setFont(pixelFont(fontPixels));
  QPalette palette = button->palette();
  palette.setColor(QPalette::ButtonText, Qt::black);
  button->setPalette(palette);
  return button;
}

}  // namespace

TFormMain::TFormMain(QWidget* owner) : Form(owner) {
  setCaption(QStringLiteral("Kovia"));
  // No system menu, minimise, maximise or close box: the window is left with "&Salir".
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setWindowIcon(koviaWindowIcon());
  // The main window has no menu, tool bar or status bar.
  menuBar()->hide();
  toolBar()->hide();
  statusBar()->hide();

  // Navy default font: every text that does not set its own colour.
  QPalette palette = this->palette();
  palette.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0x80));
  setPalette(palette);

  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("ClientArea"));
  client->setFixedSize(kClientWidth, kClientHeight);
  setClientWidget(client);

  TabControl1 = framePanel(client, QStringLiteral("TabControl1"), QRect(4, 4, 489, 137));
  TabControl2 = framePanel(client, QStringLiteral("TabControl2"), QRect(4, 146, 489, 101));
  TabControl3 = framePanel(client, QStringLiteral("TabControl3"), QRect(4, 252, 489, 81));

  Image1 = new QLabel(TabControl1);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setGeometry(16, 20, 96, 96);
  Image1->setPixmap(resourcePixmap(QStringLiteral(":/logo.svg"), QSize(96, 96)));
  Image2 = new QLabel(TabControl1);
  Image2->setObjectName(QStringLiteral("Image2"));
  Image2->setGeometry(377, 20, 96, 96);
  Image2->setPixmap(resourcePixmap(QStringLiteral(":/about.svg"), QSize(96, 96)));

  Label1 = lineLabel(TabControl1, QStringLiteral("Label1"),
                     QStringLiteral("Laboratorio de Tiempo y Frecuencia"), 22, 18, pixelFont(13, true));
  Label2 =
      lineLabel(TabControl1, QStringLiteral("Label2"), QStringLiteral("Kovia"), 42, 34, pixelFont(28, true));
  Label3 = lineLabel(TabControl1, QStringLiteral("Label3"),
                     QStringLiteral("Análisis de estabilidad de osciladores"), 78, 18, pixelFont(12));
  Label4 =
      lineLabel(TabControl1, QStringLiteral("Label4"), QStringLiteral("Versión 1.2"), 98, 16, pixelFont(11));

  BitBtn1 = mainButton(TabControl2, QStringLiteral("BitBtn1"), QStringLiteral("Mediciones de Frecuencia"),
                       QRect(120, 160, 257, 33), 16);
  BitBtn2 = mainButton(TabControl2, QStringLiteral("BitBtn2"),
                       QStringLiteral("Mediciones de Diferencia de Fase"), QRect(120, 203, 257, 33), 16);
  BitBtn4 = mainButton(TabControl3, QStringLiteral("BitBtn4"), QStringLiteral("Acerca de ..."),
                       QRect(56, 275, 81, 33), 11);
  BitBtn3 = mainButton(TabControl3, QStringLiteral("BitBtn3"), QStringLiteral("&Salir"),
                       QRect(360, 275, 81, 33), 11);
  BitBtn3->setIcon(QIcon(QStringLiteral(":/icons/close.svg")));
  BitBtn3->setIconSize(QSize(16, 16));

  connectHandler(BitBtn1, &Button::OnClick, this, &TFormMain::BitBtn1Click);
  connectHandler(BitBtn2, &Button::OnClick, this, &TFormMain::BitBtn2Click);
  connectHandler(BitBtn3, &Button::OnClick, this, &TFormMain::BitBtn3Click);
  connectHandler(BitBtn4, &Button::OnClick, this, &TFormMain::BitBtn4Click);

  // Sized to its contents and centred on the desktop.
  adjustSize();
  setFixedSize(sizeHint());
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(
        QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen->availableGeometry()).topLeft());
  }
}

void TFormMain::BitBtn1Click(QObject*) {
  auto* form = new TForm2(nullptr);
  adoptApplicationForm(form);
  Form2 = form;
  form->StringGrid1->setColWidth(0, 52);
  form->StringGrid1->setColWidth(1, 112);
  form->StringGrid3->setColWidth(0, 52);
  form->StringGrid3->setColWidth(1, 112);
  form->StringGrid4->setColWidth(0, 42);
  // The load is the only command open before a file is loaded. Only the buttons change: the
  // menu items keep the states the window was designed with.
  form->SpeedButton3->setEnabled(true);
  for (QToolButton* button :
       {form->SpeedButton4, form->SpeedButton5, form->SpeedButton15, form->SpeedButton2, form->SpeedButton10,
        form->SpeedButton8, form->SpeedButton7, form->SpeedButton11, form->SpeedButton12, form->SpeedButton13,
        form->SpeedButton1, form->SpeedButton14}) {
    button->setEnabled(false);
  }
  form->show();
}

void TFormMain::BitBtn2Click(QObject*) {
  auto* form = new TForm1(nullptr);
  adoptApplicationForm(form);
  Form1 = form;
  form->StringGrid1->setColWidth(0, 52);
  form->StringGrid1->setColWidth(1, 112);
  form->StringGrid2->setColWidth(0, 52);
  form->StringGrid2->setColWidth(1, 112);
  form->StringGrid5->setColWidth(0, 40);
  form->StringGrid6->setColWidth(0, 52);
  form->StringGrid6->setColWidth(1, 112);
  form->StringGrid7->setColWidth(0, 50);
  // Header texts with their blanks, exactly as they stand.
  form->StringGrid1->setCell(0, 0, "     No  ");
  form->StringGrid1->setCell(1, 0, "       Valor   ");
  form->StringGrid2->setCell(0, 0, "     No  ");
  form->StringGrid2->setCell(1, 0, "               Valor   ");
  form->StringGrid7->setCell(0, 0, "     No  ");
  form->StringGrid7->setCell(1, 0, "        Valor   ");
  form->StringGrid6->setCell(0, 0, "     No  ");
  form->StringGrid6->setCell(1, 0, "        Valor   ");
  form->StringGrid5->setCell(0, 0, "   Tau");
  form->StringGrid5->setCell(1, 0, "    Avar ");
  form->StringGrid5->setCell(2, 0, "   Binf  ");
  form->StringGrid5->setCell(3, 0, "   Bsup  ");
  form->show();
}

void TFormMain::BitBtn3Click(QObject*) {
  Close();
}

void TFormMain::BitBtn4Click(QObject*) {
  showAboutBox();
}

void TFormMain::closeEvent(QCloseEvent* event) {
  event->accept();
  emit mainWindowClosed();
}

}  // namespace kovia
