#include "frequency/frequency_window_state.h"

#include <vector>

#include "platform/state_registry.h"

namespace kovia {

namespace {

FrequencyWindowState& theRecord() {
  static FrequencyWindowState record;
  return record;
}

template <class T, std::size_t N>
StateValue integers(const std::array<T, N>& values) {
  std::vector<long long> list;
  list.reserve(N);
  for (const T& v : values) list.push_back(static_cast<long long>(v));
  return list;
}

std::vector<StateField> describe() {
  const FrequencyWindowState& s = theRecord();
  std::vector<StateField> fields = {
      {"nominalFrequencyHz", s.nominalFrequencyHz},
      {"tauSeconds", static_cast<long long>(s.tauSeconds)},
      {"dataPending", static_cast<long long>(s.dataPending)},
      {"deviationPending", static_cast<long long>(s.deviationPending)},
      {"allanPending", static_cast<long long>(s.allanPending)},
      {"chart1ShowsPoints", s.chart1ShowsPoints},
      {"chart1ShowsLine", s.chart1ShowsLine},
      {"chart2ShowsLine", s.chart2ShowsLine},
      {"chart2ShowsPoints", s.chart2ShowsPoints},
      {"selectedDataRow", static_cast<long long>(s.selectedDataRow)},
      {"dataPointColor", static_cast<long long>(s.dataPointColor)},
      {"deviationPointColor", static_cast<long long>(s.deviationPointColor)},
      {"avarColor", static_cast<long long>(s.avarColor)},
      {"barColor", static_cast<long long>(s.barColor)},
      {"lineMode", static_cast<long long>(s.lineMode)},
      {"minorGridOn", static_cast<long long>(s.minorGridOn)},
      {"pointStyle", static_cast<long long>(s.pointStyle)},
      {"pointSize", static_cast<long long>(s.pointSize)},
  };
  // The per-page texts go by page, as the titles dialog addresses them.
  for (int p = 0; p < kFrequencyPageCount; ++p) {
    const std::string page = "[" + std::to_string(p) + "]";
    const auto i = static_cast<std::size_t>(p);
    fields.push_back({"titleText" + page, s.titleText[i]});
    fields.push_back({"xAxisText" + page, s.xAxisText[i]});
    fields.push_back({"yAxisText" + page, s.yAxisText[i]});
  }
  const std::vector<StateField> rest = {
      {"titleColor", integers(s.titleColor)},
      {"gradientStartColor", integers(s.gradientStartColor)},
      {"gradientEndColor", integers(s.gradientEndColor)},
      {"panelColor", integers(s.panelColor)},
      {"axisColor", integers(s.axisColor)},
      {"gridColor", integers(s.gridColor)},
      {"leftWallColor", integers(s.leftWallColor)},
      {"backWallColor", integers(s.backWallColor)},
      {"bottomWallColor", integers(s.bottomWallColor)},
      {"gradientVisible", integers(s.gradientVisible)},
      {"panelColorOn", integers(s.panelColorOn)},
      {"gradientDirection", integers(s.gradientDirection)},
      {"view3DOn", integers(s.view3DOn)},
      {"dialogFromFrequencyWindow", static_cast<long long>(s.dialogFromFrequencyWindow)},
      {"saveSelection", integers(s.saveSelection)},
      {"printSelection", integers(s.printSelection)},
  };
  fields.insert(fields.end(), rest.begin(), rest.end());
  return fields;
}

// Registered at start-up; this file is linked whenever anything uses the record.
const bool registered = [] {
  registerStateRecord("FrequencyWindowState", describe);
  return true;
}();

}  // namespace

FrequencyWindowState& frequencyWindowState() {
  (void)registered;
  return theRecord();
}

}  // namespace kovia
