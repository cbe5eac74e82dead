// An allocator for the grid's large buffers. A buffer of 2 MiB or more is mapped on its
// own, 2 MiB aligned, and offered to the kernel for transparent huge pages: on the
// machines we run on, touching fresh memory page by page costs more than writing the
// cells (a 10^6-row column faults ~10^4 small pages, ~25 large ones). Smaller buffers
// come from the ordinary heap.
#pragma once

#include <cstddef>
#include <new>
#include <string>
#include <vector>

namespace kovia {

void* allocateLarge(std::size_t bytes);
void freeLarge(void* pointer, std::size_t bytes) noexcept;

template <class T>
struct LargeAllocator {
  using value_type = T;
  LargeAllocator() noexcept = default;
  template <class U>
  LargeAllocator(const LargeAllocator<U>&) noexcept {}
  T* allocate(std::size_t n) {
    if (n > static_cast<std::size_t>(-1) / sizeof(T)) throw std::bad_array_new_length();
    return static_cast<T*>(allocateLarge(n * sizeof(T)));
  }
  void deallocate(T* pointer, std::size_t n) noexcept { freeLarge(pointer, n * sizeof(T)); }
  template <class U>
  bool operator==(const LargeAllocator<U>&) const noexcept {
    return true;
  }
};

using LargeBytes = std::basic_string<char, std::char_traits<char>, LargeAllocator<char>>;
template <class T>
using LargeVector = std::vector<T, LargeAllocator<T>>;

}  // namespace kovia
