// Program-wide state records (one per analysis-window kind) made readable by name, so that
// the scenario runner can print every field of a record under its own name.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace kovia {

// One field's value: integers (flags, counts, colours), reals, texts, or a list of integers
// (the option selections, the per-page settings).
using StateValue = std::variant<long long, double, bool, std::string, std::vector<long long>>;

struct StateField {
  std::string name;
  StateValue value;
};

using StateDescriber = std::function<std::vector<StateField>()>;

// Records register themselves once (at static initialisation or start-up) under their type's
// name, e.g. "FrequencyWindowState".
inline std::map<std::string, StateDescriber>& stateRecords() {
  static std::map<std::string, StateDescriber> records;
  return records;
}

inline void registerStateRecord(const std::string& name, StateDescriber describe) {
  stateRecords()[name] = std::move(describe);
}

// The fields of the named record, or nullptr-like empty optional when no record has that name.
inline const StateDescriber* findStateRecord(const std::string& name) {
  const auto it = stateRecords().find(name);
  return it == stateRecords().end() ? nullptr : &it->second;
}

}  // namespace kovia
