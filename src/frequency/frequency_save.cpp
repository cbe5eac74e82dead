// The frequency window's save command: the options dialog TForm13 with the items whose
// stage is reached, then one file per ticked item, in the dialog's order.
#include <memory>

#include "core/result_files.h"
#include "frequency/Frecuencia_kovia.h"
#include "frequency/frequency_window_state.h"
#include "output/Guarda_kovia.h"
#include "output/save_command.h"

namespace kovia {

void TForm2::SpeedButton4Click(QObject*) {
  FrequencyWindowState& state = frequencyWindowState();
  {
    const std::unique_ptr<TForm13> dialog(new TForm13);
    Form13 = dialog.get();
    if (state.dataPending == 0) dialog->CheckBox1->setEnabled(true);
    if (state.deviationPending == 0) {
      for (CheckBox* box : {dialog->CheckBox2, dialog->CheckBox4, dialog->CheckBox5}) box->setEnabled(true);
    }
    if (state.allanPending == 0) {
      for (CheckBox* box : {dialog->CheckBox3, dialog->CheckBox6}) box->setEnabled(true);
    }
    dialog->ShowModal();
  }

  const auto report = [this](const QString& path) {
    writeFrequencyReport(filePath(path), editBytes(*Edit1), editBytes(*Edit2), editBytes(*Edit3),
                         editBytes(*Edit4));
  };
  const SaveStep steps[] = {
      chartImageStep(SaveDialog2, Chart1),                 // 1 readings
      chartImageStep(SaveDialog2, Chart2),                 // 2 fractional deviation
      chartImageStep(SaveDialog2, DBChart4),               // 3 Allan deviation
      {SaveDialog1, report, SaveFailure::MessageAndGoOn},  // 4 report
      valueColumnStep(SaveDialog3, StringGrid3),           // 5 deviations
      tableStep(SaveDialog1, StringGrid4),                 // 6 Allan table
  };
  runSaveSteps(state.saveSelection, steps);
}

}  // namespace kovia
