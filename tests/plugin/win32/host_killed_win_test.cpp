// The host killed at any moment while the real Stats.dll writes its files
// (TerminateProcess, as a crash would end it): every file a kill leaves is
// whole.  The program is both sides.  Started with --host it is a host that
// loads the plug-in and runs one contest session: resets, QSOs with dupes,
// refusals and bad provinces, removals, and two exports.  As the test it
// runs that session itself once, noting every state of the files, then
// starts hosts in another folder and kills each at a random moment.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "tests/plugin/win32/export_run_win.h"
#include "tests/plugin/win32/host_calls_win.h"
#include "tests/support/temp_folder.h"

using namespace host_calls;

namespace {

constexpr int kKills = 100;
// The period ends on 17 April 2017.
const char* const kBadFile = "BadQSO_StatsKOLVEX_17_04_2017.txt";
const char* const kCabrilloFile = "EA4XYZ.cbr";
const char* const kTempFiles[] = {"BadQSO_StatsKOLVEX_17_04_2017.txt.tmp", "EA4XYZ.cbr.tmp"};
constexpr double k16April2017 = 42841.0;

// Stations that come back: dupes, and lines that removals take out again.
struct Station {
    const char* call;
    const char* prefix;
    const char* country;
    const char* exchange;
};
const Station kStations[] = {
    {"DL1ABC", "DL1", "DL", "123"}, {"JA1XYZ", "JA1", "JA", "45"}, {"EA1QQA", "EA1", "EA", "M"},
    {"EA5QQB", "EA5", "EA", "XX"},  // not a province
    {"K1QQC", "K1", "K", "7"},      {"UA3AAA", "UA3", "UA", "88"}, {"F5QQD", "F5", "F", "9"},
};

// The session's QSOs: the n-th at minute n of 16 April, now and then on
// 160 m or in PSK (refused), or without an exchange.
class Qsos {
  public:
    Qsos() {
        for (int n = 0; n < 80; ++n) m_times.push_back(HostDateTime{k16April2017 + n / 1440.0, 0});
    }
    Qso operator()(int n) {
        const Station& s = kStations[n % std::size(kStations)];
        Qso q;
        q.call = s.call;
        q.callPrefix = s.prefix;
        q.country = s.country;
        q.exchReceived = n % 13 == 12 ? "" : s.exchange;
        q.time = &m_times[static_cast<size_t>(n)];
        if (n % 9 == 8) q.band = "160m";
        if (n % 11 == 10) q.mode = "PSK";
        return q;
    }

  private:
    std::vector<HostDateTime> m_times;
};

HostDateTime g_start{k16April2017 + 0.5, 0}, g_end{k16April2017 + 1.5, 0};

// One session; `look` runs after each call that may write a file.
void RunSession(const std::function<void()>& look) {
    Qsos qso;
    Reset reset;
    reset.start = &g_start;
    reset.end = &g_end;
    int n = 0;
    auto addSome = [&](int count) {
        for (int end = n + count; n < end; ++n) {
            Add(qso(n));
            look();
            if (n % 5 == 4) {
                Remove(qso(n - 3));
                look();
            }
        }
    };
    for (int round = 0; round < 2; ++round) {
        DoReset(reset);
        look();
        addSome(20);
    }
    ExportReset(reset);
    look();
    std::string result;
    for (int exportRun = 0; exportRun < 2; ++exportRun) {
        addSome(15);
        ExportResult(&result);
        look();
    }
}

// The host side: loads the plug-in, tells the test, runs the session.
int RunHost(const char* readyEvent) {
    if (StatsDll::Get().module == nullptr) return 1;
    HANDLE ready = OpenEventA(EVENT_MODIFY_STATE, FALSE, readyEvent);
    if (ready == nullptr) return 2;
    SetEvent(ready);
    CloseHandle(ready);
    RunSession([] {});
    return 0;
}

// Every state the files of a session went through.
struct FileStates {
    std::set<std::string> badLines;  // each with its CR LF
    std::set<std::string> exports;
};

std::vector<std::string> LinesOf(const std::string& text) {
    std::vector<std::string> lines;
    for (size_t start = 0; start < text.size();) {
        const size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));  // a line without its end
            break;
        }
        lines.push_back(text.substr(start, end + 2 - start));
        start = end + 2;
    }
    return lines;
}

void Note(const std::string& folder, FileStates& states) {
    for (const std::string& line : LinesOf(TempFolder::Read(folder + kBadFile)))
        states.badLines.insert(line);
    if (TempFolder::Exists(folder + kCabrilloFile))
        states.exports.insert(TempFolder::Read(folder + kCabrilloFile));
}

// This program as a host in `folder`, killed `killAfterMs` after it has
// loaded the plug-in, or left to finish (a negative time).  Its exit code.
DWORD RunHostProcess(const std::string& folder, int killAfterMs) {
    const std::string eventName = "KolvexHostReady" + std::to_string(GetCurrentProcessId());
    HANDLE ready = CreateEventA(nullptr, FALSE, FALSE, eventName.c_str());
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string command = "\"" + std::string(self) + "\" --host " + eventName;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                        &startup, &process)) {
        CloseHandle(ready);
        return 1000;
    }
    const HANDLE started[] = {ready, process.hProcess};
    WaitForMultipleObjects(2, started, FALSE, 20000);
    if (killAfterMs >= 0) {
        Sleep(static_cast<DWORD>(killAfterMs));
        TerminateProcess(process.hProcess, 99);
    }
    WaitForSingleObject(process.hProcess, 60000);
    DWORD exitCode = 1001;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    CloseHandle(ready);
    return exitCode;
}

// What a kill left in `folder`: the bad-QSO file (if any) whole lines the
// plug-in writes, the Cabrillo file (if any) one complete export.
void ExpectWholeFiles(const std::string& folder, const FileStates& states) {
    if (TempFolder::Exists(folder + kBadFile)) {
        const std::string bad = TempFolder::Read(folder + kBadFile);
        EXPECT_FALSE(bad.empty()) << "an empty bad-QSO file";
        for (const std::string& line : LinesOf(bad))
            EXPECT_EQ(states.badLines.count(line), 1u)
                << "a line the plug-in never wrote: " << line;
    }
    if (TempFolder::Exists(folder + kCabrilloFile)) {
        const std::string cabrillo = TempFolder::Read(folder + kCabrilloFile);
        EXPECT_EQ(states.exports.count(cabrillo), 1u)
            << "not one complete export; it ends with:\n"
            << cabrillo.substr(cabrillo.size() > 80 ? cabrillo.size() - 80 : 0);
    }
}

// The number the kill moments are drawn from: given, or from the clock.
unsigned KillPlan() {
    const char* given = std::getenv("STATS_KILL_PLAN");
    return given != nullptr ? static_cast<unsigned>(std::strtoul(given, nullptr, 10))
                            : GetTickCount();
}

TEST(HostKilled, EveryFileAKillLeavesIsWhole) {
    ASSERT_NE(StatsDll::Get().module, nullptr);
    const unsigned plan = KillPlan();
    std::printf("kill plan %u (STATS_KILL_PLAN=%u repeats the kill moments)\n", plan, plan);
    TempFolder root;
    const std::string reference = root.Path() + "reference\\", killed = root.Path() + "killed\\";
    for (const std::string& folder : {reference, killed}) {
        CreateDirectoryA(folder.c_str(), nullptr);
        // MixW 2.18 has no window thread; no Plugins folder, no settings.
        TempFolder::Write(folder + "MixW2.ini", "[Main]\r\nMixW=2.18\r\n");
    }
    // What a kill between a new file's write and its move leaves.
    for (const char* name : kTempFiles) TempFolder::Write(killed + name, "QSO:  14");

    FileStates states;
    ASSERT_TRUE(SetCurrentDirectoryA(reference.c_str()));
    const auto start = std::chrono::steady_clock::now();
    RunSession([&] { Note(reference, states); });
    const auto sessionMs = std::chrono::duration_cast<std::chrono::milliseconds>(
                               std::chrono::steady_clock::now() - start)
                               .count();
    ASSERT_TRUE(SetCurrentDirectoryA(root.Path().c_str()));
    ASSERT_EQ(states.exports.size(), 2u);
    std::printf("session: %d ms, %zu bad-QSO lines, %zu exports\n", static_cast<int>(sessionMs),
                states.badLines.size(), states.exports.size());

    std::mt19937 random(plan);
    std::uniform_int_distribution<int> moment(0, static_cast<int>(sessionMs));
    int tempFilesLeft = 0;
    for (int kill = 1; kill <= kKills; ++kill) {
        const int at = moment(random);
        SCOPED_TRACE("kill " + std::to_string(kill) + " at " + std::to_string(at) + " ms");
        ASSERT_NE(RunHostProcess(killed, at), 1000u) << "the host could not be started";
        ExpectWholeFiles(killed, states);
        for (const char* name : kTempFiles) tempFilesLeft += TempFolder::Exists(killed + name);
        if (HasFailure()) break;
    }
    std::printf("%d kills, %d temporary files seen after them\n", kKills, tempFilesLeft);

    ASSERT_EQ(RunHostProcess(killed, -1), 0u);
    EXPECT_EQ(TempFolder::Read(killed + kBadFile), TempFolder::Read(reference + kBadFile));
    EXPECT_EQ(TempFolder::Read(killed + kCabrilloFile),
              TempFolder::Read(reference + kCabrilloFile));
    for (const char* name : kTempFiles)
        EXPECT_FALSE(TempFolder::Exists(killed + name))
            << name << " not replaced by the next write";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--host") == 0) return RunHost(argv[2]);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
