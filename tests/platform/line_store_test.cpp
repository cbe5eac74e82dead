// The line store of the hidden memo: line ends, the final line break, bytes kept,
// unreadable files, and index errors.
#include "platform/line_store.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "platform/messages.h"

namespace kovia {
namespace {

using Lines = std::vector<std::string>;

TEST(LineStore, SplitsEveryKindOfLineEnd) {
  struct Case {
    const char* name;
    std::string bytes;
    Lines lines;
  };
  const Case cases[] = {
      {"CR LF", "10\r\n20\r\n30", {"10", "20", "30"}},
      {"LF", "10\n20\n30", {"10", "20", "30"}},
      {"CR", "10\r20\r30", {"10", "20", "30"}},
      {"final CR LF adds no line", "10\r\n20\r\n", {"10", "20"}},
      {"final LF adds no line", "10\n20\n", {"10", "20"}},
      {"final CR adds no line", "10\r20\r", {"10", "20"}},
      {"mixed", "1\r\n2\n3\r4", {"1", "2", "3", "4"}},
      {"empty line in the middle", "1\r\n\r\n3\r\n", {"1", "", "3"}},
      {"LF CR is two breaks", "1\n\r2", {"1", "", "2"}},
      {"empty file", "", {}},
      {"only a break", "\r\n", {""}},
      {"blanks and bytes kept", " 1,5 \r\n\xE9\t", {" 1,5 ", "\xE9\t"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    LineStore store;
    store.loadFromBytes(c.bytes);
    EXPECT_EQ(store.lines(), c.lines);
    EXPECT_EQ(store.count(), static_cast<int>(c.lines.size()));
  }
}

TEST(LineStore, LoadsFilesAndRefusesUnreadableOnes) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const std::string path = dir.filePath(QStringLiteral("datos.txt")).toStdString();
  std::ofstream(path, std::ios::binary) << "9999999.5\r\n10000000.25\r\n";
  LineStore store;
  store.loadFromFile(path);
  EXPECT_EQ(store.lines(), (Lines{"9999999.5", "10000000.25"}));

  const std::string missing = dir.filePath(QStringLiteral("no_existe.txt")).toStdString();
  try {
    store.loadFromFile(missing);
    ADD_FAILURE() << "no exception";
  } catch (const FileOpenError& e) {
    EXPECT_EQ(std::string(e.what()), "No se puede abrir el archivo " + missing);
  }
  EXPECT_THROW(store.loadFromFile(dir.path().toStdString()), FileOpenError);  // a folder
  EXPECT_EQ(store.count(), 2);  // a failed load leaves the lines as they were
}

TEST(LineStore, InsertAndRemoveByIndex) {
  LineStore store;
  store.loadFromBytes("10\n20\n30\n");
  store.insert(1, "15");
  store.insert(4, "40");  // at the end
  store.remove(0);
  EXPECT_EQ(store.lines(), (Lines{"15", "20", "30", "40"}));
  EXPECT_EQ(store.text(), "15\r\n20\r\n30\r\n40\r\n");

  struct Case {
    const char* what;
    std::function<void()> action;
    const char* message;
  };
  const Case cases[] = {
      {"line -1", [&] { (void)store.line(-1); }, "List index out of bounds (-1)"},
      {"line past the end", [&] { (void)store.line(4); }, "List index out of bounds (4)"},
      {"insert past the end", [&] { store.insert(6, "x"); }, "List index out of bounds (6)"},
      {"remove -1", [&] { store.remove(-1); }, "List index out of bounds (-1)"},
      {"remove past the end", [&] { store.remove(4); }, "List index out of bounds (4)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    try {
      c.action();
      ADD_FAILURE() << "no exception";
    } catch (const ListIndexError& e) {
      EXPECT_STREQ(e.what(), c.message);
    }
  }
  EXPECT_EQ(store.count(), 4);
}

TEST(Memo, IsHiddenAndTypingReplacesItsLines) {
  Memo memo;
  EXPECT_EQ(memo.objectName(), QStringLiteral("Memo1"));
  EXPECT_TRUE(memo.isHidden());
  memo.setDisplayText(QStringLiteral("1,5\nvalor é"));
  EXPECT_EQ(memo.Lines().lines(), (Lines{"1,5", "valor \xE9"}));
  EXPECT_EQ(memo.displayText(), QStringLiteral("1,5\nvalor é"));
}

}  // namespace
}  // namespace kovia
