#include "phase/phase_cells.h"

#include <charconv>
#include <cmath>
#include <stdexcept>

#include "core/number_text.h"
#include "platform/chart/series.h"
#include "platform/regional_settings.h"
#include "platform/string_grid.h"

namespace kovia {

namespace {

std::string quoted(std::string_view text) {
  return "'" + std::string(text) + "'";
}

// Converts rows first..last and hands each value to `take` after `keep` (which may refuse a
// value by throwing); stops at the first failure and returns it.
template <typename Keep, typename Take>
std::exception_ptr forEachCell(const StringGrid& grid, int col, int first, int last, Keep keep, Take take) {
  const char separator = decimalSeparator();
  for (int row = first; row <= last; ++row) {
    const std::string_view text = grid.cellView(col, row);
    long double value = 0.0L;
    if (!tryTextToFloat(text, separator, value)) return std::make_exception_ptr(ConversionError(text));
    try {
      take(keep(value, text));
    } catch (...) {
      return std::current_exception();
    }
  }
  return nullptr;
}

template <typename T, typename Keep>
CellValues<T> readCells(const StringGrid& grid, int col, int first, int last, Keep keep) {
  CellValues<T> out;
  if (last < first) return out;
  out.values.reserve(static_cast<std::size_t>(last - first + 1));
  out.failure = forEachCell(grid, col, first, last, keep, [&out](T value) { out.values.push_back(value); });
  return out;
}

double keepDouble(long double v, std::string_view text) {
  const double d = static_cast<double>(v);
  if (!std::isfinite(d)) {
    throw std::range_error("El valor " + quoted(text) +
                           " excede el intervalo de los números de doble precisión");
  }
  return d;
}

// A column with room for `cells` more cells of about `bytesPerCell` bytes, after the header.
GridColumn startColumn(std::optional<std::string_view> header, std::size_t cells, std::size_t bytes) {
  GridColumn column;
  column.reserve(cells + 1, bytes + (header ? header->size() : 0));
  if (header) column.append(*header);
  return column;
}

template <typename T>
GridColumn numberColumn(std::optional<std::string_view> header, std::span<const T> values, int digits) {
  const char separator = decimalSeparator();
  GridColumn column =
      startColumn(header, values.size(), values.size() * (static_cast<std::size_t>(digits) + 6));
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
  return readCells<double>(grid, col, first, last, keepDouble);
}

void addColumnPoints(const StringGrid& grid, int col, int first, int last, Series& series, Color color) {
  const std::exception_ptr failure =
      forEachCell(grid, col, first, last, keepDouble, [&](double y) { series.addY(y, QString(), color); });
  series.setMarksVisible(false);
  if (failure) std::rethrow_exception(failure);
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

GridColumn generalTextColumn(std::optional<std::string_view> header, std::span<const long double> values,
                             int digits) {
  return numberColumn(header, values, digits);
}

GridColumn generalTextColumn(std::optional<std::string_view> header, std::span<const float> values,
                             int digits) {
  return numberColumn(header, values, digits);
}

GridColumn rowNumberColumn(std::optional<std::string_view> header, int first, int count) {
  GridColumn column =
      startColumn(header, static_cast<std::size_t>(count), static_cast<std::size_t>(count) * 8);
  char buffer[16];
  for (int i = 0; i < count; ++i) {
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, first + i).ptr;
    column.append(std::string_view(buffer, static_cast<std::size_t>(end - buffer)));
  }
  return column;
}

GridColumn textColumn(std::optional<std::string_view> header, std::span<const std::string> lines) {
  std::size_t bytes = 0;
  for (const std::string& line : lines) bytes += line.size();
  GridColumn column = startColumn(header, lines.size(), bytes);
  for (const std::string& line : lines) column.append(line);
  return column;
}

}  // namespace kovia
