// PhaseWindowState: the program-wide record of the phase window. It belongs to the run,
// not to one window: a phase window opened later starts with what the earlier one left
// (the stage flags included). Registered as "PhaseWindowState" for the scenario runner's
// dump, every field under its own name.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/color.h"

namespace kovia {

// Pages of the phase window: 0 "Datos Originales", 1 "Fase Acumulada", 2 "Residuos",
// 3 "Varianza de Allan".
inline constexpr int kPhasePageCount = 4;

template <typename T>
using PerPhasePage = std::array<T, kPhasePageCount>;

struct PhaseWindowState {
  double nominalFrequencyHz = 0.0;  // Hz, set by the nominal-frequency dialog
  std::int32_t tauSeconds = 0;      // interval between readings, whole seconds

  // Stage flags: nonzero while the stage is not done.
  std::int32_t dataPending = 3;          // 0 once a file was confirmed in the open dialog
  std::int32_t accumulationPending = 3;  // 1 after every load, 0 after the accumulated phase
  std::int32_t residualsPending = 3;     // 0 once residuals were computed
  std::int32_t allanPending = 3;         // 0 once the Allan deviation was computed

  std::uint8_t appendRequested = 0;  // 1: the next load appends to the readings in the grid
  std::int32_t loadedCount = 0;      // reading rows in StringGrid1

  std::uint8_t chart4ShowsPoints = 0;  // Series1 carries the readings
  std::uint8_t chart4ShowsLine = 0;    // Series7 carries the readings
  std::uint8_t chart2ShowsPoints = 0;  // Series2 carries the accumulated phase
  std::uint8_t chart2ShowsLine = 0;    // Series6 carries the accumulated phase
  std::int32_t chart4LineMode = 0;
  std::int32_t chart2LineMode = 0;
  std::int32_t minorGridOn = 0;

  Color rawPointColor = 0x800000;
  Color accumPointColor = 0x800000;
  Color residualPointColor = 0x0000FF;
  Color avarColor = 0x800000;
  Color barColor = 0x8000FF;
  std::int32_t pointStyle = 0;
  std::int32_t pointSize = 2;

  std::uint8_t dialogFromPhaseWindow = 0;
  std::int32_t selectedDataRow = 0;

  // Chart and axis titles per page: at most 99 characters each, "\n" separates lines.
  PerPhasePage<std::string> titleText{};
  PerPhasePage<std::string> xAxisText{};
  PerPhasePage<std::string> yAxisText{};
  PerPhasePage<Color> titleColor{};

  PerPhasePage<Color> gradientStartColor{};
  PerPhasePage<Color> gradientEndColor{};
  PerPhasePage<Color> panelColor{};
  PerPhasePage<Color> axisColor{};
  PerPhasePage<Color> gridColor{};
  PerPhasePage<Color> leftWallColor{};
  PerPhasePage<Color> backWallColor{};
  PerPhasePage<Color> bottomWallColor{};
  PerPhasePage<std::uint8_t> gradientVisible{};
  PerPhasePage<std::uint8_t> panelColorOn{};
  PerPhasePage<std::int32_t> gradientDirection{};
  PerPhasePage<std::uint8_t> view3DOn{};

  std::array<std::int32_t, 6> printSelection{};
  std::array<std::int32_t, 9> saveSelection{};

  // The record as it is at program start.
  static PhaseWindowState initial();
};

// The one record of the run.
PhaseWindowState& phaseWindowState();

// Gives the record its start-of-run values (tests that need a fresh run).
void resetPhaseWindowState();

}  // namespace kovia
