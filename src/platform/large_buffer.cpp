#include "platform/large_buffer.h"

#include <sys/mman.h>

#include <cstdint>

namespace kovia {

namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;

std::size_t roundUp(std::size_t bytes) { return (bytes + kHugePage - 1) & ~(kHugePage - 1); }

}  // namespace

void* allocateLarge(std::size_t bytes) {
  if (bytes < kHugePage) return ::operator new(bytes);
  const std::size_t size = roundUp(bytes);
  // Map one huge page more than needed and trim both ends to a 2 MiB aligned range.
  void* raw = mmap(nullptr, size + kHugePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (raw == MAP_FAILED) throw std::bad_alloc();
  const auto start = reinterpret_cast<std::uintptr_t>(raw);
  const std::uintptr_t aligned = (start + kHugePage - 1) & ~static_cast<std::uintptr_t>(kHugePage - 1);
  const std::size_t head = aligned - start;
  const std::size_t tail = kHugePage - head;
  if (head > 0) munmap(raw, head);
  if (tail > 0) munmap(reinterpret_cast<void*>(aligned + size), tail);
  void* buffer = reinterpret_cast<void*>(aligned);
  madvise(buffer, size, MADV_HUGEPAGE);  // advice only: small pages still work without it
  return buffer;
}

void freeLarge(void* pointer, std::size_t bytes) noexcept {
  if (pointer == nullptr) return;
  if (bytes < kHugePage) {
    ::operator delete(pointer);
    return;
  }
  munmap(pointer, roundUp(bytes));
}

}  // namespace kovia
