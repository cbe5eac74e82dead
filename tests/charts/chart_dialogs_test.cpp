// The dialogs of the chart commands as the operator first sees them: captions, controls in
// their on-screen order, the controls whose commands are not built yet disabled, the close
// buttons, and a layout with nothing clipped or overlapping.
#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

#include "charts/Coloravar_kovia.h"
#include "charts/Fuente_kovia.h"
#include "charts/Gradiente_kovia.h"
#include "charts/Vinetasph_kovia.h"
#include "doc_pictures.h"
#include "form_layout.h"
#include "platform/qt_operator.h"
#include "platform/scripted_operator.h"

namespace kovia {
namespace {

using kovia::testing::layoutProblems;
using kovia::testing::namesTopToBottom;
using kovia::testing::saveForDocs;

// Shows `form` modally through a scripted operator, presses its close button and returns the
// modal result; the form must have left the screen.
template <class T>
int showAndClose(T& form, Button* closeButton) {
  ScriptedOperator op;
  OperatorScope scope(op);
  bool pressed = false;
  op.queueModal(formClassName(form), [&](DialogForm&) { pressed = closeButton->userClick(); });
  const int result = form.ShowModal();
  EXPECT_TRUE(pressed);
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(op.failure(), nullptr);
  return result;
}

// The dialogs are checked in the look the program gives them (Liberation Sans, Fusion).
class ChartDialogs : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { installPlatformLook(*qApp); }
};

QStringList buttonTexts(const QWidget& form) {
  QStringList texts;
  for (const QString& name : namesTopToBottom<QAbstractButton>(form)) {
    texts << form.findChild<QAbstractButton*>(name)->text();
  }
  return texts;
}

TEST_F(ChartDialogs, PointDialog) {
  TForm17 form;
  EXPECT_EQ(form.Caption(), QStringLiteral("Propiedades de las Viñetas"));
  EXPECT_EQ(form.GroupBox1->title(), QStringLiteral("Color"));
  EXPECT_EQ(form.GroupBox2->title(), QStringLiteral("Tamaño "));
  EXPECT_EQ(form.Button1->text(), QStringLiteral("Button1"));
  EXPECT_EQ(form.RadioGroup1->title(), QStringLiteral("Estilo"));
  EXPECT_EQ(form.RadioGroup1->Items(),
            (QStringList{QStringLiteral("Diamante"), QStringLiteral("Círculo"), QStringLiteral("Cuadrado"),
                         QStringLiteral("Raya"), QStringLiteral("Triángulo"), QStringLiteral("Cruz")}));
  EXPECT_EQ(form.RadioGroup1->ItemIndex(), -1);
  EXPECT_EQ(form.Edit1->text(), QStringLiteral("1"));
  EXPECT_EQ(form.UpDown1->associate(), form.Edit1);
  EXPECT_EQ(form.UpDown1->Min(), 1);
  EXPECT_EQ(form.UpDown1->Max(), 15);
  EXPECT_EQ(form.UpDown1->Position(), 1);
  EXPECT_FALSE(form.UpDown1->wrap());
  EXPECT_LT(form.UpDown1->x(), form.Edit1->x());  // arrows on the left
  for (QWidget* later :
       std::initializer_list<QWidget*>{form.Button1, form.RadioGroup1, form.Edit1, form.UpDown1}) {
    EXPECT_FALSE(later->isEnabled()) << later->objectName().toStdString();
  }
  EXPECT_EQ(form.Button2->text(), QStringLiteral("Aceptar"));
  EXPECT_EQ(layoutProblems(form), QStringList());
  EXPECT_EQ(showAndClose(form, form.Button2), mrCancel);
  saveForDocs(form, "point_dialog.png");
}

TEST_F(ChartDialogs, AllanColourDialog) {
  TForm9 form;
  EXPECT_EQ(form.Caption(), QStringLiteral("Establece Color RAvar"));
  EXPECT_EQ(form.GroupBox1->title(), QStringLiteral("Color"));
  EXPECT_EQ(buttonTexts(form),
            (QStringList{QStringLiteral("Raíz de Avar"), QStringLiteral("Barras de Incer..."),
                         QStringLiteral("Aceptar")}));
  EXPECT_FALSE(form.BitBtn1->isEnabled());
  EXPECT_FALSE(form.BitBtn2->isEnabled());
  // Each swatch sits beside its button.
  EXPECT_EQ(form.Shape1->y(), form.BitBtn1->y());
  EXPECT_EQ(form.Shape2->y(), form.BitBtn2->y());
  EXPECT_EQ(layoutProblems(form), QStringList());
  EXPECT_EQ(showAndClose(form, form.BitBtn3), mrCancel);
  saveForDocs(form, "allan_colour_dialog.png");
}

TEST_F(ChartDialogs, TitlesDialog) {
  TForm10 form;
  EXPECT_EQ(form.Caption(), QStringLiteral("Títulos"));
  EXPECT_EQ(form.GroupBox1->title(), QStringLiteral("Títulos del Gráfico"));
  EXPECT_EQ(namesTopToBottom<QLabel>(form),
            (QStringList{QStringLiteral("Label1"), QStringLiteral("Label2"), QStringLiteral("Label3")}));
  EXPECT_EQ(form.Label1->text(), QStringLiteral(" Título"));
  EXPECT_EQ(form.Label2->text(), QStringLiteral("Eje \"X\""));
  EXPECT_EQ(form.Label3->text(), QStringLiteral("Eje \"Y\""));
  // Each memo lies below its label.
  EXPECT_GT(form.Memo1->y(), form.Label1->y());
  EXPECT_GT(form.Memo2->y(), form.Label2->y());
  EXPECT_GT(form.Memo3->y(), form.Label3->y());
  EXPECT_EQ(form.BitBtn3->text(), QStringLiteral("Color"));
  EXPECT_FALSE(form.BitBtn3->isEnabled());
  EXPECT_EQ(form.BitBtn1->text(), QStringLiteral("Aceptar"));
  // The buttons sit beside the group.
  EXPECT_GT(form.BitBtn1->x(), form.GroupBox1->geometry().right());
  EXPECT_EQ(layoutProblems(form), QStringList());
  EXPECT_EQ(showAndClose(form, form.BitBtn1), mrCancel);
  saveForDocs(form, "titles_dialog.png");
}

TEST_F(ChartDialogs, PanelDialog) {
  TForm11 form;
  EXPECT_EQ(form.Caption(), QStringLiteral("Color del Panel"));
  EXPECT_EQ(form.GroupBox1->title(), QStringLiteral("Gradiente"));
  EXPECT_EQ(form.GroupBox2->title(), QString());
  EXPECT_EQ(form.GroupBox2->parentWidget(), form.GroupBox1);
  EXPECT_EQ(form.GroupBox3->title(), QStringLiteral("Color Ejes"));
  EXPECT_EQ(form.GroupBox4->title(), QStringLiteral("3D"));

  struct Case {
    BitBtn* button;
    QString caption;
    Shape* swatch;
    QGroupBox* group;
  };
  const Case cases[] = {
      {form.BitBtn1, QStringLiteral("Color inicio"), form.Shape1, form.GroupBox1},
      {form.BitBtn2, QStringLiteral("Color Fin"), form.Shape2, form.GroupBox1},
      {form.BitBtn4, QStringLiteral("Color "), form.Shape3, form.GroupBox2},
      {form.BitBtn5, QStringLiteral("Ejes"), form.Shape4, form.GroupBox3},
      {form.BitBtn6, QStringLiteral("Grid"), form.Shape5, form.GroupBox3},
      {form.BitBtn7, QStringLiteral("Pared Izq."), form.Shape6, form.GroupBox4},
      {form.BitBtn8, QStringLiteral("Pared Fon."), form.Shape7, form.GroupBox4},
      {form.BitBtn9, QStringLiteral("Pared Aba."), form.Shape8, form.GroupBox4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.caption.toStdString());
    EXPECT_EQ(c.button->text(), c.caption);
    EXPECT_EQ(c.button->parentWidget(), c.group);
    EXPECT_EQ(c.swatch->parentWidget(), c.group);
    EXPECT_EQ(c.swatch->y(), c.button->y());  // beside its button
    EXPECT_FALSE(c.button->isEnabled());
  }
  EXPECT_EQ(form.CheckBox1->text(), QStringLiteral("Visible"));
  EXPECT_EQ(form.CheckBox2->text(), QString());
  EXPECT_FALSE(form.CheckBox1->Checked());
  EXPECT_FALSE(form.CheckBox2->Checked());
  EXPECT_EQ(form.Label1->text(), QStringLiteral("Dirección:"));
  QStringList directions;
  for (int i = 0; i < form.ComboBox1->count(); ++i) directions << form.ComboBox1->itemText(i);
  EXPECT_EQ(directions,
            (QStringList{QStringLiteral("TopBot"), QStringLiteral("BotTop"), QStringLiteral("LefRig"),
                         QStringLiteral("RigLef"), QStringLiteral("FrCenter"), QStringLiteral("FrTopLeft"),
                         QStringLiteral("FrBotLef")}));
  EXPECT_EQ(form.ComboBox1->ItemIndex(), 0);
  EXPECT_EQ(form.BitBtn3->text(), QStringLiteral("Aceptar"));
  EXPECT_EQ(layoutProblems(form), QStringList());
  EXPECT_EQ(showAndClose(form, form.BitBtn3), mrCancel);
  saveForDocs(form, "panel_dialog.png");
}

TEST_F(ChartDialogs, ASwatchShowsTheColourItHolds) {
  Shape swatch;
  swatch.resize(20, 10);
  swatch.setBrushColor(0x000080FF);  // $00BBGGRR: orange
  const QImage picture = swatch.grab().toImage();
  EXPECT_EQ(picture.pixelColor(10, 5), QColor(0xFF, 0x80, 0x00));
  EXPECT_EQ(picture.pixelColor(0, 0), QColor(Qt::black));  // the outline
  EXPECT_EQ(swatch.BrushColor(), 0x000080FFu);
}

}  // namespace
}  // namespace kovia
