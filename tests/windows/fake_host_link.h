// A host automation object for the refresh tests: scripted answers, one
// call that can be made to fail, every macro text kept, and a record of any
// host call made while another thread could not take the state's lock.
#pragma once

#include <future>
#include <mutex>
#include <string>
#include <vector>

#include "windows/info_refresh.h"

class FakeHostLink : public HostLink {
  public:
    enum class Fail { kNone, kCall, kDial, kMacro };

    bool connected = true;
    std::string call;
    double dialHz = 14085000.0;
    Fail fail = Fail::kNone;

    std::vector<std::string> macros;
    int callReads = 0;
    int dialReads = 0;
    int callsUnderLock = 0;

    // Checks at each call that `state`'s lock is free for other threads.
    void Watch(PluginState* state) { m_watched = state; }

    bool Connected() const override { return connected; }
    bool TypedCall(std::string* out) override {
        ++callReads;
        CheckLock();
        if (fail == Fail::kCall) return false;
        *out = call;
        return true;
    }
    bool DialHz(double* hz) override {
        ++dialReads;
        CheckLock();
        if (fail == Fail::kDial) return false;
        *hz = dialHz;
        return true;
    }
    bool SendMacro(const std::string& text) override {
        CheckLock();
        if (fail == Fail::kMacro) return false;
        macros.push_back(text);
        return true;
    }

  private:
    // The lock is recursive, so only another thread can tell whether it is held.
    void CheckLock() {
        if (m_watched == nullptr) return;
        PluginState& state = *m_watched;
        const bool free = std::async(std::launch::async, [&state] {
                              if (!state.lock.try_lock()) return false;
                              state.lock.unlock();
                              return true;
                          }).get();
        if (!free) ++callsUnderLock;
    }

    PluginState* m_watched = nullptr;
};
