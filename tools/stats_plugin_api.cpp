#include "tools/stats_plugin_api.h"

#include <cstring>

namespace host {
namespace {

// The host's date objects live as long as the call that gets them.
HostDateTime ToHost(const OleDate& date) {
    HostDateTime d{};
    d.dt = date.value;
    d.status = date.status;
    return d;
}

const char* Text(const std::string& s) { return s.c_str(); }

// The QSO's texts, valid while `q`, `ownCall` and `time` live.
AddDataArgs QsoArgs(const Qso& q, const std::string& ownCall, HostDateTime* time) {
    AddDataArgs a;
    a.ownCall = Text(ownCall);
    a.call = Text(q.call);
    a.time = time;
    a.freqHz = q.freqHz;
    a.mode = Text(q.mode);
    a.rstSent = Text(q.rstSent);
    a.rstReceived = Text(q.rstReceived);
    a.exchSent = Text(q.exchSent);
    a.exchReceived = Text(q.exchReceived);
    a.callPrefix = Text(q.callPrefix);
    a.country = Text(q.country);
    a.band = Text(q.band);
    return a;
}

}  // namespace

void AllowWindowThread() {
    char dir[MAX_PATH] = "";
    GetCurrentDirectoryA(MAX_PATH, dir);
    // A full path: a bare relative one would land in the Windows folder.
    std::string ini = std::string(dir) + "\\Plugins\\KOLVEX.ini";
    WritePrivateProfileStringA("Settings", "Start", "0", ini.c_str());
}

StatsPluginApi::~StatsPluginApi() {
    // Unloading runs the plug-in's own shutdown, which closes its windows.
    if (m_dll.module != nullptr) FreeLibrary(m_dll.module);
}

bool StatsPluginApi::Load(const std::string& path, std::string* error) {
    return m_dll.Load(path, error);
}

void StatsPluginApi::Unload() {
    if (m_dll.module != nullptr) FreeLibrary(m_dll.module);
    m_dll.module = nullptr;
}

std::string StatsPluginApi::LoadedPath() const {
    char path[MAX_PATH] = "";
    if (m_dll.module != nullptr) GetModuleFileNameA(m_dll.module, path, MAX_PATH);
    return path;
}

int StatsPluginApi::Reset(const ResetRequest& r) const {
    HostDateTime start = ToHost(r.start);
    HostDateTime end = ToHost(r.end);
    ResetStatsArgs a;
    a.hostDir = Text(r.hostDir);
    a.exportRequest = r.exportRun ? 1 : 0;
    a.ownCall = Text(r.ownCall);
    a.start = &start;
    a.end = &end;
    a.ownCountry = Text(r.ownCountry);
    return m_dll.Reset(a);
}

int StatsPluginApi::Add(const Qso& q, const std::string& ownCall) const {
    HostDateTime time = ToHost(q.time);
    return m_dll.Add(QsoArgs(q, ownCall, &time));
}

int StatsPluginApi::Remove(const Qso& q, const std::string& ownCall) const {
    HostDateTime time = ToHost(q.time);
    return m_dll.Remove(QsoArgs(q, ownCall, &time));
}

int StatsPluginApi::Check(const CallCheck& c, bool* buffersTouched) const {
    char out1[256];
    char out2[256];
    std::memset(out1, 0x5A, sizeof out1);
    std::memset(out2, 0x5A, sizeof out2);
    CheckCallArgs a;
    a.call = Text(c.call);
    a.mode = Text(c.mode);
    a.callPrefix = Text(c.callPrefix);
    a.country = Text(c.country);
    // The same band text twice, as a host with one band display passes it.
    a.band = Text(c.band);
    a.band2 = Text(c.band);
    a.out1 = out1;
    a.out2 = out2;
    const int verdict = m_dll.Check(a);
    bool touched = false;
    for (std::size_t i = 0; i < sizeof out1; ++i)
        touched = touched || out1[i] != 0x5A || out2[i] != 0x5A;
    *buffersTouched = touched;
    return verdict;
}

int StatsPluginApi::ValidExchange(const std::string& exchange, const std::string& call,
                                  const std::string& country) const {
    return m_dll.IsValidExchg0(Text(exchange), Text(call), Text(country), nullptr, 0, 0, 0);
}

}  // namespace host
