// The frequency window's form: caption, tool bar strip, main menu, non-visual members, and
// the connection of the handlers. The pages are built in frequency_pages.cpp.
#include "frequency/Frecuencia_kovia.h"

#include <QIcon>
#include <QStatusBar>

#include "platform/handler_guard.h"
#include "platform/resources.h"

namespace kovia {

namespace {

QIcon toolIcon(const char* file) {
  return QIcon(QStringLiteral(":/icons/") + QLatin1String(file));
}

}  // namespace

TForm2::TForm2(QWidget* owner) : Form(owner) {
  initKoviaResources();
  setCaption(QStringLiteral("Análisis de Mediciones de Frecuencia"));
  setWindowIcon(koviaWindowIcon());
  setHelpContext(1);
  setHelpFile(QStringLiteral("Kovia.hlp"));
  resize(1200, 800);
  setWindowState(Qt::WindowMaximized);

  OpenDialog1 = new OpenDialog(this, QStringLiteral("OpenDialog1"));
  OpenDialog1->setFilter(QStringLiteral("Texto|*.txt|Datos|*.dat|Todos|*.*"));
  SaveDialog1 = new SaveDialog(this, QStringLiteral("SaveDialog1"));
  SaveDialog1->setFilter(QStringLiteral("Texto|*.txt"));
  SaveDialog1->setDefaultExt(QStringLiteral("txt"));
  SaveDialog2 = new SaveDialog(this, QStringLiteral("SaveDialog2"));
  SaveDialog2->setFilter(QStringLiteral("Mapa de Bits|*.bmp"));
  SaveDialog2->setDefaultExt(QStringLiteral("bmp"));
  SaveDialog3 = new SaveDialog(this, QStringLiteral("SaveDialog3"));
  SaveDialog3->setFilter(QStringLiteral("Archivo de datos|*.dat"));
  SaveDialog3->setDefaultExt(QStringLiteral("dat"));

  RichEdit1 = new Memo(this, QStringLiteral("RichEdit1"));
  RichEdit2 = new Memo(this, QStringLiteral("RichEdit2"));
  RichEdit3 = new Memo(this, QStringLiteral("RichEdit3"));
  for (Memo* buffer : {RichEdit1, RichEdit2, RichEdit3}) buffer->hide();

  buildToolBarAndMenu();

  PageControl1 = new PageControl(this, QStringLiteral("PageControl1"));
  TabSheet1 = PageControl1->addPage(QStringLiteral("TabSheet1"), QStringLiteral("Datos Originales"));
  TabSheet3 = PageControl1->addPage(QStringLiteral("TabSheet3"),
                                    QStringLiteral("Desviación Fraccional de Frecuencia"));
  TabSheet2 =
      PageControl1->addPage(QStringLiteral("TabSheet2"), QStringLiteral("Raíz de la Varianza de Allan"));
  setClientWidget(PageControl1);
  buildDataPage();
  buildDeviationPage();
  buildAllanPage();
  PageControl1->setActivePageIndex(0);

  connectHandlers();
}

void TForm2::buildToolBarAndMenu() {
  MainMenu* menu = mainMenu();

  Archivo1 = menu->addTop(QStringLiteral("Archivo1"), QStringLiteral("Archivo"));
  Salir1 = menu->addItem(Archivo1, QStringLiteral("Salir1"), QStringLiteral("&Abrir"));
  Guardar1 = menu->addItem(Archivo1, QStringLiteral("Guardar1"), QStringLiteral("&Guardar"));
  Print1 = menu->addItem(Archivo1, QStringLiteral("Print1"), QStringLiteral("&Imprimir"));
  menu->addSeparatorTo(Archivo1);
  Salir2 = menu->addItem(Archivo1, QStringLiteral("Salir2"), QStringLiteral("&Cerrar"));

  Propiedades1 = menu->addTop(QStringLiteral("Propiedades1"), QStringLiteral("Propiedades"));
  Color1 = menu->addItem(Propiedades1, QStringLiteral("Color1"), QStringLiteral("Color puntos"));
  Marcador1 = menu->addItem(Propiedades1, QStringLiteral("Marcador1"), QStringLiteral("Color Avar"));
  Lnea1 = menu->addItem(Propiedades1, QStringLiteral("Lnea1"), QStringLiteral("Línea"));

  Panel1 = menu->addTop(QStringLiteral("Panel1"), QStringLiteral("Panel"));
  Color2 = menu->addItem(Panel1, QStringLiteral("Color2"), QStringLiteral("Color"));
  N3D1 = menu->addItem(Panel1, QStringLiteral("N3D1"), QStringLiteral("3D"));

  Ttulos1 = menu->addTop(QStringLiteral("Ttulos1"), QStringLiteral("Títulos"));
  Ttulo1 = menu->addItem(Ttulos1, QStringLiteral("Ttulo1"), QStringLiteral("Título"));

  Grfico1 = menu->addTop(QStringLiteral("Grfico1"), QStringLiteral("Gráfico"));
  DesplazaralaIzquierda1 = menu->addItem(Grfico1, QStringLiteral("DesplazaralaIzquierda1"),
                                         QStringLiteral("Desplazar a la Izquierda"));
  Desplazarhaciaarriba1 = menu->addItem(Grfico1, QStringLiteral("Desplazarhaciaarriba1"),
                                        QStringLiteral("Desplazar hacia arriba"));
  Desplazarhaciaabajo1 =
      menu->addItem(Grfico1, QStringLiteral("Desplazarhaciaabajo1"), QStringLiteral("Desplazar hacia abajo"));
  DesplazaralaDerecha1 = menu->addItem(Grfico1, QStringLiteral("DesplazaralaDerecha1"),
                                       QStringLiteral("Desplazar a la Derecha"));
  menu->addSeparatorTo(Grfico1);
  Aumentar1 = menu->addItem(Grfico1, QStringLiteral("Aumentar1"), QStringLiteral("Aumentar"));
  Disminuir1 = menu->addItem(Grfico1, QStringLiteral("Disminuir1"), QStringLiteral("Disminuir"));
  Restablecer1 = menu->addItem(Grfico1, QStringLiteral("Restablecer1"), QStringLiteral("Restablecer"));
  menu->addSeparatorTo(Grfico1);
  Lneasdedivisinsecundarias1 = menu->addItem(Grfico1, QStringLiteral("Lneasdedivisinsecundarias1"),
                                             QStringLiteral("Líneas de división..."));

  N1 = menu->addTop(QStringLiteral("N1"), QStringLiteral("?"));
  Ayuda1 = menu->addItem(N1, QStringLiteral("Ayuda1"), QStringLiteral("Ayuda"));
  Acercade1 = menu->addItem(N1, QStringLiteral("Acercade1"), QStringLiteral("Acerca de..."));

  // The strip: file commands | moves | zooms | minor grid | point look | panel look | help.
  openCommand = addCommand(QStringLiteral("SpeedButton3"), QStringLiteral("Cargar Archivo de Datos|"),
                           toolIcon("open.svg"), Salir1);
  saveCommand =
      addCommand(QStringLiteral("SpeedButton4"), QStringLiteral("Guardar|"), toolIcon("save.svg"), Guardar1);
  printCommand =
      addCommand(QStringLiteral("SpeedButton6"), QStringLiteral("Imprimir|"), toolIcon("print.svg"), Print1);
  closeCommand = addCommand(QStringLiteral("SpeedButton9"), QStringLiteral("Cerrar Aplicación"),
                            toolIcon("close.svg"), Salir2);
  addToolSeparator();
  moveLeftCommand = addCommand(QStringLiteral("SpeedButton2"), QStringLiteral("Mover a la Izquierda"),
                               toolIcon("move_left.svg"), DesplazaralaIzquierda1);
  moveUpCommand = addCommand(QStringLiteral("SpeedButton10"), QStringLiteral("Mover arriba"),
                             toolIcon("move_up.svg"), Desplazarhaciaarriba1);
  moveDownCommand = addCommand(QStringLiteral("SpeedButton8"), QStringLiteral("Mover abajo"),
                               toolIcon("move_down.svg"), Desplazarhaciaabajo1);
  moveRightCommand = addCommand(QStringLiteral("SpeedButton7"), QStringLiteral("Mover Derecha"),
                                toolIcon("move_right.svg"), DesplazaralaDerecha1);
  addToolSeparator();
  zoomInCommand = addCommand(QStringLiteral("SpeedButton11"), QStringLiteral("Aumentar"),
                             toolIcon("zoom_in.svg"), Aumentar1);
  zoomOutCommand = addCommand(QStringLiteral("SpeedButton12"), QStringLiteral("Disminuir"),
                              toolIcon("zoom_out.svg"), Disminuir1);
  resetCommand = addCommand(QStringLiteral("SpeedButton13"), QStringLiteral("Restablecer"),
                            toolIcon("zoom_reset.svg"), Restablecer1);
  addToolSeparator();
  minorGridCommand =
      addCommand(QStringLiteral("SpeedButton1"), QStringLiteral("Líneas de división secundarias"),
                 toolIcon("minor_grid.svg"), Lneasdedivisinsecundarias1);
  addToolSeparator();
  pointColorCommand = addCommand(QStringLiteral("SpeedButton5"), QStringLiteral("Color de los Puntos"),
                                 toolIcon("point_color.svg"), Color1);
  avarColorCommand = addCommand(QStringLiteral("SpeedButton14"), QStringLiteral("Color de la Avar y Barras"),
                                toolIcon("avar_color.svg"), Marcador1);
  lineCommand = addCommand(QStringLiteral("SpeedButton15"), QStringLiteral("Pone / Quita Línea"),
                           toolIcon("line.svg"), Lnea1);
  addToolSeparator();
  panelCommand = addCommand(QStringLiteral("SpeedButton16"), QStringLiteral("Color del Panel"),
                            toolIcon("panel_color.svg"), Color2);
  view3DCommand = addCommand(QStringLiteral("SpeedButton18"), QStringLiteral("Tres Dimensiones"),
                             toolIcon("view3d.svg"), N3D1);
  titlesCommand = addCommand(QStringLiteral("SpeedButton17"), QStringLiteral("Títulos del Gráfico"),
                             toolIcon("titles.svg"), Ttulo1);
  addToolSeparator();
  helpCommand =
      addCommand(QStringLiteral("SpeedButton19"), QStringLiteral("Ayuda|"), toolIcon("help.svg"), Ayuda1);

  SpeedButton3 = openCommand->button();
  SpeedButton4 = saveCommand->button();
  SpeedButton6 = printCommand->button();
  SpeedButton9 = closeCommand->button();
  SpeedButton2 = moveLeftCommand->button();
  SpeedButton10 = moveUpCommand->button();
  SpeedButton8 = moveDownCommand->button();
  SpeedButton7 = moveRightCommand->button();
  SpeedButton11 = zoomInCommand->button();
  SpeedButton12 = zoomOutCommand->button();
  SpeedButton13 = resetCommand->button();
  SpeedButton1 = minorGridCommand->button();
  SpeedButton5 = pointColorCommand->button();
  SpeedButton14 = avarColorCommand->button();
  SpeedButton15 = lineCommand->button();
  SpeedButton16 = panelCommand->button();
  SpeedButton18 = view3DCommand->button();
  SpeedButton17 = titlesCommand->button();
  SpeedButton19 = helpCommand->button();

  // Only open, close and help answer from the start. The chart commands wait for the stages
  // that enable them; print, panel, 3D and titles stay disabled until they are built.
  for (Command* c :
       {saveCommand, printCommand, moveLeftCommand, moveUpCommand, moveDownCommand,
        moveRightCommand, zoomInCommand, zoomOutCommand, resetCommand, minorGridCommand, pointColorCommand,
        avarColorCommand, lineCommand, panelCommand, view3DCommand, titlesCommand}) {
    c->setEnabled(false);
  }
}

void TForm2::connectHandlers() {
  connectHandler(openCommand, &Command::OnClick, this, &TForm2::SpeedButton3Click);
  connectHandler(saveCommand, &Command::OnClick, this, &TForm2::SpeedButton4Click);
  connectHandler(helpCommand, &Command::OnClick, this, &TForm2::SpeedButton19Click);
  connectHandler(Acercade1, &QAction::triggered, this, &TForm2::Acercade1Click);
  connectHandler(BitBtn1, &Button::OnClick, this, &TForm2::BitBtn1Click);
  connectHandler(BitBtn5, &Button::OnClick, this, &TForm2::BitBtn5Click);
  connectHandler(RadioGroup1, &RadioGroup::OnClick, this, &TForm2::RadioGroup1Click);
  connectChartCommands();
}

void TForm2::progress(int count, const QString& text) {
  // Small data never waits long enough to need a report, and a window not on show has no
  // status bar to look at.
  constexpr int kReportedCount = 100000;
  if (count >= kReportedCount && isVisible()) showProgress(text);
}

}  // namespace kovia
