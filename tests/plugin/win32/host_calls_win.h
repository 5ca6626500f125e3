// The long argument lists of the real exports, filled the way a host fills
// them: only the positions the plug-in reads are named, every other one
// gets `unread`.
#pragma once

#include <string>

#include "tests/plugin/win32/stats_dll_win.h"

namespace host_calls {

struct Qso {
    const char* ownCall = "EA4XYZ";
    const char* call = "DL1ABC";
    HostDateTime* time = nullptr;
    unsigned int freqHz = 14085000;
    const char* mode = "RTTY";
    const char* rstSent = "599";
    const char* rstReceived = "599";
    const char* exchSent = "001";
    const char* exchReceived = "123";
    const char* callPrefix = "DL1";
    const char* country = "DL";
    const char* band = "20m";
    const char* unread = nullptr;
    HostDateTime* unreadTime = nullptr;
};

template <typename Function>
int CallWithQso(Function f, const Qso& q) {
    const char* u = q.unread;
    return f(q.ownCall, q.call, q.time, q.unreadTime, q.unreadTime, q.unreadTime, 0, q.freqHz,
             q.mode, q.rstSent, q.rstReceived, q.exchSent, q.exchReceived, u, u, u, u, u, u, u, u,
             q.callPrefix, q.country, 0, 0, 0, 0.0, 0.0, u, u, u, q.band, u);
}
inline int Add(const Qso& q) { return CallWithQso(StatsDll::Get().AddData0, q); }
inline int Remove(const Qso& q) { return CallWithQso(StatsDll::Get().RemoveData0, q); }

struct Reset {
    const char* hostDir = ".\\";
    int exportRequest = 0;
    const char* ownCall = "EA4XYZ";
    HostDateTime* start = nullptr;
    HostDateTime* end = nullptr;
    const char* ownCountry = "EA";
    const char* unread = nullptr;
};
inline int DoReset(const Reset& r) {
    const char* u = r.unread;
    return StatsDll::Get().ResetStats0(r.hostDir, r.exportRequest, r.ownCall, r.start, r.end, u, u,
                                       u, u, u, u, u, u, u, r.ownCountry, 0, 0, 0, 0.0, 0.0, u, u,
                                       u);
}

struct Check {
    const char* call = "DL1ABC";
    const char* mode = "RTTY";
    const char* callPrefix = "DL1";
    const char* country = "DL";
    const char* band = "20m";
    const char* band2 = nullptr;
    const char* unread = nullptr;
    char* out1 = nullptr;
    char* out2 = nullptr;
};
inline int DoCheck(const Check& c) {
    const char* u = c.unread;
    return StatsDll::Get().CheckCall0(c.call, 0, 0, c.mode, u, u, u, u, u, u, u, u, c.callPrefix,
                                      c.country, 0, 0, 0, 0.0, 0.0, u, u, u, u, u, c.band, c.band2,
                                      c.out1, c.out2);
}

// The line of a text result that starts with `head` ("Total", "Dupe",
// "Bad QSO"), without its line end; empty when there is none.
inline std::string ResultLine(const std::string& result, const std::string& head) {
    const size_t at = result.find("\n" + head);
    if (at == std::string::npos) return "";
    const size_t end = result.find('\r', at);
    return result.substr(at + 1, end == std::string::npos ? std::string::npos : end - at - 1);
}

}  // namespace host_calls
