// Test doubles for the platform: files listed from a real folder, windows
// and dialogs that only record what they were asked to do.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "plugin/environment.h"
#include "settings/settings.h"

class FakeEnvironment : public Environment {
  public:
    std::vector<std::string> DoFindFiles(const std::string& pattern) override;
    void DoShowOutput(const std::string& text) override { outputs.push_back(text); }
    bool DoEdit(CabrilloHeader& header) override;
    bool SetupWindowRunning() override { return setupRunning; }
    void DoStartUiThread() override { ++threadsStarted; }
    void PostRefresh() override { ++refreshesPosted; }
    StationKinds ResetMaps(StationKinds removed) override;

    bool setupRunning = false;
    StationKinds openMaps = 0;  // the kinds of station whose map window is open
    int threadsStarted = 0;
    int refreshesPosted = 0;
    std::vector<StationKinds> mapResets;  // each reset of an open map: the kinds it reset
    std::vector<std::string> outputs;
    std::vector<std::string> patterns;  // every pattern listed
    // The dialog: sees the loaded header, may change it; answers OK or Cancel.
    std::function<bool(CabrilloHeader&)> dialog = [](CabrilloHeader&) { return true; };
    std::vector<CabrilloHeader> shownHeaders;
};

class MapProfileStore : public ProfileStore {
  public:
    std::string Read(const std::string& key, const std::string& fallback) override;
    void Write(const std::string& key, const std::string& value) override;

    std::map<std::string, std::string> values;
    std::vector<std::string> writes;  // the keys written, in order
};
