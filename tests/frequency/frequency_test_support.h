// Shared fixture of the frequency window tests: a fresh window and a fresh program-wide
// record per test, the decimal point as separator, and a scripted operator that answers the
// open dialog and types into the nominal-frequency dialog as a person would.
#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "frequency/Frecnom_kovia.h"
#include "frequency/Frecuencia_kovia.h"
#include "frequency/frequency_window_state.h"
#include "platform/regional_settings.h"
#include "platform/scripted_operator.h"

namespace kovia::testing {

inline QString dataFile(const char* name) {
  return QStringLiteral(KOVIA_TEST_DATA_DIR "/") + QLatin1String(name);
}

// Types `text` into `edit` and presses Enter, as the operator does in the dialog.
inline void typeAndEnter(Edit* edit, const QString& text) {
  edit->userType(text);
  edit->userKeyDown(keys::kReturn);
}

// Answers for one load: the file in the open dialog, then nominal frequency and tau typed
// into TForm4 (tau only when the nominal frequency was accepted).
inline void queueLoad(ScriptedOperator& op, const QString& path, const QString& nominal, const QString& tau) {
  op.queueOpen(path);
  op.queueModal(QStringLiteral("TForm4"), [nominal, tau](DialogForm& form) {
    auto& dialog = static_cast<TForm4&>(form);
    typeAndEnter(dialog.Edit1, nominal);
    if (dialog.Edit2->isEnabled()) typeAndEnter(dialog.Edit2, tau);
  });
}

class FrequencyWindowTest : public ::testing::Test {
 protected:
  FrequencyWindowTest() : scope_(op_) {
    frequencyWindowState() = FrequencyWindowState{};
    setDecimalSeparator('.');
    window_ = new TForm2;
    Form2 = window_;
  }
  ~FrequencyWindowTest() override { delete window_; }

  // Presses "Cargar Archivo de Datos" with the answers queued; true when it ran through.
  bool load(const QString& path, const QString& nominal = QStringLiteral("10000000"),
            const QString& tau = QStringLiteral("10")) {
    queueLoad(op_, path, nominal, tau);
    return window_->openCommand->pressButton();
  }

  // A file holding exactly `bytes` in the test's temporary folder.
  QString writeFile(const QString& name, const QByteArray& bytes) {
    const QString path = dir_.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
  }

  QStringList errors() const { return op_.texts(ScriptedOperator::MessageKind::Error); }
  QStringList messages() const { return op_.texts(ScriptedOperator::MessageKind::Message); }

  static std::vector<std::string> column(const StringGrid& grid, int col) { return grid.columnTexts(col); }
  static std::vector<double> ys(const Series& series) { return series.ys(); }

  ScriptedOperator op_;
  OperatorScope scope_;
  QTemporaryDir dir_;
  TForm2* window_ = nullptr;
};

}  // namespace kovia::testing
