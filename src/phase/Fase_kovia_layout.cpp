// Composition of the phase window: menu, tool bar strip, the four pages with their grids,
// fields and charts, the hidden buffers and the repair pop-up menu.
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QVBoxLayout>

#include "phase/Fase_kovia.h"
#include "phase/phase_window_state.h"
#include "platform/resources.h"

namespace kovia {

namespace {

QIcon icon(const char* file) {
  return QIcon(QStringLiteral(":/icons/") + QLatin1String(file));
}

QLabel* fieldLabel(QWidget* parent, const QString& name, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  return label;
}

// A grid of the window: fixed header row 0, no fixed column (every column can be selected),
// two columns 52 and 112 px wide unless told otherwise.
StringGrid* valueGrid(QWidget* parent, const QString& name, int columns = 2) {
  auto* grid = new StringGrid(parent, name);
  grid->setColCount(columns);
  grid->setRowCount(2);
  grid->setFixedRows(1);
  grid->setFixedCols(0);
  if (columns == 2) {
    grid->setColWidth(0, 52);
    grid->setColWidth(1, 112);
  }
  return grid;
}

// Width of a grid showing all its columns beside a vertical scroll bar.
int gridWidth(const StringGrid* grid) {
  int width = 24;
  for (int c = 0; c < grid->ColCount(); ++c) width += grid->ColWidths(c);
  return width;
}

// The charts of this window: white, flat, black texts, titles in the chart face at 11 px.
Chart* phaseChart(QWidget* parent, const QString& name, const QStringList& title, const QString& bottomTitle,
                  const QString& leftTitle, const QString& foot) {
  auto* chart = new Chart(parent);
  chart->setObjectName(name);
  chart->title().setLines(title);
  chart->title().setFont(chartFont(11));
  chart->title().setColor(colors::kBlack);
  chart->foot().setText(foot);
  chart->foot().setFont(chartFont(11));
  chart->foot().setColor(colors::kBlack);
  chart->bottomAxis()->setTitleCaption(bottomTitle);
  chart->leftAxis()->setTitleCaption(leftTitle);
  for (Axis* axis : {chart->bottomAxis(), chart->leftAxis()}) {
    axis->setTitleFont(chartFont(11));
    axis->setLabelFont(chartFont(10));
  }
  chart->setPanelColor(colors::kWhite);
  chart->setGradientVisible(false);
  chart->setGradientStartColor(phaseWindowState().gradientStartColor[0]);
  chart->setGradientEndColor(phaseWindowState().gradientEndColor[0]);
  chart->setView3D(false);
  chart->setView3DWalls(false);
  chart->setChart3DPercent(50);
  chart->setElevation(360);
  chart->setRotation(360);
  chart->setMinimumSize(320, 240);
  return chart;
}

Series* pointSeries(Chart* chart, const QString& name, PointerStyle style, int size, Color color) {
  Series* series = chart->addSeries(name, SeriesKind::Point);
  series->setPointerStyle(style);
  series->setHorizSize(size);
  series->setVertSize(size);
  series->setSeriesColor(color);
  series->setMarksVisible(false);
  return series;
}

Series* lineSeries(Chart* chart, const QString& name, Color color) {
  Series* series = chart->addSeries(name, SeriesKind::Line);
  series->setSeriesColor(color);
  series->setPointerVisible(false);
  series->setMarksVisible(false);
  return series;
}

// The 3D scroll bars of a chart: -90 .. 90, hidden until the chart's 3D view is on.
ScrollBar* angleBar(QWidget* parent, const QString& name, Qt::Orientation orientation) {
  auto* bar = new ScrollBar(orientation, parent, name);
  bar->setRange(-90, 90);
  bar->setPageStep(10);
  bar->setSingleStep(1);
  bar->setPosition(0);
  bar->hide();
  return bar;
}

Button* certificateButton(QWidget* parent, const QString& name) {
  auto* button =
      new Button(icon("certificate.svg"), parent, name, QStringLiteral("Impresión para Certificado"));
  button->setEnabled(false);
  return button;
}

// Right side of a page: the chart with its two scroll bars, and the certificate button.
QGridLayout* chartArea(Chart* chart, ScrollBar* vertical, ScrollBar* horizontal, Button* certificate) {
  auto* area = new QGridLayout;
  area->setSpacing(4);
  area->addWidget(chart, 0, 0);
  area->addWidget(vertical, 0, 1);
  area->addWidget(horizontal, 1, 0);
  if (certificate != nullptr) {
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(certificate);
    area->addLayout(row, 2, 0);
  }
  area->setRowStretch(0, 1);
  area->setColumnStretch(0, 1);
  return area;
}

Memo* hiddenBuffer(QWidget* parent, const QString& name) {
  auto* memo = new Memo(parent, name);
  memo->hide();
  return memo;
}

}  // namespace

void TForm1::buildMenu() {
  MainMenu* menu = mainMenu();
  Archivo1 = menu->addTop(QStringLiteral("Archivo1"), QStringLiteral("Archivo"));
  Abrir1 = menu->addItem(Archivo1, QStringLiteral("Abrir1"), QStringLiteral("Abrir"));
  Guardar1 = menu->addItem(Archivo1, QStringLiteral("Guardar1"), QStringLiteral("Guardar"));
  Imprimir1 = menu->addItem(Archivo1, QStringLiteral("Imprimir1"), QStringLiteral("Imprimir"));
  menu->addSeparatorTo(Archivo1);
  Cerrar1 = menu->addItem(Archivo1, QStringLiteral("Cerrar1"), QStringLiteral("Cerrar"));

  Propiedades1 = menu->addTop(QStringLiteral("Propiedades1"), QStringLiteral("Propiedades"));
  ColorPuntos1 = menu->addItem(Propiedades1, QStringLiteral("ColorPuntos1"), QStringLiteral("Color Puntos"));
  ColorAvar1 = menu->addItem(Propiedades1, QStringLiteral("ColorAvar1"), QStringLiteral("Color Avar"));
  Lnea1 = menu->addItem(Propiedades1, QStringLiteral("Lnea1"), QStringLiteral("Línea"));
  Lnea1->setCheckable(true);

  Panel1 = menu->addTop(QStringLiteral("Panel1"), QStringLiteral("Panel"));
  Color1 = menu->addItem(Panel1, QStringLiteral("Color1"), QStringLiteral("Color"));
  N3D1 = menu->addItem(Panel1, QStringLiteral("N3D1"), QStringLiteral("3D"));

  Ttulos1 = menu->addTop(QStringLiteral("Ttulos1"), QStringLiteral("Títulos"));
  Ttulo1 = menu->addItem(Ttulos1, QStringLiteral("Ttulo1"), QStringLiteral("Título"));

  Grfico1 = menu->addTop(QStringLiteral("Grfico1"), QStringLiteral("Gráfico"));
  DesplazaalaIzquierda1 = menu->addItem(Grfico1, QStringLiteral("DesplazaalaIzquierda1"),
                                        QStringLiteral("Desplaza a la Izquierda"));
  Desplazaarriba1 =
      menu->addItem(Grfico1, QStringLiteral("Desplazaarriba1"), QStringLiteral("Desplaza hacia Arriba"));
  Desplazahaciaabajo1 =
      menu->addItem(Grfico1, QStringLiteral("Desplazahaciaabajo1"), QStringLiteral("Desplaza hacia Abajo"));
  DesplazaalaDerecha1 =
      menu->addItem(Grfico1, QStringLiteral("DesplazaalaDerecha1"), QStringLiteral("Desplaza a la Derecha"));
  menu->addSeparatorTo(Grfico1);
  Aumenta1 = menu->addItem(Grfico1, QStringLiteral("Aumenta1"), QStringLiteral("Aumenta"));
  Disminuye1 = menu->addItem(Grfico1, QStringLiteral("Disminuye1"), QStringLiteral("Disminuye"));
  Restablece1 = menu->addItem(Grfico1, QStringLiteral("Restablece1"), QStringLiteral("Restablece"));
  menu->addSeparatorTo(Grfico1);
  Lineasauxiliares1 =
      menu->addItem(Grfico1, QStringLiteral("Lineasauxiliares1"), QStringLiteral("Lineas de División..."));

  N1 = menu->addTop(QStringLiteral("N1"), QStringLiteral("?"));
  Ayuda1 = menu->addItem(N1, QStringLiteral("Ayuda1"), QStringLiteral("Ayuda"));
  Acrcade1 = menu->addItem(N1, QStringLiteral("Acrcade1"), QStringLiteral("Acerca de..."));
}

void TForm1::buildToolBar() {
  // File bar: open, save, print, close.
  openCommand = addCommand(QStringLiteral("SpeedButton37"), QStringLiteral("Cargar Archivo de Datos|"),
                           icon("open.svg"), Abrir1);
  saveCommand =
      addCommand(QStringLiteral("SpeedButton38"), QStringLiteral("Guardar|"), icon("save.svg"), Guardar1);
  printCommand =
      addCommand(QStringLiteral("SpeedButton39"), QStringLiteral("Imprimir|"), icon("print.svg"), Imprimir1);
  closeCommand = addCommand(QStringLiteral("SpeedButton40"), QStringLiteral("Cerrar Aplicación"),
                            icon("close.svg"), Cerrar1);
  addToolSeparator();
  // Chart bar: moves | zooms | minor grid | point colour, Avar colour, line | panel, 3D, titles | help.
  moveLeftCommand = addCommand(QStringLiteral("SpeedButton24"), QStringLiteral("Mover a la Izquierda"),
                               icon("move_left.svg"), DesplazaalaIzquierda1);
  moveUpCommand = addCommand(QStringLiteral("SpeedButton25"), QStringLiteral("Mover arriba"),
                             icon("move_up.svg"), Desplazaarriba1);
  moveDownCommand = addCommand(QStringLiteral("SpeedButton26"), QStringLiteral("Mover abajo"),
                               icon("move_down.svg"), Desplazahaciaabajo1);
  moveRightCommand = addCommand(QStringLiteral("SpeedButton27"), QStringLiteral("Mover Derecha"),
                                icon("move_right.svg"), DesplazaalaDerecha1);
  addToolSeparator();
  zoomInCommand =
      addCommand(QStringLiteral("SpeedButton28"), QStringLiteral("Aumentar"), icon("zoom_in.svg"), Aumenta1);
  zoomOutCommand = addCommand(QStringLiteral("SpeedButton29"), QStringLiteral("Disminuir"),
                              icon("zoom_out.svg"), Disminuye1);
  resetCommand = addCommand(QStringLiteral("SpeedButton30"), QStringLiteral("Restablecer"),
                            icon("zoom_reset.svg"), Restablece1);
  addToolSeparator();
  minorGridCommand =
      addCommand(QStringLiteral("SpeedButton31"), QStringLiteral("Líneas de división secundarias"),
                 icon("minor_grid.svg"), Lineasauxiliares1);
  addToolSeparator();
  pointColorCommand = addCommand(QStringLiteral("SpeedButton34"), QStringLiteral("Color de los Puntos"),
                                 icon("point_color.svg"), ColorPuntos1);
  avarColorCommand = addCommand(QStringLiteral("SpeedButton35"), QStringLiteral("Color de la Avar y Barras|"),
                                icon("avar_color.svg"), ColorAvar1);
  lineCommand = addCommand(QStringLiteral("SpeedButton36"), QStringLiteral("Pone / Quita Línea"),
                           icon("line.svg"), Lnea1);
  addToolSeparator();
  panelColorCommand = addCommand(QStringLiteral("SpeedButton33"), QStringLiteral("Color del Panel"),
                                 icon("panel_color.svg"), Color1);
  view3DCommand = addCommand(QStringLiteral("SpeedButton1"), QString(), icon("view3d.svg"), N3D1);
  titlesCommand = addCommand(QStringLiteral("SpeedButton32"), QStringLiteral("Títulos del Gráfico"),
                             icon("titles.svg"), Ttulo1);
  addToolSeparator();
  helpCommand =
      addCommand(QStringLiteral("SpeedButton41"), QStringLiteral("Ayuda|"), icon("help.svg"), Ayuda1);

  SpeedButton37 = openCommand->button();
  SpeedButton38 = saveCommand->button();
  SpeedButton39 = printCommand->button();
  SpeedButton40 = closeCommand->button();
  SpeedButton24 = moveLeftCommand->button();
  SpeedButton25 = moveUpCommand->button();
  SpeedButton26 = moveDownCommand->button();
  SpeedButton27 = moveRightCommand->button();
  SpeedButton28 = zoomInCommand->button();
  SpeedButton29 = zoomOutCommand->button();
  SpeedButton30 = resetCommand->button();
  SpeedButton31 = minorGridCommand->button();
  SpeedButton34 = pointColorCommand->button();
  SpeedButton35 = avarColorCommand->button();
  SpeedButton36 = lineCommand->button();
  SpeedButton33 = panelColorCommand->button();
  SpeedButton1 = view3DCommand->button();
  SpeedButton32 = titlesCommand->button();
  SpeedButton41 = helpCommand->button();

  // The window opens with Open, close, help and about usable; the chart commands wait for
  // data, and the commands whose dialogs and output come later stay disabled until they exist.
  for (Command* command :
       {saveCommand, printCommand, moveLeftCommand, moveUpCommand, moveDownCommand,
        moveRightCommand, zoomInCommand, zoomOutCommand, resetCommand, minorGridCommand, pointColorCommand,
        avarColorCommand, lineCommand, panelColorCommand, view3DCommand, titlesCommand}) {
    command->setEnabled(false);
  }
}

QWidget* TForm1::buildDataPage() {
  QWidget* page = PageControlph->addPage(QStringLiteral("TabSheet1"), QStringLiteral("Datos Originales"));
  StringGrid1 = valueGrid(page, QStringLiteral("StringGrid1"));
  StringGrid1->setEditing(true);
  Memo1 = hiddenBuffer(page, QStringLiteral("Memo1"));
  RichEdit1 = hiddenBuffer(page, QStringLiteral("RichEdit1"));
  RichEdit2 = hiddenBuffer(page, QStringLiteral("RichEdit2"));
  RichEdit3 = hiddenBuffer(page, QStringLiteral("RichEdit3"));

  Label1 = fieldLabel(page, QStringLiteral("Label1"), QStringLiteral("No. datos:"));
  Edit2 = new Edit(page, QStringLiteral("Edit2"));
  Label2 = fieldLabel(page, QStringLiteral("Label2"), QStringLiteral("F Nominal:"));
  Edit3 = new Edit(page, QStringLiteral("Edit3"));
  Label3 = fieldLabel(page, QStringLiteral("Label3"), QStringLiteral("Hz"));
  Label4 = fieldLabel(page, QStringLiteral("Label4"), QStringLiteral("Tau:"));
  Edit4 = new Edit(page, QStringLiteral("Edit4"));
  Label5 = fieldLabel(page, QStringLiteral("Label5"), QStringLiteral("s"));
  for (Edit* field : {Edit2, Edit3, Edit4}) field->setReadOnly(true);

  auto* summary = new QGridLayout;
  summary->addWidget(Label1, 0, 0);
  summary->addWidget(Edit2, 0, 1);
  summary->addWidget(Label2, 1, 0);
  summary->addWidget(Edit3, 1, 1);
  summary->addWidget(Label3, 1, 2);
  summary->addWidget(Label4, 2, 0);
  summary->addWidget(Edit4, 2, 1);
  summary->addWidget(Label5, 2, 2);

  auto* left = new QVBoxLayout;
  left->addLayout(summary);
  left->addWidget(StringGrid1, 1);

  Chart4 = phaseChart(page, QStringLiteral("Chart4"),
                      {QStringLiteral("MEDICIONES DE DIFERENCIA DE FASE"), QStringLiteral("FIGURA 1")},
                      QStringLiteral("DATOS                "), QStringLiteral("Dt (º)"),
                      QStringLiteral("(20 horas de medición con TAU= 1s)"));
  const PhaseWindowState& s = phaseWindowState();
  Series7 = lineSeries(Chart4, QStringLiteral("Series7"), s.rawPointColor);
  Series1 =
      pointSeries(Chart4, QStringLiteral("Series1"), PointerStyle::Rectangle, s.pointSize, s.rawPointColor);
  Series9 = pointSeries(Chart4, QStringLiteral("Series9"), PointerStyle::Circle, 3, colors::kRed);
  Series9->setPointerPenVisible(false);
  ScrollBar2 = angleBar(page, QStringLiteral("ScrollBar2"), Qt::Vertical);
  ScrollBar1 = angleBar(page, QStringLiteral("ScrollBar1"), Qt::Horizontal);

  auto* layout = new QHBoxLayout(page);
  layout->addLayout(left);
  layout->addLayout(chartArea(Chart4, ScrollBar2, ScrollBar1, nullptr), 1);
  StringGrid1->setFixedWidth(gridWidth(StringGrid1));
  return page;
}

QWidget* TForm1::buildAccumulationPage() {
  QWidget* page = PageControlph->addPage(QStringLiteral("TabSheet2"), QStringLiteral("Fase Acumulada"));
  RadioGroup1 = new RadioGroup(page, QStringLiteral("RadioGroup1"), QStringLiteral("Unidades"));
  RadioGroup1->setItems({QStringLiteral("Grados"), QStringLiteral("Tiempo")});
  RadioGroup1->setEnabled(false);
  ComboBox1 = new ComboBox(page, QStringLiteral("ComboBox1"));
  ComboBox1->setItems({QString(), QStringLiteral("-180 A 180"), QStringLiteral("0 A 360")});
  ComboBox1->setItemIndex(-1);
  ComboBox2 = new ComboBox(page, QStringLiteral("ComboBox2"));
  ComboBox2->setItems({QString(), QStringLiteral("100 ns"), QStringLiteral("200 ns")});
  ComboBox2->setItemIndex(-1);
  BitBtn4 = new BitBtn(page, QStringLiteral("BitBtn4"), QStringLiteral("Calcular Fase Acumulada"));
  BitBtn4->setEnabled(false);
  Label6 = fieldLabel(page, QStringLiteral("Label6"), QStringLiteral("Δt/t ="));
  Edit1 = new Edit(page, QStringLiteral("Edit1"));
  Edit1->setReadOnly(true);

  GroupBox1 = new QGroupBox(QStringLiteral("AJUSTE A UN POLINOMIO"), page);
  GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
  Label7 = fieldLabel(GroupBox1, QStringLiteral("Label7"), QStringLiteral("Orden:"));
  Edit8 = new Edit(GroupBox1, QStringLiteral("Edit8"));
  Edit8->setText(QStringLiteral("0"));
  Edit8->setMaximumWidth(48);
  Edit8->setEnabled(false);
  UpDown1 = new UpDown(GroupBox1, QStringLiteral("UpDown1"));
  UpDown1->setRange(0, 100);
  UpDown1->setPosition(0);
  UpDown1->setWrap(true);
  UpDown1->setAssociate(Edit8);
  UpDown1->setEnabled(false);
  BitBtn16 = new BitBtn(GroupBox1, QStringLiteral("BitBtn16"), QStringLiteral("Ajustar"));
  BitBtn16->setEnabled(false);
  auto* fitRow = new QHBoxLayout(GroupBox1);
  fitRow->addWidget(Label7);
  fitRow->addWidget(Edit8);
  fitRow->addWidget(UpDown1);
  fitRow->addStretch(1);
  fitRow->addWidget(BitBtn16);

  StringGrid2 = valueGrid(page, QStringLiteral("StringGrid2"));
  StringGrid2->setEditing(true);
  StringGrid7 = valueGrid(page, QStringLiteral("StringGrid7"));
  StringGrid7->setColWidth(0, 50);
  StringGrid7->hide();

  auto* indicators = new QHBoxLayout;
  indicators->addWidget(ComboBox1);
  indicators->addWidget(ComboBox2);
  auto* rate = new QHBoxLayout;
  rate->addWidget(Label6);
  rate->addWidget(Edit1, 1);
  auto* left = new QVBoxLayout;
  left->addWidget(RadioGroup1);
  left->addLayout(indicators);
  left->addWidget(BitBtn4);
  left->addLayout(rate);
  left->addWidget(GroupBox1);
  left->addWidget(StringGrid2, 1);

  Chart2 = phaseChart(page, QStringLiteral("Chart2"),
                      {QStringLiteral("MEDICIONES DE DIFERENCIA DE FASE"), QStringLiteral("FIGURA 1")},
                      QStringLiteral("DATOS                "), QStringLiteral("TIEMPO (s)"),
                      QStringLiteral("(10 horas de medición con TAU= 1s)"));
  const PhaseWindowState& s = phaseWindowState();
  Series2 =
      pointSeries(Chart2, QStringLiteral("Series2"), PointerStyle::Rectangle, s.pointSize, s.accumPointColor);
  Series6 = lineSeries(Chart2, QStringLiteral("Series6"), s.accumPointColor);
  Series10 = lineSeries(Chart2, QStringLiteral("Series10"), colors::kRed);
  Series10->setLineWidth(2);
  Button1 = certificateButton(page, QStringLiteral("Button1"));
  ScrollBar6 = angleBar(page, QStringLiteral("ScrollBar6"), Qt::Vertical);
  ScrollBar4 = angleBar(page, QStringLiteral("ScrollBar4"), Qt::Horizontal);

  auto* layout = new QHBoxLayout(page);
  layout->addLayout(left);
  layout->addLayout(chartArea(Chart2, ScrollBar6, ScrollBar4, Button1), 1);
  const int width = gridWidth(StringGrid2);
  StringGrid2->setFixedWidth(width);
  for (QWidget* w : {static_cast<QWidget*>(RadioGroup1), static_cast<QWidget*>(BitBtn4),
                     static_cast<QWidget*>(GroupBox1)}) {
    w->setFixedWidth(width);
  }
  return page;
}

QWidget* TForm1::buildResidualsPage() {
  QWidget* page = PageControlph->addPage(QStringLiteral("TabSheet6"), QStringLiteral("Residuos"));
  BitBtn15 = new BitBtn(page, QStringLiteral("BitBtn15"), QStringLiteral("Calcular Residuos"));
  BitBtn15->setEnabled(false);
  StringGrid6 = valueGrid(page, QStringLiteral("StringGrid6"));

  auto* left = new QVBoxLayout;
  left->addWidget(BitBtn15);
  left->addWidget(StringGrid6, 1);

  Chart5 = phaseChart(page, QStringLiteral("Chart5"),
                      {QStringLiteral("RESIDUOS DEL AJUSTE A UNA RECTA"), QStringLiteral("FIGURA 2")},
                      QStringLiteral("DATOS                "), QStringLiteral("TIEMPO (s)"),
                      QStringLiteral("(10 horas de medición con TAU= 1s)"));
  Series8 = pointSeries(Chart5, QStringLiteral("Series8"), PointerStyle::Rectangle,
                        phaseWindowState().pointSize, phaseWindowState().residualPointColor);
  Button2 = certificateButton(page, QStringLiteral("Button2"));
  ScrollBar7 = angleBar(page, QStringLiteral("ScrollBar7"), Qt::Vertical);
  ScrollBar3 = angleBar(page, QStringLiteral("ScrollBar3"), Qt::Horizontal);

  auto* layout = new QHBoxLayout(page);
  layout->addLayout(left);
  layout->addLayout(chartArea(Chart5, ScrollBar7, ScrollBar3, Button2), 1);
  StringGrid6->setFixedWidth(gridWidth(StringGrid6));
  BitBtn15->setFixedWidth(gridWidth(StringGrid6));
  return page;
}

QWidget* TForm1::buildAllanPage() {
  QWidget* page = PageControlph->addPage(QStringLiteral("TabSheet5"), QStringLiteral("Varianza de Allan"));
  BitBtn12 = new BitBtn(page, QStringLiteral("BitBtn12"), QStringLiteral("Calcular"));
  BitBtn12->setEnabled(false);
  RadioGroup2 = new RadioGroup(page, QStringLiteral("RadioGroup2"), QStringLiteral("TIPOS DE RUIDO"));
  RadioGroup2->setItems({QStringLiteral("White Phase"), QStringLiteral("Flicker Phase"),
                         QStringLiteral("White Frequency"), QStringLiteral("Flicker Frequency"),
                         QStringLiteral("Random-Walk Frequency")});
  RadioGroup2->setEnabled(false);
  StringGrid5 = valueGrid(page, QStringLiteral("StringGrid5"), 4);
  StringGrid5->setEditing(true);
  StringGrid5->setColWidth(0, 40);
  for (int c = 1; c < 4; ++c) StringGrid5->setColWidth(c, 74);

  auto* left = new QVBoxLayout;
  left->addWidget(BitBtn12);
  left->addWidget(RadioGroup2);
  left->addWidget(StringGrid5, 1);

  DBChart1 = phaseChart(
      page, QStringLiteral("DBChart1"),
      {QStringLiteral("RAÍZ DE LA VARIANZA DE ALLAN Y BARRAS DE INCERTIDUMBRE"), QStringLiteral("FIGURA 3")},
      QString(), QStringLiteral("s(t)"), QStringLiteral("TAU (s)"));
  DBChart1->leftAxis()->setTitleSymbolFont(true);
  for (Axis* axis : {DBChart1->leftAxis(), DBChart1->bottomAxis()}) {
    axis->setLogarithmic(true);
    axis->setMinorGridPen({colors::kSilver, LineStyle::Dot, 1, false});
    axis->setMinorTickCount(8);
  }
  DBChart1->setGradientDirection(GradientDirection::TopBottom);
  const PhaseWindowState& s = phaseWindowState();
  Series5 = pointSeries(DBChart1, QStringLiteral("Series5"), PointerStyle::Diamond, 3, s.avarColor);
  Series5->setTitle(QStringLiteral("Avar"));
  Series3 = pointSeries(DBChart1, QStringLiteral("Series3"), PointerStyle::Rectangle, 4, colors::kRed);
  Series3->setVertSize(0);
  Series3->setTitle(QStringLiteral("Bsup"));
  Series4 = pointSeries(DBChart1, QStringLiteral("Series4"), PointerStyle::Rectangle, 4, colors::kRed);
  Series4->setVertSize(0);
  Series4->setTitle(QStringLiteral("Binf"));
  Button3 = certificateButton(page, QStringLiteral("Button3"));
  ScrollBar8 = angleBar(page, QStringLiteral("ScrollBar8"), Qt::Vertical);
  ScrollBar5 = angleBar(page, QStringLiteral("ScrollBar5"), Qt::Horizontal);

  auto* layout = new QHBoxLayout(page);
  layout->addLayout(left);
  layout->addLayout(chartArea(DBChart1, ScrollBar8, ScrollBar5, Button3), 1);
  const int width = gridWidth(StringGrid5);
  StringGrid5->setFixedWidth(width);
  BitBtn12->setFixedWidth(width);
  RadioGroup2->setFixedWidth(width);
  return page;
}

void TForm1::buildPopupMenu() {
  // Repair of the readings: the commands come with the repair work and stay disabled until then.
  PopupMenu1 = new QMenu(this);
  PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
  Modifica1 = PopupMenu1->addMenu(QStringLiteral("Modifica"));
  Modifica1->setObjectName(QStringLiteral("Modifica1"));
  Manualmente1 = Modifica1->addAction(QStringLiteral("Manualmente"));
  Manualmente1->setObjectName(QStringLiteral("Manualmente1"));
  Extrapola1 = Modifica1->addMenu(QStringLiteral("Extrapola"));
  Extrapola1->setObjectName(QStringLiteral("Extrapola1"));
  haciaatras1 = Extrapola1->addAction(QStringLiteral("hacia atras"));
  haciaatras1->setObjectName(QStringLiteral("haciaatras1"));
  haciaatras1->setShortcut(QKeySequence(QStringLiteral("Ctrl+A")));
  haciaadelante1 = Extrapola1->addAction(QStringLiteral("hacia adelante"));
  haciaadelante1->setObjectName(QStringLiteral("haciaadelante1"));
  haciaadelante1->setShortcut(QKeySequence(QStringLiteral("Ctrl+D")));
  Interpola1 = Modifica1->addAction(QStringLiteral("Interpola"));
  Interpola1->setObjectName(QStringLiteral("Interpola1"));
  Agregar1 = PopupMenu1->addAction(QStringLiteral("Agregar"));
  Agregar1->setObjectName(QStringLiteral("Agregar1"));
  Eliminar1 = PopupMenu1->addAction(QStringLiteral("Eliminar"));
  Eliminar1->setObjectName(QStringLiteral("Eliminar1"));
  Refrescar1 = PopupMenu1->addAction(QStringLiteral("Refrescar"));
  Refrescar1->setObjectName(QStringLiteral("Refrescar1"));
  for (QAction* item :
       {Manualmente1, haciaatras1, haciaadelante1, Interpola1, Agregar1, Eliminar1, Refrescar1}) {
    item->setEnabled(false);
  }
}

}  // namespace kovia
