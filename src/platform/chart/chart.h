// The chart control of the analysis windows. A chart is a model first and a picture
// second: titles, axes, series and the look are plain values that tests and the scenario
// runner read; QCustomPlot draws them (only this folder sees it).
//
// Drawing is coalesced: every change asks for one replot on the next pass of the event
// loop, so a burst of changes (10^6 added points) costs one replot. A chart that is not on
// show replots when it is shown. Everything that reads pixels or renders (pointAt,
// pointPixel, drawTo, toImage, saveBitmap) works from the model at once, without waiting
// for the event loop.
#pragma once

#include <QFont>
#include <QImage>
#include <QRectF>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "platform/chart/axis.h"
#include "platform/chart/chart_types.h"
#include "platform/chart/series.h"

class QMenu;
class QPainter;
class QPrinter;
class QRubberBand;

namespace kovia {

class Chart;
class ChartPlot;

// The title above a chart or the foot text under it: lines of text, font, colour.
class ChartText {
 public:
  QStringList lines() const { return lines_; }
  void setLines(const QStringList& lines);
  // Lines separated by LF or CR LF; a line break at the very end adds no line.
  void setText(const QString& text);
  QString text() const { return lines_.join(QLatin1Char('\n')); }
  QFont font() const { return font_; }
  void setFont(const QFont& font);
  Color color() const { return color_; }
  void setColor(Color color);
  bool visible() const { return visible_; }
  void setVisible(bool on);

 private:
  friend class Chart;
  explicit ChartText(Chart* chart, QFont font) : chart_(chart), font_(std::move(font)) {}
  Chart* chart_;
  QStringList lines_;
  QFont font_;
  Color color_ = colors::kBlack;
  bool visible_ = true;
};

class Chart : public QWidget {
  Q_OBJECT

 public:
  explicit Chart(QWidget* parent = nullptr);
  // A chart named as the window designs it (its objectName, which the scenario runner uses).
  explicit Chart(const QString& name, QWidget* parent = nullptr) : Chart(parent) { setObjectName(name); }
  ~Chart() override;

  ChartText& title() { return title_; }
  const ChartText& title() const { return title_; }
  ChartText& foot() { return foot_; }
  const ChartText& foot() const { return foot_; }

  Axis* leftAxis() const { return axes_[0]; }
  Axis* bottomAxis() const { return axes_[1]; }
  Axis* rightAxis() const { return axes_[2]; }
  Axis* topAxis() const { return axes_[3]; }
  Axis* axis(Axis::Position position) const { return axes_[static_cast<int>(position)]; }

  // Adds a series on the bottom and left axes, named `name` (its objectName); series are
  // drawn in the order they were added.
  Series* addSeries(const QString& name, SeriesKind kind);
  int seriesCount() const { return static_cast<int>(series_.size()); }
  Series* series(int index) const { return series_.at(static_cast<std::size_t>(index)); }
  Series* findSeries(const QString& name) const;

  // Look of the panel.
  Color panelColor() const { return panelColor_; }
  void setPanelColor(Color color);
  bool gradientVisible() const { return gradientVisible_; }
  void setGradientVisible(bool on);
  Color gradientStartColor() const { return gradientStart_; }
  void setGradientStartColor(Color color);
  Color gradientEndColor() const { return gradientEnd_; }
  void setGradientEndColor(Color color);
  GradientDirection gradientDirection() const { return gradientDirection_; }
  void setGradientDirection(GradientDirection direction);
  // The frame drawn around the plotting area.
  const ChartPen& framePen() const { return framePen_; }
  void setFramePen(const ChartPen& pen);
  void setFrameColor(Color color);
  bool legendVisible() const { return legendVisible_; }
  void setLegendVisible(bool on);
  // Decimal separator of value labels (the user's regional setting at creation).
  char decimalSeparator() const { return decimalSeparator_; }
  void setDecimalSeparator(char separator);

  // 3D view and walls. The values are kept as given; the picture is a flat chart that,
  // with the 3D view on, shows the walls as an oblique box whose depth follows
  // chart3DPercent and whose slant follows elevation and rotation (in degrees).
  bool view3D() const { return view3D_; }
  void setView3D(bool on);
  bool view3DWalls() const { return view3DWalls_; }
  void setView3DWalls(bool on);
  int elevation() const { return elevation_; }
  void setElevation(int degrees);
  int rotation() const { return rotation_; }
  void setRotation(int degrees);
  int chart3DPercent() const { return depthPercent_; }
  void setChart3DPercent(int percent);
  Color leftWallColor() const { return leftWall_; }
  void setLeftWallColor(Color color);
  Color backWallColor() const { return backWall_; }
  void setBackWallColor(Color color);
  Color bottomWallColor() const { return bottomWall_; }
  void setBottomWallColor(Color color);
  // A transparent back wall lets the panel show through the plotting area.
  bool backWallTransparent() const { return backWallTransparent_; }
  void setBackWallTransparent(bool on);

  // Zoom by percent on all four axes: d = (max - min) * (percent - 100) * 0.01 and the new
  // limits are min + d and max - d. The first zoom since creation or the last undo saves
  // the four axes' scales. Marks the chart zoomed.
  void zoomPercent(double percent);
  // Gives back the saved scales (if any) and spends them; clears the zoomed mark.
  void undoZoom();
  bool zoomed() const { return zoomed_; }
  bool hasSavedScales() const { return savedScales_.has_value(); }

  // The top-most visible series with a point under `pixel` and that point's index.
  std::pair<Series*, int> seriesPointAt(QPoint pixel);

  // Draws the chart onto `target` of any painter (bitmap, printer, certificate page). The
  // chart is laid out as if it were `logicalSize` pixels large on screen (by default the
  // target's size at 96 dots per inch), recorded into a picture and scaled into the target,
  // so fonts and pens keep their proportions on high-resolution printers.
  void drawTo(QPainter& painter, const QRectF& target, QSize logicalSize = QSize());
  // The chart drawn on a white image of `size` pixels.
  QImage toImage(QSize size);
  // Writes the chart as a Windows bitmap at its bitmap size (or `size`), replacing the
  // file atomically. Throws FileWriteError "Cannot create file <path>" when it cannot.
  void saveBitmap(const QString& path);
  void saveBitmap(const QString& path, QSize size);
  // The size saveBitmap(path) draws at: an empty size (the default) means the chart's size
  // on screen (onScreenSize); a program without a screen gives a fixed size instead.
  QSize bitmapSize() const { return bitmapSize_; }
  void setBitmapSize(QSize size) { bitmapSize_ = size; }
  // The chart's size on screen. A page of a page control keeps the geometry it had when it
  // was last on show (none when it never was), so while the window is shown a chart on a
  // page not on show is first laid out as it will be when its page is shown.
  QSize onScreenSize();

  // Prints the chart as one print job of one page: scaled into the printable area with its
  // on-screen proportions, at the top of the page. Throws std::runtime_error when the
  // printer cannot be started.
  void print(QPrinter& printer);

  // Runs the pending replot now (no-op when none is pending).
  void replotNow();
  // Number of pictures drawn to the screen buffer since creation.
  int replotCount() const { return replotCount_; }

  // A menu that opens when the right button is released without dragging.
  void setPopupMenu(QMenu* menu) { popupMenu_ = menu; }

  // Called by axes and series when the model changed.
  void modelChanged();
  // Automatic limits of `axis` from the data (see Axis::minimum).
  std::pair<double, double> automaticRange(const Axis* axis) const;
  ChartPlot& plot() { return *plot_; }

 signals:
  // A mouse button was pressed over a plotted point; no zoom or pan starts for that press.
  void clickSeries(kovia::Series* series, int index, Qt::MouseButton button, Qt::KeyboardModifiers shift,
                   int x, int y);
  void dblClick();
  void mouseMove(Qt::KeyboardModifiers shift, int x, int y);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  friend class ChartPlot;
  void flushReplot();
  void saveScalesIfNone();
  void zoomToPixels(const QRect& rect);
  void panByPixels(QPoint delta);

  ChartText title_;
  ChartText foot_;
  std::array<Axis*, 4> axes_{};
  std::vector<Series*> series_;

  Color panelColor_ = colors::kWhite;
  bool gradientVisible_ = false;
  Color gradientStart_ = colors::kWhite;
  Color gradientEnd_ = colors::kWhite;
  GradientDirection gradientDirection_ = GradientDirection::TopBottom;
  ChartPen framePen_{0x00808080, LineStyle::Solid, 1, true};
  bool legendVisible_ = false;
  char decimalSeparator_ = '.';

  bool view3D_ = false;
  bool view3DWalls_ = false;
  int elevation_ = 360;
  int rotation_ = 360;
  int depthPercent_ = 50;
  Color leftWall_ = colors::kWhite;
  Color backWall_ = colors::kWhite;
  Color bottomWall_ = colors::kWhite;
  bool backWallTransparent_ = true;

  QSize bitmapSize_;

  bool zoomed_ = false;
  std::optional<std::array<Axis::Scale, 4>> savedScales_;

  bool replotPending_ = false;
  bool replotDeferred_ = false;
  int replotCount_ = 0;

  // Mouse interaction: left drag draws a zoom rectangle (towards the upper left it undoes
  // the zoom); right drag pans.
  enum class Drag { None, Zoom, Pan };
  Drag drag_ = Drag::None;
  QPoint pressPos_;
  QPoint lastPos_;
  bool dragMoved_ = false;
  QRubberBand* rubberBand_ = nullptr;
  QMenu* popupMenu_ = nullptr;

  std::unique_ptr<ChartPlot> plot_;
};

}  // namespace kovia
