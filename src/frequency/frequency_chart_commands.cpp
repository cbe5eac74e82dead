// The chart commands of the frequency window: moves, zooms, reset, the Allan chart's minor
// grid, close, the 3D scroll bars, the page change that decides which chart commands answer,
// the point click that selects a grid row and the double-click that re-plots the deviations.
// Each handler hands its chart, grid or commands to the shared chart code.
#include "charts/chart_navigation.h"
#include "charts/page_commands.h"
#include "frequency/Frecuencia_kovia.h"
#include "frequency/frequency_window_state.h"
#include "platform/handler_guard.h"

namespace kovia {

void TForm2::connectChartCommands() {
  pageCharts_ = std::make_unique<PageCharts>(std::vector<Chart*>{Chart1, Chart2, DBChart4});

  // Each tool button and its menu item run the same handler through their command.
  connectHandler(moveLeftCommand, &Command::OnClick, this, &TForm2::SpeedButton2Click);
  connectHandler(moveUpCommand, &Command::OnClick, this, &TForm2::SpeedButton10Click);
  connectHandler(moveDownCommand, &Command::OnClick, this, &TForm2::SpeedButton8Click);
  connectHandler(moveRightCommand, &Command::OnClick, this, &TForm2::SpeedButton7Click);
  connectHandler(zoomInCommand, &Command::OnClick, this, &TForm2::SpeedButton11Click);
  connectHandler(zoomOutCommand, &Command::OnClick, this, &TForm2::SpeedButton12Click);
  connectHandler(resetCommand, &Command::OnClick, this, &TForm2::SpeedButton13Click);
  connectHandler(minorGridCommand, &Command::OnClick, this, &TForm2::SpeedButton1Click);
  connectHandler(closeCommand, &Command::OnClick, this, &TForm2::SpeedButton9Click);

  connectHandler(ScrollBar1, &ScrollBar::OnScroll, this, &TForm2::ScrollBar1Scroll);
  connectHandler(ScrollBar2, &ScrollBar::OnScroll, this, &TForm2::ScrollBar2Scroll);
  connectHandler(ScrollBar3, &ScrollBar::OnScroll, this, &TForm2::ScrollBar3Scroll);
  connectHandler(ScrollBar4, &ScrollBar::OnScroll, this, &TForm2::ScrollBar4Scroll);
  connectHandler(ScrollBar5, &ScrollBar::OnScroll, this, &TForm2::ScrollBar5Scroll);
  connectHandler(ScrollBar6, &ScrollBar::OnScroll, this, &TForm2::ScrollBar6Scroll);

  connectHandler(PageControl1, &PageControl::OnChange, this, &TForm2::PageControl1Change);

  connectHandler(Chart1, &Chart::clickSeries, this, &TForm2::Chart1ClickSeries);
  connectHandler(Chart2, &Chart::clickSeries, this, &TForm2::Chart2ClickSeries);
  connectHandler(Chart1, &Chart::dblClick, this, &TForm2::Chart1DblClick);
  connectHandler(Chart2, &Chart::dblClick, this, &TForm2::Chart2DblClick);
  connectHandler(Chart1, &Chart::mouseMove, this, &TForm2::Chart1MouseMove);
  connectHandler(Chart2, &Chart::mouseMove, this, &TForm2::Chart2MouseMove);
}

// ---- navigation: on the chart of the page on show ----

void TForm2::SpeedButton2Click(QObject*) {
  pageCharts_->run(ChartCommand::MoveLeft, PageControl1->ActivePageIndex());
}

void TForm2::SpeedButton10Click(QObject*) {
  pageCharts_->run(ChartCommand::MoveUp, PageControl1->ActivePageIndex());
}

void TForm2::SpeedButton8Click(QObject*) {
  pageCharts_->run(ChartCommand::MoveDown, PageControl1->ActivePageIndex());
}

void TForm2::SpeedButton7Click(QObject*) {
  pageCharts_->run(ChartCommand::MoveRight, PageControl1->ActivePageIndex());
}

void TForm2::SpeedButton11Click(QObject*) {
  pageCharts_->run(ChartCommand::ZoomIn, PageControl1->ActivePageIndex());
}

void TForm2::SpeedButton12Click(QObject*) {
  pageCharts_->run(ChartCommand::ZoomOut, PageControl1->ActivePageIndex());
}

void TForm2::SpeedButton13Click(QObject*) {
  pageCharts_->run(ChartCommand::Reset, PageControl1->ActivePageIndex());
}

// The Allan chart's minor grid, whatever page is on show.
void TForm2::SpeedButton1Click(QObject*) {
  pageCharts_->toggleMinorGrid(frequencyWindowState().minorGridOn);
}

// Hides the window; the program goes on.
void TForm2::SpeedButton9Click(QObject*) {
  Close();
}

// ---- 3D angles ----

void TForm2::ScrollBar1Scroll(QObject*, ScrollCode, int&) {
  scrollChart(*Chart1, ScrollAngle::Elevation, ScrollBar1->Position());
}

void TForm2::ScrollBar2Scroll(QObject*, ScrollCode, int&) {
  scrollChart(*Chart1, ScrollAngle::Rotation, ScrollBar2->Position());
}

void TForm2::ScrollBar4Scroll(QObject*, ScrollCode, int&) {
  scrollChart(*Chart2, ScrollAngle::Elevation, ScrollBar4->Position());
}

void TForm2::ScrollBar3Scroll(QObject*, ScrollCode, int&) {
  scrollChart(*Chart2, ScrollAngle::Rotation, ScrollBar3->Position());
}

void TForm2::ScrollBar6Scroll(QObject*, ScrollCode, int&) {
  scrollChart(*DBChart4, ScrollAngle::Elevation, ScrollBar6->Position());
}

void TForm2::ScrollBar5Scroll(QObject*, ScrollCode, int&) {
  scrollChart(*DBChart4, ScrollAngle::Rotation, ScrollBar5->Position());
}

// ---- page change ----

void TForm2::PageControl1Change(QObject*) {
  const FrequencyWindowState& state = frequencyWindowState();
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
  applyPageCommands(chartCommands,
                    frequencyPageCommands(PageControl1->ActivePageIndex(), state.dataPending != 0,
                                          state.deviationPending != 0, state.allanPending != 0));
}

// ---- mouse on the charts ----

void TForm2::Chart1ClickSeries(QObject*, Series*, int, Qt::MouseButton, Qt::KeyboardModifiers, int X, int Y) {
  const FrequencyWindowState& state = frequencyWindowState();
  selectClickedPoint(*StringGrid1,
                     seriesOnShow(Series1, Series2, state.chart1ShowsPoints, state.chart1ShowsLine),
                     QPoint(X, Y), 0);
}

void TForm2::Chart2ClickSeries(QObject*, Series*, int, Qt::MouseButton, Qt::KeyboardModifiers, int X, int Y) {
  const FrequencyWindowState& state = frequencyWindowState();
  selectClickedPoint(*StringGrid3,
                     seriesOnShow(Series5, Series3, state.chart2ShowsPoints, state.chart2ShowsLine),
                     QPoint(X, Y), 0);
}

// The deviations again from the text of StringGrid3, edited cells included.
void TForm2::Chart2DblClick(QObject*) {
  replotDeviations(*Series5, *StringGrid3, Memo1->Lines().count(), frequencyWindowState().dataPointColor);
}

void TForm2::Chart1DblClick(QObject*) {}

void TForm2::Chart1MouseMove(QObject*, Qt::KeyboardModifiers, int, int) {}

void TForm2::Chart2MouseMove(QObject*, Qt::KeyboardModifiers, int, int) {}

}  // namespace kovia
