#include "phase/phase_cells.h"

#include <charconv>
#include <cmath>
#include <stdexcept>

#include "core/number_text.h"
#include "platform/regional_settings.h"
#include "platform/string_grid.h"

namespace kovia {

namespace {

std::string quoted(std::string_view text) { return "'" + std::string(text) + "'"; }

// Converts rows first..last, keeping each value with `keep` (which may refuse a value by
// throwing); stops at the first failure.
template <typename T, typename Keep>
CellValues<T> readCells(const StringGrid& grid, int col, int first, int last, Keep keep) {
  CellValues<T> out;
  if (last < first) return out;
  out.values.reserve(static_cast<std::size_t>(last - first + 1));
  const char separator = decimalSeparator();
  for (int row = first; row <= last; ++row) {
    const std::string_view text = grid.cellView(col, row);
    long double value = 0.0L;
    if (!tryTextToFloat(text, separator, value)) {
      out.failure = std::make_exception_ptr(ConversionError(text));
      break;
    }
    try {
      out.values.push_back(keep(value, text));
    } catch (...) {
      out.failure = std::current_exception();
      break;
    }
  }
  return out;
}

template <typename T>
GridColumn numberColumn(std::span<const T> values, int digits) {
  const char separator = decimalSeparator();
  GridColumn column;
  column.reserve(values.size(), values.size() * 16);
  std::string text;
  for (const T value : values) {
    text.clear();
    appendGeneralText(text, static_cast<long double>(value), digits, separator);
    column.append(text);
  }
  return column;
}

}  // namespace

CellValues<long double> readExtendedCells(const StringGrid& grid, int col, int first, int last) {
  return readCells<long double>(grid, col, first, last, [](long double v, std::string_view) { return v; });
}

CellValues<double> readDoubleCells(const StringGrid& grid, int col, int first, int last) {
  return readCells<double>(grid, col, first, last, [](long double v, std::string_view text) {
    const double d = static_cast<double>(v);
    if (!std::isfinite(d)) {
      throw std::range_error("El valor " + quoted(text) + " excede el intervalo de los números de doble precisión");
    }
    return d;
  });
}

CellValues<float> readFloatCells(const StringGrid& grid, int col, int first, int last) {
  return readCells<float>(grid, col, first, last, [](long double v, std::string_view text) {
    const float f = static_cast<float>(v);
    if (!std::isfinite(f)) {
      throw std::range_error("El valor " + quoted(text) +
                             " excede el intervalo de los números de precisión simple");
    }
    return f;
  });
}

double readDoubleCell(const StringGrid& grid, int col, int row) {
  const CellValues<double> cell = readDoubleCells(grid, col, row, row);
  cell.rethrow();
  return cell.values.front();
}

GridColumn generalTextColumn(std::span<const long double> values, int digits) {
  return numberColumn(values, digits);
}

GridColumn generalTextColumn(std::span<const float> values, int digits) { return numberColumn(values, digits); }

GridColumn rowNumberColumn(int first, int count) {
  GridColumn column;
  column.reserve(static_cast<std::size_t>(count), static_cast<std::size_t>(count) * 8);
  char buffer[16];
  for (int i = 0; i < count; ++i) {
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, first + i).ptr;
    column.append(std::string_view(buffer, static_cast<std::size_t>(end - buffer)));
  }
  return column;
}

GridColumn textColumn(std::span<const std::string> lines) {
  std::size_t bytes = 0;
  for (const std::string& line : lines) bytes += line.size();
  GridColumn column;
  column.reserve(lines.size(), bytes);
  for (const std::string& line : lines) column.append(line);
  return column;
}

}  // namespace kovia
