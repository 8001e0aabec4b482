#include "tests/reliability/AllocationProbe.h"

#include <algorithm>
#include <cstdlib>
#include <new>

namespace vemmix::test {
namespace {

struct State {
    bool armed = false;
    std::optional<std::size_t> failAt;
    bool persistent = false;
    std::size_t count = 0;
    std::size_t bytes = 0;
    std::size_t largest = 0;
    bool failed = false;
};

State& Probe() {
    static State state;  // trivially destroyed: safe at any point of exit
    return state;
}

void* Allocate(std::size_t size) {
    State& s = Probe();
    if (s.armed) {
        const std::size_t number = s.count++;
        s.bytes += size;
        s.largest = std::max(s.largest, size);
        if (s.failAt && (number == *s.failAt || (s.persistent && number > *s.failAt))) {
            s.failed = true;
            throw std::bad_alloc();
        }
    }
    if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}

}  // namespace

AllocationProbe::AllocationProbe(std::optional<std::size_t> failAt, bool persistent) {
    Probe() = State{true, failAt, persistent, 0, 0, 0, false};
}
AllocationProbe::~AllocationProbe() { Probe().armed = false; }
bool AllocationProbe::Works() {
    const AllocationProbe probe;
    ::operator delete(::operator new(1));  // through the symbol, as every caller
    return probe.Count() > 0;
}

std::size_t AllocationProbe::Count() const { return Probe().count; }
std::size_t AllocationProbe::Bytes() const { return Probe().bytes; }
std::size_t AllocationProbe::Largest() const { return Probe().largest; }
bool AllocationProbe::Failed() const { return Probe().failed; }

}  // namespace vemmix::test

// Not inlined: a tool that stands in its own allocator (valgrind) does so
// for every call, the pairs stay matched, and Works() sees it.
[[gnu::noinline]] void* operator new(std::size_t size) { return vemmix::test::Allocate(size); }
[[gnu::noinline]] void* operator new[](std::size_t size) { return vemmix::test::Allocate(size); }
[[gnu::noinline]] void operator delete(void* p) noexcept { std::free(p); }
[[gnu::noinline]] void operator delete[](void* p) noexcept { std::free(p); }
[[gnu::noinline]] void operator delete(void* p, std::size_t) noexcept { std::free(p); }
[[gnu::noinline]] void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
