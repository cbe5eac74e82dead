#include "core/result_files.h"

#include "core/text_file.h"

namespace kovia {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

template <typename Text>
std::string composeColumn(std::span<const Text> texts) {
  std::size_t size = 0;
  for (const auto& t : texts) size += std::string_view(t).size() + kLineEnd.size();
  std::string out;
  out.reserve(size);
  for (const auto& t : texts) {
    out.append(std::string_view(t));
    out.append(kLineEnd);
  }
  return out;
}

// A line made of a program literal (UTF-8 in the source, Windows-1252 in the file), a tab
// and an inserted text taken byte for byte.
void appendLabelled(std::string& out, std::string_view label, std::string_view text) {
  out.append(toWindows1252(label));
  out.push_back('\t');
  out.append(text);
  out.append(kLineEnd);
}

}  // namespace

std::string composeValueColumn(std::span<const std::string> texts) {
  return composeColumn(texts);
}

std::string composeValueColumn(std::span<const std::string_view> texts) {
  return composeColumn(texts);
}

std::string composeTable(std::span<const TableRow> rows) {
  std::string out;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    for (std::size_t j = 0; j < 4; ++j) {
      out.append(rows[i][j]);
      if (i == 0 && j == 3) {
        out.append(9, ' ');
      } else {
        out.push_back('\t');
      }
    }
    out.append(kLineEnd);
  }
  return out;
}

std::string composeFrequencyReport(std::string_view count, std::string_view nominal, std::string_view mean,
                                   std::string_view deviation) {
  std::string out;
  appendLabelled(out, "Número de datos:", count);
  appendLabelled(out, "Frecuencia Nominal:", nominal);
  appendLabelled(out, "Frecuencia Promedio:", mean);
  out.append(kLineEnd);
  appendLabelled(out, "Desviación Fraccional:", deviation);
  return out;
}

std::string composePhaseReport(std::string_view count, std::string_view rate) {
  std::string out;
  appendLabelled(out, "Número de datos:", count);
  appendLabelled(out, "Desviación Fraccional:", rate);
  return out;
}

void writeValueColumn(const std::string& path, std::span<const std::string> texts) {
  replaceFileAtomically(path, composeValueColumn(texts));
}

void writeValueColumn(const std::string& path, std::span<const std::string_view> texts) {
  replaceFileAtomically(path, composeValueColumn(texts));
}

void writeTable(const std::string& path, std::span<const TableRow> rows) {
  replaceFileAtomically(path, composeTable(rows));
}

void writeFrequencyReport(const std::string& path, std::string_view count, std::string_view nominal,
                          std::string_view mean, std::string_view deviation) {
  replaceFileAtomically(path, composeFrequencyReport(count, nominal, mean, deviation));
}

void writePhaseReport(const std::string& path, std::string_view count, std::string_view rate) {
  replaceFileAtomically(path, composePhaseReport(count, rate));
}

}  // namespace kovia
