#pragma once
// The global operator new and delete replaced for one test program, so that a test can make
// chosen allocations fail with std::bad_alloc. Include it from exactly one file of the
// program: the replacements are definitions.

#include <cstddef>
#include <cstdlib>
#include <new>

// Asked before every allocation, with its size; true makes it fail. Null: none fails.
inline bool (*g_refuseAllocation)(std::size_t size) = nullptr;

inline void* AllocateUnlessRefused(std::size_t size) {
    if (g_refuseAllocation != nullptr && g_refuseAllocation(size)) {
        throw std::bad_alloc();
    }
    if (void* p = std::malloc(size == 0 ? 1 : size)) {
        return p;
    }
    throw std::bad_alloc();
}

void* operator new(std::size_t size) {
    return AllocateUnlessRefused(size);
}
void* operator new[](std::size_t size) {
    return AllocateUnlessRefused(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return AllocateUnlessRefused(size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept {
    return operator new(size, tag);
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}
