// The save command of the analysis windows, after its options dialog: one step per item
// that can be saved, each with the file dialog that names its file and the writer of its
// kind. The windows list their steps in processing order (frequency_save.cpp,
// phase_save.cpp); what is written is what the window shows, cell and edit texts byte for
// byte, charts as drawn.
#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <span>
#include <string>

namespace kovia {

class Chart;
class Edit;
class SaveDialog;
class StringGrid;

// How a step's failure to write is reported.
enum class SaveFailure {
  // Chart images and value-column files: the file-creation error ("Cannot create file
  // <path>") goes to the default error box and ends the command.
  EndsCommand,
  // Tables and reports: "No se puede abrir el archivo especificado" in a message box, and
  // the command goes on with the next step.
  MessageAndGoOn,
};

struct SaveStep {
  SaveDialog* dialog;                              // names the file
  std::function<void(const QString& path)> write;  // writes the item to the chosen path
  SaveFailure failure;
};

// The message of a table or report that cannot be written.
inline constexpr const char* kCannotOpenFileMessage = "No se puede abrir el archivo especificado";

// Runs step i for every selection[i] that is on, in order: its file dialog, then (unless
// the operator cancels, which skips the step silently) its writer. Each entry is switched
// off as its step is processed; a step that ends the command (or any other failure) leaves
// every entry off before the failure goes on to the handler guard. Requires
// selection.size() == steps.size().
void runSaveSteps(std::span<std::int32_t> selection, std::span<const SaveStep> steps);

// Writers of the window's controls. Each replaces the file at `path` whole and atomically
// and throws FileWriteError ("Cannot create file <path>") when it cannot.

// The chart as a Windows bitmap at its on-screen size (see Chart::saveBitmap).
void saveChartImage(Chart& chart, const QString& path);
// Column 1 of `grid`, rows 0 to RowCount - 1, one cell's bytes a line (a header row included).
void saveValueColumn(const StringGrid& grid, const QString& path);
// Columns 0 to 3 of `grid`, rows 0 to RowCount - 1, as the Allan table file.
void saveTable(const StringGrid& grid, const QString& path);

// The steps of the three kinds that come from one control.
SaveStep chartImageStep(SaveDialog* dialog, Chart* chart);
SaveStep valueColumnStep(SaveDialog* dialog, const StringGrid* grid);
SaveStep tableStep(SaveDialog* dialog, const StringGrid* grid);

// The bytes of an edit box's text as a report writes them (Windows-1252).
std::string editBytes(const Edit& edit);
// A chosen file name as the file system takes it.
std::string filePath(const QString& path);

}  // namespace kovia
