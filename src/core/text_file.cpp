// Windows-1252 text and atomic replacement of written files.
#include "core/text_file.h"

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace kovia {

namespace {

// Code points of the bytes 0x80..0x9F. The five bytes Windows-1252 leaves undefined map to
// the C1 control code points of the same value, so every byte decodes and encodes back.
constexpr char32_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char encodeCodePoint(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
  for (int i = 0; i < 32; ++i) {
    if (kHighControls[i] == cp) return static_cast<char>(0x80 + i);
  }
  return '?';
}

void appendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// Decodes one UTF-8 character at `i`. Returns the number of bytes used; `cp` is -1 for an
// ill-formed sequence, which then covers its longest well-formed beginning (at least one
// byte), as a replacement character would.
std::size_t decodeUtf8(std::string_view s, std::size_t i, long& cp) {
  const auto byte = [&](std::size_t j) { return static_cast<unsigned char>(s[j]); };
  const unsigned lead = byte(i);
  cp = -1;
  if (lead < 0x80) {
    cp = static_cast<long>(lead);
    return 1;
  }
  std::size_t length;
  unsigned low = 0x80;
  unsigned high = 0xBF;
  long value;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    value = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    value = lead & 0x0F;
    if (lead == 0xE0) low = 0xA0;   // no overlong forms
    if (lead == 0xED) high = 0x9F;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    value = lead & 0x07;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;  // nothing above U+10FFFF
  } else {
    return 1;
  }
  for (std::size_t k = 1; k < length; ++k) {
    if (i + k >= s.size()) return k;
    const unsigned next = byte(i + k);
    if (next < low || next > high) return k;
    low = 0x80;
    high = 0xBF;
    value = (value << 6) | static_cast<long>(next & 0x3F);
  }
  cp = value;
  return length;
}

std::string folderOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

std::string fileNameOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Follows symbolic links to the file they finally name (which may not exist yet).
// False when the chain is too long or cannot be read.
bool resolveLinks(const std::string& path, std::string& target) {
  target = path;
  for (int hops = 0; hops < 40; ++hops) {
    struct stat st;
    if (lstat(target.c_str(), &st) != 0) return errno == ENOENT;
    if (!S_ISLNK(st.st_mode)) return true;
    std::string link(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 255) + 1, '\0');
    const ssize_t n = readlink(target.c_str(), link.data(), link.size());
    if (n < 0 || static_cast<std::size_t>(n) >= link.size()) return false;
    link.resize(static_cast<std::size_t>(n));
    target = (!link.empty() && link[0] == '/') ? link : folderOf(target) + "/" + link;
  }
  return false;
}

// Write permission judged by the mode bits as well as by access(): the superuser passes
// every access() check, yet a file or folder with no write bit at all is read-only to the
// operator, and is refused for everyone alike.
bool writable(const std::string& path, const struct stat& st, int extraAccess) {
  if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return false;
  return access(path.c_str(), W_OK | extraAccess) == 0;
}

// The checks of canWriteInPlace on a path whose links are already followed. `existing`
// tells whether the target exists; `targetStat` then holds its status.
bool targetAccepted(const std::string& target, bool& existing, struct stat& targetStat) {
  existing = false;
  if (target.empty() || target.back() == '/') return false;
  if (stat(target.c_str(), &targetStat) == 0) {
    existing = true;
    if (!S_ISREG(targetStat.st_mode) || !writable(target, targetStat, 0)) return false;
  } else if (errno != ENOENT) {
    return false;
  }
  const std::string folder = folderOf(target);
  struct stat folderStat;
  if (stat(folder.c_str(), &folderStat) != 0 || !S_ISDIR(folderStat.st_mode)) return false;
  return writable(folder, folderStat, X_OK);
}

[[noreturn]] void refuse(const std::string& path) {
  throw FileWriteError(path, "Cannot create file " + path);
}

// Creates a new file beside the target, named after it with a random suffix; the mode
// 0666 lets the process umask give a new file its usual permissions.
int createTemporary(const std::string& target, std::string& name) {
  static std::mt19937_64 generator(
      std::random_device{}() ^ static_cast<std::uint64_t>(getpid()) ^
      static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
  constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  // A long target name is shortened in the temporary name only, which must stay within
  // the file system's name limit; the target keeps its full name.
  const std::string stem = folderOf(target) + "/." + fileNameOf(target).substr(0, 200) + ".";
  for (int attempt = 0; attempt < 100; ++attempt) {
    name = stem;
    for (int i = 0; i < 8; ++i) name += kLetters[generator() % (sizeof kLetters - 1)];
    const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

bool writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

}  // namespace

std::string toWindows1252(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    long cp;
    i += decodeUtf8(utf8, i, cp);
    out += cp < 0 ? '?' : encodeCodePoint(static_cast<char32_t>(cp));
  }
  return out;
}

std::string fromWindows1252(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 4);
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      out += c;
    } else if (byte < 0xA0) {
      appendUtf8(out, kHighControls[byte - 0x80]);
    } else {
      appendUtf8(out, byte);
    }
  }
  return out;
}

std::string joinCrLf(const std::vector<std::string>& lines) {
  std::size_t size = 0;
  for (const auto& line : lines) size += line.size() + 2;
  std::string out;
  out.reserve(size);
  for (const auto& line : lines) {
    out += line;
    out += "\r\n";
  }
  return out;
}

FileWriteError::FileWriteError(std::string path, const std::string& message)
    : std::runtime_error(message), path_(std::move(path)) {}

bool canWriteInPlace(const std::string& path) {
  std::string target;
  if (!resolveLinks(path, target)) return false;
  bool existing;
  struct stat st;
  return targetAccepted(target, existing, st);
}

void replaceFileAtomically(const std::string& path, std::string_view bytes) {
  std::string target;
  if (!resolveLinks(path, target)) refuse(path);
  bool existing;
  struct stat targetStat;
  if (!targetAccepted(target, existing, targetStat)) refuse(path);

  std::string temporary;
  const int fd = createTemporary(target, temporary);
  if (fd < 0) refuse(path);
  bool ok = writeAll(fd, bytes);
  if (ok && existing) {
    // Keep the replaced file's owner (where allowed) and permissions. The owner goes first
    // because changing it clears set-id bits.
    if (targetStat.st_uid != geteuid() || targetStat.st_gid != getegid()) {
      (void)!fchown(fd, targetStat.st_uid, targetStat.st_gid);
    }
    ok = fchmod(fd, targetStat.st_mode & 07777) == 0;
  }
  ok = ok && fsync(fd) == 0;
  ok = (close(fd) == 0) && ok;
  ok = ok && rename(temporary.c_str(), target.c_str()) == 0;
  if (!ok) {
    unlink(temporary.c_str());
    refuse(path);
  }
  // Make the rename itself durable; the new file is already complete, so a failure here
  // changes nothing for the caller.
  const int folder = open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder >= 0) {
    (void)fsync(folder);
    close(folder);
  }
}

}  // namespace kovia
