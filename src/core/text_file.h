// Text files written by the program: Windows-1252 bytes, CR LF after every line
// (the last included), and atomic replacement of the target.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kovia {

// Encodes UTF-8 text (the program's own literals) as Windows-1252. Characters that
// Windows-1252 cannot hold become '?', as does each ill-formed UTF-8 sequence. The C1
// control characters U+0081, U+008D, U+008F, U+0090 and U+009D encode to the bytes of the
// same value, so that fromWindows1252 followed by this gives back every byte.
std::string toWindows1252(std::string_view utf8);

// Decodes Windows-1252 bytes (cell texts as read from a file) to UTF-8 for display.
std::string fromWindows1252(std::string_view bytes);

// Joins lines with CR LF after every line, the last included.
std::string joinCrLf(const std::vector<std::string>& lines);

// Raised when a file cannot be written; what() is the message given, which for
// replaceFileAtomically is the platform's "Cannot create file <path>".
class FileWriteError : public std::runtime_error {
 public:
  FileWriteError(std::string path, const std::string& message);
  const std::string& path() const noexcept { return path_; }

 private:
  std::string path_;
};

// True when an in-place write to `path` could be opened: the target is not a folder,
// an existing target is writable, and its folder exists and is writable.
bool canWriteInPlace(const std::string& path);

// Replaces the file at `path` with `bytes`, atomically: the bytes go to a new temporary
// file in the target's folder (flushed and synced), which is then renamed over the target.
// A symbolic link is followed to the real file, whose permissions are kept. A target
// that canWriteInPlace refuses is refused before anything is written. On any failure the
// old file stays whole, no temporary file is left behind, and FileWriteError is thrown.
void replaceFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace kovia
