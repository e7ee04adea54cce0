// The replaced global operator new and delete that let a test hook allocations.
#include "allocation_hook.h"

#include <atomic>
#include <cstdlib>
#include <new>
#include <stdexcept>

namespace quill::test {

namespace {

std::size_t hooked_size = 0;
std::function<void()> hooked;
std::atomic<bool> hooking{false};
// Set while the hook runs on a thread: what it allocates itself is not hooked.
thread_local bool in_hook = false;

void* allocate(std::size_t size) {
    if (hooking.load(std::memory_order_acquire) && size == hooked_size && !in_hook) {
        in_hook = true;
        try {
            hooked();
        } catch (...) {
            in_hook = false;
            throw;
        }
        in_hook = false;
    }
    // malloc(0) may give null; new never does.
    if (void* memory = std::malloc(size != 0 ? size : 1)) return memory;
    throw std::bad_alloc();
}

void* allocate_or_null(std::size_t size) noexcept {
    try {
        return allocate(size);
    } catch (...) {
        return nullptr;
    }
}

} // namespace

AllocationHook::AllocationHook(std::size_t size, std::function<void()> allocating) {
    if (hooking) throw std::logic_error("one allocation hook at a time");
    hooked_size = size;
    hooked = std::move(allocating);
    hooking.store(true, std::memory_order_release);
}

AllocationHook::~AllocationHook() {
    hooking.store(false, std::memory_order_release);
    hooked = {};
}

} // namespace quill::test

// Every replaceable form but the aligned ones, which keep their own pair, so
// that memory is always freed by the allocator that gave it.
void* operator new(std::size_t size) { return quill::test::allocate(size); }
void* operator new[](std::size_t size) { return quill::test::allocate(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return quill::test::allocate_or_null(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return quill::test::allocate_or_null(size);
}
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete[](void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete(void* memory, const std::nothrow_t&) noexcept { std::free(memory); }
void operator delete[](void* memory, const std::nothrow_t&) noexcept { std::free(memory); }
