#include "phase/Fase_kovia.h"

#include "core/number_text.h"
#include "phase/phase_cells.h"
#include "phase/phase_rules.h"
#include "phase/phase_window_state.h"
#include "platform/handler_guard.h"
#include "platform/regional_settings.h"
#include "platform/resources.h"
#include "shell/shell_commands.h"

namespace kovia {

TForm1::TForm1(QWidget* owner) : Form(owner) {
  initKoviaResources();
  setCaption(QStringLiteral("Análisis de Mediciones de Diferencia de Fase"));
  setWindowIcon(koviaWindowIcon());
  setHelpContext(1);
  // The window's design font: a sans-serif face at 11 px, in which the designed column widths
  // hold the longest number texts.
  QFont designFont = font();
  designFont.setPixelSize(11);
  setFont(designFont);
  resize(1180, 760);
  setWindowState(Qt::WindowMaximized);

  buildMenu();
  buildToolBar();

  OpenDialog1 = new OpenDialog(this, QStringLiteral("OpenDialog1"));
  OpenDialog1->setFilter(
      QStringLiteral("Texto|*.txt;*.dat|hora|*.0;*.1;*.2;*.3;*.4;*.5;*.6;*.7;*.8;*.9;*.10;*.11;*.12;*.13;*."
                     "14;*.15;*.16;*.17;"
                     "*.18;*.19;*.20;*.21;*.22;*.23;*.10s"));
  SaveDialog1 = new SaveDialog(this, QStringLiteral("SaveDialog1"));
  SaveDialog1->setFilter(QStringLiteral("Texto|*.txt"));
  SaveDialog1->setDefaultExt(QStringLiteral("txt"));
  SaveDialog1->setTitle(QStringLiteral("Guarda como..."));
  SaveDialog2 = new SaveDialog(this, QStringLiteral("SaveDialog2"));
  SaveDialog2->setFilter(QStringLiteral("Mapa de bits|*.bmp"));
  SaveDialog2->setDefaultExt(QStringLiteral("bmp"));
  SaveDialog3 = new SaveDialog(this, QStringLiteral("SaveDialog3"));
  SaveDialog3->setFilter(QStringLiteral("Archivo de datos|*.dat"));
  SaveDialog3->setDefaultExt(QStringLiteral("dat"));
  buildPopupMenu();

  PageControlph = new PageControl(this, QStringLiteral("PageControlph"));
  TabSheet1 = buildDataPage();
  TabSheet2 = buildAccumulationPage();
  TabSheet6 = buildResidualsPage();
  TabSheet5 = buildAllanPage();
  PageControlph->setActivePageIndex(0);
  setClientWidget(PageControlph);

  // The headers as the window shows them when it opens.
  StringGrid1->setCellText(0, 0, QStringLiteral("     No  "));
  StringGrid1->setCellText(1, 0, QStringLiteral("       Valor   "));
  StringGrid2->setCellText(0, 0, QStringLiteral("     No  "));
  StringGrid2->setCellText(1, 0, QStringLiteral("               Valor   "));
  StringGrid7->setCellText(0, 0, QStringLiteral("     No  "));
  StringGrid7->setCellText(1, 0, QStringLiteral("        Valor   "));
  StringGrid6->setCellText(0, 0, QStringLiteral("     No  "));
  StringGrid6->setCellText(1, 0, QStringLiteral("        Valor   "));
  StringGrid5->setCellText(0, 0, QStringLiteral("   Tau"));
  StringGrid5->setCellText(1, 0, QStringLiteral("    Avar "));
  StringGrid5->setCellText(2, 0, QStringLiteral("   Binf  "));
  StringGrid5->setCellText(3, 0, QStringLiteral("   Bsup  "));

  connectHandlers();
}

void TForm1::connectHandlers() {
  connectHandler(openCommand, &Command::OnClick, this, &TForm1::SpeedButton3Click);
  connectHandler(saveCommand, &Command::OnClick, this, &TForm1::SpeedButton38Click);
  connectHandler(helpCommand, &Command::OnClick, this, &TForm1::SpeedButton41Click);
  connectHandler(Acrcade1, &QAction::triggered, this, &TForm1::Acrcade1Click);
  connectHandler(RadioGroup1, &RadioGroup::OnClick, this, &TForm1::RadioGroup1Click);
  connectHandler(BitBtn4, &Button::OnClick, this, &TForm1::BitBtn4Click);
  connectHandler(BitBtn16, &Button::OnClick, this, &TForm1::BitBtn16Click);
  connectHandler(UpDown1, &UpDown::OnChangingEx, this, &TForm1::UpDown1ChangingEx);
  connectHandler(BitBtn15, &Button::OnClick, this, &TForm1::BitBtn15Click);
  connectHandler(StringGrid2, &StringGrid::OnSelectCell, this, &TForm1::StringGrid2SelectCell);
  connectHandler(BitBtn12, &Button::OnClick, this, &TForm1::BitBtn12Click);
  connectHandler(RadioGroup2, &RadioGroup::OnClick, this, &TForm1::RadioGroup2Click);
  connectChartCommands();
}

void TForm1::SpeedButton41Click(QObject*) {
  showHelpTopics();
}

void TForm1::Acrcade1Click(QObject*) {
  showAboutBox();
}

int TForm1::readingRows() const {
  return hasReadings_ ? StringGrid1->RowCount() - 1 : 0;
}

void TForm1::RadioGroup1Click(QObject*) {
  const PhaseWindowState& s = phaseWindowState();
  if (RadioGroup1->ItemIndex() == 0) {
    Series* readings = s.chart4ShowsPoints == 1 ? Series1 : (s.chart4ShowsLine == 1 ? Series7 : nullptr);
    double greatest = 0.0, smallest = 0.0;
    if (readings != nullptr && readings->yExtent().any) {
      greatest = readings->yExtent().max;
      smallest = readings->yExtent().min;
    }
    ComboBox1->setItemIndex(degreesRangeItem(greatest, smallest));
    ComboBox2->setEnabled(false);
    BitBtn4->setEnabled(true);
  } else if (RadioGroup1->ItemIndex() == 1) {
    ComboBox2->setItemIndex(timeScaleItem(s.nominalFrequencyHz));
    ComboBox1->setEnabled(false);
    BitBtn4->setEnabled(true);
  }
}

void TForm1::UpDown1ChangingEx(QObject*, bool&, int, UpDownDirection) {
  BitBtn16->setEnabled(true);
}

void TForm1::StringGrid2SelectCell(QObject*, int ACol, int ARow, bool&) {
  const double before = readDoubleCell(*StringGrid2, ACol, ARow - 1);
  const double after = readDoubleCell(*StringGrid2, ACol, ARow + 1);
  const long double mean = (static_cast<long double>(before) + static_cast<long double>(after)) * 0.5L;
  StringGrid2->setCell(ACol, ARow, defaultText(mean, decimalSeparator()));
}

}  // namespace kovia
