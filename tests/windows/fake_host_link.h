// A host automation object for the refresh tests: scripted answers, one
// call that can be made to fail, every macro text kept, and a record of any
// host call made while another thread could not take the state's lock.
#pragma once

#include <future>
#include <mutex>
#include <string>
#include <vector>

#include "plugin/shared_state.h"
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

    // Checks at each call that `shared`'s lock is free for other threads.
    void Watch(SharedState* shared) { m_watched = shared; }

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
    // Asked from another thread, as a lock held by this one would answer
    // differently to this one on some platforms.
    void CheckLock() {
        if (m_watched == nullptr) return;
        SharedState& shared = *m_watched;
        const bool free =
            std::async(std::launch::async, [&shared] { return shared.IsFree(); }).get();
        if (!free) ++callsUnderLock;
    }

    SharedState* m_watched = nullptr;
};
