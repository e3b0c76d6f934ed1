#include "HugePageMemory.h"

#include <sys/mman.h>

namespace {

constexpr size_t hugePageBytes = size_t(2) << 20;

} // namespace

HugePageMemory::~HugePageMemory()
{
    release();
}

void HugePageMemory::release()
{
    if (mapping)
        ::munmap(mapping, mappedBytes);
    mapping = nullptr;
    mappedBytes = 0;
    start = nullptr;
}

bool HugePageMemory::allocate(size_t bytes)
{
    release();
    if (bytes == 0)
        bytes = 1;
    // Smaller arrays take no huge page: the room for aligning one would be most of it.
    const bool huge = bytes >= hugePageBytes / 2;
    // Whole huge pages, and room to align the first: a last page cut off by the end of
    // the mapping would be made of small ones.
    const size_t pages = (bytes + hugePageBytes - 1) / hugePageBytes;
    if (huge && pages > (size_t(-1) - hugePageBytes) / hugePageBytes)
        return false;
    const size_t wanted = huge ? (pages + 1) * hugePageBytes : bytes;
    void* mapped = ::mmap(nullptr, wanted, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED)
        return false;
    mapping = mapped;
    mappedBytes = wanted;
    start = mapped;
    if (huge) {
        const auto address = reinterpret_cast<uintptr_t>(mapped);
        const uintptr_t aligned = (address + hugePageBytes - 1) & ~uintptr_t(hugePageBytes - 1);
        start = reinterpret_cast<void*>(aligned);
        // Only a hint: without huge pages the memory is the same, in small pages.
        ::madvise(start, pages * hugePageBytes, MADV_HUGEPAGE);
    }
    return true;
}
