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

template <typename F>
bool Resolve(HMODULE module, const char* name, F* function, std::string* error) {
    // GetProcAddress hands back a generic FARPROC; the export's real type
    // comes from the declaration the DLL is built from.
    FARPROC address = GetProcAddress(module, name);
    if (address == nullptr) {
        *error = std::string("export not found: ") + name;
        return false;
    }
    *function = reinterpret_cast<F>(reinterpret_cast<void*>(address));
    return true;
}

}  // namespace

StatsPluginApi::~StatsPluginApi() {
    // Unloading runs the plug-in's own shutdown, which closes its windows.
    if (m_module != nullptr) FreeLibrary(m_module);
}

bool StatsPluginApi::Load(const std::string& path, std::string* error) {
    m_module = LoadLibraryA(path.c_str());
    if (m_module == nullptr) {
        *error = "cannot load " + path + " (error " + std::to_string(GetLastError()) + ")";
        return false;
    }
    return Resolve(m_module, "GetNumberOfSets", &m_getNumberOfSets, error) &&
           Resolve(m_module, "GetSetName", &m_getSetName, error) &&
           Resolve(m_module, "setVersion", &m_setVersion, error) &&
           Resolve(m_module, "SetupSet0", &m_setupSet0, error) &&
           Resolve(m_module, "ResetStats0", &m_resetStats0, error) &&
           Resolve(m_module, "AddData0", &m_addData0, error) &&
           Resolve(m_module, "RemoveData0", &m_removeData0, error) &&
           Resolve(m_module, "CheckCall0", &m_checkCall0, error) &&
           Resolve(m_module, "IsValidExchg0", &m_isValidExchg0, error) &&
           Resolve(m_module, "GetExchgCount0", &m_getExchgCount0, error) &&
           Resolve(m_module, "GetResult0", &m_getResult0, error);
}

void StatsPluginApi::Unload() {
    if (m_module != nullptr) FreeLibrary(m_module);
    m_module = nullptr;
}

std::string StatsPluginApi::LoadedPath() const {
    char path[MAX_PATH] = "";
    if (m_module != nullptr) GetModuleFileNameA(m_module, path, MAX_PATH);
    return path;
}

int StatsPluginApi::Reset(const ResetRequest& r) const {
    HostDateTime start = ToHost(r.start);
    HostDateTime end = ToHost(r.end);
    return m_resetStats0(Text(r.hostDir), r.exportRun ? 1 : 0, Text(r.ownCall), &start, &end,
                         nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                         nullptr, Text(r.ownCountry), 0, 0, 0, 0.0, 0.0, nullptr, nullptr, nullptr);
}

int StatsPluginApi::Add(const Qso& q, const std::string& ownCall) const {
    HostDateTime time = ToHost(q.time);
    return m_addData0(Text(ownCall), Text(q.call), &time, nullptr, nullptr, nullptr, 0, q.freqHz,
                      Text(q.mode), Text(q.rstSent), Text(q.rstReceived), Text(q.exchSent),
                      Text(q.exchReceived), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                      nullptr, nullptr, Text(q.callPrefix), Text(q.country), 0, 0, 0, 0.0, 0.0,
                      nullptr, nullptr, nullptr, Text(q.band), nullptr);
}

int StatsPluginApi::Remove(const Qso& q, const std::string& ownCall) const {
    HostDateTime time = ToHost(q.time);
    return m_removeData0(Text(ownCall), Text(q.call), &time, nullptr, nullptr, nullptr, 0, q.freqHz,
                         Text(q.mode), Text(q.rstSent), Text(q.rstReceived), Text(q.exchSent),
                         Text(q.exchReceived), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                         nullptr, nullptr, Text(q.callPrefix), Text(q.country), 0, 0, 0, 0.0, 0.0,
                         nullptr, nullptr, nullptr, Text(q.band), nullptr);
}

int StatsPluginApi::Check(const CallCheck& c, bool* buffersTouched) const {
    char out1[256];
    char out2[256];
    std::memset(out1, 0x5A, sizeof out1);
    std::memset(out2, 0x5A, sizeof out2);
    // The same band text twice, as a host with one band display passes it.
    int verdict = m_checkCall0(Text(c.call), 0, 0, Text(c.mode), nullptr, nullptr, nullptr, nullptr,
                               nullptr, nullptr, nullptr, nullptr, Text(c.callPrefix),
                               Text(c.country), 0, 0, 0, 0.0, 0.0, nullptr, nullptr, nullptr,
                               nullptr, nullptr, Text(c.band), Text(c.band), out1, out2);
    bool touched = false;
    for (std::size_t i = 0; i < sizeof out1; ++i)
        touched = touched || out1[i] != 0x5A || out2[i] != 0x5A;
    *buffersTouched = touched;
    return verdict;
}

int StatsPluginApi::ValidExchange(const std::string& exchange, const std::string& call,
                                  const std::string& country) const {
    return m_isValidExchg0(Text(exchange), Text(call), Text(country), nullptr, 0, 0, 0);
}

}  // namespace host
