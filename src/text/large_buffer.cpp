#include "text/large_buffer.h"

#include <cstdint>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace nalvic {

void adviseHugePages([[maybe_unused]] const void* data, [[maybe_unused]] std::size_t bytes) noexcept {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    constexpr std::uintptr_t hugePage = std::uintptr_t{2} << 20;
    if (bytes < 2 * hugePage) return;
    // Only whole huge pages inside the buffer are worth advising; the
    // advice is a hint, so a failure changes nothing.
    const auto begin = (reinterpret_cast<std::uintptr_t>(data) + hugePage - 1) & ~(hugePage - 1);
    const auto end = (reinterpret_cast<std::uintptr_t>(data) + bytes) & ~(hugePage - 1);
    if (end > begin) madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
#endif
}

}  // namespace nalvic
