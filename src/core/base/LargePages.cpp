#include "LargePages.h"

#include <cstdint>

#include <sys/mman.h>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace LargePages {

void prefer(void* data, qsizetype bytes) {
#if defined(MADV_HUGEPAGE)
    constexpr std::uintptr_t kLarge = 2u << 20; // the common large page
    if (data == nullptr || bytes < qsizetype(kLarge)) return;
    // Only the large pages that lie wholly inside the block: the memory around it is not ours to change.
    const auto start = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t first = (start + kLarge - 1) & ~(kLarge - 1);
    const std::uintptr_t last = (start + std::uintptr_t(bytes)) & ~(kLarge - 1);
    if (last > first) ::madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
#else
    Q_UNUSED(data);
    Q_UNUSED(bytes);
#endif
}

void setUpAllocator() {
#if defined(__GLIBC__)
    ::mallopt(M_MMAP_THRESHOLD, 32 << 20); // the most the allocator takes
    ::mallopt(M_TRIM_THRESHOLD, 64 << 20);
#endif
}

} // namespace LargePages
