// What a `dump` step prints: one JSON object per line, always with "name" (as the step wrote
// it) and "kind", then the fields of that kind, read from what the windows hold.
#pragma once

#include <string>
#include <vector>

#include "core/color.h"
#include "platform/state_registry.h"

class QObject;
class QWidget;

namespace kovia {

class Axis;
class Chart;
class Series;
class StringGrid;

// "0x00BBGGRR".
std::string colorText(Color color);

// kind "grid": rowCount, colCount, cells (rows of texts, as shown: Windows-1252 decoded).
std::string dumpGrid(const std::string& name, const StringGrid& grid);
// kind "series": points [x, y, colour], visible, pointerStyle, horizSize, vertSize,
// marksVisible, lineVisible.
std::string dumpSeries(const std::string& name, const Series& series);
// kind "chart": title, foot (lists of lines), leftTitle, bottomTitle, view3D, elevation,
// rotation, zoomed.
std::string dumpChart(const std::string& name, const Chart& chart);
// kind "axis": min, max (the limits in force), automatic, automaticMinimum,
// automaticMaximum, logarithmic, minorGridVisible.
std::string dumpAxis(const std::string& name, const Axis& axis);
// kind "control": enabled, visible, and where they apply checked, text, itemIndex, readOnly,
// position. A menu item is a control too. Empty when the object is no control.
std::string dumpControl(const std::string& name, const QObject& object);
// kind "form": caption, visible, and activePage when the form has a page control.
std::string dumpForm(const std::string& name, QWidget& form);
// kind "form" of a form variable whose form no longer exists: absent.
std::string dumpAbsentForm(const std::string& name);
// kind "state": every field under its own name; integer fields named "...Color" are colours.
std::string dumpState(const std::string& name, const std::vector<StateField>& fields);

}  // namespace kovia
