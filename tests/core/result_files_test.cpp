#include "core/result_files.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/text_file.h"

namespace kovia {
namespace {

namespace fs = std::filesystem;

std::string readBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (fs::temp_directory_path() / "kovia-result-files-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp");
    path_ = pattern;
  }
  ~TempFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

TEST(ResultFilesTest, ValueColumnWritesEveryTextByteForByte) {
  // The phase window's first line is its header cell; an empty cell is an empty line; cell
  // bytes are Windows-1252 already and are not re-encoded.
  const std::vector<std::string> texts = {"       Valor   ", "4.72222222E-8", "", "caf\xE9"};
  EXPECT_EQ(composeValueColumn(texts), "       Valor   \r\n4.72222222E-8\r\n\r\ncaf\xE9\r\n");
  const std::vector<std::string_view> views = {"1E-9", "-1E-9"};
  EXPECT_EQ(composeValueColumn(views), "1E-9\r\n-1E-9\r\n");
  EXPECT_EQ(composeValueColumn(std::span<const std::string>{}), "");
}

TEST(ResultFilesTest, TableLayout) {
  struct Case {
    const char* name;
    std::vector<TableRow> rows;
    std::string bytes;
  };
  const Case cases[] = {
      {"frequency table: the first row is already data",
       {{"1", "0.2922", "0.2682", "0.418"}, {"2", "0.201", "", ""}},
       "1\t0.2922\t0.2682\t0.418         \r\n2\t0.201\t\t\t\r\n"},
      {"phase table before a noise type",
       {{"   Tau", "    Avar ", "    Binf ", "    Bsup "}, {"1", "1.414E-9", "", ""}},
       "   Tau\t    Avar \t    Binf \t    Bsup          \r\n1\t1.414E-9\t\t\t\r\n"},
      {"phase table after a noise type",
       {{"   Tau", "    Avar ", " Binf", " Bsup"}},
       "   Tau\t    Avar \t Binf\t Bsup         \r\n"},
      {"no rows", {}, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(composeTable(c.rows), c.bytes) << c.name;
}

TEST(ResultFilesTest, ReportsEncodeTheirLabelsAsWindows1252) {
  EXPECT_EQ(composeFrequencyReport("100", "10000000", "10000000.0001", "1E-11"),
            "N\xFAmero de datos:\t100\r\n"
            "Frecuencia Nominal:\t10000000\r\n"
            "Frecuencia Promedio:\t10000000.0001\r\n"
            "\r\n"
            "Desviaci\xF3n Fraccional:\t1E-11\r\n");
  EXPECT_EQ(composePhaseReport("5", "2.777778E-9"),
            "N\xFAmero de datos:\t5\r\n"
            "Desviaci\xF3n Fraccional:\t2.777778E-9\r\n");
  // Inserted texts are cell bytes and pass unchanged, an empty one included.
  EXPECT_EQ(composePhaseReport("", "1,5E-9"),
            "N\xFAmero de datos:\t\r\nDesviaci\xF3n Fraccional:\t1,5E-9\r\n");
}

TEST(ResultFilesTest, WritersReplaceTheFileUnderItsFullPath) {
  TempFolder folder;
  // A path far beyond 149 characters is used whole, never cut to another name.
  fs::path deep = folder.path();
  for (int i = 0; i < 4; ++i) deep /= std::string(60, static_cast<char>('a' + i));
  fs::create_directories(deep);
  const fs::path target = deep / "allan.txt";
  ASSERT_GT(target.string().size(), 200u);
  {
    std::ofstream old(target, std::ios::binary);
    old << "an older and longer content that must disappear entirely\n";
  }
  const std::vector<TableRow> rows = {{"1", "0.2922", "", ""}};
  writeTable(target.string(), rows);
  EXPECT_EQ(readBytes(target), "1\t0.2922\t\t         \r\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(deep), fs::directory_iterator{}), 1);

  const fs::path column = folder.path() / "desviacion.dat";
  const std::vector<std::string> texts = {"1E-9", "2E-9"};
  writeValueColumn(column.string(), texts);
  EXPECT_EQ(readBytes(column), "1E-9\r\n2E-9\r\n");

  const fs::path report = folder.path() / "reporte.txt";
  writeFrequencyReport(report.string(), "1", "5", "5", "0");
  EXPECT_EQ(readBytes(report), composeFrequencyReport("1", "5", "5", "0"));
  writePhaseReport(report.string(), "3", "0");
  EXPECT_EQ(readBytes(report), composePhaseReport("3", "0"));
}

TEST(ResultFilesTest, AnUnwritableTargetIsReportedAndLeftAlone) {
  TempFolder folder;
  const fs::path target = folder.path() / "a folder";
  fs::create_directory(target);
  EXPECT_THROW(writePhaseReport(target.string(), "3", "0"), FileWriteError);
  EXPECT_TRUE(fs::is_directory(target));
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator{}), 1);
}

}  // namespace
}  // namespace kovia
