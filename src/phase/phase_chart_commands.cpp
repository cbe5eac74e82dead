// The chart commands of the phase window: moves, zooms, reset, the Allan chart's minor grid,
// close, the 3D scroll bars, the page change that decides which chart commands answer, the
// point click that selects a grid row and the double-click that re-plots the accumulated
// phase. Each handler hands its chart, grid or commands to the shared chart code.
//
// The handler names do not follow the buttons: SpeedButton25 (move up) runs
// SpeedButton34Click, SpeedButton26 (move down) SpeedButton40Click, SpeedButton27 (move
// right) SpeedButton36Click and SpeedButton40 (close) SpeedButton39Click.
#include "charts/chart_navigation.h"
#include "charts/page_commands.h"
#include "phase/Fase_kovia.h"
#include "phase/phase_window_state.h"
#include "platform/handler_guard.h"

namespace kovia {

void TForm1::connectChartCommands() {
  pageCharts_ = std::make_unique<PageCharts>(std::vector<Chart*>{Chart4, Chart2, Chart5, DBChart1});

  // Each tool button and its menu item run the same handler through their command.
  connectHandler(moveLeftCommand, &Command::OnClick, this, &TForm1::SpeedButton24Click);
  connectHandler(moveUpCommand, &Command::OnClick, this, &TForm1::SpeedButton34Click);
  connectHandler(moveDownCommand, &Command::OnClick, this, &TForm1::SpeedButton40Click);
  connectHandler(moveRightCommand, &Command::OnClick, this, &TForm1::SpeedButton36Click);
  connectHandler(zoomInCommand, &Command::OnClick, this, &TForm1::SpeedButton11Click);
  connectHandler(zoomOutCommand, &Command::OnClick, this, &TForm1::SpeedButton12Click);
  connectHandler(resetCommand, &Command::OnClick, this, &TForm1::SpeedButton13Click);
  connectHandler(minorGridCommand, &Command::OnClick, this, &TForm1::SpeedButton31Click);
  connectHandler(closeCommand, &Command::OnClick, this, &TForm1::SpeedButton39Click);

  connectHandler(ScrollBar1, &ScrollBar::OnScroll, this, &TForm1::ScrollBar1Scroll);
  connectHandler(ScrollBar2, &ScrollBar::OnScroll, this, &TForm1::ScrollBar2Scroll);
  connectHandler(ScrollBar3, &ScrollBar::OnScroll, this, &TForm1::ScrollBar3Scroll);
  connectHandler(ScrollBar4, &ScrollBar::OnScroll, this, &TForm1::ScrollBar4Scroll);
  connectHandler(ScrollBar5, &ScrollBar::OnScroll, this, &TForm1::ScrollBar5Scroll);
  connectHandler(ScrollBar6, &ScrollBar::OnScroll, this, &TForm1::ScrollBar6Scroll);
  connectHandler(ScrollBar7, &ScrollBar::OnScroll, this, &TForm1::ScrollBar7Scroll);
  connectHandler(ScrollBar8, &ScrollBar::OnScroll, this, &TForm1::ScrollBar8Scroll);

  connectHandler(PageControlph, &PageControl::OnChange, this, &TForm1::PageControlphChange);

  connectHandler(Chart4, &Chart::clickSeries, this, &TForm1::Chart4ClickSeries);
  connectHandler(Chart2, &Chart::clickSeries, this, &TForm1::Chart2ClickSeries);
  connectHandler(Chart5, &Chart::clickSeries, this, &TForm1::Chart5ClickSeries);
  connectHandler(Chart4, &Chart::dblClick, this, &TForm1::Chart4DblClick);
  connectHandler(Chart2, &Chart::dblClick, this, &TForm1::Chart2DblClick);
}

// ---- navigation: on the chart of the page on show ----

void TForm1::SpeedButton24Click(QObject*) {
  pageCharts_->run(ChartCommand::MoveLeft, PageControlph->ActivePageIndex());
}

void TForm1::SpeedButton34Click(QObject*) {
  pageCharts_->run(ChartCommand::MoveUp, PageControlph->ActivePageIndex());
}

void TForm1::SpeedButton40Click(QObject*) {
  pageCharts_->run(ChartCommand::MoveDown, PageControlph->ActivePageIndex());
}

void TForm1::SpeedButton36Click(QObject*) {
  pageCharts_->run(ChartCommand::MoveRight, PageControlph->ActivePageIndex());
}

void TForm1::SpeedButton11Click(QObject*) {
  pageCharts_->run(ChartCommand::ZoomIn, PageControlph->ActivePageIndex());
}

void TForm1::SpeedButton12Click(QObject*) {
  pageCharts_->run(ChartCommand::ZoomOut, PageControlph->ActivePageIndex());
}

void TForm1::SpeedButton13Click(QObject*) {
  pageCharts_->run(ChartCommand::Reset, PageControlph->ActivePageIndex());
}

// The Allan chart's minor grid, whatever page is on show.
void TForm1::SpeedButton31Click(QObject*) {
  pageCharts_->toggleMinorGrid(phaseWindowState().minorGridOn);
}

// Hides the window; the program goes on.
void TForm1::SpeedButton39Click(QObject*) {
  Close();
}

// ---- 3D angles ----

void TForm1::ScrollBar2Scroll(QObject*, ScrollCode, int&) {
  scrollChart(*Chart4, ScrollAngle::Elevation, ScrollBar2->Position());
}

void TForm1::ScrollBar1Scroll(QObject*, ScrollCode, int&) {
  scrollChart(*Chart4, ScrollAngle::Rotation, ScrollBar1->Position());
}

void TForm1::ScrollBar6Scroll(QObject*, ScrollCode, int&) {
  scrollChart(*Chart2, ScrollAngle::Elevation, ScrollBar6->Position());
}

void TForm1::ScrollBar4Scroll(QObject*, ScrollCode, int&) {
  scrollChart(*Chart2, ScrollAngle::Rotation, ScrollBar4->Position());
}

void TForm1::ScrollBar7Scroll(QObject*, ScrollCode, int&) {
  scrollChart(*Chart5, ScrollAngle::Elevation, ScrollBar7->Position());
}

void TForm1::ScrollBar3Scroll(QObject*, ScrollCode, int&) {
  scrollChart(*Chart5, ScrollAngle::Rotation, ScrollBar3->Position());
}

void TForm1::ScrollBar8Scroll(QObject*, ScrollCode, int&) {
  scrollChart(*DBChart1, ScrollAngle::Elevation, ScrollBar8->Position());
}

void TForm1::ScrollBar5Scroll(QObject*, ScrollCode, int&) {
  scrollChart(*DBChart1, ScrollAngle::Rotation, ScrollBar5->Position());
}

// ---- page change ----

void TForm1::PageControlphChange(QObject*) {
  const PhaseWindowState& state = phaseWindowState();
  const ChartCommandSet chartCommands{.open = openCommand,
                                      .pointColor = pointColorCommand,
                                      .avarColor = avarColorCommand,
                                      .line = lineCommand,
                                      .moveLeft = moveLeftCommand,
                                      .moveUp = moveUpCommand,
                                      .moveDown = moveDownCommand,
                                      .moveRight = moveRightCommand,
                                      .zoomIn = zoomInCommand,
                                      .zoomOut = zoomOutCommand,
                                      .reset = resetCommand,
                                      .minorGrid = minorGridCommand};
  applyPageCommands(chartCommands, phasePageCommands(PageControlph->ActivePageIndex(), state.dataPending != 0,
                                                     state.accumulationPending != 0,
                                                     state.residualsPending != 0, state.allanPending != 0));
}

// ---- mouse on the charts: the grids have a header row, so point i is row i + 1 ----

void TForm1::Chart4ClickSeries(QObject*, Series*, int, Qt::MouseButton, Qt::KeyboardModifiers, int X, int Y) {
  const PhaseWindowState& state = phaseWindowState();
  selectClickedPoint(*StringGrid1,
                     seriesOnShow(Series1, Series7, state.chart4ShowsPoints != 0, state.chart4ShowsLine != 0),
                     QPoint(X, Y), 1);
}

// Selecting the row runs StringGrid2SelectCell, which smooths the cell of that row.
void TForm1::Chart2ClickSeries(QObject*, Series*, int, Qt::MouseButton, Qt::KeyboardModifiers, int X, int Y) {
  const PhaseWindowState& state = phaseWindowState();
  selectClickedPoint(*StringGrid2,
                     seriesOnShow(Series2, Series6, state.chart2ShowsPoints != 0, state.chart2ShowsLine != 0),
                     QPoint(X, Y), 1);
}

void TForm1::Chart5ClickSeries(QObject*, Series*, int, Qt::MouseButton, Qt::KeyboardModifiers, int X, int Y) {
  selectClickedPoint(*StringGrid6, Series8, QPoint(X, Y), 1);
}

// The accumulated phase again from the text of StringGrid2, in pure blue.
void TForm1::Chart2DblClick(QObject*) {
  replotAccumulatedPhase(*Series2, *StringGrid2);
}

void TForm1::Chart4DblClick(QObject*) {}

}  // namespace kovia
