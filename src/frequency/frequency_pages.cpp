// The three pages of the frequency window: the grid column on the left, the chart filling the
// rest, the certificate button and the horizontal 3D scroll bar in a strip under the chart,
// the vertical 3D scroll bar at the page's right edge.
#include <QFont>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <algorithm>

#include "frequency/Frecuencia_kovia.h"

namespace kovia {

namespace {

constexpr int kDataColumnWidth = 177;   // left column of pages 0 and 1
constexpr int kAllanColumnWidth = 196;  // least width of page 2's left column (the noise types)

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);  // the designed blanks are kept
  return label;
}

QLabel* headerLabel(QWidget* parent, const QString& name, const QString& text) {
  QLabel* label = makeLabel(parent, name, text);
  QFont font = label->font();
  font.setBold(true);
  label->setFont(font);
  label->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
  return label;
}

// A caption band over a panel: light text on the window's dark accent.
QLabel* bandLabel(QWidget* parent, const QString& name, const QString& text) {
  QLabel* label = headerLabel(parent, name, text);
  QFont font = label->font();
  font.setPixelSize(11);
  label->setFont(font);
  label->setAutoFillBackground(true);
  QPalette palette = label->palette();
  palette.setColor(QPalette::Window, QColor(0x00, 0x00, 0x80));
  palette.setColor(QPalette::WindowText, Qt::white);
  label->setPalette(palette);
  label->setContentsMargins(0, 2, 0, 2);
  return label;
}

// The small column labels drawn above a grid.
QLabel* columnLabel(QWidget* parent, const QString& name, const QString& text) {
  QLabel* label = makeLabel(parent, name, text);
  QFont font = label->font();
  font.setBold(true);
  label->setFont(font);
  return label;
}

// A read-only, borderless field showing a result.
Edit* resultField(QWidget* parent, const QString& name) {
  auto* edit = new Edit(parent, name);
  edit->setReadOnly(true);
  edit->setFrame(false);
  edit->setFocusPolicy(Qt::ClickFocus);
  QPalette palette = edit->palette();
  palette.setColor(QPalette::Base, palette.color(QPalette::Window));
  edit->setPalette(palette);
  return edit;
}

StringGrid* valueGrid(QWidget* parent, const QString& name, std::initializer_list<int> widths) {
  auto* grid = new StringGrid(parent, name);
  grid->setColCount(static_cast<int>(widths.size()));
  int col = 0;
  int total = 0;
  for (const int w : widths) {
    grid->setColWidth(col++, w);
    total += w;
  }
  grid->setDefaultRowHeight(15);
  grid->setMinimumWidth(total + 2);
  // The columns fill the column of the page; the last pixels of a cell are never text.
  grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  return grid;
}

ScrollBar* angleScrollBar(QWidget* parent, const QString& name, Qt::Orientation orientation) {
  auto* bar = new ScrollBar(orientation, parent, name);
  bar->setRange(-90, 90);
  bar->setPageStep(10);
  bar->setSingleStep(1);
  bar->setPosition(0);
  if (orientation == Qt::Horizontal) bar->setFixedWidth(240);
  bar->hide();  // shown with the 3D view of its chart
  return bar;
}

// The look the three charts share: white panel, no gradient, black texts, title in bold 16 px.
Chart* makeChart(QWidget* parent, const QString& name, const QStringList& title,
                 GradientDirection direction) {
  auto* chart = new Chart(parent);
  chart->setObjectName(name);
  chart->setPanelColor(colors::kWhite);
  chart->setGradientVisible(false);
  chart->setGradientDirection(direction);
  chart->title().setFont(chartFont(16, true));
  chart->title().setLines(title);
  chart->setLegendVisible(false);
  chart->setMinimumSize(320, 240);
  return chart;
}

// Chart on the right of a page: the chart over a strip with `button` (may be null) and the
// horizontal scroll bar; the vertical scroll bar at the page's right edge.
void placeChart(QHBoxLayout* pageLayout, Chart* chart, Button* button, ScrollBar* horizontal,
                ScrollBar* vertical) {
  auto* right = new QVBoxLayout;
  right->setSpacing(2);
  right->addWidget(chart, 1);
  auto* strip = new QHBoxLayout;
  strip->setContentsMargins(0, 0, 0, 0);
  if (button != nullptr) strip->addWidget(button);
  strip->addStretch(1);
  strip->addWidget(horizontal);
  right->addLayout(strip);
  pageLayout->addLayout(right, 1);
  pageLayout->addWidget(vertical);
}

QHBoxLayout* pageLayout(QWidget* page) {
  auto* layout = new QHBoxLayout(page);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->setSpacing(8);
  return layout;
}

QVBoxLayout* leftColumn(QHBoxLayout* pageLayout, QWidget* page, int width) {
  auto* column = new QWidget(page);
  column->setFixedWidth(width);
  pageLayout->addWidget(column);
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(3);
  return layout;
}

}  // namespace

void TForm2::buildDataPage() {
  QHBoxLayout* row = pageLayout(TabSheet1);
  QVBoxLayout* left = leftColumn(row, TabSheet1, kDataColumnWidth);
  QWidget* column = left->parentWidget();

  Label1 = headerLabel(column, QStringLiteral("Label1"), QStringLiteral("DATOS DE ARCHIVO"));
  Label2 = columnLabel(column, QStringLiteral("Label2"), QStringLiteral("     No.                 Medición"));
  StringGrid1 = valueGrid(column, QStringLiteral("StringGrid1"), {52, 112});
  StringGrid1->setEditing(true);
  Memo1 = new Memo(column, QStringLiteral("Memo1"));
  Memo1->hide();  // lies behind StringGrid1
  left->addWidget(Label1);
  left->addWidget(Label2);
  left->addWidget(StringGrid1, 1);

  Label3 = bandLabel(column, QStringLiteral("Label3"), QStringLiteral("INFO DE LAS MEDICIONES"));
  left->addWidget(Label3);
  Panel2 = new QFrame(column);
  Panel2->setObjectName(QStringLiteral("Panel2"));
  Panel2->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  auto* info = new QGridLayout(Panel2);
  info->setContentsMargins(4, 4, 4, 4);
  info->setHorizontalSpacing(4);
  info->setVerticalSpacing(2);
  Label4 = makeLabel(Panel2, QStringLiteral("Label4"), QStringLiteral("Número de Datos"));
  Edit1 = resultField(Panel2, QStringLiteral("Edit1"));
  Label5 = makeLabel(Panel2, QStringLiteral("Label5"), QStringLiteral("F Nominal"));
  Edit2 = resultField(Panel2, QStringLiteral("Edit2"));
  Label6 = makeLabel(Panel2, QStringLiteral("Label6"), QStringLiteral("Hz"));
  Label7 = makeLabel(Panel2, QStringLiteral("Label7"), QStringLiteral("F Prom."));
  Edit3 = resultField(Panel2, QStringLiteral("Edit3"));
  Label8 = makeLabel(Panel2, QStringLiteral("Label8"), QStringLiteral("Hz"));
  info->addWidget(Label4, 0, 0, 1, 3);
  info->addWidget(Edit1, 1, 0, 1, 2);
  info->addWidget(Label5, 2, 0, 1, 3);
  info->addWidget(Edit2, 3, 0, 1, 2);
  info->addWidget(Label6, 3, 2);
  info->addWidget(Label7, 4, 0, 1, 3);
  info->addWidget(Edit3, 5, 0, 1, 2);
  info->addWidget(Label8, 5, 2);
  info->setColumnStretch(0, 1);
  left->addWidget(Panel2);

  PopupMenu1 = new PopupMenu(this, QStringLiteral("PopupMenu1"));
  Modificar1 = PopupMenu1->addItem(QStringLiteral("Modificar1"), QStringLiteral("Modificar"));
  Agregar1 = PopupMenu1->addItem(QStringLiteral("Agregar1"), QStringLiteral("Agregar"));
  Eliminar1 = PopupMenu1->addItem(QStringLiteral("Eliminar1"), QStringLiteral("Eliminar"));
  Refrescar1 = PopupMenu1->addItem(QStringLiteral("Refrescar1"), QStringLiteral("Refrescar"));
  // Editing the readings comes with its own commands; until then the items are shown disabled.
  for (QAction* item : PopupMenu1->actions()) item->setEnabled(false);
  PopupMenu1->attachTo(StringGrid1);

  Chart1 = makeChart(TabSheet1, QStringLiteral("Chart1"),
                     {QStringLiteral("MEDICIONES DE FRECUENCIA"), QStringLiteral("FIGURA 1")},
                     GradientDirection::BottomTop);
  Chart1->bottomAxis()->setTitleCaption(QStringLiteral("DATOS                  "));
  Chart1->leftAxis()->setTitleCaption(QStringLiteral("FRECUENCIA (Hz)"));
  Series1 = Chart1->addSeries(QStringLiteral("Series1"), SeriesKind::Point);
  Series1->setPointerStyle(PointerStyle::Rectangle);
  Series1->setHorizSize(3);
  Series1->setVertSize(3);
  Series2 = Chart1->addSeries(QStringLiteral("Series2"), SeriesKind::Line);
  Series2->setHorizSize(3);
  Series2->setVertSize(3);
  Series4 = Chart1->addSeries(QStringLiteral("Series4"), SeriesKind::Point);
  Series4->setPointerStyle(PointerStyle::Diamond);
  Series4->setHorizSize(3);
  Series4->setVertSize(3);
  Series4->setSeriesColor(colors::kRed);

  Button1 = new Button(TabSheet1, QStringLiteral("Button1"), QStringLiteral("Gráfico para Certificado"));
  Button1->setIcon(QIcon(QStringLiteral(":/icons/certificate.svg")));
  Button1->setEnabled(false);
  ScrollBar1 = angleScrollBar(TabSheet1, QStringLiteral("ScrollBar1"), Qt::Vertical);
  ScrollBar2 = angleScrollBar(TabSheet1, QStringLiteral("ScrollBar2"), Qt::Horizontal);
  placeChart(row, Chart1, Button1, ScrollBar2, ScrollBar1);
}

void TForm2::buildDeviationPage() {
  QHBoxLayout* row = pageLayout(TabSheet3);
  QVBoxLayout* left = leftColumn(row, TabSheet3, kDataColumnWidth);
  QWidget* column = left->parentWidget();

  Label9 = columnLabel(column, QStringLiteral("Label9"), QStringLiteral("       i                yi"));
  StringGrid3 = valueGrid(column, QStringLiteral("StringGrid3"), {52, 112});
  // The operator may retouch a deviation; a double-click on Chart2 re-plots from these texts.
  StringGrid3->setEditing(true);
  BitBtn1 = new BitBtn(column, QStringLiteral("BitBtn1"), QStringLiteral("Desviación Fraccional"));
  BitBtn1->setEnabled(false);
  left->addWidget(Label9);
  left->addWidget(StringGrid3, 1);
  left->addWidget(BitBtn1);

  Panel3 = new QFrame(column);
  Panel3->setObjectName(QStringLiteral("Panel3"));
  Panel3->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  auto* panel = new QVBoxLayout(Panel3);
  panel->setContentsMargins(0, 0, 0, 4);
  panel->setSpacing(2);
  Label10 = bandLabel(Panel3, QStringLiteral("Label10"), QStringLiteral("DESVIACION FRACCIONAL"));
  Label11 = bandLabel(Panel3, QStringLiteral("Label11"), QStringLiteral("DE FRECUENCIA PROMEDIO"));
  Label10->setContentsMargins(0, 2, 0, 0);
  Label11->setContentsMargins(0, 0, 0, 2);
  auto* caption = new QVBoxLayout;
  caption->setSpacing(0);
  caption->addWidget(Label10);
  caption->addWidget(Label11);
  panel->addLayout(caption);

  // Δf over f, drawn with separate labels and a rule, then "=" and the mean.
  auto* fraction = new QVBoxLayout;
  fraction->setSpacing(0);
  Label12 = makeLabel(Panel3, QStringLiteral("Label12"), QStringLiteral("Δf"));
  Bevel1 = new QFrame(Panel3);
  Bevel1->setObjectName(QStringLiteral("Bevel1"));
  Bevel1->setFrameShape(QFrame::HLine);
  Bevel1->setFixedWidth(18);
  Label13 = makeLabel(Panel3, QStringLiteral("Label13"), QStringLiteral("f"));
  for (QLabel* l : {Label12, Label13}) l->setAlignment(Qt::AlignHCenter);
  fraction->addWidget(Label12, 0, Qt::AlignHCenter);
  fraction->addWidget(Bevel1, 0, Qt::AlignHCenter);
  fraction->addWidget(Label13, 0, Qt::AlignHCenter);
  Label14 = makeLabel(Panel3, QStringLiteral("Label14"), QStringLiteral("="));
  Edit4 = resultField(Panel3, QStringLiteral("Edit4"));
  auto* equation = new QHBoxLayout;
  equation->setContentsMargins(6, 0, 6, 0);
  equation->addLayout(fraction);
  equation->addWidget(Label14);
  equation->addWidget(Edit4, 1);
  panel->addLayout(equation);
  left->addWidget(Panel3);

  Chart2 = makeChart(TabSheet3, QStringLiteral("Chart2"),
                     {QStringLiteral("DESVIACIÓN FRACCIONAL DE FRECUENCIA"), QStringLiteral("FIGURA 2")},
                     GradientDirection::FromTopLeft);
  Chart2->bottomAxis()->setTitleCaption(QStringLiteral("DATOS                    "));
  Chart2->leftAxis()->setTitleCaption(QStringLiteral("Df/f"));
  Chart2->leftAxis()->setLabelFormat(QStringLiteral("0.#####E+00"));
  Chart2->foot().setText(QStringLiteral("(10 horas de medición con TAU= 1s)"));
  // The deviations as points: a line series drawn without its line.
  Series5 = Chart2->addSeries(QStringLiteral("Series5"), SeriesKind::Line);
  Series5->setLineVisible(false);
  Series5->setPointerVisible(true);
  Series5->setPointerStyle(PointerStyle::Diamond);
  Series5->setHorizSize(2);
  Series5->setVertSize(2);
  Series3 = Chart2->addSeries(QStringLiteral("Series3"), SeriesKind::Line);
  Series3->setHorizSize(2);
  Series3->setVertSize(2);

  ScrollBar4 = angleScrollBar(TabSheet3, QStringLiteral("ScrollBar4"), Qt::Vertical);
  ScrollBar3 = angleScrollBar(TabSheet3, QStringLiteral("ScrollBar3"), Qt::Horizontal);
  placeChart(row, Chart2, nullptr, ScrollBar3, ScrollBar4);
}

void TForm2::buildAllanPage() {
  // The table's value columns are designed 44 px wide; in this face a 4-digit value in
  // scientific notation ("1.037E-11") needs more, and a table whose values are cut off
  // cannot be read: those columns take the width their longest text needs.
  const int valueWidth =
      std::max(44, TabSheet2->fontMetrics().horizontalAdvance(QStringLiteral("-8.888E-88")) + 8);
  const int widths[] = {42, valueWidth, valueWidth, valueWidth};
  const int tableWidth = widths[0] + widths[1] + widths[2] + widths[3] + 2;

  QHBoxLayout* row = pageLayout(TabSheet2);
  QVBoxLayout* left = leftColumn(row, TabSheet2, std::max(kAllanColumnWidth, tableWidth));
  QWidget* column = left->parentWidget();

  BitBtn5 = new BitBtn(column, QStringLiteral("BitBtn5"), QStringLiteral("Raíz de la Varianza de Allan"));
  BitBtn5->setEnabled(false);
  RadioGroup1 = new RadioGroup(column, QStringLiteral("RadioGroup1"), QStringLiteral("TIPOS DE RUIDO"));
  RadioGroup1->setItems({QStringLiteral("White Phase "), QStringLiteral("Flicker Phase "),
                         QStringLiteral("White Frequency "), QStringLiteral("Flicker Frequency "),
                         QStringLiteral("Random-Walk Frequency ")});
  RadioGroup1->setEnabled(false);
  left->addWidget(BitBtn5);
  left->addWidget(RadioGroup1);
  left->addSpacing(6);

  // Column labels over the four table columns (42, 44, 44 and 44 px).
  auto* heads = new QHBoxLayout;
  heads->setContentsMargins(1, 0, 0, 0);
  heads->setSpacing(0);
  Label15 = columnLabel(column, QStringLiteral("Label15"), QStringLiteral("τ"));
  Label16 = columnLabel(column, QStringLiteral("Label16"), QStringLiteral("σy(τ)"));
  Label17 = columnLabel(column, QStringLiteral("Label17"), QStringLiteral("BInf"));
  Label18 = columnLabel(column, QStringLiteral("Label18"), QStringLiteral("BSup"));
  int i = 0;
  for (QLabel* l : {Label15, Label16, Label17, Label18}) {
    l->setFixedWidth(widths[i++]);
    l->setAlignment(Qt::AlignHCenter);
    heads->addWidget(l);
  }
  heads->addStretch(1);
  left->addLayout(heads);

  StringGrid4 =
      valueGrid(column, QStringLiteral("StringGrid4"), {widths[0], widths[1], widths[2], widths[3]});
  StringGrid4->setEditing(true);
  StringGrid4->setRowSelect(true);
  StringGrid4->setFixedHeight(16 * StringGrid4->RowCount());
  left->addWidget(StringGrid4, 0, Qt::AlignLeft);
  left->addStretch(1);

  DBChart4 = makeChart(TabSheet2, QStringLiteral("DBChart4"),
                       {QStringLiteral("RAÍZ DE LA VARIANZA DE ALLAN"), QStringLiteral("FIGURA 3")},
                       GradientDirection::FromTopLeft);
  DBChart4->foot().setText(QStringLiteral("TAU (s)"));
  for (Axis* axis : {DBChart4->leftAxis(), DBChart4->bottomAxis()}) {
    axis->setLogarithmic(true);
    axis->setMinorGridPen(ChartPen{colors::kSilver, LineStyle::Dot, 1, false});
    axis->setMinorTickCount(8);
  }
  DBChart4->leftAxis()->setTitleCaption(QStringLiteral("s (t)"));
  DBChart4->leftAxis()->setTitleSymbolFont(true);
  DBChart4->leftAxis()->setLabelFormat(QStringLiteral("#.0E-00"));
  Series10 = DBChart4->addSeries(QStringLiteral("Series10"), SeriesKind::Point);
  Series10->setTitle(QStringLiteral("Avar"));
  Series10->setPointerStyle(PointerStyle::Diamond);
  Series10->setHorizSize(3);
  Series10->setVertSize(3);
  // The bounds: flat bars one pixel high, marks hidden.
  Series11 = DBChart4->addSeries(QStringLiteral("Series11"), SeriesKind::Point);
  Series11->setTitle(QStringLiteral("Binf"));
  Series12 = DBChart4->addSeries(QStringLiteral("Series12"), SeriesKind::Point);
  Series12->setTitle(QStringLiteral("Bsup"));
  for (Series* bound : {Series11, Series12}) {
    bound->setPointerStyle(PointerStyle::Rectangle);
    bound->setHorizSize(5);
    bound->setVertSize(0);
    bound->setMarksVisible(false);
  }

  Button2 = new Button(TabSheet2, QStringLiteral("Button2"), QStringLiteral("Gráfico para Certificado"));
  Button2->setIcon(QIcon(QStringLiteral(":/icons/certificate.svg")));
  Button2->setEnabled(false);
  ScrollBar6 = angleScrollBar(TabSheet2, QStringLiteral("ScrollBar6"), Qt::Vertical);
  ScrollBar5 = angleScrollBar(TabSheet2, QStringLiteral("ScrollBar5"), Qt::Horizontal);
  placeChart(row, DBChart4, Button2, ScrollBar5, ScrollBar6);
}

}  // namespace kovia
