// Stats.dll as the host sees it: loaded by path, its exports found by their
// plain names, and called with the long argument lists the host passes.
#pragma once

#include <windows.h>

#include <string>

#include "tools/host_qso.h"
#include "tools/stats_exports.h"

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

// Lets the next reset start the window thread: "Start" 0 in the plug-in's
// settings file below the current folder.
void AllowWindowThread();

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

    int NumberOfSets() const { return m_dll.GetNumberOfSets(); }
    const char* SetName(int index) const { return m_dll.GetSetName(index); }
    unsigned long SetVersion(const char* version) const { return m_dll.setVersion(version); }
    void Setup() const { m_dll.SetupSet0(); }
    int Reset(const ResetRequest& request) const;
    int Add(const Qso& qso, const std::string& ownCall) const;
    int Remove(const Qso& qso, const std::string& ownCall) const;
    // Also reports whether the plug-in wrote into the two output buffers,
    // which it must leave alone.
    int Check(const CallCheck& check, bool* buffersTouched) const;
    int ValidExchange(const std::string& exchange, const std::string& call,
                      const std::string& country) const;
    int ExchangeCount() const { return m_dll.GetExchgCount0(nullptr, nullptr, nullptr); }
    const char* Result(int* out) const { return m_dll.GetResult0(out); }

  private:
    StatsExports m_dll;
};

}  // namespace host
