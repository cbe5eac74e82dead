// Cell work of the frequency window done in bulk: reading a grid column as numbers, building
// columns of number texts, and the foot text of the measurement's duration.
#pragma once

#include <cstdint>
#include <exception>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/grid_store.h"

namespace kovia {

class StringGrid;

// A cell whose text converts, but to a value the stage's precision cannot hold (beyond the
// range of a double, or of a single-precision value where the stage reads single precision).
// Nothing infinite may reach a cell, a chart or a file, so such a value stops the command.
class ValueRangeError : public std::runtime_error {
 public:
  explicit ValueRangeError(std::string_view cellText);
};

// The numbers of rows 0 .. rows-1 of one column, up to the first cell that does not convert
// (or converts out of range): `values` holds those before it and `failure` its error.
template <class T>
struct ColumnNumbers {
  std::vector<T> values;
  std::exception_ptr failure;

  bool complete() const { return failure == nullptr; }
  void rethrowFailure() const {
    if (failure) std::rethrow_exception(failure);
  }
};

// Each cell converted with the value-cell conversion and rounded to double.
ColumnNumbers<double> readDoubles(const StringGrid& grid, int col, int rows, char decimalSeparator);
// Each cell converted with the value-cell conversion and rounded to single precision.
ColumnNumbers<float> readFloats(const StringGrid& grid, int col, int rows, char decimalSeparator);

// One cell as a double; throws ConversionError or ValueRangeError.
double cellDouble(const StringGrid& grid, int col, int row, char decimalSeparator);
// Any converted value as a double; throws ValueRangeError when it does not fit.
double finiteDouble(long double value, std::string_view text);

// The texts "1", "2", ... "count" (row numbers of the data and deviation grids).
GridColumn rowNumberColumn(int count);
// Each value in the general format with `digits` significant digits.
GridColumn generalTextColumn(std::span<const double> values, int digits, char decimalSeparator);

// The foot of the data and deviation charts after a load: with P = readings x tau seconds,
// "(<P div 3600> horas de medición con Tau= <tau> s)" from one hour on, else
// "(<P div 60> minutos de medición con Tau= <tau> s)". The product is formed in 64 bits, so a
// long file never shows a wrapped, negative duration.
std::string measurementFootText(std::int64_t readings, std::int32_t tauSeconds);

}  // namespace kovia
