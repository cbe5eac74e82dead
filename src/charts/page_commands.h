// What the analysis windows' charts do when the operator changes page, presses a mouse
// button on a plotted point, or double-clicks a result chart.
//
// Page change: the twelve chart commands (a tool button with its menu item each) are
// decided afresh from the page and the stage flags of the window's state record; the rules
// are pure functions, applied to the commands by applyPageCommands.
#pragma once

#include <QPoint>
#include <optional>

#include "core/color.h"

namespace kovia {

class Command;
class Series;
class StringGrid;

// One value per chart command, in menu order.
template <typename T>
struct ChartCommandFields {
  T open{};        // (0, 0)
  T pointColor{};  // (1, 0)
  T avarColor{};   // (1, 1)
  T line{};        // (1, 2)
  T moveLeft{};    // (4, 0)
  T moveUp{};      // (4, 1)
  T moveDown{};    // (4, 2)
  T moveRight{};   // (4, 3)
  T zoomIn{};      // (4, 5)
  T zoomOut{};     // (4, 6)
  T reset{};       // (4, 7)
  T minorGrid{};   // (4, 9)
  bool operator==(const ChartCommandFields&) const = default;
};

// Enabled (true) or disabled, per chart command.
using ChartCommandStates = ChartCommandFields<bool>;
// The window's twelve chart commands; all must be set.
using ChartCommandSet = ChartCommandFields<Command*>;

// After a page change of the frequency window (pages: 0 data, 1 fractional deviation,
// 2 Allan deviation). A flag is pending while its stage is not done. Every command starts
// disabled; page 0 enables Open; page 0 with data, or page 1 with data and deviation,
// enables the style group (point colour, line) and the navigation group (moves, zooms,
// reset); page 2 with the Allan deviation enables the Allan group (minor grid, move up,
// move down, Avar colour).
ChartCommandStates frequencyPageCommands(int page, bool dataPending, bool deviationPending,
                                         bool allanPending);

// After a page change of the phase window (pages: 0 data, 1 accumulated phase,
// 2 residuals, 3 Allan deviation). As above, with page 1 needing data and accumulation;
// page 2 with data and residuals enables point colour and the navigation group but leaves
// line disabled (the residuals have no line series); page 3 with the Allan deviation
// enables the Allan group.
ChartCommandStates phasePageCommands(int page, bool dataPending, bool accumulationPending,
                                     bool residualsPending, bool allanPending);

// Enables or disables each command, tool button and menu item together. Throws
// std::invalid_argument, changing nothing, when a command of the set is missing.
void applyPageCommands(const ChartCommandSet& commands, const ChartCommandStates& states);

// The series of a data chart that carries the plotted values: the points series while
// `showsPoints`, else the line series while `showsLine`, else none.
Series* seriesOnShow(Series* points, Series* line, bool showsPoints, bool showsLine);

// The grid row of the point of `series` drawn under `pixel` (chart pixels): the point's
// index plus `rowOffset` (0 for grids without a header row, 1 for grids with one); none
// when no point of that series lies there or there is no series.
std::optional<int> clickedPointRow(Series* series, QPoint pixel, int rowOffset);

// A point click: makes the clicked point's row the grid's current row, keeping the column,
// through the grid's cell-selection path (its select handler runs first and the row
// scrolls into view). False, and the grid is unchanged, when no point was hit. Errors of
// the grid or of its select handler reach the caller.
bool selectClickedPoint(StringGrid& grid, Series* series, QPoint pixel, int rowOffset);

// Double-click on the fractional-deviation chart: clears `points` and adds, for rows
// 0 .. lineCount - 2 of `grid` (one deviation fewer than readings), the number in column 1
// with an empty label and `pointColor`. Converts with the user's decimal separator; a
// cell that does not convert throws ConversionError and the points before it stay.
void replotDeviations(Series& points, const StringGrid& grid, int lineCount, Color pointColor);

// Double-click on the accumulated-phase chart: clears `points` and adds, for rows
// 1 .. RowCount - 1 of `grid` (row 0 is the header), the number in column 1 in pure blue
// (0x00FF0000, whatever the point dialog set) with an empty label, hiding the series'
// marks. Errors as replotDeviations.
void replotAccumulatedPhase(Series& points, const StringGrid& grid);

}  // namespace kovia
