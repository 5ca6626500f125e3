// The rule both threads live by: nothing that may wait (the disk, the
// settings file, a dialog, the window thread's start, a call into the host)
// runs while the calling thread holds the shared state's lock.  The window
// thread needs that lock to paint, and the host's thread may be waiting for
// it inside an export while the window thread calls the host.
//
// The native builds (tests, sanitizers, fuzzer) and the Windows test
// programs count the locks each thread holds and stop the program, naming
// the call, when a blocking call finds the count above zero: every path a
// test walks checks the rule.  The DLL compiles the count out; it costs
// nothing there and never stops the host.
#pragma once

#ifdef STATS_CHECK_LOCK_RULE

namespace LockRule {
// The calling thread has taken, or let go of, the shared state's lock.
void Taken();
void Released();
// Stops the program when the calling thread holds the lock; `call` names
// the blocking call in the message.
void ExpectNoLock(const char* call);
}  // namespace LockRule

#else

namespace LockRule {
inline void Taken() {}
inline void Released() {}
inline void ExpectNoLock(const char*) {}
}  // namespace LockRule

#endif
