// Starting the statistics afresh.
#include <cstdio>
#include <utility>

#include "contest/bad_qso_file.h"
#include "contest/c_file.h"
#include "contest/contest_rules.h"
#include "contest/host_versions.h"
#include "plugin/stats_plugin.h"
#include "results/header_settings.h"
#include "windows/prev_qso_rows.h"

namespace {

// Set, the next reset starts no windows: they start on every other reset.
constexpr const char* kStartKey = "Start";

// The folder part of a search pattern, separator included.
std::string FolderOf(const std::string& pattern) {
    const size_t slash = pattern.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : pattern.substr(0, slash + 1);
}

// One line of `file` without its '\n'; false at the end of the file.  C
// streams rather than iostreams: the DLL links its C++ runtime statically,
// and iostreams with their locales would double its size.
bool ReadLine(std::FILE* file, std::string& line) {
    line.clear();
    for (int c; (c = std::fgetc(file)) != EOF;) {
        if (c == '\n') return true;
        line.push_back(static_cast<char>(c));
    }
    return !line.empty();
}

// The text after the first five characters of the first line holding "MixW=".
bool ReadVersionLine(const std::string& path, std::string& version) {
    const CFile file = OpenCFile(path, "rb");
    if (!file) return false;
    std::string line;
    while (ReadLine(file.get(), line)) {
        if (line.find("MixW=") == std::string::npos) continue;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        version = line.substr(5);
        return true;
    }
    return false;
}

// The host's version from its "MixW2.ini", found by listing the host folder.
// The file is opened in that folder, not in the current one.
void FindHostVersion(BlockingCalls& env, const std::string& hostDirectory, std::string& version) {
    const std::string pattern = hostDirectory + "*.ini";
    for (const std::string& name : env.FindFiles(pattern)) {
        if (name.find("MixW2.ini") == std::string::npos) continue;
        ReadVersionLine(FolderOf(pattern) + "MixW2.ini", version);
        return;
    }
    version = "MixW";
}

// The state as a new contest starts it: the period, the host, the own
// station, an empty log and empty lists.
void StartContest(PluginState& s, const ResetArgs& args, std::string hostVersion) {
    s.g_periodStart = args.start.Format("%d.%m");
    s.g_contestYear = args.start.Format("%Y");
    s.g_periodEnd = args.end.Format("%d.%m.%Y");
    s.g_hostVersion = std::move(hostVersion);
    s.g_log.RemoveAll();
    s.g_workedBands.clear();
    // The windows show these lists; the old log's multipliers must not stay
    // on the bands the new log has not reached yet.
    s.bandLists.EmptyAll();
    s.g_ownCountry = args.ownCountry;
    s.g_ownCall = args.ownCall;
    if (IsRussianCaptionCountry(s.g_ownCountry)) s.g_russianCaptions = 1;
    StartRows(s.g_prevQsoRows);
    s.g_exportMode = args.exportRequest;
}

}  // namespace

// The disk, the settings file, the header dialog and the window thread's
// start all run without the lock: the window thread needs it to paint, and
// neither a slow disk nor the operator must hold it up.
void StatsPlugin::ResetStats(const ResetArgs& args) {
    std::string hostVersion = m_shared.Lock()->g_hostVersion;  // kept when not found
    FindHostVersion(m_blocking, args.hostDirectory, hostVersion);
    CCabrilloLog cabrillo;
    {
        const SharedState::Locked s = m_shared.Lock();
        StartContest(*s, args, hostVersion);
        cabrillo = s->g_cabrilloLog;
    }
    EditHeaderAndStartWindows(args, hostVersion, cabrillo);
    std::string badQsoFile;
    {
        const SharedState::Locked s = m_shared.Lock();
        s->g_cabrilloLog = std::move(cabrillo);
        s->g_badQsoFile = "BadQSO_StatsKOLVEX_" + args.end.Format("%d_%m_%Y") + ".txt";
        badQsoFile = s->g_badQsoFile;
    }
    BadQso::Create(badQsoFile, BadQso::kCreatedHeader);
}

void StatsPlugin::EditHeaderAndStartWindows(const ResetArgs& args, const std::string& hostVersion,
                                            CCabrilloLog& cabrillo) {
    if (args.exportRequest != 0) {
        EditStoredHeader(m_settings, cabrillo, m_blocking, args.ownCall, args.start, args.end);
        m_settings.WriteFlag(kStartKey, true);
    }
    if (m_settings.ReadInt(kStartKey) != 0) {
        m_settings.WriteFlag(kStartKey, false);
    } else if (!m_posts.SetupWindowRunning()) {
        if (!TraitsOfHost(hostVersion).noWindows) m_blocking.StartUiThread();
        m_settings.WriteFlag(kStartKey, true);
    }
}
