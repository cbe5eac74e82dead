// Shape: a colour swatch, a rectangle filled with its brush colour and outlined with a
// black pen. The dialogs show the colour an option holds beside the button that changes it.
#pragma once

#include <QWidget>

#include "core/color.h"

namespace kovia {

class Shape : public QWidget {
  Q_OBJECT
  Q_PROPERTY(unsigned int brushColor READ BrushColor)

 public:
  // A white swatch.
  explicit Shape(QWidget* parent = nullptr, const QString& name = QString());

  Color BrushColor() const { return brush_; }
  // Repaints the swatch in `color` ($00BBGGRR).
  void setBrushColor(Color color);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Color brush_ = colors::kWhite;
};

}  // namespace kovia
