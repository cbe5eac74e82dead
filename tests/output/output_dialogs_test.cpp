// The save-options and print-options dialogs as the operator first sees them, and the
// certificate page's design.
#include <gtest/gtest.h>

#include <QApplication>
#include <functional>
#include <memory>

#include "doc_pictures.h"
#include "form_layout.h"
#include "output/Guarda_kovia.h"
#include "output/Guardaph_kovia.h"
#include "output/Imprimir_kovia.h"
#include "output/Imprimirph_kovia.h"
#include "output/Pri_cer_fas1_kovia.h"
#include "platform/qt_operator.h"
#include "platform/scripted_operator.h"

namespace kovia {
namespace {

using kovia::testing::layoutProblems;
using kovia::testing::namesTopToBottom;
using kovia::testing::saveForDocs;

// The dialogs are checked in the look the program gives them (Liberation Sans, Fusion).
class OutputDialogs : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { installPlatformLook(*qApp); }
};

struct OptionDialogCase {
  const char* form;
  const char* picture;
  std::function<std::unique_ptr<DialogForm>()> create;
  QString caption;
  QString group;
  QStringList boxes;     // names, top to bottom
  QStringList captions;  // their captions, top to bottom
  QString confirm;
  bool printerSetup;
};

TEST_F(OutputDialogs, OptionsInTheirOnScreenOrderDisabledAndUnticked) {
  const OptionDialogCase cases[] = {
      {"TForm13",
       "save_options_frequency.png",
       [] { return std::make_unique<TForm13>(); },
       QStringLiteral("Guardando info de Frecuencia"),
       QStringLiteral("Control de Guardado"),
       {"CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4", "CheckBox5", "CheckBox6"},
       {QStringLiteral("Gráfico de datos como imagen BMP"),
        QStringLiteral("Gráfico de desviación como imagen BMP"),
        QStringLiteral("Gráfico de la Raíz de Avar como imagen BMP"), QStringLiteral("Reporte como TXT"),
        QStringLiteral("Datos de la Desviación como TXT"), QStringLiteral("Raíz de la Avar como TXT")},
       QStringLiteral("Guardar"),
       false},
      // CheckBox9 is shown at the top although it is processed last.
      {"TForm14",
       "save_options_phase.png",
       [] { return std::make_unique<TForm14>(); },
       QStringLiteral("Guardando info Fase"),
       QStringLiteral("Control de Guardado"),
       {"CheckBox9", "CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4", "CheckBox5", "CheckBox6",
        "CheckBox7", "CheckBox8"},
       {QStringLiteral("Datos Originales Modificados"), QStringLiteral("Gráfico de datos como imagen BMP"),
        QStringLiteral("Gráfico de fase acumulada como imagen BMP"),
        QStringLiteral("Gráfico de Residuos como imagen BMP"),
        QStringLiteral("Gráfico de Raíz de Avar como BMP"),
        QStringLiteral("Datos de la fase acumulada como TXT"),
        QStringLiteral("Datos de los residuos como TXT"), QStringLiteral("Raíz de la Avar como TXT"),
        QStringLiteral("Reporte")},
       QStringLiteral("Guardar"),
       false},
      // There is no CheckBox5 in this dialog.
      {"TForm8",
       "print_options_frequency.png",
       [] { return std::make_unique<TForm8>(); },
       QStringLiteral("Imprimiendo info Frecuencia"),
       QStringLiteral("Control de Impresión"),
       {"CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4", "CheckBox6"},
       {QStringLiteral("Gráfico de datos"), QStringLiteral("Gráfico de desviación"),
        QStringLiteral("Gráfico de la Raíz de Avar"), QStringLiteral("Reporte"),
        QStringLiteral("Raíz de la Avar")},
       QStringLiteral("Imprimir"),
       true},
      {"TForm15",
       "print_options_phase.png",
       [] { return std::make_unique<TForm15>(); },
       QStringLiteral("Imprimiendo info Fase"),
       QStringLiteral("Control de Impresión"),
       {"CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4", "CheckBox5", "CheckBox6"},
       {QStringLiteral("Gráfico de datos"), QStringLiteral("Gráfico de Fase acumulada"),
        QStringLiteral("Gráfico de Residuos"), QStringLiteral("Gráfico de la Raíz de Avar"),
        QStringLiteral("Raíz de la Avar"), QStringLiteral("Reporte")},
       QStringLiteral("Imprimir"),
       true},
  };
  for (const OptionDialogCase& c : cases) {
    SCOPED_TRACE(c.form);
    std::unique_ptr<DialogForm> form = c.create();
    EXPECT_EQ(formClassName(*form), QString::fromLatin1(c.form));
    EXPECT_EQ(form->Caption(), c.caption);
    auto* group = form->findChild<QGroupBox*>(QStringLiteral("GroupBox1"));
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->title(), c.group);
    EXPECT_EQ(namesTopToBottom<CheckBox>(*form), c.boxes);
    QStringList captions;
    for (const QString& name : c.boxes) {
      auto* box = form->findChild<CheckBox*>(name);
      ASSERT_NE(box, nullptr) << name.toStdString();
      EXPECT_EQ(box->parentWidget(), group);
      EXPECT_FALSE(box->isEnabled()) << name.toStdString();
      EXPECT_FALSE(box->Checked()) << name.toStdString();
      captions << box->text();
    }
    EXPECT_EQ(captions, c.captions);

    auto* confirm = form->findChild<BitBtn*>(QStringLiteral("BitBtn1"));
    ASSERT_NE(confirm, nullptr);
    EXPECT_EQ(confirm->text(), c.confirm);
    EXPECT_FALSE(confirm->icon().pixmap(16, 16).isNull());
    auto* setup = form->findChild<BitBtn*>(QStringLiteral("BitBtn2"));
    EXPECT_EQ(setup != nullptr, c.printerSetup);
    if (setup != nullptr) {
      EXPECT_TRUE(setup->text().isEmpty());  // a picture without caption
      EXPECT_FALSE(setup->icon().pixmap(16, 16).isNull());
      EXPECT_FALSE(setup->isEnabled());
    }
    EXPECT_EQ(layoutProblems(*form), QStringList());

    // The confirm button ends the modal showing with mrOk.
    ScriptedOperator op;
    OperatorScope scope(op);
    op.queueModal(QString::fromLatin1(c.form), [&](DialogForm&) { EXPECT_TRUE(confirm->userClick()); });
    EXPECT_EQ(form->ShowModal(), mrOk);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(op.failure(), nullptr);
    saveForDocs(*form, c.picture);
  }
}

TEST_F(OutputDialogs, CertificatePageIsALandscapeLetterPageWithTheDesignedChart) {
  TForm18 form;
  EXPECT_EQ(form.Caption(), QStringLiteral("Pre-Impresión"));
  EXPECT_FALSE(form.windowFlags().testFlag(Qt::WindowCloseButtonHint));
  // 279.4 × 215.9 mm at 96 dots per inch; the chart 12.7 / 16.9 mm into the band, 195.3 × 161.4 mm.
  EXPECT_EQ(form.QuickRep1->size(), QSize(1056, 816));
  EXPECT_EQ(form.DetailBand1->geometry(), QRect(38, 38, 980, 748));
  EXPECT_EQ(form.QRChart1->geometry(), QRect(48, 64, 738, 610));
  EXPECT_EQ(form.QRDBChart1->size(), form.QRChart1->size());

  const Chart& chart = *form.QRDBChart1;
  EXPECT_EQ(chart.title().lines(),
            (QStringList{QStringLiteral("MEDICIONES DE DIFERENCIA DE FASE"), QStringLiteral("FIGURA 1")}));
  EXPECT_EQ(chart.title().font().pixelSize(), 19);
  EXPECT_EQ(chart.foot().lines(), QStringList{QStringLiteral("(10 horas de medición con TAU= 1s)")});
  EXPECT_EQ(chart.foot().font().pixelSize(), 12);
  EXPECT_FALSE(chart.legendVisible());
  EXPECT_FALSE(chart.view3D());
  EXPECT_EQ(chart.bottomAxis()->titleCaption(), QStringLiteral("DATOS"));
  EXPECT_EQ(chart.leftAxis()->titleCaption(), QStringLiteral("TIEMPO (s)"));
  EXPECT_EQ(chart.leftAxis()->labelFormat(), QStringLiteral("0.00E+00"));
  for (const Axis* axis : {chart.bottomAxis(), chart.leftAxis()}) {
    EXPECT_FALSE(axis->axisPen().visible);
    EXPECT_EQ(axis->gridPen().color, 0x00EBEBEBu);
    EXPECT_TRUE(axis->minorGridVisible());
    EXPECT_EQ(axis->minorGridPen().color, 0x00EBEBEBu);
    EXPECT_EQ(axis->minorTickCount(), 8);
  }

  struct SeriesCase {
    const char* name;
    SeriesKind kind;
    Color color;
  };
  const SeriesCase series[] = {{"Series1", SeriesKind::Point, 0x00800000},
                               {"Series2", SeriesKind::Point, 0x00FF00FF},
                               {"Series3", SeriesKind::Point, 0x00FF00FF},
                               {"Series4", SeriesKind::Line, 0x000000FF}};
  ASSERT_EQ(chart.seriesCount(), 4);
  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE(series[i].name);
    const Series* s = chart.series(i);
    EXPECT_EQ(s->objectName(), QString::fromLatin1(series[i].name));
    EXPECT_EQ(s->kind(), series[i].kind);
    EXPECT_EQ(s->seriesColor(), series[i].color);
    EXPECT_FALSE(s->marksVisible());
  }
  EXPECT_EQ(chart.series(0)->pointerStyle(), PointerStyle::Diamond);
  EXPECT_EQ(chart.series(0)->horizSize(), 2);
  EXPECT_EQ(chart.series(0)->vertSize(), 2);
  EXPECT_EQ(chart.series(1)->vertSize(), 1);
  EXPECT_FALSE(chart.series(3)->pointerVisible());

  EXPECT_EQ(form.Button1->text(), QStringLiteral("Cancel"));
  EXPECT_EQ(form.Button2->text(), QStringLiteral("Continuar"));
  EXPECT_FALSE(form.Button2->isEnabled());
  saveForDocs(form, "certificate_page.png");
  form.show();
  EXPECT_TRUE(form.Button1->userClick());
  EXPECT_FALSE(form.isVisible());
}

}  // namespace
}  // namespace kovia
