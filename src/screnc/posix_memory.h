#pragma once
// Large buffers in huge pages where the system gives them: faulting in 4 KB
// pages one by one cost more than reading a large file or converting its text.
#include <cstddef>
#include <memory>

namespace screnc {

// A hint for the memory of [data, data + size), to be taken before it is first
// written: the whole huge pages within it come as one. Nothing changes where the
// system has none to give.
void prefer_huge_pages(void* data, std::size_t size);

// Memory for `size` bytes, not cleared, a large amount in huge pages.
std::shared_ptr<char[]> large_memory(std::size_t size);

}  // namespace screnc
