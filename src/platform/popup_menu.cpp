#include "platform/popup_menu.h"

#include "platform/messages.h"

namespace kovia {

PopupMenu::PopupMenu(QWidget* parent, const QString& name) : QMenu(parent) { setObjectName(name); }

QAction* PopupMenu::addItemTo(QMenu* menu, const QString& name, const QString& caption,
                              const QKeySequence& shortcut) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(name);
  if (!shortcut.isEmpty()) {
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  }
  return action;
}

QAction* PopupMenu::addItem(const QString& name, const QString& caption, const QKeySequence& shortcut) {
  return addItemTo(this, name, caption, shortcut);
}

QMenu* PopupMenu::addSubmenu(const QString& name, const QString& caption) {
  QMenu* sub = addMenu(caption);
  sub->setObjectName(name);
  sub->menuAction()->setObjectName(name);
  return sub;
}

void PopupMenu::attachTo(QWidget* widget) {
  widget->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(widget, &QWidget::customContextMenuRequested, this,
          [this, widget](const QPoint& pos) { popup(widget->mapToGlobal(pos)); });
  // Shortcuts of items (also in submenus) work while the widget has the focus.
  QList<QMenu*> menus{this};
  while (!menus.isEmpty()) {
    QMenu* menu = menus.takeFirst();
    for (QAction* action : menu->actions()) {
      if (action->menu() != nullptr) menus << action->menu();
      else if (!action->shortcut().isEmpty()) widget->addAction(action);
    }
  }
}

QAction* PopupMenu::Items(int index) const {
  const QList<QAction*> items = actions();
  if (index < 0 || index >= items.size()) throw ListIndexError(index);
  return items[index];
}

}  // namespace kovia
