// Compact cell storage of a string grid: per column one byte arena and one (offset,
// length) pair per written row, so that 10^6 rows cost a few bytes of overhead per cell
// and no allocation per cell; rows past the last written one take no memory at all.
// Cells hold bytes (Windows-1252 as read from a file).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/large_buffer.h"

namespace kovia {

// A column built outside the grid, handed over whole with GridStore::setColumn.
class GridColumn {
 public:
  void reserve(std::size_t cells, std::size_t bytes);
  void append(std::string_view text);
  std::size_t size() const { return spans_.size(); }

 private:
  friend class GridStore;
  struct Span {
    std::uint32_t offset = 0;
    std::uint32_t length = 0;
  };
  LargeBytes arena_;
  LargeVector<Span> spans_;
};

class GridStore {
 public:
  int colCount() const { return static_cast<int>(columns_.size()); }
  int rowCount() const { return rows_; }

  // Changes the size; cells outside the new size are dropped, new cells are empty.
  void resize(int cols, int rows);

  // REQUIRES: 0 <= col < colCount(), 0 <= row < rowCount(). The view stays valid until
  // the next change of the grid.
  std::string_view cell(int col, int row) const;
  void set(int col, int row, std::string_view bytes);

  // Empties every cell of column `col`.
  void clearColumn(int col);

  // Writes the texts of `column` into rows first .. first + size - 1 of column `col`.
  // REQUIRES: the rows exist.
  void setColumn(int col, GridColumn&& column, int first);

  // The texts of column `col`, rows 0 .. rowCount()-1.
  std::vector<std::string> columnTexts(int col) const;

 private:
  struct Column {
    LargeBytes arena;
    LargeVector<GridColumn::Span> spans;  // rows 0 .. spans.size()-1; later rows are empty
    std::size_t live = 0;  // bytes of the arena still referenced by a cell
  };
  void compact(Column& column);

  std::vector<Column> columns_;
  int rows_ = 0;
};

}  // namespace kovia
