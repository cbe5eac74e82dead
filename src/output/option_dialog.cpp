#include "output/option_dialog.h"

#include <QIcon>

#include "platform/resources.h"

namespace kovia {

namespace {
constexpr int kMargin = 10;
constexpr int kGroupWidth = 330;
constexpr int kRowHeight = 24;
constexpr int kGroupTop = 24;  // room for the group's caption
constexpr int kButtonWidth = 96;
constexpr int kButtonHeight = 28;
}  // namespace

QGroupBox* optionGroup(QWidget* form, const QString& name, const QString& caption, int rows) {
  auto* group = new QGroupBox(caption, form);
  group->setObjectName(name);
  group->setGeometry(kMargin, kMargin, kGroupWidth, kGroupTop + rows * kRowHeight + 8);
  return group;
}

CheckBox* optionBox(QGroupBox* group, const QString& name, const QString& caption, int row) {
  auto* box = new CheckBox(group, name, caption);
  box->setGeometry(16, kGroupTop + row * kRowHeight, kGroupWidth - 28, kRowHeight - 2);
  box->setEnabled(false);
  return box;
}

BitBtn* confirmButton(QWidget* form, QGroupBox* group, const QString& name, const QString& caption,
                      const QString& icon) {
  initKoviaResources();
  auto* button = new BitBtn(QIcon(icon), form, name, caption);
  const QRect g = group->geometry();
  button->setGeometry(g.right() + 1 - kButtonWidth, g.bottom() + 1 + kMargin, kButtonWidth, kButtonHeight);
  button->setIconSize(QSize(18, 18));
  button->setDefault(true);
  form->setFixedSize(g.right() + 1 + kMargin, button->geometry().bottom() + 1 + kMargin);
  return button;
}

BitBtn* pictureButtonBeside(QWidget* form, BitBtn* confirm, const QString& name, const QString& icon,
                            const QString& toolTip) {
  initKoviaResources();
  auto* button = new BitBtn(QIcon(icon), form, name, QString());
  const QRect c = confirm->geometry();
  button->setGeometry(c.left() - 8 - 40, c.top(), 40, c.height());
  button->setIconSize(QSize(20, 20));
  button->setToolTip(toolTip);
  return button;
}

}  // namespace kovia
