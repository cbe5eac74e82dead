// A window built from the platform's parts the way the analysis windows are built: the
// scenario runner's view of it (controls by designed name, handlers as slots, dumped
// properties), and its picture for the documentation (saved when KOVIA_SCREENSHOT_DIR
// names a folder).
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/number_text.h"
#include "platform/choice_controls.h"
#include "platform/command.h"
#include "platform/edit_controls.h"
#include "platform/form.h"
#include "platform/handler_guard.h"
#include "platform/line_store.h"
#include "platform/misc_controls.h"
#include "platform/qt_operator.h"
#include "platform/scripted_operator.h"
#include "platform/string_grid.h"

namespace kovia {

class TFormDemo : public Form {
  Q_OBJECT

 public:
  explicit TFormDemo(QWidget* owner = nullptr) : Form(owner) {
    setCaption(QStringLiteral("Análisis de Mediciones de Frecuencia"));
    QStyle* s = style();
    QMenu* archivo = mainMenu()->addTop(QStringLiteral("Archivo1"), QStringLiteral("&Archivo"));
    QAction* abrir = mainMenu()->addItem(archivo, QStringLiteral("Salir1"), QStringLiteral("&Abrir"));
    QAction* guardar = mainMenu()->addItem(archivo, QStringLiteral("Guardar1"), QStringLiteral("&Guardar"));
    for (const char* top : {"&Propiedades", "P&anel", "&Títulos", "&Gráfico", "&?"}) {
      mainMenu()->addTop(QString(), QString::fromUtf8(top));
    }
    SpeedButton3 = addCommand(QStringLiteral("SpeedButton3"), QStringLiteral("Cargar Archivo de Datos|"),
                              s->standardIcon(QStyle::SP_DialogOpenButton), abrir);
    SpeedButton4 = addCommand(QStringLiteral("SpeedButton4"), QStringLiteral("Guardar|"),
                              s->standardIcon(QStyle::SP_DialogSaveButton), guardar);
    addToolSeparator();
    addToolButton(QStringLiteral("SpeedButton2"), QStringLiteral("Desplazar a la izquierda|"), s->standardIcon(QStyle::SP_ArrowLeft));
    addToolButton(QStringLiteral("SpeedButton10"), QStringLiteral("Desplazar hacia arriba|"), s->standardIcon(QStyle::SP_ArrowUp));
    addToolButton(QStringLiteral("SpeedButton8"), QStringLiteral("Desplazar hacia abajo|"), s->standardIcon(QStyle::SP_ArrowDown));
    addToolButton(QStringLiteral("SpeedButton7"), QStringLiteral("Desplazar a la derecha|"), s->standardIcon(QStyle::SP_ArrowRight));
    addToolButton(QStringLiteral("SpeedButton13"), QStringLiteral("Restablecer|"), s->standardIcon(QStyle::SP_BrowserReload));
    addToolSeparator();
    addToolButton(QStringLiteral("SpeedButton19"), QStringLiteral("Ayuda|"), s->standardIcon(QStyle::SP_MessageBoxQuestion));

    PageControl1 = new PageControl(this, QStringLiteral("PageControl1"));
    QWidget* page = PageControl1->addPage(QStringLiteral("TabSheet1"), QStringLiteral("Datos Originales"));
    PageControl1->addPage(QStringLiteral("TabSheet3"), QStringLiteral("Desviación Fraccional de Frecuencia"));
    PageControl1->addPage(QStringLiteral("TabSheet2"), QStringLiteral("Raíz de la Varianza de Allan"));
    setClientWidget(PageControl1);

    auto* left = new QWidget(page);
    left->setFixedWidth(230);
    auto* column = new QVBoxLayout(left);
    column->setContentsMargins(4, 4, 4, 4);
    auto* header = new QLabel(QStringLiteral("DATOS DE ARCHIVO"));
    header->setAlignment(Qt::AlignCenter);
    header->setStyleSheet(QStringLiteral("font-weight: bold; background: #1f3a68; color: white; padding: 3px;"));
    column->addWidget(header);
    StringGrid1 = new StringGrid(left, QStringLiteral("StringGrid1"));
    StringGrid1->setColCount(2);
    StringGrid1->setFixedRows(1);
    StringGrid1->setColWidth(0, 52);
    StringGrid1->setColWidth(1, 140);
    StringGrid1->setEditing(true);
    column->addWidget(StringGrid1, 1);
    Memo1 = new Memo(left);
    auto* info = new QLabel(QStringLiteral("INFO DE LAS MEDICIONES"));
    info->setAlignment(Qt::AlignCenter);
    info->setStyleSheet(header->styleSheet());
    column->addWidget(info);
    auto* fields = new QGridLayout;
    Edit1 = new Edit(left, QStringLiteral("Edit1"));
    Edit2 = new Edit(left, QStringLiteral("Edit2"));
    Edit3 = new Edit(left, QStringLiteral("Edit3"));
    const char* labels[] = {"Número de Datos", "F Nominal", "F Prom."};
    Edit* edits[] = {Edit1, Edit2, Edit3};
    for (int i = 0; i < 3; ++i) {
      edits[i]->setReadOnly(true);
      fields->addWidget(new QLabel(QString::fromUtf8(labels[i])), i, 0);
      fields->addWidget(edits[i], i, 1);
      fields->addWidget(new QLabel(i == 0 ? QString() : QStringLiteral("Hz")), i, 2);
    }
    column->addLayout(fields);

    auto* right = new QWidget(page);
    auto* rightColumn = new QVBoxLayout(right);
    auto* controls = new QHBoxLayout;
    RadioGroup1 = new RadioGroup(right, QStringLiteral("RadioGroup1"), QStringLiteral("Tipo de Ruido"));
    RadioGroup1->setItems({QStringLiteral("White Phase"), QStringLiteral("Flicker Phase"),
                           QStringLiteral("White Frequency"), QStringLiteral("Flicker Frequency"),
                           QStringLiteral("Random-Walk Frequency")});
    controls->addWidget(RadioGroup1, 1);
    BitBtn5 = new BitBtn(s->standardIcon(QStyle::SP_MediaPlay), right, QStringLiteral("BitBtn5"),
                         QStringLiteral("Calcular"));
    controls->addWidget(BitBtn5, 0, Qt::AlignTop);
    rightColumn->addLayout(controls);
    StringGrid4 = new StringGrid(right, QStringLiteral("StringGrid4"));
    StringGrid4->setColCount(4);
    StringGrid4->setRowCount(1);
    StringGrid4->setFixedRows(1);
    StringGrid4->setDefaultColWidth(120);
    const char* titles[] = {"   Tau", "    Avar ", "   Binf  ", "   Bsup  "};
    for (int c = 0; c < 4; ++c) StringGrid4->setCellText(c, 0, QString::fromLatin1(titles[c]));
    rightColumn->addWidget(StringGrid4, 1);
    auto* row = new QHBoxLayout(page);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(left);
    row->addWidget(right, 1);

    connectHandler(SpeedButton3, &Command::OnClick, this, &TFormDemo::SpeedButton3Click);
    connectHandler(RadioGroup1, &RadioGroup::OnClick, this, &TFormDemo::RadioGroup1Click);
    connectHandler(BitBtn5, &Button::OnClick, this, &TFormDemo::BitBtn5Click);
    connectHandler(StringGrid1, &StringGrid::OnSelectCell, this, &TFormDemo::StringGrid1SelectCell);
    statusBar()->showMessage(QStringLiteral("Listo"));
  }

  Command* SpeedButton3;
  Command* SpeedButton4;
  PageControl* PageControl1;
  StringGrid* StringGrid1;
  Memo* Memo1;
  Edit* Edit1;
  Edit* Edit2;
  Edit* Edit3;
  RadioGroup* RadioGroup1;
  BitBtn* BitBtn5;
  StringGrid* StringGrid4;
  int noiseType = -1;
  int selectedDataRow = 0;

 public slots:
  // A load of readings held in the memo: the grid and the summary follow it.
  void SpeedButton3Click(QObject*) {
    const int n = Memo1->Lines().count();
    StringGrid1->setRowCount(n + 1);
    StringGrid1->setCellText(0, 0, QStringLiteral("     No  "));
    StringGrid1->setCellText(1, 0, QStringLiteral("       Valor   "));
    double sum = 0;
    for (int i = 0; i < n; ++i) {
      StringGrid1->setCell(0, i + 1, integerText(i + 1));
      StringGrid1->setCell(1, i + 1, Memo1->Lines().line(i));
      sum += static_cast<double>(textToFloat(StringGrid1->cellView(1, i + 1), '.'));
    }
    Edit1->setText(integerText(n));
    Edit2->setText("10000000");
    Edit3->setText(generalText(sum / n, 15, '.'));
  }
  // Non-overlapping Allan deviation of the fractional deviations, tau = 2^k readings.
  void BitBtn5Click(QObject*) {
    const int n = StringGrid1->RowCount() - 1;
    std::vector<double> y;
    for (int i = 1; i <= n; ++i) y.push_back((static_cast<double>(textToFloat(StringGrid1->cellView(1, i), '.')) - 1e7) / 1e7);
    int rows = 1;
    for (int m = 1; 2 * m <= n / 2; m *= 2) {
      std::vector<double> means;
      for (int start = 0; start + m <= n; start += m) {
        double sum = 0;
        for (int k = 0; k < m; ++k) sum += y[static_cast<std::size_t>(start + k)];
        means.push_back(sum / m);
      }
      double squares = 0;
      for (std::size_t k = 1; k < means.size(); ++k) squares += (means[k] - means[k - 1]) * (means[k] - means[k - 1]);
      StringGrid4->setRowCount(rows + 1);
      StringGrid4->setCell(0, rows, integerText(m));
      StringGrid4->setCell(1, rows, generalText(std::sqrt(0.5 * squares / static_cast<double>(means.size() - 1)), 7, '.'));
      ++rows;
    }
  }
  void RadioGroup1Click(QObject*) { noiseType = RadioGroup1->ItemIndex(); }
  void StringGrid1SelectCell(QObject*, int, int row, bool&) { selectedDataRow = row; }
};

namespace {

TEST(DemoWindow, ControlsAndHandlersAreReachableByTheirDesignedNames) {
  ScriptedOperator op;
  OperatorScope scope(op);
  TFormDemo form;
  form.Memo1->Lines().loadFromBytes("10000000.0012\r\n9999999.9987\r\n10000000.0004\r\n");

  // What a scenario runner does: find by name, call a handler slot, read properties.
  for (const char* name : {"StringGrid1", "RadioGroup1", "Edit1", "SpeedButton3", "Salir1", "PageControl1",
                           "Memo1", "BitBtn5", "MainMenu1", "TabSheet3", "StringGrid4"}) {
    EXPECT_NE(form.findChild<QObject*>(QString::fromLatin1(name)), nullptr) << name;
  }
  ASSERT_TRUE(QMetaObject::invokeMethod(&form, "SpeedButton3Click", Q_ARG(QObject*, nullptr)));
  EXPECT_EQ(form.StringGrid1->property("rowCount").toInt(), 4);
  EXPECT_EQ(form.StringGrid1->Cells(1, 2), "9999999.9987");
  EXPECT_EQ(form.Edit1->property("text").toString(), QStringLiteral("3"));
  EXPECT_EQ(form.Edit3->Text(), "10000000.0001");

  form.findChild<RadioGroup*>(QStringLiteral("RadioGroup1"))->userChoose(2);
  EXPECT_EQ(form.noiseType, 2);
  EXPECT_EQ(form.RadioGroup1->property("itemIndex").toInt(), 2);
  EXPECT_TRUE(form.StringGrid1->userSelectCell(1, 3));
  EXPECT_EQ(form.selectedDataRow, 3);
  form.PageControl1->userSelectPage(2);
  EXPECT_EQ(form.PageControl1->property("activePage").toInt(), 2);
  EXPECT_EQ(form.property("caption").toString(), QStringLiteral("Análisis de Mediciones de Frecuencia"));
  EXPECT_TRUE(op.recorded().empty());

  const char* dir = std::getenv("KOVIA_SCREENSHOT_DIR");
  if (dir == nullptr) return;
  installPlatformLook(*qApp);
  TFormDemo shown;
  std::string lines;
  // A drifting oscillator with a little white noise (deterministic).
  unsigned state = 12345;
  for (int i = 0; i < 3600; ++i) {
    state = state * 1103515245u + 12345u;
    const double noise = static_cast<double>((state >> 16) % 1000) / 1000.0 - 0.5;
    lines += generalText(1e7 + 0.0012 + 2e-7 * i + 4e-4 * noise, 15, '.') + "\r\n";
  }
  shown.Memo1->Lines().loadFromBytes(lines);
  shown.SpeedButton3Click(nullptr);
  shown.SpeedButton4->setEnabled(false);
  shown.BitBtn5->Click();
  shown.resize(860, 540);
  shown.show();
  QApplication::processEvents();
  shown.StringGrid1->setRow(5);
  QApplication::processEvents();
  const QString path = QDir(QString::fromLocal8Bit(dir)).filePath(QStringLiteral("platform_demo.png"));
  EXPECT_TRUE(shown.grab().save(path));
}

}  // namespace
}  // namespace kovia

#include "demo_window_test.moc"
