// Layout checks for the fixed-geometry forms: every control lies inside its parent and no
// two sibling controls overlap, so that nothing is clipped or drawn over another control.
#pragma once

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <algorithm>
#include <ostream>

// Readable QString values in gtest's failure messages.
inline void PrintTo(const QString& text, std::ostream* os) {
  *os << '"' << text.toStdString() << '"';
}

namespace kovia::testing {

// Problems found in `root`'s children, one line each ("Edit1 outside GroupBox2", "BitBtn1
// text clipped"); empty when the layout is sound. Widgets without an objectName (the inner parts of Qt's own
// controls) are not checked.
inline QStringList layoutProblems(const QWidget& root) {
  QStringList problems;
  const QList<QWidget*> children = root.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
  QList<QWidget*> named;
  for (QWidget* child : children) {
    if (child->objectName().isEmpty() || child->isHidden() || child->isWindow()) continue;
    named.append(child);
    const auto* button = qobject_cast<const QAbstractButton*>(child);
    const auto* push = qobject_cast<const QPushButton*>(child);
    const auto* label = qobject_cast<const QLabel*>(child);
    const bool textLabel = label != nullptr && label->pixmap().isNull() && !label->text().isEmpty();
    if (push != nullptr && !push->text().isEmpty()) {
      // The style's minimum button width is no clipping: compare the caption itself.
      QString caption = push->text();
      caption.remove(QLatin1Char('&'));
      const int iconWidth = push->icon().isNull() ? 0 : push->iconSize().width() + 4;
      if (push->fontMetrics().horizontalAdvance(caption) + iconWidth + 8 > push->width() ||
          push->fontMetrics().height() + 4 > push->height()) {
        problems << QStringLiteral("%1 text clipped").arg(child->objectName());
      }
    } else if ((button != nullptr && !button->text().isEmpty()) || (textLabel && !label->wordWrap())) {
      if (child->sizeHint().width() > child->width() || child->fontMetrics().height() > child->height()) {
        problems << QStringLiteral("%1 text clipped").arg(child->objectName());
      }
    }
    if (textLabel && label->wordWrap() && label->heightForWidth(label->width()) > label->height()) {
      problems << QStringLiteral("%1 text clipped").arg(child->objectName());
    }
    if (!root.rect().contains(child->geometry())) {
      problems << QStringLiteral("%1 outside %2").arg(child->objectName(), root.objectName());
    }
  }
  for (int i = 0; i < named.size(); ++i) {
    for (int j = i + 1; j < named.size(); ++j) {
      if (named[i]->geometry().intersects(named[j]->geometry())) {
        problems << QStringLiteral("%1 overlaps %2").arg(named[i]->objectName(), named[j]->objectName());
      }
    }
  }
  for (QWidget* child : named) problems << layoutProblems(*child);
  return problems;
}

// The objectNames of `root`'s descendants of type T, sorted top to bottom (then left to right)
// by their position in `root`.
template <class T>
QStringList namesTopToBottom(const QWidget& root) {
  QList<T*> found = root.findChildren<T*>();
  std::sort(found.begin(), found.end(), [&](T* a, T* b) {
    const QPoint pa = a->mapTo(&root, QPoint(0, 0));
    const QPoint pb = b->mapTo(&root, QPoint(0, 0));
    return pa.y() != pb.y() ? pa.y() < pb.y() : pa.x() < pb.x();
  });
  QStringList names;
  for (T* w : found) names << w->objectName();
  return names;
}

}  // namespace kovia::testing
