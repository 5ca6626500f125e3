// Makes one allocation of the calling thread fail, as memory running out
// half way through a step would: while the object lives, the thread's
// allocations succeed until `before` of them are made, and the next one
// throws std::bad_alloc; later ones succeed again.  The unit tests' program
// replaces the global operator new to do this (failing_allocation.cpp); it
// changes nothing for a thread that has no such object.
#pragma once

class FailingAllocation {
  public:
    explicit FailingAllocation(int before);
    ~FailingAllocation();
    FailingAllocation(const FailingAllocation&) = delete;
    FailingAllocation& operator=(const FailingAllocation&) = delete;

    // Whether the allocation that was to fail was asked for.
    bool Failed() const;
};
