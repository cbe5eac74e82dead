#include "batch/json_line.h"
#include "batch/scenario_script.h"

#include <gtest/gtest.h>

namespace kovia {
namespace {

TEST(ScenarioScriptTest, SplitsWordsWithQuotesAndEscapes) {
  struct Case {
    const char* line;
    std::vector<std::string> words;
  };
  const Case cases[] = {
      {"press FormMain.BitBtn1", {"press", "FormMain.BitBtn1"}},
      {"  type  Form4.Edit1   \"10 000\"  ", {"type", "Form4.Edit1", "10 000"}},
      {R"(cell Form2.StringGrid1 1 0 "a \"b\" \\ c")", {"cell", "Form2.StringGrid1", "1", "0", R"(a "b" \ c)"}},
      {R"(type Form4.Edit1 "")", {"type", "Form4.Edit1", ""}},
      {"", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(splitScenarioWords(c.line), c.words) << c.line;
  EXPECT_THROW(splitScenarioWords("type X.Y \"open"), std::invalid_argument);
  EXPECT_THROW(splitScenarioWords(R"(type X.Y "a\n")"), std::invalid_argument);
}

TEST(ScenarioScriptTest, ParsesModalBlocksAndSkipsComments) {
  const auto steps = parseScenario(
      "# carga\n"
      "\n"
      "open datos.txt 1\n"
      "modal TForm4\n"
      "  type this.Edit1 \"10000000\"\n"
      "  key this.Edit1 enter\n"
      "end\n"
      "press Form2.SpeedButton3\r\n"
      "dump Form2.StringGrid1\n"
      "open this.txt\n");
  ASSERT_EQ(steps.size(), 5u);
  EXPECT_EQ(steps[0].verb, "open");
  EXPECT_EQ(steps[0].line, 3);
  EXPECT_EQ(steps[1].verb, "modal");
  ASSERT_EQ(steps[1].body.size(), 2u);
  EXPECT_EQ(steps[1].body[1].args, (std::vector<std::string>{"this.Edit1", "enter"}));
  EXPECT_EQ(steps[2].args[0], "Form2.SpeedButton3");
  EXPECT_EQ(steps[3].line, 9);
  EXPECT_EQ(steps[4].args[0], "this.txt");  // a path, not the form of a modal block
}

TEST(ScenarioScriptTest, ReportsTheLineOfAMalformedStep) {
  struct Case {
    const char* text;
    int line;
  };
  const Case cases[] = {
      {"press\n", 1},
      {"\npress Form2\n", 2},
      {"key Form4.Edit1 escape\n", 1},
      {"choose Form2.PageControl1 uno\n", 1},
      {"tick Form13.CheckBox1 si\n", 1},
      {"color 0xFF\n", 1},
      {"open cancel 2\n", 1},
      {"clickpoint Form2.Chart1 3 middle\n", 1},
      {"frobnicate Form2.X\n", 1},
      {"end\n", 1},
      {"# a\nmodal TForm4\npress Form2.BitBtn1\n", 2},
      {"type Form4.Edit1 \"sin cerrar\n", 1},
      {"open datos.txt 0\n", 1},
      {"press this.BitBtn1\n", 1},
      {"modal TForm4\nend\ndump this\n", 3},
  };
  for (const auto& c : cases) {
    try {
      parseScenario(c.text);
      ADD_FAILURE() << "accepted: " << c.text;
    } catch (const ScenarioSyntaxError& e) {
      EXPECT_EQ(e.line(), c.line) << c.text;
    }
  }
}

TEST(JsonLineTest, WritesStringsNumbersAndObjects) {
  EXPECT_EQ(jsonString("Análisis \"x\"\t\\"), "\"Análisis \\\"x\\\"\\t\\\\\"");
  EXPECT_EQ(jsonNumber(3.0), "3");
  EXPECT_EQ(jsonNumber(0.1), "0.1");
  EXPECT_EQ(jsonNumber(1e-9), "1e-09");
  EXPECT_EQ(jsonNumber(-0.0), "0");
  EXPECT_EQ(jsonNumber(1.0 / 3.0), "0.3333333333333333");
  JsonObject o;
  o.add("name", "Form2.Edit1").add("kind", "control").add("enabled", true).add("itemIndex", -1);
  EXPECT_EQ(o.str(), R"({"name": "Form2.Edit1", "kind": "control", "enabled": true, "itemIndex": -1})");
}

}  // namespace
}  // namespace kovia
