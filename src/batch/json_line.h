// One JSON object per line, as the scenario runner prints them.
#pragma once

#include <string>
#include <string_view>

namespace kovia {

// A JSON string literal of UTF-8 text (quotes included; control characters escaped).
std::string jsonString(std::string_view utf8);

// The shortest decimal form that reads back to the same double; whole values without
// a fraction ("3", not "3.0"); a value that is not finite becomes null.
std::string jsonNumber(double value);

// Builds one object, keys in insertion order.
class JsonObject {
 public:
  JsonObject& add(std::string_view key, std::string_view text);
  JsonObject& add(std::string_view key, const char* text) { return add(key, std::string_view(text)); }
  JsonObject& add(std::string_view key, double number);
  JsonObject& add(std::string_view key, int number) { return add(key, static_cast<long long>(number)); }
  JsonObject& add(std::string_view key, long long number);
  JsonObject& add(std::string_view key, bool flag);
  // Adds an already-encoded JSON value (an array or a nested object).
  JsonObject& addRaw(std::string_view key, std::string_view json);
  std::string str() const { return body_ + "}"; }

 private:
  void key(std::string_view k);
  std::string body_ = "{";
};

}  // namespace kovia
