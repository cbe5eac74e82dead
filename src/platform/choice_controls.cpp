#include "platform/choice_controls.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/handler_guard.h"

namespace kovia {

// ---- RadioGroup ----

RadioGroup::RadioGroup(QWidget* parent, const QString& name, const QString& caption)
    : QGroupBox(caption, parent), buttons_(new QButtonGroup(this)), layout_(new QVBoxLayout(this)) {
  if (!name.isEmpty()) setObjectName(name);
  layout_->setContentsMargins(8, 4, 8, 4);
  layout_->setSpacing(2);
  buttons_->setExclusive(false);
  // Qt checks the button before telling us; only a new item is a click.
  connect(buttons_, &QButtonGroup::idClicked, this, [this](int id) {
    if (id == index_) {
      check(index_);  // a click on the checked item leaves it checked
      return;
    }
    index_ = id;
    check(id);
    HandlerGuard::operatorEvent([this] { emit OnClick(); });
  });
}

void RadioGroup::setItems(const QStringList& items) {
  for (QAbstractButton* b : buttons_->buttons()) {
    buttons_->removeButton(b);
    delete b;
  }
  items_ = items;
  for (int i = 0; i < items.size(); ++i) {
    auto* button = new QRadioButton(items[i], this);
    layout_->addWidget(button);
    buttons_->addButton(button, i);
  }
  index_ = -1;
}

void RadioGroup::check(int index) {
  for (QAbstractButton* b : buttons_->buttons()) b->setChecked(buttons_->id(b) == index);
}

void RadioGroup::setItemIndex(int index) {
  index = std::clamp(index, -1, count() - 1);
  if (index == index_) return;
  index_ = index;
  check(index);
  if (index >= 0) HandlerGuard::raise([this] { emit OnClick(); });
}

bool RadioGroup::userChoose(int index) {
  if (!isEnabled() || index < 0 || index >= count() || index == index_) return false;
  index_ = index;
  check(index);
  return HandlerGuard::operatorEvent([this] { emit OnClick(); });
}

// ---- CheckBox ----

CheckBox::CheckBox(QWidget* parent, const QString& name, const QString& caption) : QCheckBox(caption, parent) {
  if (!name.isEmpty()) setObjectName(name);
  // clicked() comes only from the operator, after Qt toggled the box.
  connect(this, &QAbstractButton::clicked, this, [this] { HandlerGuard::operatorEvent([this] { emit OnClick(); }); });
}

void CheckBox::setChecked(bool checked) {
  if (checked == isChecked()) return;
  QCheckBox::setChecked(checked);
  HandlerGuard::raise([this] { emit OnClick(); });
}

bool CheckBox::userTick(bool checked) {
  if (!isEnabled() || checked == isChecked()) return false;
  QCheckBox::setChecked(checked);
  return HandlerGuard::operatorEvent([this] { emit OnClick(); });
}

// ---- ComboBox ----

ComboBox::ComboBox(QWidget* parent, const QString& name) : QComboBox(parent) {
  if (!name.isEmpty()) setObjectName(name);
  setEditable(false);
  // activated() comes only from the operator.
  connect(this, &QComboBox::activated, this, [this] { HandlerGuard::operatorEvent([this] { emit OnChange(); }); });
}

void ComboBox::setItems(const QStringList& items) {
  const QSignalBlocker quiet(this);
  clear();
  addItems(items);
  setCurrentIndex(-1);
}

void ComboBox::setItemIndex(int index) {
  const QSignalBlocker quiet(this);
  setCurrentIndex(std::clamp(index, -1, count() - 1));
}

bool ComboBox::userSelect(int index) {
  if (!isEnabled() || index < 0 || index >= count()) return false;
  {
    const QSignalBlocker quiet(this);
    setCurrentIndex(index);
  }
  return HandlerGuard::operatorEvent([this] { emit OnChange(); });
}

}  // namespace kovia
