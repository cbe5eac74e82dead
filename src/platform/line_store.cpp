#include "platform/line_store.h"

#include <cerrno>
#include <cstdio>
#include <memory>

#include <QStringList>

#include "core/text_file.h"
#include "platform/messages.h"

namespace kovia {

FileOpenError::FileOpenError(const std::string& path)
    : std::runtime_error("No se puede abrir el archivo " + path), path_(path) {}

std::vector<std::string> splitLines(std::string_view bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  const std::size_t n = bytes.size();
  for (std::size_t i = 0; i < n; ++i) {
    const char c = bytes[i];
    if (c != '\r' && c != '\n') continue;
    lines.emplace_back(bytes.substr(start, i - start));
    if (c == '\r' && i + 1 < n && bytes[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < n) lines.emplace_back(bytes.substr(start));
  return lines;
}

void LineStore::loadFromFile(const std::string& path) {
  struct Closer {
    void operator()(std::FILE* f) const { std::fclose(f); }
  };
  std::unique_ptr<std::FILE, Closer> file(std::fopen(path.c_str(), "rb"));
  if (!file) throw FileOpenError(path);
  std::string bytes;
  char buffer[1 << 16];
  std::size_t got = 0;
  while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) bytes.append(buffer, got);
  // A folder opens on some systems but cannot be read: that is an unreadable file too.
  if (std::ferror(file.get())) throw FileOpenError(path);
  lines_ = splitLines(bytes);
}

void LineStore::loadFromBytes(std::string_view bytes) { lines_ = splitLines(bytes); }

const std::string& LineStore::line(int index) const {
  if (index < 0 || index >= count()) throw ListIndexError(index);
  return lines_[static_cast<std::size_t>(index)];
}

void LineStore::insert(int index, std::string text) {
  if (index < 0 || index > count()) throw ListIndexError(index);
  lines_.insert(lines_.begin() + index, std::move(text));
}

void LineStore::remove(int index) {
  if (index < 0 || index >= count()) throw ListIndexError(index);
  lines_.erase(lines_.begin() + index);
}

std::string LineStore::text() const { return joinCrLf(lines_); }

Memo::Memo(QWidget* parent, const QString& name) : QWidget(parent) {
  setObjectName(name);
  hide();
}

QString Memo::displayText() const {
  QStringList decoded;
  decoded.reserve(lines_.count());
  for (const std::string& l : lines_.lines()) decoded << QString::fromStdString(fromWindows1252(l));
  return decoded.join(QLatin1Char('\n'));
}

void Memo::setDisplayText(const QString& text) { lines_.loadFromBytes(toWindows1252(text.toStdString())); }

}  // namespace kovia
