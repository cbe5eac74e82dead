// Hourly binary phase files: a bare sequence of signed 32-bit little-endian counts, no header.
// The load converts such a file into the intermediate text file "aux_file.txt", one decimal
// count per line, and reads that file like a text file. The intermediate file lives in a
// private temporary folder of the running program (created on first use, readable by the
// user only, removed when the program ends).
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>

namespace kovia {

// Decimal lines of the complete 4-byte records of `bytes` ("%ld" form, each followed by a
// line feed); trailing bytes that do not fill a record are ignored.
std::string hourlyRecordsText(std::string_view bytes);

// Path of the intermediate file; nullopt when the private folder cannot be created.
std::optional<QString> intermediateFilePath();

// Converts the hourly file at `path` into the intermediate file and returns the intermediate
// file's path; nullopt when the hourly file cannot be opened or the intermediate file cannot
// be created (the window then says "No se puede abrir archivo").
std::optional<QString> convertHourlyFile(const QString& path);

}  // namespace kovia
