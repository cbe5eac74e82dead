// One of a chart's four axes: the limits in force and how they are chosen, the scale,
// grids, title and value labels.
#pragma once

#include <QFont>
#include <QObject>
#include <QString>

#include "platform/chart/chart_types.h"

namespace kovia {

class Chart;

class Axis : public QObject {
  Q_OBJECT

 public:
  enum class Position { Left, Bottom, Right, Top };

  // The switches and limits that a zoom saves and undoing it gives back.
  struct Scale {
    bool automatic = true;
    bool automaticMinimum = true;
    bool automaticMaximum = true;
    double minimum = 0.0;
    double maximum = 1.0;
  };

  Position position() const { return position_; }
  bool horizontal() const { return position_ == Position::Bottom || position_ == Position::Top; }
  Chart* chart() const { return chart_; }

  // Limits in force. An automatic end follows the data of the visible, non-empty series on
  // this axis (finite values only; positive values only when logarithmic); with no such
  // data the range is [0, 1] ([1, 10] when logarithmic); a constant value v becomes
  // v -/+ max(|v| * 1e-3, 1e-300). A fixed end is the value last given to it.
  double minimum() const;
  double maximum() const;

  // `automatic` is on exactly while both ends are automatic: switching it sets both ends;
  // switching one end off switches it off. An end switched off keeps the value it had.
  bool automatic() const { return autoMin_ && autoMax_; }
  bool automaticMinimum() const { return autoMin_; }
  bool automaticMaximum() const { return autoMax_; }
  void setAutomatic(bool on);
  void setAutomaticMinimum(bool on);
  void setAutomaticMaximum(bool on);

  // Fixes both limits (the larger value becomes the maximum) and switches all three
  // automatic switches off.
  void setMinMax(double a, double b);

  Scale scale() const;
  // Gives back saved switches; a saved axis that was not automatic also gets its saved
  // limits through setMinMax.
  void restoreScale(const Scale& saved);

  bool logarithmic() const { return logarithmic_; }
  void setLogarithmic(bool on);
  bool visible() const { return visible_; }
  void setVisible(bool on);

  const ChartPen& axisPen() const { return axisPen_; }
  void setAxisPen(const ChartPen& pen);
  const ChartPen& gridPen() const { return gridPen_; }
  void setGridPen(const ChartPen& pen);
  const ChartPen& minorGridPen() const { return minorGridPen_; }
  void setMinorGridPen(const ChartPen& pen);
  bool minorGridVisible() const { return minorGridPen_.visible; }
  void setMinorGridVisible(bool on);
  // Minor ticks (and minor grid lines) between two major ticks.
  int minorTickCount() const { return minorTickCount_; }
  void setMinorTickCount(int count);

  QString titleCaption() const { return titleCaption_; }
  void setTitleCaption(const QString& caption);
  QFont titleFont() const { return titleFont_; }
  void setTitleFont(const QFont& font);
  Color titleColor() const { return titleColor_; }
  void setTitleColor(Color color);
  // A title designed in a symbol font keeps its caption and is drawn in Greek letters.
  bool titleSymbolFont() const { return titleSymbol_; }
  void setTitleSymbolFont(bool on);
  QString drawnTitle() const;

  // Value labels: format as designed ("0.#####E+00", "#.0E-00", ...; empty = general).
  QString labelFormat() const { return labelFormat_; }
  void setLabelFormat(const QString& format);
  QFont labelFont() const { return labelFont_; }
  void setLabelFont(const QFont& font);
  Color labelColor() const { return labelColor_; }
  void setLabelColor(Color color);
  bool labelsVisible() const { return labelsVisible_; }
  void setLabelsVisible(bool on);
  // The text of the value label at `value`, for ticks `tickStep` apart (used by the
  // general label only).
  QString labelText(double value, double tickStep) const;

 private:
  friend class Chart;
  Axis(Chart* chart, Position position);
  void changed();

  Chart* chart_;
  Position position_;
  bool autoMin_ = true;
  bool autoMax_ = true;
  double fixedMin_ = 0.0;
  double fixedMax_ = 1.0;
  bool logarithmic_ = false;
  bool visible_ = true;
  ChartPen axisPen_;
  ChartPen gridPen_{0x00C8C8C8, LineStyle::Dot, 1, true};
  ChartPen minorGridPen_{colors::kSilver, LineStyle::Dot, 1, false};
  int minorTickCount_ = 3;
  QString titleCaption_;
  QFont titleFont_;
  Color titleColor_ = colors::kBlack;
  bool titleSymbol_ = false;
  QString labelFormat_;
  QFont labelFont_;
  Color labelColor_ = colors::kBlack;
  bool labelsVisible_ = true;
};

}  // namespace kovia
