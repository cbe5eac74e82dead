#include "batch/scenario_dump.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QTextEdit>
#include <QToolButton>
#include <cstdio>

#include "batch/json_line.h"
#include "batch/scenario_runner.h"
#include "batch/scenario_targets.h"
#include "platform/chart/chart.h"
#include "platform/choice_controls.h"
#include "platform/edit_controls.h"
#include "platform/form.h"
#include "platform/line_store.h"
#include "platform/misc_controls.h"
#include "platform/string_grid.h"

namespace kovia {

namespace {

std::string utf8(const QString& text) { return text.toStdString(); }

std::string textList(const QStringList& lines) {
  std::string out = "[";
  for (qsizetype i = 0; i < lines.size(); ++i) {
    if (i > 0) out += ", ";
    out += jsonString(utf8(lines[i]));
  }
  return out + "]";
}

JsonObject header(const std::string& name, const char* kind) {
  JsonObject o;
  o.add("name", name).add("kind", kind);
  return o;
}

// The caption of a page of a page control (a page lives in the control's stack).
bool addPageCaption(JsonObject& o, const QWidget& widget) {
  const QWidget* stack = widget.parentWidget();
  if (stack == nullptr || qobject_cast<const QStackedWidget*>(stack) == nullptr) return false;
  const auto* pages = qobject_cast<const PageControl*>(stack->parentWidget());
  if (pages == nullptr) return false;
  const int index = pages->indexOf(const_cast<QWidget*>(&widget));
  if (index < 0) return false;
  o.add("text", utf8(pages->tabText(index)));
  return true;
}

}  // namespace

std::string colorText(Color color) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "0x%08X", static_cast<unsigned>(color));
  return buf;
}

std::string dumpGrid(const std::string& name, const StringGrid& grid) {
  const int rows = grid.RowCount();
  const int cols = grid.ColCount();
  std::string cells = "[";
  for (int r = 0; r < rows; ++r) {
    if (r > 0) cells += ", ";
    cells += '[';
    for (int c = 0; c < cols; ++c) {
      if (c > 0) cells += ", ";
      cells += jsonString(utf8(grid.displayText(c, r)));
    }
    cells += ']';
  }
  cells += ']';
  return header(name, "grid").add("rowCount", rows).add("colCount", cols).addRaw("cells", cells).str();
}

std::string dumpSeries(const std::string& name, const Series& series) {
  std::string points = "[";
  for (int i = 0; i < series.count(); ++i) {
    if (i > 0) points += ", ";
    points += '[' + jsonNumber(series.xValue(i)) + ", " + jsonNumber(series.yValue(i)) + ", " +
              jsonString(colorText(series.color(i))) + ']';
  }
  points += ']';
  return header(name, "series")
      .addRaw("points", points)
      .add("visible", series.visible())
      .add("pointerStyle", pointerStyleName(series.pointerStyle()))
      .add("horizSize", series.horizSize())
      .add("vertSize", series.vertSize())
      .add("marksVisible", series.marksVisible())
      .add("lineVisible", series.lineVisible())
      .str();
}

std::string dumpChart(const std::string& name, const Chart& chart) {
  return header(name, "chart")
      .addRaw("title", textList(chart.title().lines()))
      .addRaw("foot", textList(chart.foot().lines()))
      .add("leftTitle", utf8(chart.leftAxis()->titleCaption()))
      .add("bottomTitle", utf8(chart.bottomAxis()->titleCaption()))
      .add("view3D", chart.view3D())
      .add("elevation", chart.elevation())
      .add("rotation", chart.rotation())
      .add("zoomed", chart.zoomed())
      .str();
}

std::string dumpAxis(const std::string& name, const Axis& axis) {
  return header(name, "axis")
      .add("min", axis.minimum())
      .add("max", axis.maximum())
      .add("automatic", axis.automatic())
      .add("automaticMinimum", axis.automaticMinimum())
      .add("automaticMaximum", axis.automaticMaximum())
      .add("logarithmic", axis.logarithmic())
      .add("minorGridVisible", axis.minorGridVisible())
      .str();
}

std::string dumpControl(const std::string& name, const QObject& object) {
  JsonObject o = header(name, "control");
  if (const auto* action = qobject_cast<const QAction*>(&object)) {
    o.add("enabled", action->isEnabled()).add("visible", action->isVisible());
    if (action->isCheckable()) o.add("checked", action->isChecked());
    return o.add("text", utf8(action->text())).str();
  }
  if (!object.isWidgetType()) return {};
  const auto& widget = static_cast<const QWidget&>(object);
  o.add("enabled", widget.isEnabled()).add("visible", widget.isVisible());

  if (const auto* button = qobject_cast<const QAbstractButton*>(&object)) {
    if (button->isCheckable()) o.add("checked", button->isChecked());
    // A tool button of the strip shows its picture, not a text.
    if (qobject_cast<const QToolButton*>(&object) == nullptr) o.add("text", utf8(button->text()));
  } else if (const auto* edit = qobject_cast<const Edit*>(&object)) {
    o.add("text", utf8(edit->text())).add("readOnly", edit->isReadOnly());
  } else if (const auto* memo = qobject_cast<const Memo*>(&object)) {
    o.add("text", utf8(memo->displayText()));
  } else if (const auto* plain = qobject_cast<const QPlainTextEdit*>(&object)) {
    o.add("text", utf8(plain->toPlainText())).add("readOnly", plain->isReadOnly());
  } else if (const auto* rich = qobject_cast<const QTextEdit*>(&object)) {
    o.add("text", utf8(rich->toPlainText())).add("readOnly", rich->isReadOnly());
  } else if (const auto* group = qobject_cast<const RadioGroup*>(&object)) {
    o.add("text", utf8(group->title())).add("itemIndex", group->ItemIndex());
  } else if (const auto* combo = qobject_cast<const ComboBox*>(&object)) {
    o.add("text", utf8(combo->currentText())).add("itemIndex", combo->ItemIndex());
  } else if (const auto* pages = qobject_cast<const PageControl*>(&object)) {
    o.add("itemIndex", pages->ActivePageIndex());
  } else if (const auto* bar = qobject_cast<const ScrollBar*>(&object)) {
    o.add("position", bar->Position());
  } else if (const auto* upDown = qobject_cast<const UpDown*>(&object)) {
    o.add("position", upDown->Position());
  } else if (const auto* label = qobject_cast<const QLabel*>(&object)) {
    o.add("text", utf8(label->text()));
  } else if (const auto* box = qobject_cast<const QGroupBox*>(&object)) {
    o.add("text", utf8(box->title()));
  } else {
    addPageCaption(o, widget);
  }
  return o.str();
}

std::string dumpForm(const std::string& name, QWidget& form) {
  JsonObject o = header(name, "form");
  o.add("caption", utf8(form.windowTitle())).add("visible", form.isVisible());
  if (const PageControl* pages = pageControlOf(&form)) o.add("activePage", pages->ActivePageIndex());
  return o.str();
}

std::string dumpAbsentForm(const std::string& name) { return header(name, "form").add("absent", true).str(); }

std::string dumpState(const std::string& name, const std::vector<StateField>& fields) {
  JsonObject o = header(name, "state");
  for (const StateField& field : fields) {
    const bool colour = field.name.size() > 5 && field.name.ends_with("Color");
    std::visit(
        [&](const auto& value) {
          using T = std::decay_t<decltype(value)>;
          if constexpr (std::is_same_v<T, long long>) {
            if (colour && value >= 0 && value <= 0xFFFFFFFFLL) {
              o.add(field.name, colorText(static_cast<Color>(value)));
            } else {
              o.add(field.name, value);
            }
          } else if constexpr (std::is_same_v<T, std::vector<long long>>) {
            std::string list = "[";
            for (std::size_t i = 0; i < value.size(); ++i) list += (i > 0 ? ", " : "") + std::to_string(value[i]);
            o.addRaw(field.name, list + "]");
          } else {
            o.add(field.name, value);
          }
        },
        field.value);
  }
  return o.str();
}

// ---- the runner's dump step ----

void ScenarioRunner::dump(const ScenarioStep& step) {
  const std::string& written = step.args[0];
  std::string variable = written, rest;
  splitQualifiedName(written, variable, rest);

  if (rest.empty()) {
    if (const StateDescriber* record = findStateRecord(written)) {
      print_(dumpState(written, (*record)()));
      return;
    }
    if (written != "this" && !isFormVariableName(QString::fromStdString(written))) {
      fail(step, "no hay ningún formulario ni registro de estado " + written);
    }
  }
  if (variable != "this" && FormRegistry::find(QString::fromStdString(variable)) == nullptr &&
      isFormVariableName(QString::fromStdString(variable))) {
    print_(dumpAbsentForm(written));
    return;
  }
  QWidget* form = formNamed(step, variable);
  if (rest.empty()) {
    print_(dumpForm(written, *form));
    return;
  }

  QObject* object = findControl(form, QString::fromStdString(rest));
  if (object == nullptr) {
    // FORM.CHART.LeftAxis and the other three axes.
    static const char* const kAxes[] = {"LeftAxis", "BottomAxis", "RightAxis", "TopAxis"};
    const auto dot = rest.rfind('.');
    if (dot != std::string::npos) {
      auto* chart = qobject_cast<Chart*>(findControl(form, QString::fromStdString(rest.substr(0, dot))));
      const std::string axisName = rest.substr(dot + 1);
      for (int a = 0; a < 4 && chart != nullptr; ++a) {
        if (axisName == kAxes[a]) {
          print_(dumpAxis(written, *chart->axis(static_cast<Axis::Position>(a))));
          return;
        }
      }
    }
    fail(step, variable + " no tiene ningún control " + rest);
  }
  if (const auto* grid = qobject_cast<const StringGrid*>(object)) {
    print_(dumpGrid(written, *grid));
  } else if (const auto* series = qobject_cast<const Series*>(object)) {
    print_(dumpSeries(written, *series));
  } else if (const auto* chart = qobject_cast<const Chart*>(object)) {
    print_(dumpChart(written, *chart));
  } else if (std::string line = dumpControl(written, *object); !line.empty()) {
    print_(line);
  } else {
    fail(step, "no se puede mostrar " + written);
  }
}

}  // namespace kovia
