// Composition of the phase window as it opens: menu positions the chart commands rely on,
// tool-button hints, pages, the state of every control, and the help and about commands.
#include <gtest/gtest.h>

#include <QToolButton>

#include "phase_window_fixture.h"

namespace kovia::testing {
namespace {

class PhaseWindowCompositionTest : public PhaseWindowTest {};

TEST_F(PhaseWindowCompositionTest, MenuItemsSitWhereTheCommandsAddressThem) {
  struct Item {
    int top, index;
    const char* name;
    const char* caption;
  };
  const Item items[] = {
      {0, 0, "Abrir1", "Abrir"},
      {0, 1, "Guardar1", "Guardar"},
      {0, 2, "Imprimir1", "Imprimir"},
      {0, 4, "Cerrar1", "Cerrar"},
      {1, 0, "ColorPuntos1", "Color Puntos"},
      {1, 1, "ColorAvar1", "Color Avar"},
      {1, 2, "Lnea1", "Línea"},
      {2, 0, "Color1", "Color"},
      {2, 1, "N3D1", "3D"},
      {3, 0, "Ttulo1", "Título"},
      {4, 0, "DesplazaalaIzquierda1", "Desplaza a la Izquierda"},
      {4, 1, "Desplazaarriba1", "Desplaza hacia Arriba"},
      {4, 2, "Desplazahaciaabajo1", "Desplaza hacia Abajo"},
      {4, 3, "DesplazaalaDerecha1", "Desplaza a la Derecha"},
      {4, 5, "Aumenta1", "Aumenta"},
      {4, 6, "Disminuye1", "Disminuye"},
      {4, 7, "Restablece1", "Restablece"},
      {4, 9, "Lineasauxiliares1", "Lineas de División..."},
      {5, 0, "Ayuda1", "Ayuda"},
      {5, 1, "Acrcade1", "Acerca de..."},
  };
  for (const Item& item : items) {
    const QAction* action = w->mainMenu()->Items(item.top, item.index);
    EXPECT_EQ(action->objectName(), QString::fromUtf8(item.name));
    EXPECT_EQ(action->text(), QString::fromUtf8(item.caption));
  }
  EXPECT_TRUE(w->mainMenu()->Items(4, 4)->isSeparator());
  EXPECT_TRUE(w->mainMenu()->Items(4, 8)->isSeparator());
  QStringList tops;
  for (int top = 0; top < w->mainMenu()->topCount(); ++top) tops << w->mainMenu()->top(top)->title();
  EXPECT_EQ(tops,
            (QStringList{QStringLiteral("Archivo"), QStringLiteral("Propiedades"), QStringLiteral("Panel"),
                         QStringLiteral("Títulos"), QStringLiteral("Gráfico"), QStringLiteral("?")}));
  EXPECT_TRUE(w->Lnea1->isCheckable());
}

TEST_F(PhaseWindowCompositionTest, OpensWithOnlyTheLoadAndHelpReady) {
  EXPECT_EQ(w->Caption(), QStringLiteral("Análisis de Mediciones de Diferencia de Fase"));
  EXPECT_EQ(w->SpeedButton37->toolTip(), QStringLiteral("Cargar Archivo de Datos"));
  EXPECT_EQ(w->SpeedButton35->toolTip(), QStringLiteral("Color de la Avar y Barras"));
  EXPECT_EQ(w->SpeedButton40->toolTip(), QStringLiteral("Cerrar Aplicación"));
  EXPECT_TRUE(w->SpeedButton1->toolTip().isEmpty());
  EXPECT_TRUE(w->openCommand->buttonEnabled() && w->openCommand->menuEnabled());
  EXPECT_TRUE(w->helpCommand->buttonEnabled() && w->Acrcade1->isEnabled());
  for (Command* c :
       {w->saveCommand, w->printCommand, w->moveLeftCommand, w->moveUpCommand, w->moveDownCommand,
        w->moveRightCommand, w->zoomInCommand, w->zoomOutCommand, w->resetCommand, w->minorGridCommand,
        w->pointColorCommand, w->avarColorCommand, w->lineCommand}) {
    EXPECT_FALSE(c->buttonEnabled() || c->menuEnabled()) << c->button()->objectName().toStdString();
  }

  QStringList pages;
  for (int p = 0; p < w->PageControlph->pageCount(); ++p) {
    pages << w->PageControlph->page(p)->objectName() + QLatin1Char(' ') + w->PageControlph->tabText(p);
  }
  EXPECT_EQ(
      pages,
      (QStringList{QStringLiteral("TabSheet1 Datos Originales"), QStringLiteral("TabSheet2 Fase Acumulada"),
                   QStringLiteral("TabSheet6 Residuos"), QStringLiteral("TabSheet5 Varianza de Allan")}));
  EXPECT_EQ(w->PageControlph->ActivePageIndex(), 0);

  for (QWidget* c :
       std::initializer_list<QWidget*>{w->RadioGroup1, w->RadioGroup2, w->BitBtn4, w->BitBtn16, w->Edit8,
                                       w->UpDown1, w->BitBtn15, w->BitBtn12, w->Button1}) {
    EXPECT_FALSE(c->isEnabled()) << c->objectName().toStdString();
  }
  EXPECT_EQ(w->Edit8->text(), QStringLiteral("0"));
  EXPECT_EQ(w->UpDown1->Min(), 0);
  EXPECT_EQ(w->UpDown1->Max(), 100);
  EXPECT_TRUE(w->UpDown1->wrap());
  EXPECT_EQ(w->ComboBox1->ItemIndex(), -1);
  EXPECT_EQ(w->ComboBox2->count(), 3);
  EXPECT_EQ(w->RadioGroup2->Items().back(), QStringLiteral("Random-Walk Frequency"));
  EXPECT_TRUE(w->StringGrid7->isHidden());
  for (ScrollBar* bar : {w->ScrollBar1, w->ScrollBar2, w->ScrollBar3, w->ScrollBar4, w->ScrollBar5,
                         w->ScrollBar6, w->ScrollBar7, w->ScrollBar8}) {
    EXPECT_TRUE(bar->isHidden());
    EXPECT_EQ(bar->Min(), -90);
    EXPECT_EQ(bar->Max(), 90);
  }
  EXPECT_EQ(w->ScrollBar2->orientation(), Qt::Vertical);
  EXPECT_EQ(w->ScrollBar1->orientation(), Qt::Horizontal);

  EXPECT_TRUE(w->DBChart1->leftAxis()->logarithmic() && w->DBChart1->bottomAxis()->logarithmic());
  EXPECT_EQ(w->DBChart1->leftAxis()->drawnTitle(), QStringLiteral("σ(τ)"));
  EXPECT_EQ(w->DBChart1->foot().text(), QStringLiteral("TAU (s)"));
  EXPECT_EQ(w->Chart5->title().lines(),
            (QStringList{QStringLiteral("RESIDUOS DEL AJUSTE A UNA RECTA"), QStringLiteral("FIGURA 2")}));
  EXPECT_EQ(w->Series10->seriesColor(), 0x0000FFu);
  EXPECT_EQ(w->Series5->title(), QStringLiteral("Avar"));
}

TEST_F(PhaseWindowCompositionTest, HelpAndAboutWork) {
  ASSERT_TRUE(w->helpCommand->pressButton());
  EXPECT_EQ(op_.texts(ScriptedOperator::MessageKind::Help).size(), 1);

  bool aboutShown = false;
  op_.queueModal(QStringLiteral("TForm3"), [&](DialogForm& form) { aboutShown = form.isVisible(); });
  w->Acrcade1->trigger();
  EXPECT_TRUE(aboutShown);
  expectScriptDone();
}

}  // namespace
}  // namespace kovia::testing
