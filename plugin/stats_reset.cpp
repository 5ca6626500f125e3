// Starting the statistics afresh.
#include <fstream>
#include <mutex>

#include "contest/bad_qso_file.h"
#include "contest/contest_rules.h"
#include "plugin/stats_plugin.h"

namespace {

bool IsHostTooOldForWindows(const std::string& version) {
    for (const char* old : {"2.18", "2.17", "2.16", "2.15", "2.14", "2.14R"}) {
        if (version == old) return true;
    }
    return false;
}

// The folder part of a search pattern, separator included.
std::string FolderOf(const std::string& pattern) {
    const size_t slash = pattern.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : pattern.substr(0, slash + 1);
}

// The text after the first five characters of the first line holding "MixW=".
bool ReadVersionLine(const std::string& path, std::string& version) {
    std::ifstream file(path, std::ios::binary);
    std::string line;
    while (file && std::getline(file, line)) {
        if (line.find("MixW=") == std::string::npos) continue;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        version = line.substr(5);
        return true;
    }
    return false;
}

// The host's version from its "MixW2.ini", found by listing the host folder.
// The file is opened in that folder, not in the current one.
void FindHostVersion(Environment& env, const std::string& hostDirectory, std::string& version) {
    const std::string pattern = hostDirectory + "*.ini";
    for (const std::string& name : env.FindFiles(pattern)) {
        if (name.find("MixW2.ini") == std::string::npos) continue;
        ReadVersionLine(FolderOf(pattern) + "MixW2.ini", version);
        return;
    }
    version = "MixW";
}

}  // namespace

int StatsPlugin::ResetStats(const ResetArgs& args) {
    std::unique_lock<std::recursive_mutex> guard(m_state.lock);
    PluginState& s = m_state;
    s.g_periodStart = args.start.Format("%d.%m");
    s.g_contestYear = args.start.Format("%Y");
    s.g_periodEnd = args.end.Format("%d.%m.%Y");
    FindHostVersion(m_env, args.hostDirectory, s.g_hostVersion);
    s.g_log.RemoveAll();
    s.g_workedBands.clear();
    // The windows show these lists; the old log's multipliers must not stay
    // on the bands the new log has not reached yet.
    s.EmptyAll();
    s.g_ownCountry = args.ownCountry;
    s.g_ownCall = args.ownCall;
    if (IsRussianCaptionCountry(s.g_ownCountry)) s.g_russianCaptions = 1;
    for (int i = 0; i < kBandRows; ++i) {
        s.g_prevQsoRows[static_cast<size_t>(i)] = {ValidBands().GetAt(i), "-", "-", "-", "-"};
    }
    s.g_exportMode = args.exportRequest;
    const std::string hostVersion = s.g_hostVersion;
    guard.unlock();

    // The header dialog and the window thread's start run without the lock:
    // the window thread may need it meanwhile.
    if (args.exportRequest != 0) {
        s.g_cabrilloLog.EditHeader(m_settings, m_env, args.ownCall, args.start, args.end);
        m_settings.WriteFlag("Start", true);
    }
    if (m_settings.ReadInt("Start") != 0) {
        m_settings.WriteFlag("Start", false);
    } else if (!m_env.SetupWindowRunning()) {
        if (!IsHostTooOldForWindows(hostVersion)) m_env.StartUiThread();
        m_settings.WriteFlag("Start", true);
    }

    guard.lock();
    s.g_badQsoFile = "BadQSO_StatsKOLVEX_" + args.end.Format("%d_%m_%Y") + ".txt";
    BadQso::Create(s.g_badQsoFile, BadQso::kCreatedHeader);
    return 1;
}
