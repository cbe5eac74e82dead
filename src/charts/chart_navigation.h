// Navigation commands of the analysis windows' charts: moving the picture, zooming, undoing
// the zoom, the Allan chart's minor grid and the 3D angles set by the scroll bars.
//
// The commands change only how a chart is drawn (axis limits, grid pens, 3D angles), never
// its series. Each window keeps a PageCharts table of its pages' charts; a command handler
// passes it the page on show, so the handlers stay one line long.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace kovia {

class Axis;
class Chart;

// Move steps in percent of the axis range (the same in both windows). A positive step moves
// the axis window towards larger values: the points move left (bottom axis) or down (left
// axis) on the screen.
inline constexpr int kMoveLeftStep = 5;    // bottom axis
inline constexpr int kMoveRightStep = -5;  // bottom axis
inline constexpr int kMoveUpStep = -5;     // left axis
inline constexpr int kMoveDownStep = 5;    // left axis

// Vertical moves on the Allan chart widen its logarithmic left axis at one end.
inline constexpr double kAllanMoveUpFactor = 1.15;    // applied to the maximum
inline constexpr double kAllanMoveDownFactor = 0.85;  // applied to the minimum

inline constexpr double kZoomInPercent = 120.0;
inline constexpr double kZoomOutPercent = 80.0;

// Shifts `axis` by `stepPercent` of its range: b = (M - m) * s * 0.01, formed in extended
// precision and rounded to a double, then setMinMax(m + b, M + b) with m, M the limits in
// force (automatic ones included). The axis is fixed from then on. The range is kept, so
// opposite steps give back the limits. Saves no scales: an undo zoom does not take it back
// unless a zoom came first.
void moveAxis(Axis& axis, int stepPercent);

// The four moves on a linear chart.
void moveLeft(Chart& chart);   // bottom axis, +5 %
void moveRight(Chart& chart);  // bottom axis, -5 %
void moveUp(Chart& chart);     // left axis, -5 %
void moveDown(Chart& chart);   // left axis, +5 %

// The vertical moves on an Allan chart: setMinMax(m, M * 1.15) and setMinMax(m * 0.85, M)
// on the left axis (m, M the limits in force).
void allanMoveUp(Chart& chart);
void allanMoveDown(Chart& chart);

// Zoom by 120 % (in: 0.6 of the range about the centre) or 80 % (out: 1.4 of the range) on
// all four axes; the first zoom since creation or the last reset saves the scales.
void zoomIn(Chart& chart);
void zoomOut(Chart& chart);
// Undoes the zoom: the scales saved by the first zoom come back (automatic axes become
// automatic again) and the zoomed mark is cleared.
void resetZoom(Chart& chart);

// The minor grid of an Allan chart as the windows are designed: on the left and bottom
// axes, dotted silver pens, hidden, 8 minor ticks between major ticks.
void designAllanMinorGrid(Chart& allanChart);

// The minor-grid command: inverts `minorGridOn` (0 becomes 1, anything else 0) and shows
// or hides the minor grid of the Allan chart's left and bottom axes to match. The flag
// belongs to the program run, the pens to the chart: a window created later starts with
// hidden lines whatever the flag says, so with the flag at 1 its first toggle hides lines
// that are already hidden.
void toggleMinorGrid(Chart& allanChart, std::int32_t& minorGridOn);

// The 3D angle a chart scroll bar sets: vertical bars tilt (elevation), horizontal bars
// turn (rotation).
enum class ScrollAngle { Elevation, Rotation };

// The scroll event of a chart scroll bar (any scroll code): sets the angle, in degrees, to
// the bar's position (-90 .. 90).
void scrollChart(Chart& chart, ScrollAngle angle, int position);

// Which scroll bar sets which angle of which page's chart.
struct ChartScrollBar {
  std::string_view name;
  int page;
  ScrollAngle angle;
};
inline constexpr std::array<ChartScrollBar, 6> kFrequencyChartScrollBars{{
    {"ScrollBar1", 0, ScrollAngle::Elevation},
    {"ScrollBar2", 0, ScrollAngle::Rotation},
    {"ScrollBar4", 1, ScrollAngle::Elevation},
    {"ScrollBar3", 1, ScrollAngle::Rotation},
    {"ScrollBar6", 2, ScrollAngle::Elevation},
    {"ScrollBar5", 2, ScrollAngle::Rotation},
}};
inline constexpr std::array<ChartScrollBar, 8> kPhaseChartScrollBars{{
    {"ScrollBar2", 0, ScrollAngle::Elevation},
    {"ScrollBar1", 0, ScrollAngle::Rotation},
    {"ScrollBar6", 1, ScrollAngle::Elevation},
    {"ScrollBar4", 1, ScrollAngle::Rotation},
    {"ScrollBar7", 2, ScrollAngle::Elevation},
    {"ScrollBar3", 2, ScrollAngle::Rotation},
    {"ScrollBar8", 3, ScrollAngle::Elevation},
    {"ScrollBar5", 3, ScrollAngle::Rotation},
}};

// The navigation commands that act on the page on show.
enum class ChartCommand { MoveLeft, MoveRight, MoveUp, MoveDown, ZoomIn, ZoomOut, Reset };

// The chart of each page of an analysis window, in page order. The last page holds the
// window's Allan chart: there the vertical moves follow the Allan rule, and the horizontal
// moves, the zooms and the reset do not act (their commands are disabled on that page,
// and a linear shift or zoom could push a logarithmic axis below zero).
class PageCharts {
 public:
  // At least one chart, none null (std::invalid_argument otherwise).
  explicit PageCharts(std::vector<Chart*> charts);

  int pageCount() const { return static_cast<int>(charts_.size()); }
  // The chart of `page`; std::out_of_range outside 0 .. pageCount() - 1.
  Chart& chart(int page) const;
  Chart& allanChart() const { return *charts_.back(); }
  bool isAllanPage(int page) const { return page == pageCount() - 1; }

  // Whether `command` acts while `page` is on show (false for a page that does not exist).
  bool acts(ChartCommand command, int page) const;
  // Runs `command` on the chart of `page`; false, and nothing changes, where it does not act.
  bool run(ChartCommand command, int page) const;
  // The minor-grid command acts on the Allan chart whatever page is on show.
  void toggleMinorGrid(std::int32_t& minorGridOn) const;

 private:
  std::vector<Chart*> charts_;
};

}  // namespace kovia
