#include "frequency/frequency_cells.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "core/number_text.h"
#include "core/text_file.h"
#include "platform/string_grid.h"

namespace kovia {

ValueRangeError::ValueRangeError(std::string_view cellText)
    : std::runtime_error("El valor '" + fromWindows1252(cellText) +
                         "' está fuera del intervalo de los números que el programa puede representar.") {}

namespace {

template <class T>
ColumnNumbers<T> readColumn(const StringGrid& grid, int col, int rows, char separator) {
  ColumnNumbers<T> result;
  result.values.reserve(static_cast<std::size_t>(rows > 0 ? rows : 0));
  for (int row = 0; row < rows; ++row) {
    const std::string_view text = grid.cellView(col, row);
    long double value = 0.0L;
    if (!tryTextToFloat(text, separator, value)) {
      result.failure = std::make_exception_ptr(ConversionError(text));
      break;
    }
    const T rounded = static_cast<T>(value);
    if (!std::isfinite(rounded)) {
      result.failure = std::make_exception_ptr(ValueRangeError(text));
      break;
    }
    result.values.push_back(rounded);
  }
  return result;
}

}  // namespace

ColumnNumbers<double> readDoubles(const StringGrid& grid, int col, int rows, char decimalSeparator) {
  return readColumn<double>(grid, col, rows, decimalSeparator);
}

ColumnNumbers<float> readFloats(const StringGrid& grid, int col, int rows, char decimalSeparator) {
  return readColumn<float>(grid, col, rows, decimalSeparator);
}

double finiteDouble(long double value, std::string_view text) {
  const double rounded = static_cast<double>(value);
  if (!std::isfinite(rounded)) throw ValueRangeError(text);
  return rounded;
}

double cellDouble(const StringGrid& grid, int col, int row, char decimalSeparator) {
  const std::string_view text = grid.cellView(col, row);
  return finiteDouble(textToFloat(text, decimalSeparator), text);
}

GridColumn rowNumberColumn(int count) {
  GridColumn column;
  const auto n = static_cast<std::size_t>(count > 0 ? count : 0);
  column.reserve(n, n * 7);
  char buffer[16];
  for (int i = 1; i <= count; ++i) {
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, i).ptr;
    column.append(std::string_view(buffer, static_cast<std::size_t>(end - buffer)));
  }
  return column;
}

GridColumn generalTextColumn(std::span<const double> values, int digits, char decimalSeparator) {
  GridColumn column;
  column.reserve(values.size(), values.size() * static_cast<std::size_t>(digits + 6));
  std::string text;
  for (const double v : values) {
    text.clear();
    appendGeneralText(text, v, digits, decimalSeparator);
    column.append(text);
  }
  return column;
}

std::string measurementFootText(std::int64_t readings, std::int32_t tauSeconds) {
  const std::int64_t seconds = readings * static_cast<std::int64_t>(tauSeconds);
  const bool hours = seconds >= 3600;
  std::string text = "(";
  text += std::to_string(hours ? seconds / 3600 : seconds / 60);
  text += hours ? " horas" : " minutos";
  text += " de medición con Tau= ";
  text += std::to_string(tauSeconds);
  text += " s)";
  return text;
}

}  // namespace kovia
