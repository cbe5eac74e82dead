// The text of an acceptance scenario: one step a line, parsed into steps before anything runs,
// so that a malformed line ends the run with its line number before the program is touched.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kovia {

struct ScenarioStep {
  int line = 0;                    // 1-based line of the step in the file
  std::string verb;                // press, call, choose, type, key, cell, select, clickpoint, ...
  std::vector<std::string> args;   // arguments, quotes removed and escapes resolved
  std::vector<ScenarioStep> body;  // the steps of a `modal` block, up to its `end`
};

class ScenarioSyntaxError : public std::runtime_error {
 public:
  ScenarioSyntaxError(int line, const std::string& message);
  int line() const noexcept { return line_; }

 private:
  int line_;
};

// Splits one line into blank-separated words; "text" may hold blanks, \" and \\.
// Throws std::invalid_argument on an unterminated quote or an unknown escape.
std::vector<std::string> splitScenarioWords(std::string_view line);

// Parses a whole scenario. Blank lines and lines starting with '#' are skipped. Every step is
// checked for its verb and its number and kind of arguments; `this` may name a form only inside
// a `modal` block. Throws ScenarioSyntaxError.
std::vector<ScenarioStep> parseScenario(std::string_view text);

// "FORM.NAME" → {"FORM", "NAME"}; "FORM.CHART.LeftAxis" → {"FORM", "CHART.LeftAxis"}.
// Returns false when there is no dot or either side is empty.
bool splitQualifiedName(std::string_view qualified, std::string& form, std::string& rest);

}  // namespace kovia
