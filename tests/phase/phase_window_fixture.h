// A phase window opened as the main window opens it, with a scripted operator that answers
// the open dialog, the nominal-frequency dialog (typed digit by digit, with Enter) and the
// append question.
#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>
#include <string>
#include <vector>

#include "phase/Agr_dat_kovia.h"
#include "phase/Fase_kovia.h"
#include "phase/Frecnomf_kovia.h"
#include "phase/phase_window_state.h"
#include "platform/regional_settings.h"
#include "platform/scripted_operator.h"

namespace kovia::testing {

inline QString dataFile(const char* name) {
  return QStringLiteral(KOVIA_TEST_DATA_DIR "/") + QLatin1String(name);
}

// Types `text` into `edit` one character at a time, as an operator does.
inline void typeDigits(Edit& edit, const QString& text) {
  for (qsizetype i = 1; i <= text.size(); ++i) edit.userType(text.left(i));
}

class PhaseWindowTest : public ::testing::Test {
 protected:
  PhaseWindowTest() : scope_(op_) {
    resetPhaseWindowState();
    setDecimalSeparator('.');
    window_ = std::make_unique<TForm1>();
    w = window_.get();
    Form1 = w;
    // What the main window's "Mediciones de Diferencia de Fase" sets on a new phase window.
    for (StringGrid* grid : {w->StringGrid1, w->StringGrid2, w->StringGrid6}) {
      grid->setColWidth(0, 52);
      grid->setColWidth(1, 112);
    }
    w->StringGrid5->setColWidth(0, 40);
    w->StringGrid7->setColWidth(0, 50);
  }

  // Answers the next nominal-frequency dialog: nominal frequency first, then tau.
  void queueNominal(const QString& nominal, const QString& tau) {
    op_.queueModal(QStringLiteral("TForm5"), [nominal, tau](DialogForm& form) {
      auto& dialog = static_cast<TForm5&>(form);
      typeDigits(*dialog.Edit1, nominal);
      dialog.Edit1->userKeyDown(keys::kReturn);
      typeDigits(*dialog.Edit2, tau);
      dialog.Edit2->userKeyDown(keys::kReturn);
    });
  }

  // Answers the next append question with "Aceptar" (true) or "No".
  void queueAppendAnswer(bool append) {
    op_.queueModal(QStringLiteral("TForm16"), [append](DialogForm& form) {
      auto& question = static_cast<TForm16&>(form);
      (append ? question.BitBtn1 : question.BitBtn2)->userClick();
    });
  }

  // A first load of `path` with the nominal frequency and tau typed in; false when the load
  // ended with an error.
  bool load(const QString& path, const QString& nominal = QStringLiteral("10000000"),
            const QString& tau = QStringLiteral("60"), int filter = 1) {
    op_.queueOpen(path, filter);
    queueNominal(nominal, tau);
    const bool completed = w->openCommand->pressButton();
    expectScriptDone();
    return completed;
  }

  // A text file of `lines` (each ended by CR LF) in the test's own folder.
  QString writeLines(const QString& name, const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) bytes += line + "\r\n";
    return writeBytes(name, bytes);
  }

  QString writeBytes(const QString& name, const std::string& bytes) {
    const QString path = folder_.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    return path;
  }

  // Loads the readings, chooses the unit and computes the accumulated phase.
  void accumulate(const std::vector<std::string>& readings, int unit = 0,
                  const QString& nominal = QStringLiteral("10000000"),
                  const QString& tau = QStringLiteral("60")) {
    ASSERT_TRUE(load(writeLines(QStringLiteral("lecturas.txt"), readings), nominal, tau));
    ASSERT_TRUE(w->RadioGroup1->userChoose(unit));
    ASSERT_TRUE(w->BitBtn4->userClick()) << errors().join(QLatin1Char('\n')).toStdString();
  }

  // Fills StringGrid2 with row numbers and the given accumulated values, as the accumulated
  // phase leaves it.
  void setAccumulated(const std::vector<std::string>& values) {
    w->StringGrid2->setRowCount(static_cast<int>(values.size()) + 1);
    for (std::size_t k = 0; k < values.size(); ++k) {
      w->StringGrid2->setCell(0, static_cast<int>(k) + 1, std::to_string(k + 1));
      w->StringGrid2->setCell(1, static_cast<int>(k) + 1, values[k]);
    }
  }

  void expectScriptDone() const {
    EXPECT_TRUE(op_.unusedAnswers().isEmpty()) << op_.unusedAnswers().join(QLatin1Char(' ')).toStdString();
    EXPECT_FALSE(op_.failure()) << "a dialog was shown that the script did not expect";
  }

  QStringList messages() const { return op_.texts(ScriptedOperator::MessageKind::Message); }
  QStringList errors() const { return op_.texts(ScriptedOperator::MessageKind::Error); }

  // Rows first .. RowCount-1 of column `col`.
  static std::vector<std::string> column(const StringGrid& grid, int col, int first = 1) {
    std::vector<std::string> texts;
    for (int row = first; row < grid.RowCount(); ++row) texts.push_back(grid.Cells(col, row));
    return texts;
  }

  static std::vector<double> ys(const Series& series) { return series.ys(); }

  ScriptedOperator op_;
  OperatorScope scope_;
  QTemporaryDir folder_;
  std::unique_ptr<TForm1> window_;
  TForm1* w = nullptr;
};

}  // namespace kovia::testing
