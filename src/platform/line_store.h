// The line store: the ordered lines of a window's hidden memo Memo1.
//
// Lines keep the bytes read from the file (no decoding). A file's lines end with CR LF,
// LF or CR; a line break after the last line is optional and adds no line; an empty
// file has no lines.
#pragma once

#include <QString>
#include <QWidget>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kovia {

// Raised when a file cannot be opened or read; what() names the path.
class FileOpenError : public std::runtime_error {
 public:
  explicit FileOpenError(const std::string& path);
  const std::string& path() const noexcept { return path_; }

 private:
  std::string path_;
};

class LineStore {
 public:
  // Replaces the lines with those of the file at `path` (a path in UTF-8). Throws
  // FileOpenError ("No se puede abrir el archivo <path>") when the file cannot be opened
  // or read; the lines are then unchanged.
  void loadFromFile(const std::string& path);
  // Replaces the lines with those of `bytes`.
  void loadFromBytes(std::string_view bytes);

  int count() const { return static_cast<int>(lines_.size()); }
  // Line `index`; throws ListIndexError outside 0 .. count()-1.
  const std::string& line(int index) const;
  const std::vector<std::string>& lines() const { return lines_; }

  // Inserts `text` before line `index` (index == count() appends). Throws ListIndexError
  // outside 0 .. count().
  void insert(int index, std::string text);
  void add(std::string text) { lines_.push_back(std::move(text)); }
  // Deletes line `index`; throws ListIndexError outside 0 .. count()-1.
  void remove(int index);
  void clear() { lines_.clear(); }

  // The lines joined with CR LF after every line, the last included.
  std::string text() const;

 private:
  std::vector<std::string> lines_;
};

// Splits bytes into lines as the line store does.
std::vector<std::string> splitLines(std::string_view bytes);

// The hidden memo: a widget that is never shown and holds a line store.
class Memo : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QString text READ displayText)

 public:
  explicit Memo(QWidget* parent = nullptr, const QString& name = QStringLiteral("Memo1"));

  LineStore& Lines() { return lines_; }
  const LineStore& Lines() const { return lines_; }

  // The lines decoded for display, joined with line feeds.
  QString displayText() const;
  // Replaces the lines with `text` (encoded as Windows-1252), as typing into the memo does.
  void setDisplayText(const QString& text);

 private:
  LineStore lines_;
};

}  // namespace kovia
