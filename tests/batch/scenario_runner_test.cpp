// The scenario runner over a demonstration window: operator steps and the events they raise,
// controls out of reach, dialog answers and modal blocks, exit statuses, and dump shapes.
#include "batch/scenario_runner.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QPointer>

#include "batch/scenario_script.h"
#include "platform/scripted_operator.h"
#include "platform/state_registry.h"
#include "scenario_demo_form.h"

namespace kovia {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::StartsWith;
using Log = std::vector<std::string>;

class ScenarioRunnerTest : public ::testing::Test {
 protected:
  struct Result {
    int status = 0;
    std::string error;
    std::vector<std::string> lines;
  };

  ScenarioRunnerTest() { freshForm(); }
  ~ScenarioRunnerTest() override { delete form_.data(); }

  void freshForm() {
    delete form_.data();
    form_ = new TDemoForm;
    FormRegistry::set(QStringLiteral("FormDemo"), form_);
    form_->show();
  }

  // Runs `text` with FormDemo as the main window when `mainForm` is set.
  Result run(const std::string& text, bool mainForm = false) {
    ScriptedOperator op;
    OperatorScope scope(op);
    Result result;
    ScenarioRunner runner(
        op, [&](const std::string& line) { result.lines.push_back(line); }, QStringLiteral("/datos/escenarios"));
    if (mainForm) runner.setMainForm(QStringLiteral("FormDemo"));
    const ScenarioOutcome outcome = runner.run(parseScenario(text));
    result.status = outcome.status;
    result.error = outcome.error;
    return result;
  }

  QPointer<TDemoForm> form_;
};

TEST_F(ScenarioRunnerTest, OperatorStepsRaiseTheEventsTheScreenRaises) {
  const Result r = run(
      "type FormDemo.Edit1 \"12.5\"\n"
      "key FormDemo.Edit1 enter\n"
      "choose FormDemo.RadioGroup1 2\n"
      "choose FormDemo.RadioGroup1 2\n"  // the checked item again: no click
      "tick FormDemo.CheckBox1 on\n"
      "tick FormDemo.CheckBox1 on\n"  // unchanged: no click
      "cell FormDemo.StringGrid1 1 2 \"Año\"\n"
      "select FormDemo.StringGrid1 1 2\n"
      "key FormDemo.StringGrid1 enter\n"
      "scroll FormDemo.ScrollBar1 40\n"
      "press FormDemo.BitBtn1\n"
      "choose FormDemo.PageControl1 1\n"
      "press FormDemo.BitBtn6\n");
  EXPECT_EQ(r.status, 0) << r.error;
  EXPECT_THAT(form_->log, ElementsAre("edit 12.5", "edit key 13", "noise 2", "tick on", "select 1 2", "grid key 13",
                                      "scroll 40", "press BitBtn1", "page 1", "press BitBtn6"));
  EXPECT_EQ(form_->StringGrid1->Cells(1, 2), "A\xF1o");  // typed text kept as Windows-1252
  EXPECT_TRUE(r.lines.empty());
}

TEST_F(ScenarioRunnerTest, ControlsOutOfReachTakeNoStep) {
  const Result r = run(
      "press FormDemo.BitBtn2\n"          // disabled
      "press FormDemo.Cerrar1\n"          // disabled menu item
      "press FormDemo.BitBtn6\n"          // on the page not on show
      "type FormDemo.Edit2 \"otro\"\n"    // read-only
      "key FormDemo.Edit2 enter\n");      // a read-only field still takes keys
  EXPECT_EQ(r.status, 0) << r.error;
  EXPECT_EQ(form_->Edit2->Text(), "fijo");
  EXPECT_TRUE(form_->log.empty());

  form_->hide();
  const Result hidden = run("press FormDemo.BitBtn1\npress FormDemo.Abrir1\ntick FormDemo.CheckBox1 on\n");
  EXPECT_EQ(hidden.status, 0) << hidden.error;
  EXPECT_TRUE(form_->log.empty());
  EXPECT_FALSE(form_->CheckBox1->Checked());
}

TEST_F(ScenarioRunnerTest, AnswersGoToTheDialogsInOrderAndRelativePathsToTheScenarioFolder) {
  const Result r = run(
      "open datos/frecuencia.txt 2\n"
      "press FormDemo.SpeedButton1\n"
      "open /tmp/b.txt\n"
      "press FormDemo.Abrir1\n"
      "open cancel\n"
      "press FormDemo.SpeedButton1\n"
      "color 0x00112233\n"
      "press FormDemo.Acercade1\n");
  EXPECT_EQ(r.status, 0) << r.error;
  EXPECT_THAT(r.lines, ElementsAre(R"({"message": "/datos/escenarios/datos/frecuencia.txt|2"})",
                                   R"({"message": "/tmp/b.txt|1"})"));
  EXPECT_THAT(form_->log, ElementsAre("open cancelled", "Acercade1Click Acercade1 1122867"));
}

TEST_F(ScenarioRunnerTest, ModalBlocksRunOnTheDialogTheyAnswer) {
  const Result r = run(
      "modal TDemoDialog\n"
      "  type this.Edit1 \"10000000\"\n"
      "  key this.Edit1 enter\n"
      "  press FormDemo.BitBtn1\n"  // behind the modal dialog: out of reach
      "  dump this.Edit1\n"
      "  press this.BitBtn1\n"
      "end\n"
      "press FormDemo.BitBtn3\n"
      "modal TDemoDialog\n"
      "  type this.Edit1 \"5\"\n"
      "end\n"
      "press FormDemo.BitBtn3\n"  // left open: closed as with its close box
      "dump FormDialog\n");
  EXPECT_EQ(r.status, 0) << r.error;
  EXPECT_THAT(form_->log, ElementsAre("modal 1 10000000", "modal 2 5"));
  EXPECT_THAT(r.lines,
              ElementsAre(R"({"name": "this.Edit1", "kind": "control", "enabled": true, "visible": true, )"
                          R"("text": "10000000", "readOnly": true})",
                          R"({"name": "FormDialog", "kind": "form", "absent": true})"));
}

TEST_F(ScenarioRunnerTest, MessageAndErrorBoxesPrintAsTheyAppear) {
  const Result r = run(
      "press FormDemo.BitBtn4\n"
      "call FormDemo.BitBtn4Click\n"
      "press FormDemo.BitBtn1\n"
      "dump FormDemo.PageControl1\n");
  EXPECT_EQ(r.status, 0) << r.error;
  EXPECT_THAT(r.lines, ElementsAre(R"({"message": "'1,5' is not a valid floating point value"})",
                                   R"({"message": "'1,5' is not a valid floating point value"})",
                                   R"({"name": "FormDemo.PageControl1", "kind": "control", "enabled": true, )"
                                   R"("visible": true, "itemIndex": 0})"));
  EXPECT_THAT(form_->log, ElementsAre("press BitBtn1"));
}

TEST_F(ScenarioRunnerTest, CallRunsAHandlerWithItsSenderEvenWhenTheControlIsDisabled) {
  form_->BitBtn1->setEnabled(false);
  const Result r = run(
      "press FormDemo.BitBtn1\n"
      "call FormDemo.BitBtn1Click\n"
      "color cancel\n"
      "call FormDemo.Acercade1Click\n");
  EXPECT_EQ(r.status, 0) << r.error;
  EXPECT_THAT(form_->log, ElementsAre("press BitBtn1", "Acercade1Click Acercade1 cancel"));
}

TEST_F(ScenarioRunnerTest, ClickPointPressesAtThePixelOfThePointOnShow) {
  Series* hidden = form_->Series1;
  hidden->addXY(5, 5);
  hidden->setVisible(false);
  Series* shown = form_->Chart1->addSeries(QStringLiteral("Series2"), SeriesKind::Point);
  shown->addXY(0, 1);
  shown->addXY(1, 2);
  shown->addXY(1, 2);  // drawn over point 1: the lower index wins
  shown->addXY(2, 0.5);
  const Result r = run(
      "choose FormDemo.PageControl1 1\n"
      "clickpoint FormDemo.Chart1 0\n"
      "clickpoint FormDemo.Chart1 2 right\n"
      "clickpoint FormDemo.Chart1 3\n"
      "dblclick FormDemo.Chart1\n");
  EXPECT_EQ(r.status, 0) << r.error;
  EXPECT_THAT(form_->log, ElementsAre("page 1", "point Series2 0 left", "point Series2 1 right",
                                      "point Series2 3 left", "chart dblclick"));
}

TEST_F(ScenarioRunnerTest, ExitStatusesNameTheLineThatStoppedTheRun) {
  struct Case {
    const char* text;
    int status;
    const char* error;  // the start of the error text
    Log log;            // what ran before the run stopped
    bool mainForm = false;
  };
  const Case cases[] = {
      {"press FormDemo.Nada\n", 2, "línea 1: ", {}},
      {"press FormDemo.BitBtn1\npress FormOtra.BitBtn1\npress FormDemo.BitBtn1\n", 2, "línea 2: ", {"press BitBtn1"}},
      {"clickpoint FormDemo.Chart1 0\n", 2, "línea 1: ", {}},  // on the page not on show
      {"choose FormDemo.PageControl1 1\nclickpoint FormDemo.Chart1 0\n", 2, "línea 2: ", {"page 1"}},  // no point
      {"choose FormDemo.RadioGroup1 3\n", 2, "línea 1: ", {}},
      {"select FormDemo.StringGrid1 2 0\n", 2, "línea 1: ", {}},
      {"press FormDemo.Edit1\n", 2, "línea 1: ", {}},
      {"scroll FormDemo.BitBtn1 3\n", 2, "línea 1: ", {}},
      {"call FormDemo.Refill\n", 2, "línea 1: ", {}},  // takes more than the sender
      {"dump FormDemo.Chart1.MiddleAxis\n", 2, "línea 1: ", {}},
      {"dump Nadie\n", 2, "línea 1: ", {}},
      // A malformed step inside a modal block ends the handler that showed the dialog too.
      {"modal TDemoDialog\n  press this.Nada\nend\npress FormDemo.BitBtn3\npress FormDemo.BitBtn1\n", 2, "línea 2: ",
       {}},
      {"press FormDemo.BitBtn5\npress FormDemo.BitBtn1\n", 2, "línea 2: ", {}, true},  // the program has ended
      {"press FormDemo.SpeedButton1\npress FormDemo.BitBtn1\n", 3, "línea 1: ", {}},
      {"modal TDemoDialog\n  press this.BitBtn1\nend\npress FormDemo.BitBtn1\n", 3, "respuestas", {"press BitBtn1"}},
      {"save salida/reporte.txt\n", 3, "respuestas", {}},
  };
  for (const Case& c : cases) {
    freshForm();
    const Result r = run(c.text, c.mainForm);
    EXPECT_EQ(r.status, c.status) << c.text;
    EXPECT_THAT(r.error, StartsWith(c.error)) << c.text;
    EXPECT_EQ(form_->log, c.log) << c.text;
  }
  freshForm();
  const Result unused = run("save salida/reporte.txt\nopen cancel\n");
  EXPECT_THAT(unused.error, HasSubstr("open cancel"));
  EXPECT_THAT(unused.error, HasSubstr("save /datos/escenarios/salida/reporte.txt"));
}

TEST_F(ScenarioRunnerTest, PostedEventsAreDeliveredBeforeEachStep) {
  QMetaObject::invokeMethod(
      form_, [this] { form_->Edit1->setText("puesto en cola"); }, Qt::QueuedConnection);
  const Result r = run("dump FormDemo.Edit1\n");
  EXPECT_THAT(r.lines, ElementsAre(R"({"name": "FormDemo.Edit1", "kind": "control", "enabled": true, )"
                                   R"("visible": true, "text": "puesto en cola", "readOnly": false})"));
}

TEST_F(ScenarioRunnerTest, DumpsHaveTheShapesOfTheirKind) {
  form_->StringGrid1->setCell(0, 0, "\xE9");  // bytes of a file, shown as Windows-1252
  Chart& chart = *form_->Chart1;
  chart.title().setLines({QStringLiteral("MEDICIONES DE FRECUENCIA"), QStringLiteral("FIGURA 1")});
  chart.foot().setText(QStringLiteral("(2 horas de medición con Tau= 60 s)"));
  chart.leftAxis()->setTitleCaption(QStringLiteral("FRECUENCIA (Hz)"));
  chart.bottomAxis()->setTitleCaption(QStringLiteral("DATOS"));
  chart.setView3D(true);
  chart.setElevation(345);
  chart.setRotation(350);
  chart.leftAxis()->setLogarithmic(true);
  chart.leftAxis()->setMinMax(5, 0.5);
  chart.leftAxis()->setMinorGridVisible(true);
  Series& series = *form_->Series1;
  series.addXY(0, 0.1 + 0.2, QString(), colors::kNavy);
  series.addXY(1, 1e-9, QString(), colors::kRed);
  series.setPointerStyle(PointerStyle::Diamond);
  series.setHorizSize(2);
  series.setVertSize(4);
  series.setLineVisible(false);
  series.setMarksVisible(false);
  registerStateRecord("DemoWindowState", [] {
    return std::vector<StateField>{{"nominalFrequencyHz", 0.5},
                                   {"tauSeconds", 10LL},
                                   {"dataPointColor", static_cast<long long>(colors::kNavy)},
                                   {"chart1ShowsPoints", true},
                                   {"titleText", std::string("Año")},
                                   {"saveSelection", std::vector<long long>{1, 0, 1}}};
  });

  const Result r = run(
      "cell FormDemo.StringGrid1 1 2 \"Año\"\n"
      "choose FormDemo.RadioGroup1 1\n"
      "dump FormDemo.StringGrid1\n"
      "dump FormDemo.Series1\n"
      "dump FormDemo.Chart1\n"
      "dump FormDemo.Chart1.LeftAxis\n"
      "dump FormDemo.Chart1.BottomAxis\n"
      "dump FormDemo.RadioGroup1\n"
      "dump FormDemo.CheckBox1\n"
      "dump FormDemo.Cerrar1\n"
      "dump FormDemo.SpeedButton1\n"
      "dump FormDemo.ScrollBar1\n"
      "dump FormDemo.TabSheet2\n"
      "dump FormDemo\n"
      "dump Form17\n"
      "dump Form17.BitBtn1\n"
      "dump DemoWindowState\n");
  EXPECT_EQ(r.status, 0) << r.error;
  EXPECT_THAT(
      r.lines,
      ElementsAre(
          R"({"name": "FormDemo.StringGrid1", "kind": "grid", "rowCount": 3, "colCount": 2, )"
          R"("cells": [["é", ""], ["", ""], ["", "Año"]]})",
          R"({"name": "FormDemo.Series1", "kind": "series", "points": [[0, 0.30000000000000004, "0x00800000"], )"
          R"([1, 1e-09, "0x000000FF"]], "visible": true, "pointerStyle": "diamond", "horizSize": 2, "vertSize": 4, )"
          R"("marksVisible": false, "lineVisible": false})",
          R"({"name": "FormDemo.Chart1", "kind": "chart", "title": ["MEDICIONES DE FRECUENCIA", "FIGURA 1"], )"
          R"j("foot": ["(2 horas de medición con Tau= 60 s)"], "leftTitle": "FRECUENCIA (Hz)", )j"
          R"("bottomTitle": "DATOS", "view3D": true, "elevation": 345, "rotation": 350, "zoomed": false})",
          R"({"name": "FormDemo.Chart1.LeftAxis", "kind": "axis", "min": 0.5, "max": 5, "automatic": false, )"
          R"("automaticMinimum": false, "automaticMaximum": false, "logarithmic": true, "minorGridVisible": true})",
          R"({"name": "FormDemo.Chart1.BottomAxis", "kind": "axis", "min": 0, "max": 1, "automatic": true, )"
          R"("automaticMinimum": true, "automaticMaximum": true, "logarithmic": false, "minorGridVisible": false})",
          R"({"name": "FormDemo.RadioGroup1", "kind": "control", "enabled": true, "visible": true, )"
          R"("text": "Tipo de Ruido", "itemIndex": 1})",
          R"({"name": "FormDemo.CheckBox1", "kind": "control", "enabled": true, "visible": true, )"
          R"("checked": false, "text": "Rejilla"})",
          R"({"name": "FormDemo.Cerrar1", "kind": "control", "enabled": false, "visible": true, "text": "&Cerrar"})",
          R"({"name": "FormDemo.SpeedButton1", "kind": "control", "enabled": true, "visible": true})",
          R"({"name": "FormDemo.ScrollBar1", "kind": "control", "enabled": true, "visible": true, "position": 0})",
          R"({"name": "FormDemo.TabSheet2", "kind": "control", "enabled": true, "visible": false, "text": "Gráfico"})",
          R"({"name": "FormDemo", "kind": "form", "caption": "Demostración", "visible": true, "activePage": 0})",
          R"({"name": "Form17", "kind": "form", "absent": true})",
          R"({"name": "Form17.BitBtn1", "kind": "form", "absent": true})",
          R"({"name": "DemoWindowState", "kind": "state", "nominalFrequencyHz": 0.5, "tauSeconds": 10, )"
          R"("dataPointColor": "0x00800000", "chart1ShowsPoints": true, "titleText": "Año", )"
          R"("saveSelection": [1, 0, 1]})"));
}

}  // namespace
}  // namespace kovia
