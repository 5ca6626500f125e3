// What the portable plug-in needs from the platform and from its windows,
// in two kinds: calls that only post a message or read a flag, which may be
// made under the shared state's lock, and calls that may wait, which never
// are.  The DLL implements both over Win32; tests use fakes.
#pragma once

#include <string>
#include <vector>

#include "contest/lock_rule.h"
#include "contest/station_kinds.h"
#include "results/cabrillo_log.h"

// Posts to the window thread: each returns at once, so each may be called
// under the lock.
class WindowPosts {
  public:
    virtual ~WindowPosts() = default;
    virtual bool SetupWindowRunning() = 0;
    virtual void PostRefresh() = 0;  // WM_REFRESH_INFO to the setup window
    // Resets the map windows of the kinds of station a removal took out;
    // answers the kinds whose map was open.
    virtual StationKinds ResetMaps(StationKinds removed) = 0;
};

// Calls that may wait: on the disk, on the operator, on the window thread.
// Each checks the lock rule, then calls the platform.
class BlockingCalls : public HeaderEditor {
  public:
    // Names (no directory) of the entries matching a pattern such as
    // "C:\MixW\*.ini", in the order the platform lists them.
    std::vector<std::string> FindFiles(const std::string& pattern) {
        LockRule::ExpectNoLock("FindFiles");
        return DoFindFiles(pattern);
    }
    // The export confirmation, captioned "Output".
    void ShowOutput(const std::string& text) {
        LockRule::ExpectNoLock("ShowOutput");
        DoShowOutput(text);
    }
    // Starts the window thread and waits until its setup window runs.
    void StartUiThread() {
        LockRule::ExpectNoLock("StartUiThread");
        DoStartUiThread();
    }

  protected:
    virtual std::vector<std::string> DoFindFiles(const std::string& pattern) = 0;
    virtual void DoShowOutput(const std::string& text) = 0;
    virtual void DoStartUiThread() = 0;
};

class Environment : public WindowPosts, public BlockingCalls {};
