#include "phase/phase_window_state.h"

#include <vector>

#include "platform/state_registry.h"

namespace kovia {

namespace {

template <typename T, std::size_t N>
std::vector<long long> integers(const std::array<T, N>& values) {
  return std::vector<long long>(values.begin(), values.end());
}

std::vector<StateField> describe() {
  const PhaseWindowState& s = phaseWindowState();
  std::vector<StateField> fields = {
      {"nominalFrequencyHz", s.nominalFrequencyHz},
      {"tauSeconds", static_cast<long long>(s.tauSeconds)},
      {"dataPending", static_cast<long long>(s.dataPending)},
      {"accumulationPending", static_cast<long long>(s.accumulationPending)},
      {"residualsPending", static_cast<long long>(s.residualsPending)},
      {"allanPending", static_cast<long long>(s.allanPending)},
      {"appendRequested", static_cast<long long>(s.appendRequested)},
      {"loadedCount", static_cast<long long>(s.loadedCount)},
      {"chart4ShowsPoints", static_cast<long long>(s.chart4ShowsPoints)},
      {"chart4ShowsLine", static_cast<long long>(s.chart4ShowsLine)},
      {"chart2ShowsPoints", static_cast<long long>(s.chart2ShowsPoints)},
      {"chart2ShowsLine", static_cast<long long>(s.chart2ShowsLine)},
      {"chart4LineMode", static_cast<long long>(s.chart4LineMode)},
      {"chart2LineMode", static_cast<long long>(s.chart2LineMode)},
      {"minorGridOn", static_cast<long long>(s.minorGridOn)},
      {"rawPointColor", static_cast<long long>(s.rawPointColor)},
      {"accumPointColor", static_cast<long long>(s.accumPointColor)},
      {"residualPointColor", static_cast<long long>(s.residualPointColor)},
      {"avarColor", static_cast<long long>(s.avarColor)},
      {"barColor", static_cast<long long>(s.barColor)},
      {"pointStyle", static_cast<long long>(s.pointStyle)},
      {"pointSize", static_cast<long long>(s.pointSize)},
      {"dialogFromPhaseWindow", static_cast<long long>(s.dialogFromPhaseWindow)},
      {"selectedDataRow", static_cast<long long>(s.selectedDataRow)},
  };
  // The registry holds no list of texts: each page's title texts are their own entry,
  // named with the page index ("titleText[1]").
  const auto addTexts = [&fields](const char* name, const PerPhasePage<std::string>& texts) {
    for (int page = 0; page < kPhasePageCount; ++page) {
      fields.push_back({std::string(name) + "[" + std::to_string(page) + "]", texts[page]});
    }
  };
  addTexts("titleText", s.titleText);
  addTexts("xAxisText", s.xAxisText);
  addTexts("yAxisText", s.yAxisText);
  fields.push_back({"titleColor", integers(s.titleColor)});
  fields.push_back({"gradientStartColor", integers(s.gradientStartColor)});
  fields.push_back({"gradientEndColor", integers(s.gradientEndColor)});
  fields.push_back({"panelColor", integers(s.panelColor)});
  fields.push_back({"axisColor", integers(s.axisColor)});
  fields.push_back({"gridColor", integers(s.gridColor)});
  fields.push_back({"leftWallColor", integers(s.leftWallColor)});
  fields.push_back({"backWallColor", integers(s.backWallColor)});
  fields.push_back({"bottomWallColor", integers(s.bottomWallColor)});
  fields.push_back({"gradientVisible", integers(s.gradientVisible)});
  fields.push_back({"panelColorOn", integers(s.panelColorOn)});
  fields.push_back({"gradientDirection", integers(s.gradientDirection)});
  fields.push_back({"view3DOn", integers(s.view3DOn)});
  fields.push_back({"printSelection", integers(s.printSelection)});
  fields.push_back({"saveSelection", integers(s.saveSelection)});
  return fields;
}

// Registered when the program starts, so that a dump finds the record before any phase
// window exists.
const bool registered = [] {
  registerStateRecord("PhaseWindowState", describe);
  return true;
}();

}  // namespace

PhaseWindowState PhaseWindowState::initial() {
  PhaseWindowState s;
  s.titleText = {"MEDICIONES DE DIFERENCIA DE FASE \n  FIGURA 1", "FASE ACUMULADA Y AJUSTE \n  FIGURA 2",
                 "RESIDUOS DEL AJUSTE A UNA RECTA \n  FIGURA 3", "RAÍZ DE LA VARIANZA DE ALLAN \n  FIGURA 4"};
  s.xAxisText = {"DATOS", "DATOS", "", ""};
  s.yAxisText = {"GRADOS (º)", "TIEMPO (s)", "TIEMPO (s)", "s(t)"};
  s.titleColor.fill(0);
  s.gradientStartColor.fill(0xFFFFFF);
  s.gradientEndColor.fill(0x408080);
  s.panelColor.fill(0xFFFFFF);
  s.axisColor.fill(0);
  s.gridColor.fill(0);
  s.leftWallColor.fill(0xFFFFFF);
  s.backWallColor.fill(0xFFFFFF);
  s.bottomWallColor.fill(0xFFFFFF);
  s.gradientVisible.fill(0);
  s.panelColorOn.fill(0);
  s.gradientDirection.fill(0);
  s.view3DOn.fill(0);
  return s;
}

PhaseWindowState& phaseWindowState() {
  static PhaseWindowState state = PhaseWindowState::initial();
  (void)registered;
  return state;
}

void resetPhaseWindowState() {
  phaseWindowState() = PhaseWindowState::initial();
}

}  // namespace kovia
