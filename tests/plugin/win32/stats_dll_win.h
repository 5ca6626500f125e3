// The real Stats.dll, loaded with LoadLibrary and called through the
// exports the host would use.
#pragma once

#include <windows.h>

#include "plugin/win32/exports.h"

struct StatsDll {
    HMODULE module;
    decltype(&::GetNumberOfSets) GetNumberOfSets;
    decltype(&::GetSetName) GetSetName;
    decltype(&::setVersion) setVersion;
    decltype(&::SetupSet0) SetupSet0;
    decltype(&::ResetStats0) ResetStats0;
    decltype(&::AddData0) AddData0;
    decltype(&::RemoveData0) RemoveData0;
    decltype(&::CheckCall0) CheckCall0;
    decltype(&::IsValidExchg0) IsValidExchg0;
    decltype(&::GetExchgCount0) GetExchgCount0;
    decltype(&::GetResult0) GetResult0;

    // Loaded once per test program from beside it; null members if missing.
    static const StatsDll& Get();
};

template <typename Function>
Function Export(HMODULE module, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

inline const StatsDll& StatsDll::Get() {
    static const StatsDll dll = [] {
        StatsDll d{};
        d.module = LoadLibraryA("Stats.dll");
        if (d.module == nullptr) return d;
#define STATS_EXPORT(name) d.name = Export<decltype(d.name)>(d.module, #name)
        STATS_EXPORT(GetNumberOfSets);
        STATS_EXPORT(GetSetName);
        STATS_EXPORT(setVersion);
        STATS_EXPORT(SetupSet0);
        STATS_EXPORT(ResetStats0);
        STATS_EXPORT(AddData0);
        STATS_EXPORT(RemoveData0);
        STATS_EXPORT(CheckCall0);
        STATS_EXPORT(IsValidExchg0);
        STATS_EXPORT(GetExchgCount0);
        STATS_EXPORT(GetResult0);
#undef STATS_EXPORT
        return d;
    }();
    return dll;
}
