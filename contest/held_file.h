// Another program may hold one of our files for a moment: on Windows a virus
// scanner opens every file just written, a sync client or the search indexer
// the files of the folders they watch, a viewer the file it shows.  Until it
// lets go, the file refuses to be opened, read or replaced.  The file calls
// wait for it, within a bound, and only when the refusal says the file is
// held: a read-only file, a full disk or a missing folder fails at once, so
// that the host never waits on a refusal that time cannot cure.
#pragma once

#include <iterator>
#include <string>

namespace HeldFile {

// The pauses between tries: short at first (a scanner lets a file go within
// milliseconds), about a second in all, the longest a host call may wait.
inline constexpr int kPausesMs[] = {10, 20, 40, 80, 150, 200, 250, 250};
constexpr int kTries = static_cast<int>(std::size(kPausesMs)) + 1;
constexpr int WaitMs() {
    int total = 0;
    for (const int pause : kPausesMs) total += pause;
    return total;
}
static_assert(WaitMs() == 1000, "about a second in all");

// The file call that failed: an open (to append, to read, to create a new
// file) or a move of a new file into the place of `name`.
enum class Call { kOpen, kMove };

// The platform's reading of the refusal just made, one definition per
// platform (contest/win32/disk_calls.cpp, contest/posix/disk_calls.cpp):
// whether another program holds the file `name`, so that a later try may
// succeed.  Read at once after the failed call: it looks at the last error.
bool RefusedAsHeld(Call call, const std::string& name);
void Pause(int milliseconds);

// Makes `attempt` (true on success) once, and again after each pause while
// its refusal means the file is held.  True when a try succeeded.
template <typename Attempt>
bool TryWhileHeld(Call call, const std::string& name, Attempt attempt) {
    for (const int pause : kPausesMs) {
        if (attempt()) return true;
        if (!RefusedAsHeld(call, name)) return false;
        Pause(pause);
    }
    return attempt();
}

}  // namespace HeldFile
