// Stats.dll's exports as a host finds and calls them: the one loader, and
// the long argument lists filled the way MixW fills them.  Only the
// positions the plug-in reads are named; every other one gets `unread`
// (null for a host, anything a test wants the plug-in to leave alone).
#pragma once

#include <windows.h>

#include <string>

#include "plugin/win32/exports.h"

namespace host {

// The function `name` of `module`, null when it has none.  GetProcAddress
// hands back a generic FARPROC; the real type is the caller's.
template <typename Function>
Function Export(HMODULE module, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// What AddData0 and RemoveData0 read of a QSO.
struct AddDataArgs {
    const char* ownCall = nullptr;
    const char* call = nullptr;
    HostDateTime* time = nullptr;
    unsigned int freqHz = 0;
    const char* mode = nullptr;
    const char* rstSent = nullptr;
    const char* rstReceived = nullptr;
    const char* exchSent = nullptr;
    const char* exchReceived = nullptr;
    const char* callPrefix = nullptr;
    const char* country = nullptr;
    const char* band = nullptr;
    const char* unread = nullptr;
    HostDateTime* unreadTime = nullptr;
};

// What ResetStats0 reads.
struct ResetStatsArgs {
    const char* hostDir = nullptr;  // ends in a backslash
    int exportRequest = 0;
    const char* ownCall = nullptr;
    HostDateTime* start = nullptr;
    HostDateTime* end = nullptr;
    const char* ownCountry = nullptr;
    const char* unread = nullptr;
};

// What CheckCall0 reads, and the two buffers it must leave alone.
struct CheckCallArgs {
    const char* call = nullptr;
    const char* mode = nullptr;
    const char* callPrefix = nullptr;
    const char* country = nullptr;
    const char* band = nullptr;
    const char* band2 = nullptr;
    const char* unread = nullptr;
    char* out1 = nullptr;
    char* out2 = nullptr;
};

struct StatsExports {
    HMODULE module = nullptr;
    decltype(&::GetNumberOfSets) GetNumberOfSets = nullptr;
    decltype(&::GetSetName) GetSetName = nullptr;
    decltype(&::setVersion) setVersion = nullptr;
    decltype(&::SetupSet0) SetupSet0 = nullptr;
    decltype(&::ResetStats0) ResetStats0 = nullptr;
    decltype(&::AddData0) AddData0 = nullptr;
    decltype(&::RemoveData0) RemoveData0 = nullptr;
    decltype(&::CheckCall0) CheckCall0 = nullptr;
    decltype(&::IsValidExchg0) IsValidExchg0 = nullptr;
    decltype(&::GetExchgCount0) GetExchgCount0 = nullptr;
    decltype(&::GetResult0) GetResult0 = nullptr;

    // Loads the DLL at `path` and finds every export by its plain name.
    // False with a message when the DLL or an export is missing; the
    // exports found stay set, the others null.
    bool Load(const std::string& path, std::string* error);

    int Reset(const ResetStatsArgs& r) const;
    int Add(const AddDataArgs& q) const;
    int Remove(const AddDataArgs& q) const;
    int Check(const CheckCallArgs& c) const;
};

}  // namespace host
