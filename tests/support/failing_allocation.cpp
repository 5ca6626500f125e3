#include "tests/support/failing_allocation.h"

#include <cstdlib>
#include <new>

namespace {
thread_local int t_beforeFailure = -1;  // -1: no allocation is to fail
thread_local bool t_failed = false;
}  // namespace

FailingAllocation::FailingAllocation(int before) {
    t_beforeFailure = before;
    t_failed = false;
}

FailingAllocation::~FailingAllocation() { t_beforeFailure = -1; }

bool FailingAllocation::Failed() const { return t_failed; }

// The replaced forms take their memory from malloc and give it back to
// free, every one of them, so that no block crosses to the runtime's own
// operator delete (a sanitizer would call that a mismatch).  The array
// forms stay the runtime's: new[] calls the replaced new, or, under a
// sanitizer, pairs with the sanitizer's own delete[].
void* operator new(std::size_t size) {
    if (t_beforeFailure == 0) {
        t_beforeFailure = -1;
        t_failed = true;
        throw std::bad_alloc();
    }
    if (t_beforeFailure > 0) --t_beforeFailure;
    if (void* block = std::malloc(size != 0 ? size : 1)) return block;
    throw std::bad_alloc();
}

void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return ::operator new(size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

void operator delete(void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { std::free(block); }
