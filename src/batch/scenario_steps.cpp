// The operator's steps: each acts on a control exactly as a person at the screen would, through
// the control's own operator entry point, so its events run as they do on screen. A control
// that is disabled or hidden (or, for typing, read-only) takes no step; a step that names a
// control of the wrong kind, or an item the control does not have, is malformed.
#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <charconv>
#include <optional>

#include "batch/scenario_runner.h"
#include "batch/scenario_targets.h"
#include "platform/chart/chart.h"
#include "platform/choice_controls.h"
#include "platform/edit_controls.h"
#include "platform/handler_guard.h"
#include "platform/keys.h"
#include "platform/line_store.h"
#include "platform/misc_controls.h"
#include "platform/string_grid.h"

namespace kovia {

namespace {

std::optional<int> toInt(const std::string& text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// A press and release of `button` at `pixel` of `widget`, as the mouse gives them.
void clickAt(QWidget* widget, QPoint pixel, Qt::MouseButton button, bool twice) {
  const QPointF local(pixel);
  const QPointF global(widget->mapToGlobal(pixel));
  const auto send = [&](QEvent::Type type, Qt::MouseButtons held) {
    QMouseEvent event(type, local, global, button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
  };
  send(QEvent::MouseButtonPress, button);
  send(QEvent::MouseButtonRelease, Qt::NoButton);
  if (twice) {
    send(QEvent::MouseButtonDblClick, button);
    send(QEvent::MouseButtonRelease, Qt::NoButton);
  }
}

}  // namespace

void ScenarioRunner::press(const ScenarioStep& step) {
  QObject* object = target(step);
  if (auto* action = qobject_cast<QAction*>(object)) {
    if (action->menu() != nullptr) fail(step, "press no abre menús: " + step.args[0] + " es un menú");
    if (operable(action)) action->trigger();
    return;
  }
  auto* button = qobject_cast<QAbstractButton*>(object);
  if (button == nullptr || qobject_cast<CheckBox*>(object) != nullptr) {
    fail(step, "press espera un botón o un elemento de menú: " + step.args[0]);
  }
  if (!operable(button)) return;
  if (auto* ours = qobject_cast<Button*>(button)) {
    ours->userClick();
  } else {
    button->click();
  }
}

void ScenarioRunner::call(const ScenarioStep& step) {
  std::string variable, handler;
  splitQualifiedName(step.args[0], variable, handler);
  QWidget* form = formNamed(step, variable);
  const QString name = QString::fromStdString(handler);
  const QMetaMethod method = senderHandler(*form, name);
  if (!method.isValid()) fail(step, variable + " no tiene ningún manejador " + handler + "(Sender)");
  QObject* sender = handlerSender(form, name);
  // Straight into the form's own meta-call, so that no frame of Qt lies between the handler
  // and the guard that shows its exception.
  HandlerGuard::run([&] {
    void* argv[] = {nullptr, &sender};
    form->qt_metacall(QMetaObject::InvokeMetaMethod, method.methodIndex(), argv);
  });
}

void ScenarioRunner::choose(const ScenarioStep& step) {
  QObject* object = target(step);
  const std::optional<int> index = toInt(step.args[1]);
  const auto checkIndex = [&](int count) {
    if (!index || *index < 0 || *index >= count) {
      fail(step, step.args[0] + " no tiene el elemento " + step.args[1]);
    }
  };
  if (auto* group = qobject_cast<RadioGroup*>(object)) {
    checkIndex(group->count());
    if (operable(group)) group->userChoose(*index);
  } else if (auto* combo = qobject_cast<ComboBox*>(object)) {
    checkIndex(combo->count());
    if (operable(combo)) combo->userSelect(*index);
  } else if (auto* pages = qobject_cast<PageControl*>(object)) {
    checkIndex(pages->pageCount());
    if (operable(pages)) pages->userSelectPage(*index);
  } else {
    fail(step, "choose espera un grupo de opciones, una lista o un control de páginas: " + step.args[0]);
  }
}

void ScenarioRunner::type(const ScenarioStep& step) {
  QObject* object = target(step);
  const QString text = QString::fromStdString(step.args[1]);
  if (auto* edit = qobject_cast<Edit*>(object)) {
    if (operable(edit)) edit->userType(text);  // read-only fields refuse it there
  } else if (auto* memo = qobject_cast<Memo*>(object)) {
    if (operable(memo)) memo->setDisplayText(text);
  } else if (auto* plain = qobject_cast<QPlainTextEdit*>(object)) {
    if (operable(plain) && !plain->isReadOnly()) HandlerGuard::run([&] { plain->setPlainText(text); });
  } else if (auto* rich = qobject_cast<QTextEdit*>(object)) {
    if (operable(rich) && !rich->isReadOnly()) HandlerGuard::run([&] { rich->setPlainText(text); });
  } else {
    fail(step, "type espera un campo de edición o un memo: " + step.args[0]);
  }
}

void ScenarioRunner::key(const ScenarioStep& step) {
  // A read-only field still takes keys on screen; only typing is refused there.
  QObject* object = target(step);
  if (auto* edit = qobject_cast<Edit*>(object)) {
    if (operable(edit)) edit->userKeyDown(keys::kReturn);
  } else if (auto* grid = qobject_cast<StringGrid*>(object)) {
    if (operable(grid)) grid->userKeyDown(keys::kReturn);
  } else {
    fail(step, "key espera un campo de edición o una rejilla: " + step.args[0]);
  }
}

void ScenarioRunner::cell(const ScenarioStep& step) {
  auto* grid = qobject_cast<StringGrid*>(target(step));
  if (grid == nullptr) fail(step, "cell espera una rejilla: " + step.args[0]);
  const std::optional<int> col = toInt(step.args[1]);
  const std::optional<int> row = toInt(step.args[2]);
  if (!col || !row || *col < 0 || *row < 0 || *col >= grid->ColCount() || *row >= grid->RowCount()) {
    fail(step, step.args[0] + " no tiene la celda " + step.args[1] + " " + step.args[2]);
  }
  if (operable(grid)) grid->userTypeCell(*col, *row, QString::fromStdString(step.args[3]));
}

void ScenarioRunner::select(const ScenarioStep& step) {
  auto* grid = qobject_cast<StringGrid*>(target(step));
  if (grid == nullptr) fail(step, "select espera una rejilla: " + step.args[0]);
  const std::optional<int> col = toInt(step.args[1]);
  const std::optional<int> row = toInt(step.args[2]);
  if (!col || !row || *col < 0 || *row < 0 || *col >= grid->ColCount() || *row >= grid->RowCount()) {
    fail(step, step.args[0] + " no tiene la celda " + step.args[1] + " " + step.args[2]);
  }
  if (operable(grid)) grid->userSelectCell(*col, *row);
}

void ScenarioRunner::clickPoint(const ScenarioStep& step) {
  auto* chart = qobject_cast<Chart*>(target(step));
  if (chart == nullptr) fail(step, "clickpoint espera un gráfico: " + step.args[0]);
  if (!chart->isVisible()) fail(step, "el gráfico " + step.args[0] + " no está a la vista");
  // The series on show: the first visible one that holds points, in drawing order.
  Series* shown = nullptr;
  for (int i = 0; i < chart->seriesCount() && shown == nullptr; ++i) {
    Series* series = chart->series(i);
    if (series->visible() && series->count() > 0) shown = series;
  }
  if (shown == nullptr) fail(step, "el gráfico " + step.args[0] + " no muestra ningún punto");
  const std::optional<int> index = toInt(step.args[1]);
  if (!index || *index < 0 || *index >= shown->count()) {
    fail(step, shown->objectName().toStdString() + " no tiene el punto " + step.args[1]);
  }
  if (!operable(chart)) return;
  const bool right = step.args.size() == 3 && step.args[2] == "right";
  clickAt(chart, shown->pointPixel(*index), right ? Qt::RightButton : Qt::LeftButton, false);
}

void ScenarioRunner::doubleClick(const ScenarioStep& step) {
  auto* chart = qobject_cast<Chart*>(target(step));
  if (chart == nullptr) fail(step, "dblclick espera un gráfico: " + step.args[0]);
  // In the chart's corner, away from the plotting area and its points.
  if (operable(chart)) clickAt(chart, QPoint(1, 1), Qt::LeftButton, true);
}

void ScenarioRunner::scroll(const ScenarioStep& step) {
  auto* bar = qobject_cast<ScrollBar*>(target(step));
  if (bar == nullptr) fail(step, "scroll espera una barra de desplazamiento: " + step.args[0]);
  const std::optional<int> position = toInt(step.args[1]);
  if (!position) fail(step, "posición fuera de rango: " + step.args[1]);
  if (operable(bar)) bar->userScroll(*position);
}

void ScenarioRunner::tick(const ScenarioStep& step) {
  auto* box = qobject_cast<CheckBox*>(target(step));
  if (box == nullptr) fail(step, "tick espera una casilla: " + step.args[0]);
  if (operable(box)) box->userTick(step.args[1] == "on");
}

}  // namespace kovia
