// Text files of the save command: value-column files, the Allan table file and the short
// frequency and phase reports. Every file is Windows-1252 text with CR LF after every line,
// the last included. Cell and edit texts are already Windows-1252 bytes (as read from the
// data file or written by the program) and go out byte for byte; only the program's own
// literals are encoded here.
//
// Each file has a compose function (the exact bytes) and a write function, which replaces
// the file at the given path whole and atomically (the path is used as given, never cut to a
// length limit) and throws FileWriteError when it cannot.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kovia {

// One row of an Allan table: averaging time, Allan deviation, lower bound, upper bound.
using TableRow = std::array<std::string, 4>;

// Value-column file: each text followed by CR LF, in order; an empty text gives an empty line.
std::string composeValueColumn(std::span<const std::string> texts);
std::string composeValueColumn(std::span<const std::string_view> texts);

// Table file: every cell followed by a tab, except the fourth cell of the first row, which is
// followed by nine spaces; CR LF after the fourth cell of each row.
std::string composeTable(std::span<const TableRow> rows);

// Frequency report, five lines: "Número de datos:\t<count>", "Frecuencia Nominal:\t<nominal>",
// "Frecuencia Promedio:\t<mean>", an empty line, "Desviación Fraccional:\t<deviation>".
std::string composeFrequencyReport(std::string_view count, std::string_view nominal, std::string_view mean,
                                   std::string_view deviation);

// Phase report, two lines: "Número de datos:\t<count>", "Desviación Fraccional:\t<rate>".
std::string composePhaseReport(std::string_view count, std::string_view rate);

void writeValueColumn(const std::string& path, std::span<const std::string> texts);
void writeValueColumn(const std::string& path, std::span<const std::string_view> texts);
void writeTable(const std::string& path, std::span<const TableRow> rows);
void writeFrequencyReport(const std::string& path, std::string_view count, std::string_view nominal,
                          std::string_view mean, std::string_view deviation);
void writePhaseReport(const std::string& path, std::string_view count, std::string_view rate);

}  // namespace kovia
