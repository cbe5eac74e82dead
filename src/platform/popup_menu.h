// Pop-up menus (PopupMenu1 of a grid or a chart). Items are QActions named as designed
// ("Agregar1"); connect them with connectHandler(item, &QAction::triggered, ...). A menu
// attached to a widget opens on a right-click there, and its shortcuts act while that
// widget (or a child of it) has the focus.
#pragma once

#include <QKeySequence>
#include <QMenu>

namespace kovia {

class PopupMenu : public QMenu {
  Q_OBJECT

 public:
  explicit PopupMenu(QWidget* parent = nullptr, const QString& name = QStringLiteral("PopupMenu1"));

  QAction* addItem(const QString& name, const QString& caption, const QKeySequence& shortcut = {});
  QMenu* addSubmenu(const QString& name, const QString& caption);
  static QAction* addItemTo(QMenu* menu, const QString& name, const QString& caption,
                            const QKeySequence& shortcut = {});

  // Opens this menu on a right-click in `widget` and gives `widget` its shortcuts.
  void attachTo(QWidget* widget);
  // Item `index` of the top level, separators counted; ListIndexError outside it.
  QAction* Items(int index) const;
};

}  // namespace kovia
