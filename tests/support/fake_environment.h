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
    bool ResetProvinceCells() override;
    bool ResetCallAreaCells() override;

    bool setupRunning = false;
    bool provinceOpen = false;
    bool callAreaOpen = false;
    int threadsStarted = 0;
    int refreshesPosted = 0;
    int provinceResets = 0;
    int callAreaResets = 0;
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
