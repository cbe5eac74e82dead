#include "batch/scenario_targets.h"

#include <QAction>
#include <QDialog>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMetaMethod>
#include <QRegularExpression>
#include <deque>

#include "batch/scenario_runner.h"
#include "platform/choice_controls.h"
#include "platform/command.h"
#include "platform/form.h"
#include "platform/misc_controls.h"

namespace kovia {

namespace {

bool isForm(const QObject* object) {
  return qobject_cast<const QMainWindow*>(object) != nullptr || qobject_cast<const QDialog*>(object) != nullptr;
}

// Visits the descendants of `root` level by level, without entering other forms.
template <class Visit>
void forEachDescendant(QObject* root, Visit visit) {
  std::deque<QObject*> queue{root};
  while (!queue.empty()) {
    QObject* parent = queue.front();
    queue.pop_front();
    for (QObject* child : parent->children()) {
      if (isForm(child)) continue;
      if (!visit(child)) return;
      queue.push_back(child);
    }
  }
}

}  // namespace

QObject* findControl(QWidget* form, const QString& name) {
  if (form == nullptr || name.isEmpty()) return nullptr;
  QObject* widget = nullptr;
  QObject* other = nullptr;
  forEachDescendant(form, [&](QObject* object) {
    if (object->objectName() != name || qobject_cast<Command*>(object) != nullptr) return true;
    if (auto* menu = qobject_cast<QMenu*>(object)) {
      if (other == nullptr) other = menu->menuAction();
      return true;
    }
    if (object->isWidgetType()) {
      widget = object;
      return false;
    }
    if (other == nullptr) other = object;
    return true;
  });
  return widget != nullptr ? widget : other;
}

QWidget* owningForm(const QObject* object) {
  for (QObject* o = const_cast<QObject*>(object); o != nullptr; o = o->parent()) {
    if (isForm(o)) return static_cast<QWidget*>(o);
  }
  return nullptr;
}

bool menuItemReachable(const QAction* action) {
  if (action == nullptr || !action->isEnabled() || !action->isVisible()) return false;
  for (QObject* o = action->parent(); o != nullptr; o = o->parent()) {
    if (auto* menu = qobject_cast<QMenu*>(o)) {
      const QAction* item = menu->menuAction();
      if (!menu->isEnabled() || !item->isEnabled() || !item->isVisible()) return false;
    } else if (auto* bar = qobject_cast<QMenuBar*>(o)) {
      if (!bar->isVisible() || !bar->isEnabled()) return false;
    } else if (isForm(o)) {
      const auto* form = static_cast<QWidget*>(o);
      return form->isVisible() && form->isEnabled();
    }
  }
  return false;
}

PageControl* pageControlOf(QWidget* form) {
  PageControl* found = nullptr;
  if (form == nullptr) return nullptr;
  forEachDescendant(form, [&](QObject* object) {
    found = qobject_cast<PageControl*>(object);
    return found == nullptr;
  });
  return found;
}

bool isFormVariableName(const QString& name) {
  static const QRegularExpression pattern(QStringLiteral("^Form(Main|[0-9]+)$"));
  return pattern.match(name).hasMatch() || FormRegistry::names().contains(name);
}

QMetaMethod senderHandler(const QObject& form, const QString& handler) {
  const QMetaObject* meta = form.metaObject();
  const QByteArray wanted = handler.toUtf8();
  for (int i = 0; i < meta->methodCount(); ++i) {
    const QMetaMethod method = meta->method(i);
    if (method.methodType() == QMetaMethod::Slot && method.name() == wanted && method.parameterCount() == 1 &&
        method.parameterMetaType(0) == QMetaType::fromType<QObject*>()) {
      return method;
    }
  }
  return {};
}

QObject* handlerSender(QWidget* form, const QString& handler) {
  // The events the windows name their handlers after, longest first where one ends another.
  static const char* const kEvents[] = {"DblClick", "ClickSeries", "Click", "OnKeyDown", "KeyDown", "SelectCell", "Change",
                                        "Changing", "Scroll", "Show", "Create", "Close", "Activate", "Enter",
                                        "Exit", "MouseMove", "Resize"};
  for (const char* event : kEvents) {
    const QString suffix = QString::fromLatin1(event);
    if (handler.size() > suffix.size() && handler.endsWith(suffix)) {
      if (QObject* control = findControl(form, handler.left(handler.size() - suffix.size()))) return control;
      break;
    }
  }
  return form;
}

// ---- the runner's names ----

QWidget* ScenarioRunner::formNamed(const ScenarioStep& step, const std::string& variable) {
  if (variable == "this") {
    if (shown_.empty() || shown_.back().isNull()) fail(step, "this no nombra ningún formulario a la vista");
    return shown_.back().data();
  }
  QWidget* form = FormRegistry::find(QString::fromStdString(variable));
  if (form == nullptr) fail(step, "el formulario " + variable + " no existe");
  return form;
}

QObject* ScenarioRunner::target(const ScenarioStep& step) {
  std::string variable, name;
  if (!splitQualifiedName(step.args.at(0), variable, name)) fail(step, "se esperaba FORM.NOMBRE");
  QWidget* form = formNamed(step, variable);
  QObject* object = findControl(form, QString::fromStdString(name));
  if (object == nullptr) fail(step, variable + " no tiene ningún control " + name);
  return object;
}

bool ScenarioRunner::operable(const QObject* object) const {
  // While a dialog is shown modally, the operator reaches nothing outside it.
  if (!shown_.empty() && owningForm(object) != shown_.back().data()) return false;
  if (auto* action = qobject_cast<const QAction*>(object)) return menuItemReachable(action);
  if (object->isWidgetType()) {
    const auto* widget = static_cast<const QWidget*>(object);
    return widget->isVisible() && widget->isEnabled();
  }
  return false;
}

}  // namespace kovia
