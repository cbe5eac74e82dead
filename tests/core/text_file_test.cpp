#include "core/text_file.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace kovia {
namespace {

namespace fs = std::filesystem;

// ---------------------------------------------------------------------------------------
// Windows-1252

struct EncodeCase {
  const char* utf8;
  const char* cp1252;
};

const EncodeCase kEncodeCases[] = {
    {"Desviación Fraccional", "Desviaci\xF3n Fraccional"},
    {"Raíz ú ñ Ñ ü ¿¡ °", "Ra\xEDz \xFA \xF1 \xD1 \xFC \xBF\xA1 \xB0"},
    {"€ ‚ ƒ „ … † ‡ ˆ ‰ Š ‹ Œ Ž", "\x80 \x82 \x83 \x84 \x85 \x86 \x87 \x88 \x89 \x8A \x8B \x8C \x8E"},
    {"‘ ’ “ ” • – — ˜ ™ š › œ ž Ÿ",
     "\x91 \x92 \x93 \x94 \x95 \x96 \x97 \x98 \x99 \x9A \x9B \x9C \x9E \x9F"},
    {"\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D", "\x81\x8D\x8F\x90\x9D"},  // undefined bytes
    {"\xC2\x80", "?"},                // U+0080 has no byte: 0x80 is the euro sign
    {"σ(τ) 日本", "?(?) ??"},
    {"a😀b", "a?b"},                  // one character, one '?'
    {"\xC3", "?"},                    // cut sequence
    {"\xE2\x82x", "?x"},              // cut sequence before an ASCII byte
    {"\xFF\xC0\xAF", "???"},          // never-valid byte, overlong form
    {"\xED\xA0\x80", "???"},          // surrogate
    {"", ""},
};

TEST(Windows1252Test, EncodesUtf8) {
  for (const auto& c : kEncodeCases) {
    EXPECT_EQ(toWindows1252(c.utf8), c.cp1252) << c.utf8;
  }
}

TEST(Windows1252Test, DecodesEveryByteAndEncodesItBack) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(toWindows1252(fromWindows1252(all)), all);
  EXPECT_EQ(fromWindows1252("\x80"), "€");
  EXPECT_EQ(fromWindows1252("Desviaci\xF3n"), "Desviación");
  EXPECT_EQ(fromWindows1252("\x9F\x8D"), "Ÿ\xC2\x8D");
}

TEST(JoinCrLfTest, EndsEveryLineWithCrLf) {
  EXPECT_EQ(joinCrLf({}), "");
  EXPECT_EQ(joinCrLf({""}), "\r\n");
  EXPECT_EQ(joinCrLf({"a", "", "b\tc"}), "a\r\n\r\nb\tc\r\n");
}

// ---------------------------------------------------------------------------------------
// Atomic replacement

std::string readBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeBytes(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

mode_t modeOf(const fs::path& path) {
  struct stat st;
  EXPECT_EQ(stat(path.c_str(), &st), 0);
  return st.st_mode & 07777;
}

class AtomicReplaceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "kovia-text-file-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
    savedUmask_ = umask(022);
  }
  void TearDown() override {
    umask(savedUmask_);
    for (const auto& entry : fs::recursive_directory_iterator(folder_)) {
      if (!entry.is_symlink()) chmod(entry.path().c_str(), 0700);
    }
    fs::remove_all(folder_);
  }

  std::set<std::string> entries(const fs::path& dir) const {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir)) names.insert(entry.path().filename());
    return names;
  }

  // A refused or failed write: FileWriteError naming the path, the old bytes and the
  // folder's entries unchanged.
  void expectRefused(const fs::path& path) {
    std::error_code ec;
    const fs::path dir = path.parent_path();
    const bool folderExists = fs::is_directory(dir, ec);
    const bool fileExists = fs::is_regular_file(path, ec);
    const auto before = folderExists ? entries(dir) : std::set<std::string>{};
    const std::string old = fileExists ? readBytes(path) : "";
    EXPECT_FALSE(canWriteInPlace(path.string())) << path;
    try {
      replaceFileAtomically(path.string(), "new bytes\r\n");
      ADD_FAILURE() << "written: " << path;
    } catch (const FileWriteError& e) {
      EXPECT_EQ(std::string(e.what()), "Cannot create file " + path.string());
      EXPECT_EQ(e.path(), path.string());
    }
    if (fileExists) {
      EXPECT_EQ(readBytes(path), old);
    }
    if (folderExists) {
      EXPECT_EQ(entries(dir), before);
    }
  }

  fs::path folder_;
  mode_t savedUmask_ = 0;
};

TEST_F(AtomicReplaceTest, CreatesANewFileWithTheUmaskPermissions) {
  const fs::path path = folder_ / "nuevo.txt";
  umask(027);
  EXPECT_TRUE(canWriteInPlace(path.string()));
  replaceFileAtomically(path.string(), "1\r\n2\r\n");
  EXPECT_EQ(readBytes(path), "1\r\n2\r\n");
  EXPECT_EQ(modeOf(path), 0640u);
  EXPECT_EQ(entries(folder_), std::set<std::string>{"nuevo.txt"});
}

TEST_F(AtomicReplaceTest, ReplacesTheWholeFileAndKeepsItsPermissions) {
  const fs::path path = folder_ / "datos.dat";
  writeBytes(path, "a much longer old content\r\n");
  chmod(path.c_str(), 0604);
  replaceFileAtomically(path.string(), "short\r\n");
  EXPECT_EQ(readBytes(path), "short\r\n");
  EXPECT_EQ(modeOf(path), 0604u);
  EXPECT_EQ(entries(folder_), std::set<std::string>{"datos.dat"});
  replaceFileAtomically(path.string(), "");
  EXPECT_EQ(readBytes(path), "");
}

TEST_F(AtomicReplaceTest, WritesAFileWhoseNameIsAtTheLengthLimit) {
  const fs::path path = folder_ / (std::string(251, 'n') + ".txt");
  replaceFileAtomically(path.string(), "1\r\n");
  EXPECT_EQ(readBytes(path), "1\r\n");
  replaceFileAtomically(path.string(), "2\r\n");
  EXPECT_EQ(readBytes(path), "2\r\n");
  EXPECT_EQ(entries(folder_).size(), 1u);
}

TEST_F(AtomicReplaceTest, FollowsSymbolicLinksToTheRealFile) {
  fs::create_directory(folder_ / "real");
  const fs::path real = folder_ / "real" / "allan.txt";
  writeBytes(real, "old");
  chmod(real.c_str(), 0600);
  const fs::path link = folder_ / "enlace.txt";
  fs::create_symlink("real/allan.txt", link);
  const fs::path chained = folder_ / "cadena.txt";
  fs::create_symlink(link.filename(), chained);

  EXPECT_TRUE(canWriteInPlace(chained.string()));
  replaceFileAtomically(chained.string(), "new");
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_TRUE(fs::is_symlink(chained));
  EXPECT_EQ(readBytes(real), "new");
  EXPECT_EQ(modeOf(real), 0600u);
  EXPECT_EQ(entries(folder_ / "real"), std::set<std::string>{"allan.txt"});

  // A link to a file that does not exist yet creates that file.
  const fs::path dangling = folder_ / "pendiente.txt";
  fs::create_symlink("real/nuevo.txt", dangling);
  replaceFileAtomically(dangling.string(), "x");
  EXPECT_EQ(readBytes(folder_ / "real" / "nuevo.txt"), "x");
  EXPECT_TRUE(fs::is_symlink(dangling));
}

// Refusals are judged by the permission bits too, so they hold for the superuser as well.
TEST_F(AtomicReplaceTest, RefusesTargetsAnInPlaceWriteCouldNotOpen) {
  fs::create_directory(folder_ / "carpeta");
  expectRefused(folder_ / "carpeta");
  expectRefused(folder_.string() + "/carpeta/");

  const fs::path readOnly = folder_ / "solo_lectura.txt";
  writeBytes(readOnly, "keep me\r\n");
  chmod(readOnly.c_str(), 0444);
  expectRefused(readOnly);

  const fs::path locked = folder_ / "cerrada";
  fs::create_directory(locked);
  writeBytes(locked / "viejo.txt", "old\r\n");
  chmod(locked.c_str(), 0555);
  expectRefused(locked / "nuevo.txt");
  expectRefused(locked / "viejo.txt");

  expectRefused(folder_ / "no_existe" / "archivo.txt");
  expectRefused(fs::path(""));

  const fs::path loop = folder_ / "bucle";
  fs::create_symlink("bucle", loop);
  expectRefused(loop);
}

TEST_F(AtomicReplaceTest, AFailedWriteLeavesTheOldFileAndNoTemporary) {
  const fs::path path = folder_ / "reporte.txt";
  const std::string old = "old report\r\n";
  writeBytes(path, old);
  const auto before = entries(folder_);

  // A file size limit makes write() fail with EFBIG, as a full disk would fail it.
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{64, 64};
    setrlimit(RLIMIT_FSIZE, &limit);
    int status = 1;
    try {
      replaceFileAtomically(path.string(), std::string(100000, 'x'));
    } catch (const FileWriteError& e) {
      status = std::string(e.what()) == "Cannot create file " + path.string() ? 0 : 2;
    }
    _exit(status);
  }
  int status = -1;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(readBytes(path), old);
  EXPECT_EQ(entries(folder_), before);
}

}  // namespace
}  // namespace kovia
