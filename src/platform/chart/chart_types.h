// Plain value types shared by Chart, Axis and Series: pointer styles, gradient directions,
// pens, and the conversions between the windows' colour values ($00BBGGRR) and Qt's.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include "core/color.h"

namespace kovia {

// How a series draws each point. A flat dash is either Dash (a horizontal bar one pixel
// high) or Rectangle with a vertical size of 1, as the point dialog's "Raya" sets it.
enum class PointerStyle {
  Rectangle,
  Circle,
  Triangle,
  DownTriangle,
  Cross,
  DiagonalCross,
  Star,
  Diamond,
  SmallDot,
  Dash
};

// A point series draws pointers and no line; a line series draws a line and no pointers.
// Both switches stay available on either kind.
enum class SeriesKind { Point, Line };

// Directions of the panel gradient, in the order of the panel dialog's direction list.
enum class GradientDirection {
  TopBottom,
  BottomTop,
  LeftRight,
  RightLeft,
  FromCenter,
  FromTopLeft,
  FromBottomLeft
};

enum class LineStyle { Solid, Dash, Dot, DashDot, DashDotDot };

struct ChartPen {
  Color color = colors::kBlack;
  LineStyle style = LineStyle::Solid;
  int width = 1;
  bool visible = true;
  bool operator==(const ChartPen&) const = default;
};

// A point added with this colour is drawn in its series' colour (and color(i) reports that).
constexpr Color kSeriesColor = 0x20000000;
// A pointer outline of this colour takes each point's own colour.
constexpr Color kPointColor = 0x20000001;

inline QColor toQColor(Color c) {
  return QColor(redOf(c), greenOf(c), blueOf(c));
}
inline Color fromQColor(const QColor& c) {
  return makeColor(static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
                   static_cast<std::uint8_t>(c.blue()));
}

// Lower-case English name of a pointer style ("diamond", "downTriangle", ...), for dumps.
const char* pointerStyleName(PointerStyle style);

// The chart face (Liberation Sans, Arial metrics) at a size in pixels.
QFont chartFont(int pixelSize, bool bold = false);

// The text a symbol font shows for `text`: Latin letters become the Greek letters that
// share their keys ("s (t)" is drawn "σ (τ)"); everything else is kept.
QString symbolFontText(const QString& text);

}  // namespace kovia
