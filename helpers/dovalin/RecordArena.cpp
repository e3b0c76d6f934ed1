#include "RecordArena.h"

#include <cstdint>

namespace {

constexpr size_t recordAlignment = alignof(std::max_align_t);

} // namespace

bool RecordArena::allocate(size_t bytes)
{
    used = 0;
    size = 0;
    if (!memory.allocate(bytes))
        return false;
    size = bytes;
    return true;
}

void* RecordArena::take(size_t bytes)
{
    const size_t rounded = (bytes + recordAlignment - 1) & ~(recordAlignment - 1);
    if (rounded < bytes || rounded > size)
        return nullptr;
    size_t at = used.load();
    do {
        if (at > size - rounded)
            return nullptr;
    } while (!used.compare_exchange_weak(at, at + rounded));
    return static_cast<char*>(memory.data()) + at;
}

bool RecordArena::holds(const void* pointer) const
{
    const auto* start = static_cast<const char*>(memory.data());
    const auto* at = static_cast<const char*>(pointer);
    return start && at >= start && at < start + size;
}
