// FrequencyWindowState: the one program-wide record of the frequency window kind.
//
// It belongs to the program run, not to a window instance: a frequency window opened later
// inherits what an earlier one left. It holds the nominal frequency and tau typed into the
// nominal-frequency dialog, the stage flags (nonzero = not done), the series-on-show flags,
// the colours, the per-page titles and panel settings, the opener flag of the shared dialogs
// and the save and print choices. The record is registered with the state registry under
// the name "FrequencyWindowState", so that every field can be printed under its own name.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/color.h"

namespace kovia {

// Pages of the frequency window: 0 data, 1 fractional deviation, 2 Allan deviation.
inline constexpr int kFrequencyPageCount = 3;

struct FrequencyWindowState {
  template <class T>
  using PerPage = std::array<T, kFrequencyPageCount>;

  // Typed into the nominal-frequency dialog.
  double nominalFrequencyHz = 0.0;
  std::int32_t tauSeconds = 0;

  // Stage flags: nonzero while the stage is not done.
  std::int32_t dataPending = 3;       // 0 once a file has been loaded; never set back
  std::int32_t deviationPending = 3;  // 1 after every load, 0 once the deviations are computed
  std::int32_t allanPending = 3;      // 0 once the Allan deviation has been computed; never set back

  // Which series carries the plotted values of Chart1 and Chart2.
  bool chart1ShowsPoints = false;  // Series1
  bool chart1ShowsLine = false;    // Series2
  bool chart2ShowsLine = false;    // Series3
  bool chart2ShowsPoints = false;  // Series5

  // Row of the last cell selected in StringGrid1.
  std::int32_t selectedDataRow = 0;

  // Colours ($00BBGGRR).
  Color dataPointColor = colors::kNavy;       // reading points, and deviation points of a computation
  Color deviationPointColor = colors::kNavy;  // deviation points redrawn by the point dialog
  Color avarColor = colors::kNavy;            // Allan-deviation points
  Color barColor = colors::kBar;              // confidence-bound points

  // Look of the charts.
  std::int32_t lineMode = 0;     // 1 while the line series is on show (pages 0 and 1 together)
  std::int32_t minorGridOn = 0;  // toggle state of the Allan chart's minor grid
  std::int32_t pointStyle = 0;   // index of the point style last chosen
  std::int32_t pointSize = 2;    // pointer size last entered

  // Titles per page: UTF-8 texts of at most 99 characters, a line feed separating lines.
  PerPage<std::string> titleText{"MEDICIONES DE FRECUENCIA \n  FIGURA 1",
                                 "DESVIACIÓN FRACCIONAL DE FRECUENCIA \n  FIGURA 2",
                                 "RAÍZ DE LA VARIANZA DE ALLAN \n  FIGURA 3"};
  PerPage<std::string> xAxisText{"DATOS", "DATOS", ""};
  PerPage<std::string> yAxisText{"FRECUENCIA (Hz)", "FRECUENCIA (Hz)", "Sigma y(Tau)"};
  PerPage<Color> titleColor{colors::kBlack, colors::kBlack, colors::kBlack};

  // Panel, axis, grid and wall colours per page.
  PerPage<Color> gradientStartColor{0x00408080, 0x00408080, 0x00408080};
  PerPage<Color> gradientEndColor{colors::kWhite, colors::kWhite, colors::kWhite};
  PerPage<Color> panelColor{colors::kWhite, colors::kWhite, colors::kWhite};
  PerPage<Color> axisColor{colors::kBlack, colors::kBlack, colors::kBlack};
  PerPage<Color> gridColor{colors::kBlack, colors::kBlack, colors::kBlack};
  PerPage<Color> leftWallColor{colors::kWhite, colors::kWhite, colors::kWhite};
  PerPage<Color> backWallColor{colors::kWhite, colors::kWhite, colors::kWhite};
  PerPage<Color> bottomWallColor{colors::kWhite, colors::kWhite, colors::kWhite};
  PerPage<std::uint8_t> gradientVisible{};
  PerPage<std::uint8_t> panelColorOn{};
  PerPage<std::int32_t> gradientDirection{};
  PerPage<std::uint8_t> view3DOn{};

  // 1 while a dialog shared with the phase window was opened from the frequency window.
  std::uint8_t dialogFromFrequencyWindow = 0;

  // Save and print choices, one on/off entry per item in processing order; all off outside
  // the save and print commands.
  std::array<std::int32_t, 6> saveSelection{};
  std::array<std::int32_t, 5> printSelection{};
};

// The program-wide record.
FrequencyWindowState& frequencyWindowState();

}  // namespace kovia
