// A plug-in as the exports drive it, in a fresh current folder, with fake
// windows and an in-memory settings file.
#pragma once

#include <filesystem>
#include <string>

#include "contest/ole_date_time.h"
#include "plugin/stats_plugin.h"
#include "tests/support/fake_environment.h"
#include "tests/support/temp_folder.h"

// The contest period used by default: 15.04 to 16.04.2017.
inline ResetArgs ContestReset(const std::string& ownCall = "DL1OWN",
                              const std::string& ownCountry = "DL") {
    ResetArgs args;
    args.hostDirectory = "nohost/";
    args.ownCall = ownCall;
    args.start = COleDateTime::FromParts(2017, 4, 15, 12, 0, 0);
    args.end = COleDateTime::FromParts(2017, 4, 16, 11, 59, 59);
    args.ownCountry = ownCountry;
    return args;
}

constexpr const char* kBadQsoFile = "BadQSO_StatsKOLVEX_16_04_2017.txt";

struct PluginRig {
    TempFolder folder;  // first: the others live in it
    FakeEnvironment env;
    MapProfileStore profile;
    StatsPlugin plugin{env, profile};

    PluginState& State() { return plugin.State(); }
    void Reset(const ResetArgs& args = ContestReset()) { plugin.ResetStats(args); }
    std::string BadQsoContent() const { return TempFolder::Read(kBadQsoFile); }
    std::string Result() { return plugin.GetResult(); }
    // A reset on a host whose settings file names `version`.
    void ResetOnHost(const std::string& version) {
        std::filesystem::create_directory("host");
        TempFolder::Write("host/MixW2.ini", "[Main]\r\nMixW=" + version + "\r\n");
        ResetArgs args = ContestReset();
        args.hostDirectory = folder.Path() + "host/";
        Reset(args);
    }
    // The host's check takes the refresh the state asks for, as a running
    // setup window lets it; its post is not counted.
    void TakePendingRefresh() {
        const bool running = env.setupRunning;
        env.setupRunning = true;
        plugin.CheckCall(CheckArgs());
        env.setupRunning = running;
        env.refreshesPosted = 0;
    }
};
