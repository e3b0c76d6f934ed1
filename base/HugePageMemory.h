#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>

// Memory for one large array, on the system's huge pages where it gives them. Each 4 KB
// page of fresh memory costs a fault when first written: for a photo's few megabytes
// (the file, the decoder's data) that costs more than decoding it at an eighth, many
// times more on a busy virtual machine, where one huge page takes a single fault.
class HugePageMemory
{
public:
    HugePageMemory() = default;
    ~HugePageMemory();
    HugePageMemory(const HugePageMemory&) = delete;
    HugePageMemory& operator=(const HugePageMemory&) = delete;

    // Zeroed room for `bytes`, in place of what was held; false, holding nothing, when
    // there is no memory for it.
    bool allocate(size_t bytes);
    void* data() const { return start; }

private:
    void release();

    void* mapping = nullptr;
    size_t mappedBytes = 0;
    void* start = nullptr;
};

// An array of `T` on HugePageMemory.
template <typename T>
class HugePageArray
{
public:
    bool allocate(size_t count)
    {
        return count <= std::numeric_limits<size_t>::max() / sizeof(T) && memory.allocate(count * sizeof(T));
    }
    T* get() const { return static_cast<T*>(memory.data()); }

private:
    HugePageMemory memory;
};
