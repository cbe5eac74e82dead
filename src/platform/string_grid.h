// StringGrid: a grid of text cells, as the windows use it.
//
// Cells hold bytes (Windows-1252, as read from a file) in compact column storage; the
// display decodes them, and only for the rows on screen. Cells(col, row) reads a cell:
// a row above row 0 (or a column left of column 0) raises "List index out of bounds (n)",
// a row or column past the end reads as empty text. A write outside the grid raises
// "Grid index out of range" rather than dropping the text.
//
// Fixed rows and columns (0 or 1 of each) are drawn as the grid's frozen header row and
// header column. The current cell is never fixed. Moving it (setRow, setCol, a click, a
// cursor key) goes through the cell-selection path: OnSelectCell(col, row, canSelect) is
// raised first, and the cell moves and scrolls into view only when the handler allows it.
//
// Events: OnSelectCell and OnKeyDown (also raised by keys typed in the cell editor, Enter
// after the typed text has been stored in the cell), OnSetEditText after the operator typed
// into a cell. Writes by the program notify the view once per event-loop turn, not once
// per cell; beginUpdate()/endUpdate() turn a batch into one model reset.
#pragma once

#include <QTableView>
#include <string>
#include <string_view>
#include <vector>

#include "platform/grid_store.h"
#include "platform/keys.h"

namespace kovia {

class GridModel;

class StringGrid : public QTableView {
  Q_OBJECT
  Q_PROPERTY(int rowCount READ RowCount WRITE setRowCount)
  Q_PROPERTY(int colCount READ ColCount WRITE setColCount)
  Q_PROPERTY(int row READ Row)
  Q_PROPERTY(int col READ Col)

 public:
  // A new grid has 5 columns and 5 rows, no fixed rows or columns, 64 px columns, 15 px
  // rows, no cell editing.
  explicit StringGrid(QWidget* parent = nullptr, const QString& name = QString());
  ~StringGrid() override;

  // ---- cells ----
  std::string Cells(int col, int row) const;
  // As Cells, without a copy; valid until the next change of the grid.
  std::string_view cellView(int col, int row) const;
  void setCell(int col, int row, std::string_view bytes);
  // Writes a text of the program (UTF-8), encoded as Windows-1252.
  void setCellText(int col, int row, const QString& text);
  // The cell as shown: its bytes decoded as Windows-1252.
  QString displayText(int col, int row) const;

  int RowCount() const;
  void setRowCount(int rows);
  int ColCount() const;
  void setColCount(int cols);

  // Empties every cell of column `col` (row count unchanged).
  void clearColumn(int col);
  // Fast fill: rows first .. first + column.size() - 1 of column `col` take the texts of
  // `column`. Throws "Grid index out of range" when those rows do not all exist.
  void setColumn(int col, GridColumn&& column, int first = 0);
  // The column as a list of texts, rows 0 .. RowCount()-1 (what a value-column file holds).
  std::vector<std::string> columnTexts(int col) const;

  // A batch of changes shown as one model reset when the outermost endUpdate() runs.
  void beginUpdate();
  void endUpdate();

  // ---- layout ----
  int FixedRows() const { return fixedRows_; }
  void setFixedRows(int rows);  // 0 or 1
  int FixedCols() const { return fixedCols_; }
  void setFixedCols(int cols);  // 0 or 1
  int ColWidths(int col) const;
  void setColWidth(int col, int width);
  int DefaultColWidth() const { return defaultColWidth_; }
  void setDefaultColWidth(int width);
  int DefaultRowHeight() const { return rowHeight_; }
  void setDefaultRowHeight(int height);

  bool editing() const { return editing_; }
  void setEditing(bool on);
  bool rowSelect() const { return rowSelect_; }
  void setRowSelect(bool on);

  // ---- current cell ----
  int Row() const { return row_; }
  int Col() const { return col_; }
  // Move the current cell through the cell-selection path. Throws "Grid index out of
  // range" for a fixed or missing cell; an exception of the OnSelectCell handler reaches
  // the caller and the cell does not move.
  void setRow(int row) { moveCurrent(col_, row); }
  void setCol(int col) { moveCurrent(col, row_); }
  void moveCurrent(int col, int row);

  // ---- what the operator does (nothing happens on a disabled grid) ----
  // Selects a cell as a click does; false when refused, impossible or failed.
  bool userSelectCell(int col, int row);
  // Types `text` into a cell (no selection, no key); OnSetEditText follows; false when editing is off, the
  // cell is fixed or missing.
  bool userTypeCell(int col, int row, const QString& text);
  // Presses a key while the grid (or its cell editor) has the focus.
  bool userKeyDown(KeyCode key, ShiftState shift = {});

 signals:
  void OnSelectCell(int col, int row, bool& canSelect);
  void OnKeyDown(KeyCode& key, ShiftState shift);
  void OnSetEditText(int col, int row);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

 private:
  friend class GridModel;
  friend class GridDelegate;

  void checkRead(int col, int row) const;
  void checkWrite(int col, int row) const;
  bool askSelect(int col, int row);  // operator path
  void applyCurrent(int col, int row);
  void clampCurrent();
  void applyLayout();
  void typedIntoCell(int col, int row, const QString& text);
  // Keys from the cell editor; true when the editor must not process the key further.
  bool editorKey(QWidget* editor, KeyCode key, ShiftState shift);

  GridModel* model_;
  int fixedRows_ = 0;
  int fixedCols_ = 0;
  int defaultColWidth_ = 64;
  int rowHeight_ = 15;
  std::vector<int> colWidths_;
  bool editing_ = false;
  bool rowSelect_ = false;
  int row_ = 0;
  int col_ = 0;
  int updateDepth_ = 0;
};

}  // namespace kovia
