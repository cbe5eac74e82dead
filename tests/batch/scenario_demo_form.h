// A small demonstration window for the scenario runner's tests: one control of every kind the
// steps drive, each handler writing what it saw into `log`, and a dialog shown modally.
#pragma once

#include <QAction>
#include <QIcon>
#include <QVBoxLayout>
#include <string>
#include <vector>

#include "core/number_text.h"
#include "platform/chart/chart.h"
#include "platform/choice_controls.h"
#include "platform/command.h"
#include "platform/edit_controls.h"
#include "platform/file_dialogs.h"
#include "platform/form.h"
#include "platform/handler_guard.h"
#include "platform/misc_controls.h"
#include "platform/seam.h"
#include "platform/string_grid.h"

namespace kovia {

class TDemoDialog : public DialogForm {
  Q_OBJECT

 public:
  explicit TDemoDialog(QWidget* owner = nullptr)
      : DialogForm(owner), Edit1(new Edit(this, QStringLiteral("Edit1"))),
        BitBtn1(new Button(this, QStringLiteral("BitBtn1"), QStringLiteral("Cerrar"))) {
    setCaption(QStringLiteral("Frecuencia Nominal"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Edit1);
    layout->addWidget(BitBtn1);
    connectHandler(Edit1, &Edit::OnKeyDown, this, &TDemoDialog::Edit1OnKeyDown);
    connectHandler(BitBtn1, &Button::OnClick, this, &TDemoDialog::BitBtn1Click);
  }
  Edit* Edit1;
  Button* BitBtn1;

 public slots:
  void Edit1OnKeyDown(QObject*, KeyCode& key, ShiftState) {
    if (key == keys::kReturn) Edit1->setReadOnly(true);
  }
  void BitBtn1Click(QObject*) { setModalResult(mrOk); }
};

class TDemoForm : public Form {
  Q_OBJECT

 public:
  TDemoForm() {
    setCaption(QStringLiteral("Demostración"));
    QMenu* archivo = mainMenu()->addTop(QStringLiteral("Archivo1"), QStringLiteral("&Archivo"));
    QAction* abrir = mainMenu()->addItem(archivo, QStringLiteral("Abrir1"), QStringLiteral("&Abrir"));
    Cerrar1 = mainMenu()->addItem(archivo, QStringLiteral("Cerrar1"), QStringLiteral("&Cerrar"));
    Cerrar1->setEnabled(false);
    Acercade1 = mainMenu()->addItem(archivo, QStringLiteral("Acercade1"), QStringLiteral("Acerca de..."));
    SpeedButton1 = addCommand(QStringLiteral("SpeedButton1"), QStringLiteral("Cargar Archivo de Datos|"), QIcon(), abrir);

    PageControl1 = new PageControl(this, QStringLiteral("PageControl1"));
    QWidget* page1 = PageControl1->addPage(QStringLiteral("TabSheet1"), QStringLiteral("Datos"));
    QWidget* page2 = PageControl1->addPage(QStringLiteral("TabSheet2"), QStringLiteral("Gráfico"));
    setClientWidget(PageControl1);

    auto* left = new QVBoxLayout(page1);
    StringGrid1 = new StringGrid(page1, QStringLiteral("StringGrid1"));
    StringGrid1->setColCount(2);
    StringGrid1->setRowCount(3);
    StringGrid1->setEditing(true);
    RadioGroup1 = new RadioGroup(page1, QStringLiteral("RadioGroup1"), QStringLiteral("Tipo de Ruido"));
    RadioGroup1->setItems({QStringLiteral("White Phase"), QStringLiteral("Flicker Phase"), QStringLiteral("White Frequency")});
    Edit1 = new Edit(page1, QStringLiteral("Edit1"));
    Edit2 = new Edit(page1, QStringLiteral("Edit2"));
    Edit2->setText(QStringLiteral("fijo"));
    Edit2->setReadOnly(true);
    CheckBox1 = new CheckBox(page1, QStringLiteral("CheckBox1"), QStringLiteral("Rejilla"));
    ScrollBar1 = new ScrollBar(Qt::Horizontal, page1, QStringLiteral("ScrollBar1"));
    BitBtn1 = new Button(page1, QStringLiteral("BitBtn1"), QStringLiteral("Calcular"));
    BitBtn2 = new Button(page1, QStringLiteral("BitBtn2"), QStringLiteral("Desactivado"));
    BitBtn2->setEnabled(false);
    BitBtn3 = new Button(page1, QStringLiteral("BitBtn3"), QStringLiteral("Diálogo"));
    BitBtn4 = new Button(page1, QStringLiteral("BitBtn4"), QStringLiteral("Convertir"));
    BitBtn5 = new Button(page1, QStringLiteral("BitBtn5"), QStringLiteral("&Salir"));
    for (QWidget* w : std::initializer_list<QWidget*>{StringGrid1, RadioGroup1, Edit1, Edit2, CheckBox1, ScrollBar1,
                                                      BitBtn1, BitBtn2, BitBtn3, BitBtn4, BitBtn5}) {
      left->addWidget(w);
    }

    auto* right = new QVBoxLayout(page2);
    Chart1 = new Chart(page2);
    Chart1->setObjectName(QStringLiteral("Chart1"));
    Chart1->setMinimumSize(400, 300);
    right->addWidget(Chart1);
    Series1 = Chart1->addSeries(QStringLiteral("Series1"), SeriesKind::Point);
    BitBtn6 = new Button(page2, QStringLiteral("BitBtn6"), QStringLiteral("En la página 2"));
    right->addWidget(BitBtn6);

    connectHandler(SpeedButton1, &Command::OnClick, this, &TDemoForm::SpeedButton1Click);
    connectHandler(Cerrar1, &QAction::triggered, this, &TDemoForm::Cerrar1Click);
    connectHandler(Acercade1, &QAction::triggered, this, &TDemoForm::Acercade1Click);
    connectHandler(PageControl1, &PageControl::OnChange, this, &TDemoForm::PageControl1Change);
    connectHandler(StringGrid1, &StringGrid::OnSelectCell, this, &TDemoForm::StringGrid1SelectCell);
    connectHandler(StringGrid1, &StringGrid::OnKeyDown, this, &TDemoForm::StringGrid1KeyDown);
    connectHandler(RadioGroup1, &RadioGroup::OnClick, this, &TDemoForm::RadioGroup1Click);
    connectHandler(Edit1, &Edit::OnChange, this, &TDemoForm::Edit1Change);
    connectHandler(Edit1, &Edit::OnKeyDown, this, &TDemoForm::Edit1KeyDown);
    connectHandler(CheckBox1, &CheckBox::OnClick, this, &TDemoForm::CheckBox1Click);
    connectHandler(ScrollBar1, &ScrollBar::OnChange, this, &TDemoForm::ScrollBar1Change);
    connectHandler(BitBtn1, &Button::OnClick, this, &TDemoForm::BitBtn1Click);
    connectHandler(BitBtn2, &Button::OnClick, this, &TDemoForm::BitBtn1Click);
    connectHandler(BitBtn3, &Button::OnClick, this, &TDemoForm::BitBtn3Click);
    connectHandler(BitBtn4, &Button::OnClick, this, &TDemoForm::BitBtn4Click);
    connectHandler(BitBtn5, &Button::OnClick, this, &TDemoForm::BitBtn5Click);
    connectHandler(BitBtn6, &Button::OnClick, this, &TDemoForm::BitBtn1Click);
    connectHandler(Chart1, &Chart::clickSeries, this, &TDemoForm::Chart1ClickSeries);
    connectHandler(Chart1, &Chart::dblClick, this, &TDemoForm::Chart1DblClick);
    resize(640, 480);
  }

  std::vector<std::string> log;
  Command* SpeedButton1;
  QAction* Cerrar1;
  QAction* Acercade1;
  PageControl* PageControl1;
  StringGrid* StringGrid1;
  RadioGroup* RadioGroup1;
  Edit* Edit1;
  Edit* Edit2;
  CheckBox* CheckBox1;
  ScrollBar* ScrollBar1;
  Button* BitBtn1;
  Button* BitBtn2;
  Button* BitBtn3;
  Button* BitBtn4;
  Button* BitBtn5;
  Button* BitBtn6;
  Chart* Chart1;
  Series* Series1;

 public slots:
  void SpeedButton1Click(QObject*) {
    OpenDialog dialog(this, QStringLiteral("OpenDialog1"));
    dialog.setFilter(QStringLiteral("Texto|*.txt|Datos|*.dat"));
    if (dialog.Execute()) {
      showMessage(dialog.FileName() + QLatin1Char('|') + QString::number(dialog.FilterIndex()));
    } else {
      log.push_back("open cancelled");
    }
  }
  void Cerrar1Click(QObject*) { log.push_back("Cerrar1Click"); }
  void Acercade1Click(QObject* sender) {
    const std::optional<Color> color = currentOperator().chooseColor(0);
    log.push_back("Acercade1Click " + sender->objectName().toStdString() + " " +
                  (color ? std::to_string(*color) : std::string("cancel")));
  }
  void PageControl1Change(QObject*) { log.push_back("page " + std::to_string(PageControl1->ActivePageIndex())); }
  void StringGrid1SelectCell(QObject*, int col, int row, bool&) {
    log.push_back("select " + std::to_string(col) + " " + std::to_string(row));
  }
  void StringGrid1KeyDown(QObject*, KeyCode& key, ShiftState) { log.push_back("grid key " + std::to_string(key)); }
  void RadioGroup1Click(QObject*) { log.push_back("noise " + std::to_string(RadioGroup1->ItemIndex())); }
  void Edit1Change(QObject*) { log.push_back("edit " + Edit1->Text()); }
  void Edit1KeyDown(QObject*, KeyCode& key, ShiftState) { log.push_back("edit key " + std::to_string(key)); }
  void CheckBox1Click(QObject*) { log.push_back(CheckBox1->Checked() ? "tick on" : "tick off"); }
  void ScrollBar1Change(QObject*) { log.push_back("scroll " + std::to_string(ScrollBar1->Position())); }
  void BitBtn1Click(QObject* sender) { log.push_back("press " + sender->objectName().toStdString()); }
  void BitBtn3Click(QObject*) {
    auto* dialog = new TDemoDialog();
    FormRegistry::set(QStringLiteral("FormDialog"), dialog);
    const int result = dialog->ShowModal();
    log.push_back("modal " + std::to_string(result) + " " + dialog->Edit1->Text());
    delete dialog;
  }
  // A conversion that fails, as a load of a malformed reading does.
  void BitBtn4Click(QObject*) { textToFloat("1,5", '.'); }
  void BitBtn5Click(QObject*) { Close(); }
  void Chart1ClickSeries(QObject*, Series* series, int index, Qt::MouseButton button, Qt::KeyboardModifiers, int,
                         int) {
    log.push_back("point " + series->objectName().toStdString() + " " + std::to_string(index) +
                  (button == Qt::RightButton ? " right" : " left"));
  }
  void Chart1DblClick(QObject*) { log.push_back("chart dblclick"); }
  // Not a handler a scenario may call: it takes more than the sender.
  void Refill(QObject*, int) {}
};

}  // namespace kovia
