// The phase-difference window: loading of text and hourly binary phase files (with
// appending), accumulated phase with its mean rate, polynomial fit and residuals, and the
// overlapping Allan deviation with its 95 % bounds by noise type.
//
// Every value lives as decimal text in the grids; each command reads back the texts the
// command before wrote. The program-wide PhaseWindowState holds the nominal frequency,
// tau, the stage flags and the look shared by every phase window of the run.
//
// The window is built in Fase_kovia_layout.cpp; the load is in Fase_kovia_load.cpp, the
// accumulated phase, fit and residuals in Fase_kovia_fit.cpp, the Allan deviation and its
// bounds in Fase_kovia_allan.cpp.
#pragma once

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QToolButton>
#include <memory>
#include <string>
#include <vector>

#include "charts/chart_navigation.h"
#include "platform/chart/chart.h"
#include "platform/choice_controls.h"
#include "platform/command.h"
#include "platform/edit_controls.h"
#include "platform/file_dialogs.h"
#include "platform/form.h"
#include "platform/line_store.h"
#include "platform/misc_controls.h"
#include "platform/string_grid.h"

namespace kovia {

class TForm1 : public Form {
  Q_OBJECT

 public:
  explicit TForm1(QWidget* owner = nullptr);

  // ---- main menu MainMenu1: "Archivo", "Propiedades", "Panel", "Títulos", "Gráfico", "?" ----
  QMenu* Archivo1;
  QAction* Abrir1;
  QAction* Guardar1;
  QAction* Imprimir1;
  QAction* Cerrar1;
  QMenu* Propiedades1;
  QAction* ColorPuntos1;
  QAction* ColorAvar1;
  QAction* Lnea1;
  QMenu* Panel1;
  QAction* Color1;
  QAction* N3D1;
  QMenu* Ttulos1;
  QAction* Ttulo1;
  QMenu* Grfico1;
  QAction* DesplazaalaIzquierda1;
  QAction* Desplazaarriba1;
  QAction* Desplazahaciaabajo1;
  QAction* DesplazaalaDerecha1;
  QAction* Aumenta1;
  QAction* Disminuye1;
  QAction* Restablece1;
  QAction* Lineasauxiliares1;
  QMenu* N1;
  QAction* Ayuda1;
  QAction* Acrcade1;

  // ---- tool buttons ----
  QToolButton* SpeedButton37;  // load
  QToolButton* SpeedButton38;  // save
  QToolButton* SpeedButton39;  // print
  QToolButton* SpeedButton40;  // close
  QToolButton* SpeedButton24;  // move left
  QToolButton* SpeedButton25;  // move up
  QToolButton* SpeedButton26;  // move down
  QToolButton* SpeedButton27;  // move right
  QToolButton* SpeedButton28;  // zoom in
  QToolButton* SpeedButton29;  // zoom out
  QToolButton* SpeedButton30;  // reset
  QToolButton* SpeedButton31;  // minor grid
  QToolButton* SpeedButton34;  // point colour
  QToolButton* SpeedButton35;  // Avar colour
  QToolButton* SpeedButton36;  // points / line
  QToolButton* SpeedButton33;  // panel colour
  QToolButton* SpeedButton1;   // 3D
  QToolButton* SpeedButton32;  // titles
  QToolButton* SpeedButton41;  // help

  // Each tool button with its menu twin.
  Command* openCommand;
  Command* saveCommand;
  Command* printCommand;
  Command* closeCommand;
  Command* moveLeftCommand;
  Command* moveUpCommand;
  Command* moveDownCommand;
  Command* moveRightCommand;
  Command* zoomInCommand;
  Command* zoomOutCommand;
  Command* resetCommand;
  Command* minorGridCommand;
  Command* pointColorCommand;
  Command* avarColorCommand;
  Command* lineCommand;
  Command* panelColorCommand;
  Command* view3DCommand;
  Command* titlesCommand;
  Command* helpCommand;

  // ---- non-visual members ----
  OpenDialog* OpenDialog1;
  SaveDialog* SaveDialog1;
  SaveDialog* SaveDialog2;
  SaveDialog* SaveDialog3;
  QMenu* PopupMenu1;  // repair of the readings, on StringGrid1 and Chart4
  QMenu* Modifica1;
  QAction* Manualmente1;
  QMenu* Extrapola1;
  QAction* haciaatras1;
  QAction* haciaadelante1;
  QAction* Interpola1;
  QAction* Agregar1;
  QAction* Eliminar1;
  QAction* Refrescar1;

  // ---- page control ----
  PageControl* PageControlph;
  QWidget* TabSheet1;  // 0 "Datos Originales"
  QWidget* TabSheet2;  // 1 "Fase Acumulada"
  QWidget* TabSheet6;  // 2 "Residuos"
  QWidget* TabSheet5;  // 3 "Varianza de Allan"

  // Page 0
  StringGrid* StringGrid1;  // readings
  Memo* Memo1;              // line store of the readings (hidden)
  Memo* RichEdit1;          // printed report (hidden)
  Memo* RichEdit2;          // one table cell being cut (hidden)
  Memo* RichEdit3;          // printed Allan table (hidden)
  QLabel* Label1;           // "No. datos:"
  Edit* Edit2;              // number of readings
  QLabel* Label2;           // "F Nominal:"
  Edit* Edit3;              // nominal frequency, Hz
  QLabel* Label3;           // "Hz"
  QLabel* Label4;           // "Tau:"
  Edit* Edit4;              // tau, s
  QLabel* Label5;           // "s"
  Chart* Chart4;
  Series* Series7;        // readings as a line
  Series* Series1;        // readings as points
  Series* Series9;        // repair markers
  ScrollBar* ScrollBar2;  // Chart4 elevation
  ScrollBar* ScrollBar1;  // Chart4 rotation

  // Page 1
  RadioGroup* RadioGroup1;  // "Unidades"
  ComboBox* ComboBox1;      // range of readings in degrees
  ComboBox* ComboBox2;      // range of the time scale
  BitBtn* BitBtn4;          // "Calcular Fase Acumulada"
  QLabel* Label6;           // "Δt/t ="
  Edit* Edit1;              // mean rate
  QGroupBox* GroupBox1;     // "AJUSTE A UN POLINOMIO"
  QLabel* Label7;           // "Orden:"
  Edit* Edit8;              // order of the polynomial
  UpDown* UpDown1;
  BitBtn* BitBtn16;         // "Ajustar"
  StringGrid* StringGrid2;  // accumulated time difference
  StringGrid* StringGrid7;  // fitted values (hidden)
  Chart* Chart2;
  Series* Series2;        // accumulated phase as points
  Series* Series6;        // accumulated phase as a line
  Series* Series10;       // fitted polynomial
  Button* Button1;        // "Impresión para Certificado"
  ScrollBar* ScrollBar6;  // Chart2 elevation
  ScrollBar* ScrollBar4;  // Chart2 rotation

  // Page 2
  BitBtn* BitBtn15;         // "Calcular Residuos"
  StringGrid* StringGrid6;  // residuals
  Chart* Chart5;
  Series* Series8;        // residuals
  Button* Button2;        // "Impresión para Certificado"
  ScrollBar* ScrollBar7;  // Chart5 elevation
  ScrollBar* ScrollBar3;  // Chart5 rotation

  // Page 3
  BitBtn* BitBtn12;         // "Calcular"
  RadioGroup* RadioGroup2;  // noise type
  StringGrid* StringGrid5;  // averaging time, Allan deviation, lower and upper bound
  Chart* DBChart1;
  Series* Series5;        // Allan deviation
  Series* Series3;        // upper bound
  Series* Series4;        // lower bound
  Button* Button3;        // "Impresión para Certificado"
  ScrollBar* ScrollBar8;  // DBChart1 elevation
  ScrollBar* ScrollBar5;  // DBChart1 rotation

 public slots:
  // Load ("Cargar Archivo de Datos"): fresh or appended, text or hourly binary file.
  void SpeedButton3Click(QObject* Sender);
  // "Guardar" (SpeedButton38, Guardar1): the options dialog TForm14, then one file per item.
  void SpeedButton38Click(QObject* Sender);
  // Unit of the readings: range indicators, enables the accumulated phase.
  void RadioGroup1Click(QObject* Sender);
  // "Calcular Fase Acumulada".
  void BitBtn4Click(QObject* Sender);
  // "Ajustar": polynomial of the order in Edit8.
  void BitBtn16Click(QObject* Sender);
  void UpDown1ChangingEx(QObject* Sender, bool& AllowChange, int NewValue, UpDownDirection Direction);
  // "Calcular Residuos".
  void BitBtn15Click(QObject* Sender);
  // Selecting a cell of StringGrid2 replaces it with the mean of its two neighbours.
  void StringGrid2SelectCell(QObject* Sender, int ACol, int ARow, bool& CanSelect);
  // "Calcular" on the Allan page.
  void BitBtn12Click(QObject* Sender);
  // Noise type: 95 % bounds of every Allan row.
  void RadioGroup2Click(QObject* Sender);
  // Help and about.
  void SpeedButton41Click(QObject* Sender);
  void Acrcade1Click(QObject* Sender);

  // Chart commands (phase_chart_commands.cpp). Moves, zooms and reset act on the chart of
  // the page on show; on the Allan page only the moves up and down act.
  void SpeedButton24Click(QObject* Sender);  // move left (SpeedButton24)
  void SpeedButton34Click(QObject* Sender);  // move up (SpeedButton25)
  void SpeedButton40Click(QObject* Sender);  // move down (SpeedButton26)
  void SpeedButton36Click(QObject* Sender);  // move right (SpeedButton27)
  void SpeedButton11Click(QObject* Sender);  // zoom in (SpeedButton28)
  void SpeedButton12Click(QObject* Sender);  // zoom out (SpeedButton29)
  void SpeedButton13Click(QObject* Sender);  // undo the zoom (SpeedButton30)
  void SpeedButton31Click(QObject* Sender);  // minor grid of DBChart1, whatever the page
  void SpeedButton39Click(QObject* Sender);  // closes (hides) the window (SpeedButton40)
  // 3D angles (elevation/rotation): ScrollBar2/1 Chart4, ScrollBar6/4 Chart2, ScrollBar7/3
  // Chart5, ScrollBar8/5 DBChart1.
  void ScrollBar1Scroll(QObject* Sender, ScrollCode ScrollCode, int& ScrollPos);
  void ScrollBar2Scroll(QObject* Sender, ScrollCode ScrollCode, int& ScrollPos);
  void ScrollBar3Scroll(QObject* Sender, ScrollCode ScrollCode, int& ScrollPos);
  void ScrollBar4Scroll(QObject* Sender, ScrollCode ScrollCode, int& ScrollPos);
  void ScrollBar5Scroll(QObject* Sender, ScrollCode ScrollCode, int& ScrollPos);
  void ScrollBar6Scroll(QObject* Sender, ScrollCode ScrollCode, int& ScrollPos);
  void ScrollBar7Scroll(QObject* Sender, ScrollCode ScrollCode, int& ScrollPos);
  void ScrollBar8Scroll(QObject* Sender, ScrollCode ScrollCode, int& ScrollPos);
  // The twelve chart commands decided afresh from the page and the stage flags.
  void PageControlphChange(QObject* Sender);
  // A press on a point selects row i + 1 of StringGrid1, StringGrid2 or StringGrid6 through
  // the grid's selection.
  void Chart4ClickSeries(QObject* Sender, Series* ASeries, int ValueIndex, Qt::MouseButton Button,
                         Qt::KeyboardModifiers Shift, int X, int Y);
  void Chart2ClickSeries(QObject* Sender, Series* ASeries, int ValueIndex, Qt::MouseButton Button,
                         Qt::KeyboardModifiers Shift, int X, int Y);
  void Chart5ClickSeries(QObject* Sender, Series* ASeries, int ValueIndex, Qt::MouseButton Button,
                         Qt::KeyboardModifiers Shift, int X, int Y);
  // Re-plots Series2 from the text of StringGrid2 in pure blue.
  void Chart2DblClick(QObject* Sender);
  void Chart4DblClick(QObject* Sender);

 private:
  void connectChartCommands();
  // The chart of each page, in page order (the Allan chart last).
  std::unique_ptr<PageCharts> pageCharts_;

  // Layout (Fase_kovia_layout.cpp).
  void buildMenu();
  void buildToolBar();
  QWidget* buildDataPage();
  QWidget* buildAccumulationPage();
  QWidget* buildResidualsPage();
  QWidget* buildAllanPage();
  void buildPopupMenu();
  void connectHandlers();

  // Load steps (Fase_kovia_load.cpp).
  void askAppend();
  void freshLoad();
  void appendLoad();
  void clearResults();
  void resetAnalysisControls();
  void writeResultHeaders();
  // Reads the chosen file into `lines`; false (after the message) when an hourly file or
  // its intermediate text file cannot be opened.
  bool readChosenFile(LineStore& lines);
  void writeDurationFeet(int readingCount);
  void enableChartCommands();

  // Reading rows of this window's StringGrid1 (0 until a load filled it).
  int readingRows() const;
  bool hasReadings_ = false;
};

inline FormVar<TForm1> Form1{"Form1"};

}  // namespace kovia
