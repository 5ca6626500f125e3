// Stats.dll as the host sees it: loaded by path, its exports found by their
// plain names, and called with the long argument lists the host passes.
#pragma once

#include <windows.h>

#include <string>

#include "plugin/win32/exports.h"
#include "tools/host_qso.h"

namespace host {

struct ResetRequest {
    std::string hostDir;  // ends in a backslash
    bool exportRun = false;
    std::string ownCall;
    OleDate start, end;
    std::string ownCountry;
};

// What CheckCall0 is asked about: a call as typed so far.
struct CallCheck {
    std::string call, mode, callPrefix, country, band;
};

class StatsPluginApi {
  public:
    StatsPluginApi() = default;
    ~StatsPluginApi();
    StatsPluginApi(const StatsPluginApi&) = delete;
    StatsPluginApi& operator=(const StatsPluginApi&) = delete;

    // False with a message when the DLL or one of its exports is missing.
    bool Load(const std::string& path, std::string* error);
    std::string LoadedPath() const;
    // FreeLibrary now rather than at destruction; the exports are gone after.
    void Unload();

    int NumberOfSets() const { return m_getNumberOfSets(); }
    const char* SetName(int index) const { return m_getSetName(index); }
    unsigned long SetVersion(const char* version) const { return m_setVersion(version); }
    void Setup() const { m_setupSet0(); }
    int Reset(const ResetRequest& request) const;
    int Add(const Qso& qso, const std::string& ownCall) const;
    int Remove(const Qso& qso, const std::string& ownCall) const;
    // Also reports whether the plug-in wrote into the two output buffers,
    // which it must leave alone.
    int Check(const CallCheck& check, bool* buffersTouched) const;
    int ValidExchange(const std::string& exchange, const std::string& call,
                      const std::string& country) const;
    int ExchangeCount() const { return m_getExchgCount0(nullptr, nullptr, nullptr); }
    const char* Result(int* out) const { return m_getResult0(out); }

  private:
    HMODULE m_module = nullptr;
    decltype(&::GetNumberOfSets) m_getNumberOfSets = nullptr;
    decltype(&::GetSetName) m_getSetName = nullptr;
    decltype(&::setVersion) m_setVersion = nullptr;
    decltype(&::SetupSet0) m_setupSet0 = nullptr;
    decltype(&::ResetStats0) m_resetStats0 = nullptr;
    decltype(&::AddData0) m_addData0 = nullptr;
    decltype(&::RemoveData0) m_removeData0 = nullptr;
    decltype(&::CheckCall0) m_checkCall0 = nullptr;
    decltype(&::IsValidExchg0) m_isValidExchg0 = nullptr;
    decltype(&::GetExchgCount0) m_getExchgCount0 = nullptr;
    decltype(&::GetResult0) m_getResult0 = nullptr;
};

}  // namespace host
