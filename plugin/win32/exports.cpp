// The exported functions: each converts its arguments, calls one member of
// the plug-in and lets no exception reach the host, which answers with a
// harmless fixed value instead.  GetExchgCount0 has no body of its own: the
// .def file exports GetNumberOfSets under its names (both answer 1, and
// with the C calling convention the caller removes the arguments).
#include "plugin/win32/exports.h"

#include <windows.h>

#include <string>

#include "controls/owner_window.h"
#include "controls/resource_module.h"
#include "plugin/win32/plugin_instance.h"

using stats_abi::D;
using stats_abi::T;

namespace {
std::string Text(T text) { return text != nullptr ? std::string(text) : std::string(); }

QsoArgs MakeQsoArgs(T ownCall, T call, D time, unsigned int freqHz, T mode, T rstSent,
                    T rstReceived, T exchSent, T exchReceived, T callPrefix, T country, T band) {
    QsoArgs args;
    args.ownCall = Text(ownCall);
    args.call = Text(call);
    args.time = FromHost(time);
    args.freqHz = freqHz;
    args.mode = Text(mode);
    args.rstSent = Text(rstSent);
    args.rstReceived = Text(rstReceived);
    args.exchSent = Text(exchSent);
    args.exchReceived = Text(exchReceived);
    args.callPrefix = Text(callPrefix);
    args.country = Text(country);
    args.band = Text(band);
    return args;
}

// The caption a message box of ours carries: the DLL's file name without
// its extension ("Stats"), as the application's name.
std::string AppName() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(ResourceModule(), path, MAX_PATH);
    std::string name(path, length < MAX_PATH ? length : 0);
    name = name.substr(name.find_last_of("\\/") + 1);
    name = name.substr(0, name.rfind('.'));
    return name.empty() ? "Stats" : name;
}

// The host's numbers for the verdicts on a call.
int HostVerdict(CallVerdict verdict) {
    switch (verdict) {
        case CallVerdict::kDupe:
            return 0;
        case CallVerdict::kNothingNew:
            return 1;
        case CallVerdict::kNewCountry:
            return 2;
        case CallVerdict::kNewCallArea:
            return 3;
        case CallVerdict::kRefused:
            return 4;
    }
    return 1;
}

constexpr const char kSetName[] = "KOLVEX Contest (C)";
constexpr const char kNoText[] = "";
}  // namespace

extern "C" {

int GetNumberOfSets(void) { return 1; }

const char* GetSetName(int index) { return index == 0 ? kSetName : kNoText; }

unsigned long setVersion(const char* /*hostVersion*/) {
    try {
        ThePlugin().SetVersion();
    } catch (...) {
    }
    return 0;
}

void SetupSet0(void) {
    try {
        MessageBoxA(OwnerForCallingThread(), "No additional setup for this plugin",
                    AppName().c_str(), MB_OK);
    } catch (...) {
    }
}

int ResetStats0(T hostDir, int exportRequest, T ownCall, D start, D end, T, T, T, T, T, T, T, T, T,
                T ownCountry, int, int, int, double, double, T, T, T) {
    try {
        ResetArgs args;
        args.hostDirectory = Text(hostDir);
        args.exportRequest = exportRequest;
        args.ownCall = Text(ownCall);
        args.start = FromHost(start);
        args.end = FromHost(end);
        args.ownCountry = Text(ownCountry);
        ThePlugin().ResetStats(args);
    } catch (...) {
    }
    return 1;
}

int AddData0(T ownCall, T call, D time, D, D, D, unsigned int, unsigned int freqHz, T mode,
             T rstSent, T rstReceived, T exchSent, T exchReceived, T, T, T, T, T, T, T, T,
             T callPrefix, T country, int, int, int, double, double, T, T, T, T band, T) {
    try {
        const bool entered =
            ThePlugin().AddData(MakeQsoArgs(ownCall, call, time, freqHz, mode, rstSent, rstReceived,
                                            exchSent, exchReceived, callPrefix, country, band));
        return entered ? 1 : 0;
    } catch (...) {
        return 0;  // failed before the log was reached: AddData answers for the rest
    }
}

int RemoveData0(T ownCall, T call, D time, D, D, D, unsigned int, unsigned int freqHz, T mode,
                T rstSent, T rstReceived, T exchSent, T exchReceived, T, T, T, T, T, T, T, T,
                T callPrefix, T country, int, int, int, double, double, T, T, T, T band, T) {
    try {
        ThePlugin().RemoveData(MakeQsoArgs(ownCall, call, time, freqHz, mode, rstSent, rstReceived,
                                           exchSent, exchReceived, callPrefix, country, band));
    } catch (...) {
    }
    return 1;
}

int CheckCall0(T call, unsigned int, unsigned int, T mode, T, T, T, T, T, T, T, T, T callPrefix,
               T country, int, int, int, double, double, T, T, T, T, T, T band, T band2,
               char* /*out1*/, char* /*out2*/) {
    try {
        CheckArgs args;
        args.call = Text(call);
        args.mode = Text(mode);
        args.callPrefix = Text(callPrefix);
        args.country = Text(country);
        args.band = Text(band);
        args.hasBand = band != nullptr;
        args.band2 = Text(band2);
        args.hasBand2 = band2 != nullptr;
        return HostVerdict(ThePlugin().CheckCall(args));
    } catch (...) {
        return 1;  // "allowed, nothing new": neither blocks nor alarms the operator
    }
}

int IsValidExchg0(T exchange, T call, T country, T, int, int, int) {
    try {
        return ThePlugin().IsValidExchg(Text(exchange), Text(call), Text(country)) ? 1 : 0;
    } catch (...) {
        return 1;  // the operator can still log; AddData0 judges the QSO again
    }
}

const char* GetResult0(int* out) {
    if (out != nullptr) *out = -1;  // on every call, whatever the result
    try {
        const char* result = ThePlugin().GetResult();
        return result != nullptr ? result : kNoText;
    } catch (...) {
        return kNoText;
    }
}

}  // extern "C"
