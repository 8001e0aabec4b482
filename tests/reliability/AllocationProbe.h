// The test binary's own operator new: while a probe is armed it counts the
// allocations and their bytes, and can make one of them fail with
// std::bad_alloc, as an exhausted heap would. Unarmed it only allocates.
#pragma once

#include <cstddef>
#include <optional>

namespace vemmix::test {

class AllocationProbe {
public:
    // Arms the probe; `failAt` makes the allocation of that number (0 the
    // first after arming) fail, and with `persistent` every later one too.
    explicit AllocationProbe(std::optional<std::size_t> failAt = std::nullopt,
                             bool persistent = false);
    ~AllocationProbe();
    AllocationProbe(const AllocationProbe&) = delete;
    AllocationProbe& operator=(const AllocationProbe&) = delete;

    // False where another allocator stands in for this one (valgrind's):
    // the probe then sees nothing, and the tests that use it skip.
    static bool Works();

    std::size_t Count() const;    // allocations asked for while armed
    std::size_t Bytes() const;    // their bytes in all
    std::size_t Largest() const;  // the largest one
    bool Failed() const;          // one was refused
};

}  // namespace vemmix::test
