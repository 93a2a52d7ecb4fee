#include "screnc/posix_memory.h"

#include <sys/mman.h>

#include <cstdint>
#include <new>

namespace screnc {

namespace {

constexpr std::size_t kHugePage = 2 << 20;

std::uintptr_t huge_page_up(std::uintptr_t address) {
  return (address + kHugePage - 1) & ~(kHugePage - 1);
}

}  // namespace

void prefer_huge_pages(void* data, std::size_t size) {
  const auto begin = reinterpret_cast<std::uintptr_t>(data);
  const std::uintptr_t first = huge_page_up(begin);
  const std::uintptr_t last = (begin + size) & ~(kHugePage - 1);
  if (first < last) ::madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
}

std::shared_ptr<char[]> large_memory(std::size_t size) {
  if (size < kHugePage) return std::make_unique_for_overwrite<char[]>(size);
  // One huge page more, so that the memory can start on a boundary of one.
  const std::size_t mapped = size + kHugePage;
  void* const map =
      ::mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (map == MAP_FAILED) throw std::bad_alloc();
  char* const start = reinterpret_cast<char*>(huge_page_up(reinterpret_cast<std::uintptr_t>(map)));
  prefer_huge_pages(start, size);
  return std::shared_ptr<char[]>(start, [map, mapped](char*) { ::munmap(map, mapped); });
}

}  // namespace screnc
