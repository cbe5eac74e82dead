// Choice controls: RadioGroup, CheckBox, ComboBox.
//
// What the program does to them raises the same events the windows rely on:
//   RadioGroup::setItemIndex(i) runs OnClick when item i (>= 0) becomes the checked one;
//   CheckBox::setChecked(b) runs OnClick when the state changes;
//   ComboBox::setItemIndex(i) runs no handler.
// Events the program raises reach the caller's exception path (HandlerGuard::raise);
// the user* methods are what the operator does and run under the guard. A disabled
// control ignores the operator.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QVBoxLayout;

namespace kovia {

class RadioGroup : public QGroupBox {
  Q_OBJECT
  Q_PROPERTY(int itemIndex READ ItemIndex)
  Q_PROPERTY(QStringList items READ Items)

 public:
  explicit RadioGroup(QWidget* parent = nullptr, const QString& name = QString(),
                      const QString& caption = QString());

  void setItems(const QStringList& items);
  QStringList Items() const { return items_; }
  int count() const { return static_cast<int>(items_.size()); }

  // -1 when no item is checked.
  int ItemIndex() const { return index_; }
  // Checks item `index` (clamped to -1 .. count()-1). OnClick runs when an item becomes
  // checked; unchecking all (-1) or setting the current index again runs nothing.
  void setItemIndex(int index);

  // The operator clicks item `index`; false when disabled, out of range, already
  // checked, or the handler failed.
  bool userChoose(int index);

 signals:
  void OnClick();

 private:
  void check(int index);

  QStringList items_;
  int index_ = -1;
  QButtonGroup* buttons_;
  QVBoxLayout* layout_;
};

// A check box. setChecked() hides QCheckBox's own: call it through CheckBox.
class CheckBox : public QCheckBox {
  Q_OBJECT

 public:
  explicit CheckBox(QWidget* parent = nullptr, const QString& name = QString(),
                    const QString& caption = QString());

  bool Checked() const { return isChecked(); }
  // Changes the state and, when it changed, runs OnClick.
  void setChecked(bool checked);

  // The operator ticks (true) or unticks the box; false when disabled, unchanged, or
  // the handler failed.
  bool userTick(bool checked);

 signals:
  void OnClick();
};

// A drop-down list (not editable). The operator's choice raises OnChange; the program's
// setItemIndex raises nothing.
class ComboBox : public QComboBox {
  Q_OBJECT
  Q_PROPERTY(int itemIndex READ ItemIndex)
  Q_PROPERTY(QString text READ currentText)

 public:
  explicit ComboBox(QWidget* parent = nullptr, const QString& name = QString());

  void setItems(const QStringList& items);
  int ItemIndex() const { return currentIndex(); }
  // -1 leaves no item selected.
  void setItemIndex(int index);

  // The operator picks item `index`; false when disabled, out of range, or the handler failed.
  bool userSelect(int index);

 signals:
  void OnChange();
};

}  // namespace kovia
