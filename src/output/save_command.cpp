#include "output/save_command.h"

#include <QFile>
#include <algorithm>
#include <string_view>
#include <vector>

#include "core/result_files.h"
#include "core/text_file.h"
#include "platform/chart/chart.h"
#include "platform/edit_controls.h"
#include "platform/file_dialogs.h"
#include "platform/seam.h"
#include "platform/string_grid.h"

namespace kovia {

namespace {

// Switches every entry off when the command ends, whichever way it ends.
class SelectionOff {
 public:
  explicit SelectionOff(std::span<std::int32_t> selection) : selection_(selection) {}
  ~SelectionOff() { std::fill(selection_.begin(), selection_.end(), 0); }
  SelectionOff(const SelectionOff&) = delete;
  SelectionOff& operator=(const SelectionOff&) = delete;

 private:
  std::span<std::int32_t> selection_;
};

}  // namespace

void runSaveSteps(std::span<std::int32_t> selection, std::span<const SaveStep> steps) {
  const SelectionOff off(selection);
  const std::size_t count = std::min(selection.size(), steps.size());
  for (std::size_t i = 0; i < count; ++i) {
    if (selection[i] == 0) continue;
    const SaveStep& step = steps[i];
    const bool chosen = step.dialog->Execute();
    selection[i] = 0;
    if (!chosen) continue;
    if (step.failure == SaveFailure::EndsCommand) {
      step.write(step.dialog->FileName());
      continue;
    }
    try {
      step.write(step.dialog->FileName());
    } catch (const FileWriteError&) {
      showMessage(QString::fromUtf8(kCannotOpenFileMessage));
    }
  }
}

void saveChartImage(Chart& chart, const QString& path) {
  chart.saveBitmap(path);
}

void saveValueColumn(const StringGrid& grid, const QString& path) {
  std::vector<std::string_view> texts;
  texts.reserve(static_cast<std::size_t>(grid.RowCount()));
  for (int row = 0; row < grid.RowCount(); ++row) texts.push_back(grid.cellView(1, row));
  writeValueColumn(filePath(path), std::span<const std::string_view>(texts));
}

void saveTable(const StringGrid& grid, const QString& path) {
  std::vector<TableRow> rows;
  rows.reserve(static_cast<std::size_t>(grid.RowCount()));
  for (int row = 0; row < grid.RowCount(); ++row) {
    rows.push_back({grid.Cells(0, row), grid.Cells(1, row), grid.Cells(2, row), grid.Cells(3, row)});
  }
  writeTable(filePath(path), rows);
}

SaveStep chartImageStep(SaveDialog* dialog, Chart* chart) {
  return {dialog, [chart](const QString& path) { saveChartImage(*chart, path); }, SaveFailure::EndsCommand};
}

SaveStep valueColumnStep(SaveDialog* dialog, const StringGrid* grid) {
  return {dialog, [grid](const QString& path) { saveValueColumn(*grid, path); }, SaveFailure::EndsCommand};
}

SaveStep tableStep(SaveDialog* dialog, const StringGrid* grid) {
  return {dialog, [grid](const QString& path) { saveTable(*grid, path); }, SaveFailure::MessageAndGoOn};
}

std::string editBytes(const Edit& edit) {
  return toWindows1252(edit.Text());
}

std::string filePath(const QString& path) {
  return QFile::encodeName(path).toStdString();
}

}  // namespace kovia
