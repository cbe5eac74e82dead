// Page control, scroll bar and push buttons.
//
// PageControl: OnChange runs after the operator selected another tab; the program's
// setActivePageIndex runs nothing. ScrollBar: an operator move sets the position, then
// raises OnScroll(code, position) and OnChange; the program's setPosition raises
// OnChange only. Button (and its picture variant BitBtn): OnClick on the operator's press
// or on the program's Click().
#pragma once

#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>

namespace kovia {

class PageControl : public QTabWidget {
  Q_OBJECT
  Q_PROPERTY(int activePage READ ActivePageIndex)

 public:
  explicit PageControl(QWidget* parent = nullptr, const QString& name = QString());

  // Appends a page (a plain widget named `name`, "TabSheet1") and returns it.
  QWidget* addPage(const QString& name, const QString& caption);
  int pageCount() const { return count(); }
  QWidget* page(int index) const { return widget(index); }

  int ActivePageIndex() const { return currentIndex(); }
  void setActivePageIndex(int index);

  // The operator selects page `index`; OnChange runs when it is another page. False
  // when disabled, out of range, the page already on show, or the handler failed.
  bool userSelectPage(int index);

 signals:
  void OnChange();

 private:
  bool quiet_ = false;
};

enum class ScrollCode { LineUp, LineDown, PageUp, PageDown, Position, Track, Top, Bottom, EndScroll };

class ScrollBar : public QScrollBar {
  Q_OBJECT
  Q_PROPERTY(int position READ Position)

 public:
  explicit ScrollBar(Qt::Orientation orientation, QWidget* parent = nullptr, const QString& name = QString());

  int Min() const { return minimum(); }
  int Max() const { return maximum(); }
  int Position() const { return value(); }
  // Clamps to the range; OnChange runs when the position changed.
  void setPosition(int position);

  // The operator moves the thumb to `position` (clamped); false when disabled or a
  // handler failed.
  bool userScroll(int position, ScrollCode code = ScrollCode::Position);

 signals:
  void OnScroll(ScrollCode code, int& position);
  void OnChange();

 private:
  bool quiet_ = false;
};

class Button : public QPushButton {
  Q_OBJECT

 public:
  explicit Button(QWidget* parent = nullptr, const QString& name = QString(), const QString& caption = QString());
  Button(const QIcon& icon, QWidget* parent, const QString& name, const QString& caption);

  // The program presses the button: OnClick runs, its exception reaches the caller.
  void Click();
  // The operator presses the button; false when disabled or the handler failed.
  bool userClick();

 signals:
  void OnClick();
};

// A button with a picture.
using BitBtn = Button;

}  // namespace kovia
