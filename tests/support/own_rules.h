// The references keep their own copy of the contest's rules.  Each value one
// judges by its copy must be a row of the contest's tables exactly when it
// is a row of the copy: a row the tables gained (or renamed) and the copy
// lacks stops the run and names it, rather than being judged by old rules.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

namespace own_rules {

[[noreturn]] inline void Stop(const char* reference, const std::string& why) {
    std::fprintf(stderr, "%s: %s; update its own rules\n", reference, why.c_str());
    std::abort();
}

// `own`: whether the reference's copy holds `value` as a `kind`; `tables`:
// whether the contest's tables do.  Gives `own` when they agree.
inline bool Agreed(const char* reference, const char* kind, const std::string& value, bool own,
                   bool tables) {
    if (own != tables) {
        Stop(reference, std::string(kind) + " \"" + value.substr(0, 40) + "\" is " +
                            (tables ? "in" : "not in") + " the contest's tables but " +
                            (own ? "in" : "not in") + " its own rules");
    }
    return own;
}

}  // namespace own_rules
