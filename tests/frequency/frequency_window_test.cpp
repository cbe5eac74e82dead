// The frequency window as designed: menus by position, tool buttons with their hints, pages,
// grids, charts and series, the initial states; the nominal-frequency dialog's controls; the
// program-wide record and its registration; help and about.
#include <QAction>
#include <algorithm>
#include <set>

#include "frequency_test_support.h"
#include "platform/state_registry.h"

namespace kovia::testing {
namespace {

TEST_F(FrequencyWindowTest, MenusHoldEveryItemAtItsPositionWithItsInitialState) {
  const QStringList tops = {QStringLiteral("Archivo"), QStringLiteral("Propiedades"), QStringLiteral("Panel"),
                            QStringLiteral("Títulos"), QStringLiteral("Gráfico"),     QStringLiteral("?")};
  ASSERT_EQ(window_->mainMenu()->topCount(), tops.size());
  for (int t = 0; t < tops.size(); ++t) EXPECT_EQ(window_->mainMenu()->top(t)->title(), tops[t]);

  struct Item {
    int top, index;
    const char* name;
    const char* caption;
    bool enabled;
  };
  const Item items[] = {
      {0, 0, "Salir1", "&Abrir", true},
      {0, 1, "Guardar1", "&Guardar", false},
      {0, 2, "Print1", "&Imprimir", false},
      {0, 4, "Salir2", "&Cerrar", true},
      {1, 0, "Color1", "Color puntos", false},
      {1, 1, "Marcador1", "Color Avar", false},
      {1, 2, "Lnea1", "Línea", false},
      {2, 0, "Color2", "Color", false},
      {2, 1, "N3D1", "3D", false},
      {3, 0, "Ttulo1", "Título", false},
      {4, 0, "DesplazaralaIzquierda1", "Desplazar a la Izquierda", false},
      {4, 1, "Desplazarhaciaarriba1", "Desplazar hacia arriba", false},
      {4, 2, "Desplazarhaciaabajo1", "Desplazar hacia abajo", false},
      {4, 3, "DesplazaralaDerecha1", "Desplazar a la Derecha", false},
      {4, 5, "Aumentar1", "Aumentar", false},
      {4, 6, "Disminuir1", "Disminuir", false},
      {4, 7, "Restablecer1", "Restablecer", false},
      {4, 9, "Lneasdedivisinsecundarias1", "Líneas de división...", false},
      {5, 0, "Ayuda1", "Ayuda", true},
      {5, 1, "Acercade1", "Acerca de...", true},
  };
  for (const Item& item : items) {
    SCOPED_TRACE(item.name);
    QAction* action = window_->mainMenu()->Items(item.top, item.index);
    EXPECT_EQ(action->objectName(), QString::fromLatin1(item.name));
    EXPECT_EQ(action->text(), QString::fromUtf8(item.caption));
    EXPECT_EQ(action->isEnabled(), item.enabled);
  }
  for (const auto& [top, index] : {std::pair{0, 3}, std::pair{4, 4}, std::pair{4, 8}}) {
    EXPECT_TRUE(window_->mainMenu()->Items(top, index)->isSeparator()) << top << ", " << index;
  }
}

TEST_F(FrequencyWindowTest, ToolButtonsCarryTheirHintsIconsAndMenuTwins) {
  struct Button {
    QToolButton* button;
    Command* command;
    const char* name;
    const char* tooltip;
    QAction* item;
    bool enabled;
  };
  TForm2& w = *window_;
  const Button buttons[] = {
      {w.SpeedButton3, w.openCommand, "SpeedButton3", "Cargar Archivo de Datos", w.Salir1, true},
      {w.SpeedButton4, w.saveCommand, "SpeedButton4", "Guardar", w.Guardar1, false},
      {w.SpeedButton6, w.printCommand, "SpeedButton6", "Imprimir", w.Print1, false},
      {w.SpeedButton9, w.closeCommand, "SpeedButton9", "Cerrar Aplicación", w.Salir2, true},
      {w.SpeedButton2, w.moveLeftCommand, "SpeedButton2", "Mover a la Izquierda", w.DesplazaralaIzquierda1,
       false},
      {w.SpeedButton10, w.moveUpCommand, "SpeedButton10", "Mover arriba", w.Desplazarhaciaarriba1, false},
      {w.SpeedButton8, w.moveDownCommand, "SpeedButton8", "Mover abajo", w.Desplazarhaciaabajo1, false},
      {w.SpeedButton7, w.moveRightCommand, "SpeedButton7", "Mover Derecha", w.DesplazaralaDerecha1, false},
      {w.SpeedButton11, w.zoomInCommand, "SpeedButton11", "Aumentar", w.Aumentar1, false},
      {w.SpeedButton12, w.zoomOutCommand, "SpeedButton12", "Disminuir", w.Disminuir1, false},
      {w.SpeedButton13, w.resetCommand, "SpeedButton13", "Restablecer", w.Restablecer1, false},
      {w.SpeedButton1, w.minorGridCommand, "SpeedButton1", "Líneas de división secundarias",
       w.Lneasdedivisinsecundarias1, false},
      {w.SpeedButton5, w.pointColorCommand, "SpeedButton5", "Color de los Puntos", w.Color1, false},
      {w.SpeedButton14, w.avarColorCommand, "SpeedButton14", "Color de la Avar y Barras", w.Marcador1, false},
      {w.SpeedButton15, w.lineCommand, "SpeedButton15", "Pone / Quita Línea", w.Lnea1, false},
      {w.SpeedButton16, w.panelCommand, "SpeedButton16", "Color del Panel", w.Color2, false},
      {w.SpeedButton18, w.view3DCommand, "SpeedButton18", "Tres Dimensiones", w.N3D1, false},
      {w.SpeedButton17, w.titlesCommand, "SpeedButton17", "Títulos del Gráfico", w.Ttulo1, false},
      {w.SpeedButton19, w.helpCommand, "SpeedButton19", "Ayuda", w.Ayuda1, true},
  };
  std::set<QToolButton*> distinct;
  for (const Button& b : buttons) {
    SCOPED_TRACE(b.name);
    ASSERT_NE(b.button, nullptr);
    distinct.insert(b.button);
    EXPECT_EQ(b.button->objectName(), QString::fromLatin1(b.name));
    EXPECT_EQ(b.button->toolTip(), QString::fromUtf8(b.tooltip));
    EXPECT_FALSE(b.button->icon().pixmap(20, 20).isNull());
    EXPECT_EQ(b.command->button(), b.button);
    EXPECT_EQ(b.command->menuItem(), b.item);
    EXPECT_EQ(b.button->isEnabled(), b.enabled);
  }
  EXPECT_EQ(distinct.size(), std::size(buttons));
}

TEST_F(FrequencyWindowTest, PagesGridsAndFieldsAreLaidOutAsDesigned) {
  TForm2& w = *window_;
  EXPECT_EQ(w.Caption(), QStringLiteral("Análisis de Mediciones de Frecuencia"));
  EXPECT_TRUE(w.windowState().testFlag(Qt::WindowMaximized));
  EXPECT_EQ(w.helpContext(), 1);
  EXPECT_EQ(w.OpenDialog1->Filter(), QStringLiteral("Texto|*.txt|Datos|*.dat|Todos|*.*"));

  ASSERT_EQ(w.PageControl1->pageCount(), 3);
  const std::pair<QWidget*, const char*> pages[] = {{w.TabSheet1, "Datos Originales"},
                                                    {w.TabSheet3, "Desviación Fraccional de Frecuencia"},
                                                    {w.TabSheet2, "Raíz de la Varianza de Allan"}};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(w.PageControl1->page(i), pages[i].first);
    EXPECT_EQ(w.PageControl1->tabText(i), QString::fromUtf8(pages[i].second));
  }
  EXPECT_EQ(w.PageControl1->ActivePageIndex(), 0);
  EXPECT_EQ(w.Label2->text(), QStringLiteral("     No.                 Medición"));
  EXPECT_EQ(w.Label9->text(), QStringLiteral("       i                yi"));
  EXPECT_EQ(w.Label1->parentWidget()->width(), 177);

  struct Grid {
    StringGrid* grid;
    std::vector<int> widths;
    bool editing;
  };
  const int value = w.StringGrid4->ColWidths(1);  // designed 44 px, wider where its texts need it
  EXPECT_GE(value, 44);
  EXPECT_LE(w.StringGrid4->fontMetrics().horizontalAdvance(QStringLiteral("-8.888E-88")), value - 6);
  for (const Grid& g : {Grid{w.StringGrid1, {52, 112}, true}, Grid{w.StringGrid3, {52, 112}, true},
                        Grid{w.StringGrid4, {42, value, value, value}, true}}) {
    SCOPED_TRACE(g.grid->objectName().toStdString());
    ASSERT_EQ(g.grid->ColCount(), static_cast<int>(g.widths.size()));
    for (int c = 0; c < g.grid->ColCount(); ++c) EXPECT_EQ(g.grid->ColWidths(c), g.widths[c]);
    EXPECT_EQ(g.grid->FixedRows(), 0);
    EXPECT_EQ(g.grid->FixedCols(), 0);
    EXPECT_EQ(g.grid->DefaultRowHeight(), 15);
    EXPECT_EQ(g.grid->editing(), g.editing);
  }
  EXPECT_TRUE(w.StringGrid4->rowSelect());
  EXPECT_TRUE(w.Memo1->isHidden());
  for (Edit* e : {w.Edit1, w.Edit2, w.Edit3, w.Edit4}) {
    EXPECT_TRUE(e->isReadOnly()) << e->objectName().toStdString();
    EXPECT_TRUE(e->text().isEmpty());
  }
  for (Button* b : {w.BitBtn1, w.BitBtn5, w.Button1, w.Button2}) EXPECT_FALSE(b->isEnabled());
  EXPECT_EQ(w.BitBtn1->text(), QStringLiteral("Desviación Fraccional"));
  EXPECT_EQ(w.BitBtn5->text(), QStringLiteral("Raíz de la Varianza de Allan"));
  EXPECT_EQ(w.Button1->text(), QStringLiteral("Gráfico para Certificado"));
  EXPECT_EQ(w.Button2->text(), QStringLiteral("Gráfico para Certificado"));

  EXPECT_EQ(w.RadioGroup1->title(), QStringLiteral("TIPOS DE RUIDO"));
  EXPECT_EQ(w.RadioGroup1->Items(),
            QStringList({QStringLiteral("White Phase "), QStringLiteral("Flicker Phase "),
                         QStringLiteral("White Frequency "), QStringLiteral("Flicker Frequency "),
                         QStringLiteral("Random-Walk Frequency ")}));
  EXPECT_EQ(w.RadioGroup1->ItemIndex(), -1);
  EXPECT_FALSE(w.RadioGroup1->isEnabled());

  for (ScrollBar* bar :
       {w.ScrollBar1, w.ScrollBar2, w.ScrollBar3, w.ScrollBar4, w.ScrollBar5, w.ScrollBar6}) {
    SCOPED_TRACE(bar->objectName().toStdString());
    EXPECT_EQ(bar->Min(), -90);
    EXPECT_EQ(bar->Max(), 90);
    EXPECT_EQ(bar->pageStep(), 10);
    EXPECT_EQ(bar->singleStep(), 1);
    EXPECT_EQ(bar->Position(), 0);
    EXPECT_TRUE(bar->isHidden());
  }
  for (ScrollBar* bar : {w.ScrollBar1, w.ScrollBar4, w.ScrollBar6})
    EXPECT_EQ(bar->orientation(), Qt::Vertical);
  EXPECT_EQ(w.PopupMenu1->actions().size(), 4);
}

TEST_F(FrequencyWindowTest, ChartsCarryTheirTitlesAxesAndSeries) {
  TForm2& w = *window_;
  struct ChartCase {
    Chart* chart;
    QStringList title;
    QString bottom, left, format;
    QStringList foot;
    bool logarithmic;
  };
  const ChartCase charts[] = {
      {w.Chart1,
       {QStringLiteral("MEDICIONES DE FRECUENCIA"), QStringLiteral("FIGURA 1")},
       QStringLiteral("DATOS") + QString(18, QLatin1Char(' ')),
       QStringLiteral("FRECUENCIA (Hz)"),
       QString(),
       {},
       false},
      {w.Chart2,
       {QStringLiteral("DESVIACIÓN FRACCIONAL DE FRECUENCIA"), QStringLiteral("FIGURA 2")},
       QStringLiteral("DATOS") + QString(20, QLatin1Char(' ')),
       QStringLiteral("Df/f"),
       QStringLiteral("0.#####E+00"),
       {QStringLiteral("(10 horas de medición con TAU= 1s)")},
       false},
      {w.DBChart4,
       {QStringLiteral("RAÍZ DE LA VARIANZA DE ALLAN"), QStringLiteral("FIGURA 3")},
       QString(),
       QStringLiteral("s (t)"),
       QStringLiteral("#.0E-00"),
       {QStringLiteral("TAU (s)")},
       true},
  };
  for (const ChartCase& c : charts) {
    SCOPED_TRACE(c.chart->objectName().toStdString());
    EXPECT_EQ(c.chart->title().lines(), c.title);
    EXPECT_TRUE(c.chart->title().font().bold());
    EXPECT_EQ(c.chart->title().font().pixelSize(), 16);
    EXPECT_EQ(c.chart->bottomAxis()->titleCaption(), c.bottom);
    EXPECT_EQ(c.chart->leftAxis()->titleCaption(), c.left);
    EXPECT_EQ(c.chart->leftAxis()->labelFormat(), c.format);
    EXPECT_EQ(c.chart->foot().lines(), c.foot);
    EXPECT_EQ(c.chart->leftAxis()->logarithmic(), c.logarithmic);
    EXPECT_EQ(c.chart->bottomAxis()->logarithmic(), c.logarithmic);
    EXPECT_FALSE(c.chart->gradientVisible());
    EXPECT_FALSE(c.chart->view3D());
  }
  EXPECT_TRUE(w.DBChart4->leftAxis()->titleSymbolFont());
  for (Axis* axis : {w.DBChart4->leftAxis(), w.DBChart4->bottomAxis()}) {
    EXPECT_FALSE(axis->minorGridVisible());
    EXPECT_EQ(axis->minorTickCount(), 8);
    EXPECT_EQ(axis->minorGridPen().style, LineStyle::Dot);
  }

  struct SeriesCase {
    Series* series;
    const char* name;
    Chart* chart;
    bool line, pointer;
    PointerStyle style;
    int horiz, vert;
    const char* title;
  };
  const SeriesCase series[] = {
      {w.Series5, "Series5", w.Chart2, false, true, PointerStyle::Diamond, 2, 2, ""},
      {w.Series4, "Series4", w.Chart1, false, true, PointerStyle::Diamond, 3, 3, ""},
      {w.Series10, "Series10", w.DBChart4, false, true, PointerStyle::Diamond, 3, 3, "Avar"},
      {w.Series11, "Series11", w.DBChart4, false, true, PointerStyle::Rectangle, 5, 0, "Binf"},
      {w.Series12, "Series12", w.DBChart4, false, true, PointerStyle::Rectangle, 5, 0, "Bsup"},
  };
  for (const SeriesCase& s : series) {
    SCOPED_TRACE(s.name);
    EXPECT_EQ(s.series->objectName(), QString::fromLatin1(s.name));
    EXPECT_EQ(s.series->chart(), s.chart);
    EXPECT_EQ(s.series->lineVisible(), s.line);
    EXPECT_EQ(s.series->pointerVisible(), s.pointer);
    EXPECT_EQ(s.series->pointerStyle(), s.style);
    EXPECT_EQ(s.series->horizSize(), s.horiz);
    EXPECT_EQ(s.series->vertSize(), s.vert);
    EXPECT_EQ(s.series->title(), QString::fromLatin1(s.title));
    EXPECT_FALSE(s.series->marksVisible());
  }
  EXPECT_EQ(w.Series5->kind(), SeriesKind::Line);  // a line series drawn without its line
  EXPECT_TRUE(w.Series2->lineVisible());
  EXPECT_TRUE(w.Series3->lineVisible());
  EXPECT_EQ(w.Series1->kind(), SeriesKind::Point);
}

TEST_F(FrequencyWindowTest, NominalFrequencyDialogStartsWithTauDisabled) {
  TForm4 dialog;
  EXPECT_EQ(dialog.Caption(), QStringLiteral("Frecuencia Nominal"));
  EXPECT_EQ(dialog.size(), QSize(227, 161));
  EXPECT_TRUE(dialog.Edit1->isEnabled());
  EXPECT_TRUE(dialog.Edit1->text().isEmpty());
  EXPECT_FALSE(dialog.Edit2->isEnabled());
  EXPECT_FALSE(dialog.Edit1->hasFrame());
  EXPECT_EQ(dialog.Edit1->font().pixelSize(), 16);
  const QStringList texts = {dialog.Label1->text(), dialog.Label2->text(), dialog.Label3->text(),
                             dialog.Label4->text(), dialog.Label5->text()};
  EXPECT_EQ(texts,
            QStringList({QStringLiteral("Frecuencia Nominal:"), QStringLiteral("Hz"), QStringLiteral("Tau:"),
                         QStringLiteral("segundos"), QStringLiteral("Frecuencia")}));
}

TEST_F(FrequencyWindowTest, StateRecordStartsAsDesignedAndDumpsEveryFieldByName) {
  const FrequencyWindowState fresh;
  EXPECT_EQ(fresh.nominalFrequencyHz, 0.0);
  EXPECT_EQ(fresh.tauSeconds, 0);
  EXPECT_EQ(fresh.dataPending, 3);
  EXPECT_EQ(fresh.deviationPending, 3);
  EXPECT_EQ(fresh.allanPending, 3);
  EXPECT_EQ(fresh.dataPointColor, 0x00800000u);
  EXPECT_EQ(fresh.deviationPointColor, 0x00800000u);
  EXPECT_EQ(fresh.avarColor, 0x00800000u);
  EXPECT_EQ(fresh.barColor, 0x008000FFu);
  EXPECT_EQ(fresh.pointSize, 2);

  frequencyWindowState().tauSeconds = 60;
  const StateDescriber* describe = findStateRecord("FrequencyWindowState");
  ASSERT_NE(describe, nullptr);
  std::map<std::string, StateValue> fields;
  for (const StateField& f : (*describe)()) EXPECT_TRUE(fields.emplace(f.name, f.value).second) << f.name;
  for (const char* name : {"nominalFrequencyHz",
                           "tauSeconds",
                           "dataPending",
                           "deviationPending",
                           "allanPending",
                           "chart1ShowsPoints",
                           "chart1ShowsLine",
                           "chart2ShowsLine",
                           "chart2ShowsPoints",
                           "selectedDataRow",
                           "dataPointColor",
                           "deviationPointColor",
                           "avarColor",
                           "barColor",
                           "lineMode",
                           "minorGridOn",
                           "view3DOn",
                           "titleColor",
                           "pointStyle",
                           "pointSize",
                           "gradientStartColor",
                           "panelColor",
                           "dialogFromFrequencyWindow",
                           "titleText[0]",
                           "yAxisText[2]",
                           "saveSelection",
                           "printSelection"}) {
    EXPECT_TRUE(fields.count(name)) << name;
  }
  EXPECT_EQ(std::get<long long>(fields.at("tauSeconds")), 60);
  EXPECT_EQ(std::get<long long>(fields.at("barColor")), 0x008000FF);
  EXPECT_EQ(std::get<std::vector<long long>>(fields.at("saveSelection")).size(), 6u);
  EXPECT_EQ(std::get<std::vector<long long>>(fields.at("printSelection")).size(), 5u);
  EXPECT_EQ(std::get<std::string>(fields.at("titleText[2]")), "RAÍZ DE LA VARIANZA DE ALLAN \n  FIGURA 3");
}

TEST_F(FrequencyWindowTest, HelpButtonAndItemOpenTheHelpTopics) {
  EXPECT_TRUE(window_->helpCommand->pressButton());
  EXPECT_TRUE(window_->helpCommand->chooseMenuItem());
  EXPECT_EQ(op_.texts(ScriptedOperator::MessageKind::Help).size(), 2);
  EXPECT_TRUE(errors().isEmpty());
}

TEST_F(FrequencyWindowTest, AboutItemShowsTheAboutBoxModally) {
  bool shown = false;
  op_.queueModal(QStringLiteral("TForm3"), [&](DialogForm& box) {
    shown = true;
    EXPECT_EQ(box.Caption(), QStringLiteral("Acerca de Kovia"));
  });
  window_->Acercade1->trigger();
  EXPECT_TRUE(shown);
  EXPECT_TRUE(op_.unusedAnswers().isEmpty());
}

}  // namespace
}  // namespace kovia::testing
