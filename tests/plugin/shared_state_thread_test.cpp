// The window thread's refresh reads the log and the band-row lists while the
// host thread adds, checks, removes and asks for results.  Both sides hold
// the state's one lock (SharedState); the refresh copies what it shows.
// Built with -fsanitize=thread this also proves that no access goes
// unguarded.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/plugin_rig.h"
#include "tests/support/qso_builder.h"
#include "tests/windows/fake_host_link.h"

namespace {

// Stations of the countries whose call areas the map lists, and others.
struct Station {
    const char* country;
    const char* prefix;
    const char* call;
    const char* exchange;
};
const Station kStations[] = {
    {"K", "K1", "K1ABC", "001"},    {"K", "W4", "W4XYZ", "002"},    {"JA", "JA1", "JA1QRP", "003"},
    {"VE", "VE3", "VE3AAA", "004"}, {"VK", "VK2", "VK2BB", "005"},  {"EA", "EA4", "EA4ABC", "M"},
    {"EA8", "EA8", "EA8ZZ", "TF"},  {"DL", "DL1", "DL1ABC", "006"}, {"EA", "EA4", "EA4URE", "HQ"},
};
const char* const kBands[] = {"80m", "40m", "20m", "15m", "10m"};

QsoArgs QsoOf(int n) {
    const Station& s = kStations[n % 9];
    return Qso(s.call)
        .OwnCall("UR5EQF")
        .Prefix(s.prefix)
        .Country(s.country)
        .Band(kBands[(n / 9) % 5])
        .Exch(s.exchange)
        .Time(COleDateTime(42840.5 + n / 1440.0, COleDateTime::valid))
        .FreqHz(14080000);
}

// The host's side: a contest's worth of calls, with a reload in the middle.
void HostCalls(StatsPlugin& plugin, std::vector<std::string>& faults) {
    plugin.ResetStats(ContestReset("UR5EQF", "UR"));
    std::vector<QsoArgs> logged;
    for (int n = 0; n < 1500; ++n) {
        if (n == 700) {
            plugin.ResetStats(ContestReset("UR5EQF", "UR"));
            for (const QsoArgs& q : logged) plugin.AddData(q);
        }
        const QsoArgs q = QsoOf(n);
        plugin.CheckCall(CheckOf(q));
        if (plugin.AddData(q) != 1) faults.push_back("QSO refused: " + q.call);
        logged.push_back(q);
        if (n % 7 == 6) {
            const QsoArgs gone = logged[static_cast<size_t>(n * 31) % logged.size()];
            plugin.RemoveData(gone);
            logged.erase(std::find_if(logged.begin(), logged.end(), [&](const QsoArgs& l) {
                return l.time.Value() == gone.time.Value();
            }));
        }
        if (n % 5 == 0 && plugin.GetResult() == nullptr) faults.push_back("no result");
    }
}

// The real refresh through the door, as the window thread runs it: every
// copy it takes and every row it makes crosses SharedView.
TEST(SharedState, RefreshThroughTheDoorWhileHostCalls) {
    PluginRig rig;
    rig.env.setupRunning = true;
    rig.env.openMaps = kCallAreaStation | kSpanishStation;
    StatsPlugin& plugin = rig.plugin;

    std::atomic<bool> done{false};
    int passes = 0;
    FakeHostLink host;
    std::thread ui([&] {
        RefreshState refresh;
        // The last pass starts after the host's last call, so it is the one
        // that leaves the check armed.
        for (int pass = 0;; ++pass) {
            const bool hostDone = done.load();
            host.call = kStations[pass % 9].call;
            host.dialHz = 3.5e6 + 3.5e6 * (pass % 4);  // 80, 40, 20 m and off the bands
            RunRefreshPass(plugin.Shared(), refresh, host);
            TakeTableView(plugin.Shared(), refresh);
            // A band counts each multiplier once, whatever the host did meanwhile.
            const MultiplierView mults = TakeMultiplierView(plugin.Shared(), refresh);
            EXPECT_EQ(std::adjacent_find(mults.entries.begin(), mults.entries.end()),
                      mults.entries.end());
            if (++passes >= 10 && hostDone) break;
        }
    });
    std::vector<std::string> hostFaults;
    HostCalls(plugin, hostFaults);
    done = true;
    ui.join();

    EXPECT_TRUE(hostFaults.empty()) << hostFaults.front();
    EXPECT_GE(passes, 10);
    EXPECT_EQ(plugin.State().g_refreshPending, 1);  // every pass re-armed the check
}

}  // namespace
