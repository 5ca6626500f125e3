// The real exports called with the arguments most tests want; a test
// changes the fields it is about.
#pragma once

#include <string>

#include "tests/plugin/win32/stats_dll_win.h"

namespace host_calls {

// A QSO, a reset and a check as most tests want them.
struct Qso : host::AddDataArgs {
    Qso()
        : AddDataArgs{"EA4XYZ", "DL1ABC", nullptr, 14085000, "RTTY", "599",
                      "599",    "001",    "123",   "DL1",    "DL",   "20m"} {}
};
inline int Add(const Qso& q) { return StatsDll::Get().Add(q); }
inline int Remove(const Qso& q) { return StatsDll::Get().Remove(q); }

struct Reset : host::ResetStatsArgs {
    Reset() : ResetStatsArgs{".\\", 0, "EA4XYZ", nullptr, nullptr, "EA"} {}
};
inline int DoReset(const Reset& r) { return StatsDll::Get().Reset(r); }
// The reset for a contest of 11 and 12 February 2017, from noon.
inline Reset ContestReset() {
    static HostDateTime start{42777.5, 0}, end{42778.999, 0};
    Reset r;
    r.start = &start;
    r.end = &end;
    return r;
}

struct Check : host::CheckCallArgs {
    Check() : CheckCallArgs{"DL1ABC", "RTTY", "DL1", "DL", "20m"} {}
};
inline int DoCheck(const Check& c) { return StatsDll::Get().Check(c); }

// The line of a text result that starts with `head` ("Total", "Dupe",
// "Bad QSO"), without its line end; empty when there is none.
inline std::string ResultLine(const std::string& result, const std::string& head) {
    const size_t at = result.find("\n" + head);
    if (at == std::string::npos) return "";
    const size_t end = result.find('\r', at);
    return result.substr(at + 1, end == std::string::npos ? std::string::npos : end - at - 1);
}

}  // namespace host_calls
