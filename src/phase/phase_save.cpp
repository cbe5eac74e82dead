// The phase window's save command: the options dialog TForm14 with the items whose stage
// is reached, then one file per ticked item in step order (the edited readings last,
// although their box is shown at the top).
#include <memory>

#include "core/result_files.h"
#include "output/Guardaph_kovia.h"
#include "output/save_command.h"
#include "phase/Fase_kovia.h"
#include "phase/phase_window_state.h"

namespace kovia {

void TForm1::SpeedButton38Click(QObject*) {
  PhaseWindowState& state = phaseWindowState();
  {
    const std::unique_ptr<TForm14> dialog(new TForm14);
    Form14 = dialog.get();
    if (state.dataPending == 0) {
      for (CheckBox* box : {dialog->CheckBox1, dialog->CheckBox9}) box->setEnabled(true);
    }
    if (state.accumulationPending == 0) {
      for (CheckBox* box : {dialog->CheckBox2, dialog->CheckBox5, dialog->CheckBox8}) box->setEnabled(true);
    }
    if (state.residualsPending == 0) {
      for (CheckBox* box : {dialog->CheckBox3, dialog->CheckBox6}) box->setEnabled(true);
    }
    if (state.allanPending == 0) {
      for (CheckBox* box : {dialog->CheckBox4, dialog->CheckBox7}) box->setEnabled(true);
    }
    dialog->ShowModal();
  }

  const auto report = [this](const QString& path) {
    writePhaseReport(filePath(path), editBytes(*Edit2), editBytes(*Edit1));
  };
  const SaveStep steps[] = {
      chartImageStep(SaveDialog2, Chart4),                 // 1 readings
      chartImageStep(SaveDialog2, Chart2),                 // 2 accumulated phase
      chartImageStep(SaveDialog2, Chart5),                 // 3 residuals
      chartImageStep(SaveDialog2, DBChart1),               // 4 Allan deviation
      valueColumnStep(SaveDialog3, StringGrid2),           // 5 accumulated phase
      valueColumnStep(SaveDialog3, StringGrid6),           // 6 residuals
      tableStep(SaveDialog1, StringGrid5),                 // 7 Allan table
      {SaveDialog1, report, SaveFailure::MessageAndGoOn},  // 8 report
      valueColumnStep(SaveDialog3, StringGrid1),           // 9 readings as edited
  };
  runSaveSteps(state.saveSelection, steps);
}

}  // namespace kovia
