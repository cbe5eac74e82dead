// Bulk reading and writing of the phase window's value cells. Each command converts a
// whole column once and writes its results as whole columns, so that 10^6 rows cost one
// pass each way; a cell that does not convert ends the reading there, and the command
// writes what the rows before it gave before it reports the failure, as a row-by-row
// command would.
#pragma once

#include <exception>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/color.h"
#include "platform/grid_store.h"

namespace kovia {

class Series;
class StringGrid;

// Values of a column read as value cells, up to the first cell that failed.
template <typename T>
struct CellValues {
  std::vector<T> values;       // rows first .. first + values.size() - 1
  std::exception_ptr failure;  // the failure of the next row, if any
  bool complete() const { return !failure; }
  void rethrow() const {
    if (failure) std::rethrow_exception(failure);
  }
};

// Rows first .. last (inclusive) of column `col`, each converted with the value-cell
// conversion and kept in extended precision. A row past the end of the grid reads as an
// empty text, which does not convert.
CellValues<long double> readExtendedCells(const StringGrid& grid, int col, int first, int last);

// As readExtendedCells, each value rounded to a double. A value beyond the double range
// fails like a text that does not convert, so that no infinity enters a computation.
CellValues<double> readDoubleCells(const StringGrid& grid, int col, int first, int last);

// As readExtendedCells, each value rounded directly to single precision; a value beyond the
// single-precision range fails.
CellValues<float> readFloatCells(const StringGrid& grid, int col, int first, int last);

// One cell read as a double (throws as the readers report a failure).
double readDoubleCell(const StringGrid& grid, int col, int row);

// Adds rows first .. last of column `col`, each read as readDoubleCells reads it, to `series`
// with add-with-y, an empty label and `color`, and hides the series' marks. The first cell
// that does not convert ends the adding: the points before it stay and its failure is thrown.
void addColumnPoints(const StringGrid& grid, int col, int first, int last, Series& series, Color color);

// Column builders. Each column starts with `header` (the text of row 0, kept as the grid
// holds it) when one is given: a column that fills a grid from row 0 to its last row is
// handed over whole, without copying a cell.

// General-format texts with `digits` significant digits.
GridColumn generalTextColumn(std::optional<std::string_view> header, std::span<const long double> values,
                             int digits);
GridColumn generalTextColumn(std::optional<std::string_view> header, std::span<const float> values,
                             int digits);

// The row numbers first, first + 1, ..., first + count - 1 as integer texts.
GridColumn rowNumberColumn(std::optional<std::string_view> header, int first, int count);

// The texts of `lines`.
GridColumn textColumn(std::optional<std::string_view> header, std::span<const std::string> lines);

}  // namespace kovia
