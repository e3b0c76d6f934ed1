#pragma once

#include "HugePageMemory.h"

#include <atomic>
#include <cstddef>
#include <new>

// Room taken in turn, on any thread, from one block of huge pages: the records the
// decoding threads fill, which would otherwise take fresh small pages one fault at a
// time. What does not fit comes from the heap. Nothing is given back before the arena
// goes.
class RecordArena
{
public:
    // Room for `bytes` in all; false, giving everything from the heap, without memory.
    bool allocate(size_t bytes);
    // `bytes` aligned for any record, or null when the rest is too small.
    void* take(size_t bytes);
    bool holds(const void* pointer) const;

private:
    HugePageMemory memory;
    size_t size = 0;
    std::atomic<size_t> used{0};
};

// Gives a std::vector its room from a RecordArena, or from the heap without one.
template <typename T>
class RecordAllocator
{
public:
    using value_type = T;

    explicit RecordAllocator(RecordArena* arena = nullptr)
        : arena(arena)
    {
    }
    template <typename U>
    RecordAllocator(const RecordAllocator<U>& other)
        : arena(other.arena)
    {
    }

    T* allocate(size_t count)
    {
        if (count > size_t(-1) / sizeof(T))
            throw std::bad_alloc();
        if (arena)
            if (void* room = arena->take(count * sizeof(T)))
                return static_cast<T*>(room);
        return static_cast<T*>(::operator new(count * sizeof(T)));
    }
    void deallocate(T* pointer, size_t)
    {
        if (!arena || !arena->holds(pointer))
            ::operator delete(pointer);
    }

    bool operator==(const RecordAllocator& other) const { return arena == other.arena; }
    bool operator!=(const RecordAllocator& other) const { return arena != other.arena; }

private:
    template <typename U>
    friend class RecordAllocator;
    RecordArena* arena;
};
