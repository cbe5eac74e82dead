#include "batch/scenario_script.h"

#include <charconv>
#include <cstdint>
#include <map>

namespace kovia {

ScenarioSyntaxError::ScenarioSyntaxError(int line, const std::string& message)
    : std::runtime_error("línea " + std::to_string(line) + ": " + message), line_(line) {}

std::vector<std::string> splitScenarioWords(std::string_view line) {
  std::vector<std::string> words;
  std::size_t i = 0;
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  while (i < line.size()) {
    while (i < line.size() && blank(line[i])) ++i;
    if (i >= line.size()) break;
    std::string word;
    if (line[i] == '"') {
      ++i;
      bool closed = false;
      while (i < line.size()) {
        const char c = line[i++];
        if (c == '"') {
          closed = true;
          break;
        }
        if (c == '\\') {
          if (i >= line.size() || (line[i] != '"' && line[i] != '\\')) {
            throw std::invalid_argument("secuencia de escape no válida en un texto entre comillas");
          }
          word += line[i++];
        } else {
          word += c;
        }
      }
      if (!closed) throw std::invalid_argument("texto entre comillas sin cerrar");
      if (i < line.size() && !blank(line[i])) {
        throw std::invalid_argument("falta un espacio después de un texto entre comillas");
      }
    } else {
      while (i < line.size() && !blank(line[i])) word += line[i++];
    }
    words.push_back(std::move(word));
  }
  return words;
}

bool splitQualifiedName(std::string_view qualified, std::string& form, std::string& rest) {
  const auto dot = qualified.find('.');
  if (dot == std::string_view::npos || dot == 0 || dot + 1 >= qualified.size()) return false;
  form = std::string(qualified.substr(0, dot));
  rest = std::string(qualified.substr(dot + 1));
  return true;
}

namespace {

bool isInteger(const std::string& s) {
  if (s.empty()) return false;
  long long v = 0;
  const char* first = s.data() + (s[0] == '-' ? 1 : 0);
  const auto [ptr, ec] = std::from_chars(first, s.data() + s.size(), v);
  return ec == std::errc() && ptr == s.data() + s.size() && first != s.data() + s.size();
}

// A filter index counts from 1.
bool isFilterIndex(const std::string& s) { return isInteger(s) && s[0] != '-' && s.find_first_not_of('0') != std::string::npos; }

bool isColorWord(const std::string& s) {
  if (s == "cancel") return true;
  if (s.size() != 10 || s[0] != '0' || (s[1] != 'x' && s[1] != 'X')) return false;
  std::uint32_t v = 0;
  const auto [ptr, ec] = std::from_chars(s.data() + 2, s.data() + s.size(), v, 16);
  return ec == std::errc() && ptr == s.data() + s.size();
}

bool qualified(const std::string& s) {
  std::string form, rest;
  return splitQualifiedName(s, form, rest);
}

// Checks one step's arguments; returns an empty text when they are right.
std::string checkArguments(const ScenarioStep& step) {
  const auto& a = step.args;
  const std::size_t n = a.size();
  const std::string& v = step.verb;
  if (v == "press" || v == "call" || v == "dblclick") {
    if (n != 1 || !qualified(a[0])) return v + " espera FORM.NOMBRE";
  } else if (v == "choose" || v == "scroll") {
    if (n != 2 || !qualified(a[0]) || !isInteger(a[1])) return v + " espera FORM.NOMBRE ENTERO";
  } else if (v == "type") {
    if (n != 2 || !qualified(a[0])) return "type espera FORM.NOMBRE \"texto\"";
  } else if (v == "key") {
    if (n != 2 || !qualified(a[0]) || a[1] != "enter") return "key espera FORM.NOMBRE enter";
  } else if (v == "cell") {
    if (n != 4 || !qualified(a[0]) || !isInteger(a[1]) || !isInteger(a[2])) {
      return "cell espera FORM.REJILLA COL FILA \"texto\"";
    }
  } else if (v == "select") {
    if (n != 3 || !qualified(a[0]) || !isInteger(a[1]) || !isInteger(a[2])) {
      return "select espera FORM.REJILLA COL FILA";
    }
  } else if (v == "clickpoint") {
    if (n < 2 || n > 3 || !qualified(a[0]) || !isInteger(a[1]) ||
        (n == 3 && a[2] != "left" && a[2] != "right")) {
      return "clickpoint espera FORM.GRAFICO INDICE [left|right]";
    }
  } else if (v == "tick") {
    if (n != 2 || !qualified(a[0]) || (a[1] != "on" && a[1] != "off")) return "tick espera FORM.NOMBRE on|off";
  } else if (v == "open") {
    if (n < 1 || n > 2 || (a[0] == "cancel" && n != 1) || (n == 2 && !isFilterIndex(a[1]))) {
      return "open espera RUTA [FILTRO] o cancel";
    }
  } else if (v == "save") {
    if (n != 1) return "save espera RUTA o cancel";
  } else if (v == "color") {
    if (n != 1 || !isColorWord(a[0])) return "color espera 0x00BBGGRR o cancel";
  } else if (v == "modal") {
    if (n != 1) return "modal espera el nombre de una clase de formulario";
  } else if (v == "dump") {
    if (n != 1) return "dump espera un nombre";
  } else {
    return "paso desconocido: " + v;
  }
  return {};
}

// Steps whose first argument names a form, a control or a record (not a path or a colour).
bool takesName(const std::string& verb) {
  return verb != "open" && verb != "save" && verb != "color" && verb != "modal";
}

// "this" or "this.NAME": the form shown by the enclosing modal block.
bool namesShownForm(const std::string& word) { return word == "this" || word.rfind("this.", 0) == 0; }

}  // namespace

std::vector<ScenarioStep> parseScenario(std::string_view text) {
  // Each open `modal` block is a level of this stack; the bottom level is the scenario itself.
  std::vector<std::vector<ScenarioStep>> levels(1);
  std::vector<ScenarioStep> openModals;
  int lineNumber = 0;
  std::size_t pos = 0;
  while (pos <= text.size()) {
    const auto end = text.find('\n', pos);
    const std::string_view raw = text.substr(pos, end == std::string_view::npos ? std::string_view::npos : end - pos);
    pos = end == std::string_view::npos ? text.size() + 1 : end + 1;
    ++lineNumber;

    std::vector<std::string> words;
    try {
      words = splitScenarioWords(raw);
    } catch (const std::invalid_argument& e) {
      throw ScenarioSyntaxError(lineNumber, e.what());
    }
    if (words.empty() || words[0][0] == '#') continue;

    ScenarioStep step;
    step.line = lineNumber;
    step.verb = words[0];
    step.args.assign(words.begin() + 1, words.end());
    if (step.verb == "end") {
      if (!step.args.empty()) throw ScenarioSyntaxError(lineNumber, "end no lleva argumentos");
      if (openModals.empty()) throw ScenarioSyntaxError(lineNumber, "end sin modal");
      ScenarioStep modal = std::move(openModals.back());
      openModals.pop_back();
      modal.body = std::move(levels.back());
      levels.pop_back();
      levels.back().push_back(std::move(modal));
      continue;
    }
    if (const std::string problem = checkArguments(step); !problem.empty()) {
      throw ScenarioSyntaxError(lineNumber, problem);
    }
    if (openModals.empty() && takesName(step.verb) && namesShownForm(step.args[0])) {
      throw ScenarioSyntaxError(lineNumber, "this solo nombra el formulario de un bloque modal");
    }
    if (step.verb == "modal") {
      openModals.push_back(std::move(step));
      levels.emplace_back();
    } else {
      levels.back().push_back(std::move(step));
    }
  }
  if (!openModals.empty()) throw ScenarioSyntaxError(openModals.back().line, "modal sin end");
  return std::move(levels.front());
}

}  // namespace kovia
