#include "batch/json_line.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace kovia {

std::string jsonString(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size() + 2);
  out += '"';
  for (const char ch : utf8) {
    const auto c = static_cast<unsigned char>(ch);
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (c < 0x20) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04X", c);
          out += buf;
        } else {
          out += ch;
        }
    }
  }
  out += '"';
  return out;
}

std::string jsonNumber(double value) {
  if (!std::isfinite(value)) return "null";
  if (value == 0) return "0";
  char buf[64];
  const auto res = std::to_chars(buf, buf + sizeof buf, value);
  return std::string(buf, res.ptr);
}

void JsonObject::key(std::string_view k) {
  if (body_.size() > 1) body_ += ", ";
  body_ += jsonString(k);
  body_ += ": ";
}

JsonObject& JsonObject::add(std::string_view k, std::string_view text) {
  key(k);
  body_ += jsonString(text);
  return *this;
}

JsonObject& JsonObject::add(std::string_view k, double number) {
  key(k);
  body_ += jsonNumber(number);
  return *this;
}

JsonObject& JsonObject::add(std::string_view k, long long number) {
  key(k);
  body_ += std::to_string(number);
  return *this;
}

JsonObject& JsonObject::add(std::string_view k, bool flag) {
  key(k);
  body_ += flag ? "true" : "false";
  return *this;
}

JsonObject& JsonObject::addRaw(std::string_view k, std::string_view json) {
  key(k);
  body_ += json;
  return *this;
}

}  // namespace kovia
