// The platform's own messages. They stay in English, word for word as the windows quote
// them; every other text the program shows is Spanish.
#pragma once

#include <stdexcept>
#include <string>

namespace kovia {

// "List index out of bounds (<index>)": a list or grid read before its first entry.
std::string listIndexOutOfBoundsMessage(long long index);

// "Cannot create file <path>": a file the platform was asked to create could not be.
std::string cannotCreateFileMessage(const std::string& path);

// "Grid index out of range": a grid write or a current-cell move outside the grid.
inline constexpr const char* kGridIndexOutOfRange = "Grid index out of range";

// Raised by the line store and the grid for an index outside the list.
class ListIndexError : public std::out_of_range {
 public:
  explicit ListIndexError(long long index) : std::out_of_range(listIndexOutOfBoundsMessage(index)) {}
};

}  // namespace kovia
