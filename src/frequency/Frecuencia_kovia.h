// The frequency window: one file of frequency readings taken at a fixed averaging time,
// its fractional frequency deviations and their Allan deviation with confidence bounds.
//
// Every control is a public member named as the window is designed, and every handler a
// public slot taking the sender first. The readings live as text: the lines of the hidden
// memo Memo1 and column 1 of StringGrid1; each stage reads back the texts the stage before
// wrote (StringGrid3 for the deviations, StringGrid4 for the Allan table). The nominal
// frequency, tau, the stage flags and the colours are in the program-wide
// FrequencyWindowState.
//
// The layout is built in Frecuencia_kovia.cpp (form, tool bar, menus) and
// frequency_pages.cpp (pages, grids, charts); the handlers are in frequency_handlers.cpp.
#pragma once

#include <QLabel>
#include <QMenu>
#include <QToolButton>
#include <memory>

#include "charts/chart_navigation.h"
#include "platform/chart/chart.h"
#include "platform/chart/series.h"
#include "platform/choice_controls.h"
#include "platform/command.h"
#include "platform/edit_controls.h"
#include "platform/file_dialogs.h"
#include "platform/form.h"
#include "platform/line_store.h"
#include "platform/misc_controls.h"
#include "platform/popup_menu.h"
#include "platform/string_grid.h"

class QFrame;

namespace kovia {

class TForm2 : public Form {
  Q_OBJECT

 public:
  explicit TForm2(QWidget* owner = nullptr);

  // ---- non-visual ----
  OpenDialog* OpenDialog1;  // "Texto|*.txt|Datos|*.dat|Todos|*.*"
  SaveDialog* SaveDialog1;  // "Texto", *.txt
  SaveDialog* SaveDialog2;  // "Mapa de Bits", *.bmp
  SaveDialog* SaveDialog3;  // "Archivo de datos", *.dat
  PopupMenu* PopupMenu1;    // on StringGrid1
  QAction* Modificar1;
  QAction* Agregar1;
  QAction* Eliminar1;
  QAction* Refrescar1;

  // Hidden buffers.
  Memo* Memo1;      // line store of the readings
  Memo* RichEdit1;  // printed report
  Memo* RichEdit2;  // cutting one table cell
  Memo* RichEdit3;  // printed Allan table

  // ---- tool buttons (each paired with its menu item by a command) ----
  QToolButton* SpeedButton3;   // "Cargar Archivo de Datos|"
  QToolButton* SpeedButton4;   // "Guardar|"
  QToolButton* SpeedButton6;   // "Imprimir|"
  QToolButton* SpeedButton9;   // "Cerrar Aplicación"
  QToolButton* SpeedButton2;   // "Mover a la Izquierda"
  QToolButton* SpeedButton10;  // "Mover arriba"
  QToolButton* SpeedButton8;   // "Mover abajo"
  QToolButton* SpeedButton7;   // "Mover Derecha"
  QToolButton* SpeedButton11;  // "Aumentar"
  QToolButton* SpeedButton12;  // "Disminuir"
  QToolButton* SpeedButton13;  // "Restablecer"
  QToolButton* SpeedButton1;   // "Líneas de división secundarias"
  QToolButton* SpeedButton5;   // "Color de los Puntos"
  QToolButton* SpeedButton14;  // "Color de la Avar y Barras"
  QToolButton* SpeedButton15;  // "Pone / Quita Línea"
  QToolButton* SpeedButton16;  // "Color del Panel"
  QToolButton* SpeedButton18;  // "Tres Dimensiones"
  QToolButton* SpeedButton17;  // "Títulos del Gráfico"
  QToolButton* SpeedButton19;  // "Ayuda|"

  // ---- main menu MainMenu1: "Archivo", "Propiedades", "Panel", "Títulos", "Gráfico", "?" ----
  QMenu* Archivo1;
  QAction* Salir1;    // (0, 0) "&Abrir"
  QAction* Guardar1;  // (0, 1) "&Guardar"
  QAction* Print1;    // (0, 2) "&Imprimir"
  QAction* Salir2;    // (0, 4) "&Cerrar"
  QMenu* Propiedades1;
  QAction* Color1;     // (1, 0) "Color puntos"
  QAction* Marcador1;  // (1, 1) "Color Avar"
  QAction* Lnea1;      // (1, 2) "Línea"
  QMenu* Panel1;
  QAction* Color2;  // (2, 0) "Color"
  QAction* N3D1;    // (2, 1) "3D"
  QMenu* Ttulos1;
  QAction* Ttulo1;  // (3, 0) "Título"
  QMenu* Grfico1;
  QAction* DesplazaralaIzquierda1;      // (4, 0)
  QAction* Desplazarhaciaarriba1;       // (4, 1)
  QAction* Desplazarhaciaabajo1;        // (4, 2)
  QAction* DesplazaralaDerecha1;        // (4, 3)
  QAction* Aumentar1;                   // (4, 5)
  QAction* Disminuir1;                  // (4, 6)
  QAction* Restablecer1;                // (4, 7)
  QAction* Lneasdedivisinsecundarias1;  // (4, 9)
  QMenu* N1;
  QAction* Ayuda1;     // (5, 0) "Ayuda"
  QAction* Acercade1;  // (5, 1) "Acerca de..."

  // Each tool button with its menu item, enabled together.
  Command* openCommand;        // SpeedButton3 + Salir1
  Command* saveCommand;        // SpeedButton4 + Guardar1
  Command* printCommand;       // SpeedButton6 + Print1
  Command* closeCommand;       // SpeedButton9 + Salir2
  Command* moveLeftCommand;    // SpeedButton2 + DesplazaralaIzquierda1
  Command* moveUpCommand;      // SpeedButton10 + Desplazarhaciaarriba1
  Command* moveDownCommand;    // SpeedButton8 + Desplazarhaciaabajo1
  Command* moveRightCommand;   // SpeedButton7 + DesplazaralaDerecha1
  Command* zoomInCommand;      // SpeedButton11 + Aumentar1
  Command* zoomOutCommand;     // SpeedButton12 + Disminuir1
  Command* resetCommand;       // SpeedButton13 + Restablecer1
  Command* minorGridCommand;   // SpeedButton1 + Lneasdedivisinsecundarias1
  Command* pointColorCommand;  // SpeedButton5 + Color1
  Command* avarColorCommand;   // SpeedButton14 + Marcador1
  Command* lineCommand;        // SpeedButton15 + Lnea1
  Command* panelCommand;       // SpeedButton16 + Color2
  Command* view3DCommand;      // SpeedButton18 + N3D1
  Command* titlesCommand;      // SpeedButton17 + Ttulo1
  Command* helpCommand;        // SpeedButton19 + Ayuda1

  // ---- page control ----
  PageControl* PageControl1;
  QWidget* TabSheet1;  // 0 "Datos Originales"
  QWidget* TabSheet3;  // 1 "Desviación Fraccional de Frecuencia"
  QWidget* TabSheet2;  // 2 "Raíz de la Varianza de Allan"

  // Page 0.
  QLabel* Label1;  // "DATOS DE ARCHIVO"
  QLabel* Label2;  // "     No.                 Medición"
  StringGrid* StringGrid1;
  QLabel* Label3;  // "INFO DE LAS MEDICIONES"
  QFrame* Panel2;
  QLabel* Label4;  // "Número de Datos"
  Edit* Edit1;
  QLabel* Label5;  // "F Nominal"
  Edit* Edit2;
  QLabel* Label6;  // "Hz"
  QLabel* Label7;  // "F Prom."
  Edit* Edit3;
  QLabel* Label8;  // "Hz"
  Chart* Chart1;
  Series* Series1;  // readings, points
  Series* Series2;  // readings, line
  Series* Series4;  // markers of edited readings
  Button* Button1;  // "Gráfico para Certificado"
  ScrollBar* ScrollBar1;
  ScrollBar* ScrollBar2;

  // Page 1.
  QLabel* Label9;  // "       i                yi"
  StringGrid* StringGrid3;
  BitBtn* BitBtn1;  // "Desviación Fraccional"
  QFrame* Panel3;   // "DESVIACION FRACCIONAL" / "DE FRECUENCIA PROMEDIO"
  QLabel* Label10;  // "DESVIACION FRACCIONAL"
  QLabel* Label11;  // "DE FRECUENCIA PROMEDIO"
  QLabel* Label12;  // "Δf"
  QFrame* Bevel1;   // the fraction's rule
  QLabel* Label13;  // "f"
  QLabel* Label14;  // "="
  Edit* Edit4;
  Chart* Chart2;
  Series* Series5;  // deviations, points (a line series drawn without its line)
  Series* Series3;  // deviations, line
  ScrollBar* ScrollBar3;
  ScrollBar* ScrollBar4;

  // Page 2.
  BitBtn* BitBtn5;          // "Raíz de la Varianza de Allan"
  RadioGroup* RadioGroup1;  // "TIPOS DE RUIDO"
  QLabel* Label15;          // τ
  QLabel* Label16;          // σy(τ)
  QLabel* Label17;          // "BInf"
  QLabel* Label18;          // "BSup"
  StringGrid* StringGrid4;
  Chart* DBChart4;
  Series* Series10;  // "Avar"
  Series* Series11;  // "Binf"
  Series* Series12;  // "Bsup"
  Button* Button2;   // "Gráfico para Certificado"
  ScrollBar* ScrollBar5;
  ScrollBar* ScrollBar6;

 public slots:
  // "Cargar Archivo de Datos": the readings file into Memo1 and StringGrid1, the nominal
  // frequency and tau from TForm4, the readings on Chart1, count, nominal and mean.
  void SpeedButton3Click(QObject* Sender);
  // "Guardar" (SpeedButton4, Guardar1): the options dialog TForm13, then one file per item.
  void SpeedButton4Click(QObject* Sender);
  // "Desviación Fraccional": y = (f - nominal) / nominal into StringGrid3, mean in Edit4.
  void BitBtn1Click(QObject* Sender);
  // "Raíz de la Varianza de Allan": one row per averaging time into StringGrid4.
  void BitBtn5Click(QObject* Sender);
  // Noise type chosen: 95 % confidence bounds of every Allan row.
  void RadioGroup1Click(QObject* Sender);
  // Help topics.
  void SpeedButton19Click(QObject* Sender);
  // "Acerca de...".
  void Acercade1Click(QObject* Sender);

  // Chart commands (frequency_chart_commands.cpp). Moves, zooms and reset act on the chart
  // of the page on show; on the Allan page only the moves up and down act.
  void SpeedButton2Click(QObject* Sender);   // move left
  void SpeedButton10Click(QObject* Sender);  // move up
  void SpeedButton8Click(QObject* Sender);   // move down
  void SpeedButton7Click(QObject* Sender);   // move right
  void SpeedButton11Click(QObject* Sender);  // zoom in
  void SpeedButton12Click(QObject* Sender);  // zoom out
  void SpeedButton13Click(QObject* Sender);  // undo the zoom
  void SpeedButton1Click(QObject* Sender);   // minor grid of DBChart4, whatever the page
  void SpeedButton9Click(QObject* Sender);   // closes (hides) the window
  // 3D angles: ScrollBar1/2 Chart1, ScrollBar4/3 Chart2, ScrollBar6/5 DBChart4 (elevation/rotation).
  void ScrollBar1Scroll(QObject* Sender, ScrollCode ScrollCode, int& ScrollPos);
  void ScrollBar2Scroll(QObject* Sender, ScrollCode ScrollCode, int& ScrollPos);
  void ScrollBar3Scroll(QObject* Sender, ScrollCode ScrollCode, int& ScrollPos);
  void ScrollBar4Scroll(QObject* Sender, ScrollCode ScrollCode, int& ScrollPos);
  void ScrollBar5Scroll(QObject* Sender, ScrollCode ScrollCode, int& ScrollPos);
  void ScrollBar6Scroll(QObject* Sender, ScrollCode ScrollCode, int& ScrollPos);
  // The twelve chart commands decided afresh from the page and the stage flags.
  void PageControl1Change(QObject* Sender);
  // A press on a point selects its row (StringGrid1, StringGrid3) through the grid's selection.
  void Chart1ClickSeries(QObject* Sender, Series* ASeries, int ValueIndex, Qt::MouseButton Button,
                         Qt::KeyboardModifiers Shift, int X, int Y);
  void Chart2ClickSeries(QObject* Sender, Series* ASeries, int ValueIndex, Qt::MouseButton Button,
                         Qt::KeyboardModifiers Shift, int X, int Y);
  // Re-plots Series5 from the text of StringGrid3.
  void Chart2DblClick(QObject* Sender);
  void Chart1DblClick(QObject* Sender);
  void Chart1MouseMove(QObject* Sender, Qt::KeyboardModifiers Shift, int X, int Y);
  void Chart2MouseMove(QObject* Sender, Qt::KeyboardModifiers Shift, int X, int Y);

 private:
  void connectChartCommands();
  // The chart of each page, in page order (the Allan chart last).
  std::unique_ptr<PageCharts> pageCharts_;

  void buildToolBarAndMenu();
  void buildDataPage();
  void buildDeviationPage();
  void buildAllanPage();
  void connectHandlers();

  // Status-bar progress of a long command (shown only for large data).
  void progress(int count, const QString& text);
  // The load's steps 12 to 18, after the nominal-frequency dialog.
  void plotAndSummariseReadings(int count);
};

inline FormVar<TForm2> Form2{"Form2"};

}  // namespace kovia
