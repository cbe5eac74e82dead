#include "platform/shape.h"

#include <QPainter>

namespace kovia {

Shape::Shape(QWidget* parent, const QString& name) : QWidget(parent) {
  if (!name.isEmpty()) setObjectName(name);
  setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void Shape::setBrushColor(Color color) {
  if (color == brush_) return;
  brush_ = color;
  update();
}

void Shape::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QColor fill(redOf(brush_), greenOf(brush_), blueOf(brush_));
  // A disabled swatch keeps its colour: the colour is information, not a control state.
  painter.setPen(QPen(Qt::black, 1));
  painter.setBrush(fill);
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace kovia
