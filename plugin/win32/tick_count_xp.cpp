// Stats.dll loads on Windows XP, whose kernel32 has no GetTickCount64.  The
// thread library linked in (winpthreads) imports it for its timed waits, so
// this file defines the import slot the linker would otherwise fill from
// kernel32, pointing at a count made from GetTickCount.  It must be linked
// into the DLL itself, ahead of the libraries.
#include <windows.h>

#include <atomic>
#include <cstdint>

#include "plugin/tick_count.h"

namespace {

// The last count given, wraps included: one word, so that threads update it
// with one compare-and-swap.
std::atomic<std::uint64_t> g_lastTickCount{0};

ULONGLONG WINAPI TickCount64() {
    std::uint64_t last = g_lastTickCount.load();
    for (;;) {
        // Read after `last`: another thread's newer count fails the swap and
        // the loop reads the clock again.
        const std::uint64_t next = NextTickCount(last, GetTickCount());
        if (g_lastTickCount.compare_exchange_weak(last, next)) return next;
    }
}

}  // namespace

// The name the import library gives the slot: __imp_ and the decorated
// __stdcall name.
extern "C" ULONGLONG(WINAPI* const g_importGetTickCount64)() __asm__("__imp__GetTickCount64@0");
extern "C" ULONGLONG(WINAPI* const g_importGetTickCount64)() = TickCount64;
