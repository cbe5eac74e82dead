#include "platform/messages.h"

namespace kovia {

std::string listIndexOutOfBoundsMessage(long long index) {
  return "List index out of bounds (" + std::to_string(index) + ")";
}

std::string cannotCreateFileMessage(const std::string& path) { return "Cannot create file " + path; }

}  // namespace kovia
