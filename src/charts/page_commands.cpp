#include "charts/page_commands.h"

#include <stdexcept>
#include <utility>

#include "core/number_text.h"
#include "platform/chart/series.h"
#include "platform/command.h"
#include "platform/regional_settings.h"
#include "platform/string_grid.h"

namespace kovia {
namespace {

void enableStyleGroup(ChartCommandStates& s) {
  s.pointColor = true;
  s.line = true;
}

void enableNavigationGroup(ChartCommandStates& s) {
  s.moveLeft = true;
  s.moveUp = true;
  s.moveDown = true;
  s.moveRight = true;
  s.zoomIn = true;
  s.zoomOut = true;
  s.reset = true;
}

void enableAllanGroup(ChartCommandStates& s) {
  s.minorGrid = true;
  s.moveDown = true;
  s.moveUp = true;
  s.avarColor = true;
}

// Column 1 of rows first .. last of `grid` as points of `points`, each added with
// `color`; `eachPoint` runs after every point.
template <typename EachPoint>
void addColumnOne(Series& points, const StringGrid& grid, int first, int last, Color color,
                  EachPoint eachPoint) {
  const char separator = decimalSeparator();
  for (int row = first; row <= last; ++row) {
    const long double value = textToFloat(grid.cellView(1, row), separator);
    points.addY(static_cast<double>(value), QString(), color);
    eachPoint();
  }
}

}  // namespace

ChartCommandStates frequencyPageCommands(int page, bool dataPending, bool deviationPending,
                                         bool allanPending) {
  ChartCommandStates s;
  if (page == 0) s.open = true;
  if ((page == 0 && !dataPending) || (page == 1 && !dataPending && !deviationPending)) {
    enableStyleGroup(s);
    enableNavigationGroup(s);
  }
  if (page == 2 && !allanPending) enableAllanGroup(s);
  return s;
}

ChartCommandStates phasePageCommands(int page, bool dataPending, bool accumulationPending,
                                     bool residualsPending, bool allanPending) {
  ChartCommandStates s;
  if (page == 0) s.open = true;
  if ((page == 0 && !dataPending) || (page == 1 && !dataPending && !accumulationPending)) {
    enableStyleGroup(s);
    enableNavigationGroup(s);
  }
  if (page == 2 && !dataPending && !residualsPending) {
    s.pointColor = true;
    enableNavigationGroup(s);
  }
  if (page == 3 && !allanPending) enableAllanGroup(s);
  return s;
}

void applyPageCommands(const ChartCommandSet& commands, const ChartCommandStates& states) {
  const std::pair<Command*, bool> pairs[] = {
      {commands.open, states.open},           {commands.pointColor, states.pointColor},
      {commands.avarColor, states.avarColor}, {commands.line, states.line},
      {commands.moveLeft, states.moveLeft},   {commands.moveUp, states.moveUp},
      {commands.moveDown, states.moveDown},   {commands.moveRight, states.moveRight},
      {commands.zoomIn, states.zoomIn},       {commands.zoomOut, states.zoomOut},
      {commands.reset, states.reset},         {commands.minorGrid, states.minorGrid},
  };
  for (const auto& [command, enabled] : pairs) {
    if (command == nullptr) throw std::invalid_argument("applyPageCommands: a chart command is missing");
  }
  for (const auto& [command, enabled] : pairs) command->setEnabled(enabled);
}

Series* seriesOnShow(Series* points, Series* line, bool showsPoints, bool showsLine) {
  if (showsPoints) return points;
  if (showsLine) return line;
  return nullptr;
}

std::optional<int> clickedPointRow(Series* series, QPoint pixel, int rowOffset) {
  if (series == nullptr) return std::nullopt;
  const int index = series->pointAt(pixel);
  if (index < 0) return std::nullopt;
  return index + rowOffset;
}

bool selectClickedPoint(StringGrid& grid, Series* series, QPoint pixel, int rowOffset) {
  const std::optional<int> row = clickedPointRow(series, pixel, rowOffset);
  if (!row) return false;
  grid.setRow(*row);
  return true;
}

void replotDeviations(Series& points, const StringGrid& grid, int lineCount, Color pointColor) {
  points.clear();
  addColumnOne(points, grid, 0, lineCount - 2, pointColor, [] {});
}

void replotAccumulatedPhase(Series& points, const StringGrid& grid) {
  points.clear();
  addColumnOne(points, grid, 1, grid.RowCount() - 1, colors::kBlue, [&points] {
    if (points.marksVisible()) points.setMarksVisible(false);
  });
}

}  // namespace kovia
