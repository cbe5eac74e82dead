#include "platform/misc_controls.h"

#include <algorithm>

#include "platform/handler_guard.h"

namespace kovia {

// ---- PageControl ----

PageControl::PageControl(QWidget* parent, const QString& name) : QTabWidget(parent) {
  if (!name.isEmpty()) setObjectName(name);
  setDocumentMode(false);
  connect(this, &QTabWidget::currentChanged, this, [this] {
    if (!quiet_) HandlerGuard::operatorEvent([this] { emit OnChange(); });
  });
}

QWidget* PageControl::addPage(const QString& name, const QString& caption) {
  auto* page = new QWidget(this);
  page->setObjectName(name);
  quiet_ = true;
  addTab(page, caption);
  quiet_ = false;
  return page;
}

void PageControl::setActivePageIndex(int index) {
  quiet_ = true;
  setCurrentIndex(index);
  quiet_ = false;
}

bool PageControl::userSelectPage(int index) {
  if (!isEnabled() || index < 0 || index >= count() || index == currentIndex() || !isTabEnabled(index)) {
    return false;
  }
  quiet_ = true;
  setCurrentIndex(index);
  quiet_ = false;
  return HandlerGuard::operatorEvent([this] { emit OnChange(); });
}

// ---- ScrollBar ----

namespace {
ScrollCode codeOf(int action) {
  switch (action) {
    case QAbstractSlider::SliderSingleStepSub:
      return ScrollCode::LineUp;
    case QAbstractSlider::SliderSingleStepAdd:
      return ScrollCode::LineDown;
    case QAbstractSlider::SliderPageStepSub:
      return ScrollCode::PageUp;
    case QAbstractSlider::SliderPageStepAdd:
      return ScrollCode::PageDown;
    case QAbstractSlider::SliderToMinimum:
      return ScrollCode::Top;
    case QAbstractSlider::SliderToMaximum:
      return ScrollCode::Bottom;
    case QAbstractSlider::SliderMove:
      return ScrollCode::Track;
    default:
      return ScrollCode::Position;
  }
}
}  // namespace

ScrollBar::ScrollBar(Qt::Orientation orientation, QWidget* parent, const QString& name)
    : QScrollBar(orientation, parent) {
  if (!name.isEmpty()) setObjectName(name);
  setRange(-90, 90);
  setSingleStep(1);
  setPageStep(10);
  setValue(0);
  // actionTriggered() comes only from the operator, before Qt moves the value.
  connect(this, &QAbstractSlider::actionTriggered, this, [this](int action) {
    if (action == QAbstractSlider::SliderNoAction) return;
    userScroll(sliderPosition(), codeOf(action));
  });
}

void ScrollBar::setPosition(int position) {
  position = std::clamp(position, minimum(), maximum());
  if (position == value()) return;
  setValue(position);
  HandlerGuard::raise([this] { emit OnChange(); });
}

bool ScrollBar::userScroll(int position, ScrollCode code) {
  if (!isEnabled()) return false;
  return HandlerGuard::operatorEvent([&] {
    // The position moves first, so that a handler reading Position() sees the new one.
    int pos = std::clamp(position, minimum(), maximum());
    const bool moved = pos != value();
    setValue(pos);
    emit OnScroll(code, pos);
    if (pos != value()) setValue(std::clamp(pos, minimum(), maximum()));
    if (moved) emit OnChange();
  });
}

// ---- Button ----

Button::Button(QWidget* parent, const QString& name, const QString& caption) : QPushButton(caption, parent) {
  if (!name.isEmpty()) setObjectName(name);
  setAutoDefault(false);
  // clicked() comes from the operator (or from QAbstractButton::click()).
  connect(this, &QAbstractButton::clicked, this, [this] { HandlerGuard::operatorEvent([this] { emit OnClick(); }); });
}

Button::Button(const QIcon& icon, QWidget* parent, const QString& name, const QString& caption)
    : Button(parent, name, caption) {
  setIcon(icon);
}

void Button::Click() {
  HandlerGuard::raise([this] { emit OnClick(); });
}

bool Button::userClick() {
  if (!isEnabled()) return false;
  return HandlerGuard::operatorEvent([this] { emit OnClick(); });
}

}  // namespace kovia
