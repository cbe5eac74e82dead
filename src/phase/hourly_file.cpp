#include "phase/hourly_file.h"

#include <QFile>
#include <QTemporaryDir>
#include <charconv>
#include <cstdint>
#include <memory>

namespace kovia {

std::string hourlyRecordsText(std::string_view bytes) {
  const std::size_t records = bytes.size() / 4;
  std::string text;
  text.reserve(records * 8);
  char buffer[16];
  for (std::size_t r = 0; r < records; ++r) {
    const auto* b = reinterpret_cast<const unsigned char*>(bytes.data() + 4 * r);
    const std::uint32_t raw = static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
                              (static_cast<std::uint32_t>(b[2]) << 16) |
                              (static_cast<std::uint32_t>(b[3]) << 24);
    const auto value = static_cast<std::int32_t>(raw);
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    text.append(buffer, end);
    text.push_back('\n');
  }
  return text;
}

std::optional<QString> intermediateFilePath() {
  // One folder for the whole run; QTemporaryDir removes it with its contents at exit.
  static const std::unique_ptr<QTemporaryDir> folder = [] {
    auto dir = std::make_unique<QTemporaryDir>();
    dir->setAutoRemove(true);
    return dir;
  }();
  if (!folder->isValid()) return std::nullopt;
  return folder->filePath(QStringLiteral("aux_file.txt"));
}

std::optional<QString> convertHourlyFile(const QString& path) {
  QFile hourly(path);
  if (!hourly.open(QIODevice::ReadOnly)) return std::nullopt;
  const QByteArray bytes = hourly.readAll();
  if (hourly.error() != QFileDevice::NoError) return std::nullopt;
  hourly.close();

  const std::optional<QString> target = intermediateFilePath();
  if (!target) return std::nullopt;
  QFile intermediate(*target);
  if (!intermediate.open(QIODevice::WriteOnly | QIODevice::Truncate)) return std::nullopt;
  const std::string text =
      hourlyRecordsText(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  if (intermediate.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size())) {
    return std::nullopt;
  }
  intermediate.close();
  return target;
}

}  // namespace kovia
