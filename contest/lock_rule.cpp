#include "contest/lock_rule.h"

#ifdef STATS_CHECK_LOCK_RULE

#include <cstdio>
#include <cstdlib>

namespace {
thread_local int t_locksHeld = 0;
}  // namespace

void LockRule::Taken() { ++t_locksHeld; }

void LockRule::Released() { --t_locksHeld; }

void LockRule::ExpectNoLock(const char* call) {
    if (t_locksHeld == 0) return;
    std::fprintf(stderr, "lock rule broken: %s called while this thread holds %d lock(s)\n", call,
                 t_locksHeld);
    std::abort();
}

#endif
