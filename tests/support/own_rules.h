// The references keep their own copy of the contest's rules.  Each value one
// judges by its copy must be a row of the contest's tables exactly when it
// is a row of the copy: a row the tables gained (or renamed) and the copy
// lacks stops the run and names it, rather than being judged by old rules.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

#include "contest/contest_rules.h"

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

// The references' own copy of the two country groups, each use checked
// against the tables.
inline bool SpanishCountry(const char* reference, const std::string& c) {
    return Agreed(reference, "Spanish country", c,
                  c == "EA" || c == "EA6" || c == "EA8" || c == "EA9", IsSpanishCountry(c));
}
inline bool CallAreaCountry(const char* reference, const std::string& c) {
    return Agreed(reference, "call-area country", c,
                  c == "K" || c == "VE" || c == "JA" || c == "VK", IsCallAreaCountry(c));
}

}  // namespace own_rules
