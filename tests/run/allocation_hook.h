// The test's hand in the program's memory allocations: a copy that runs out of
// memory, or that waits at a latch, on whichever thread makes it.
#pragma once

#include <cstddef>
#include <functional>

namespace quill::test {

// While it lives, `allocating` runs on every allocation through operator new
// of exactly `size` bytes, on the thread that allocates, before the memory is
// taken: it may throw std::bad_alloc, as a full memory would, or wait. One at
// a time; every thread that allocates ends before it goes. (It replaces the
// global operator new and delete of the test program that links it.)
class AllocationHook {
public:
    AllocationHook(std::size_t size, std::function<void()> allocating);
    ~AllocationHook();
    AllocationHook(const AllocationHook&) = delete;
    AllocationHook& operator=(const AllocationHook&) = delete;
};

} // namespace quill::test
