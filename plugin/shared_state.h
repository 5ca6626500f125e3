// The door to the state the host thread and the window thread share: the
// lock is private, the window thread reads through SharedView (one copy a
// call), and the host thread changes the state only while it holds a
// Locked.  Nothing takes the lock while it holds it: the lock is not
// recursive.
#pragma once

#include <mutex>
#include <utility>

#include "plugin/plugin_state.h"
#include "windows/shared_view.h"

class SharedState : public SharedView {
  public:
    // The state and the lock held on it; movable, released at the end.
    class Locked {
      public:
        Locked(std::mutex& lock, PluginState& state) : m_guard(lock), m_state(state) {}
        PluginState* operator->() const { return &m_state; }
        PluginState& operator*() const { return m_state; }
        // For a wait that must not hold the lock (a modal window, the
        // window thread's start).
        void Unlock() { m_guard.unlock(); }
        void Relock() { m_guard.lock(); }

      private:
        std::unique_lock<std::mutex> m_guard;
        PluginState& m_state;
    };

    explicit SharedState(PluginState& state) : m_state(state) {}
    SharedState(const SharedState&) = delete;
    SharedState& operator=(const SharedState&) = delete;

    Locked Lock() { return Locked(m_lock, m_state); }

    Captions TakeCaptions() override;
    std::string TakeHostVersion() override;
    Captions FillPrevQsoRows(const std::string& call) override;
    PrevQsoRowSet TakeRows() override;
    MapLists TakeBandLists(int band) override;
    std::vector<std::string> TakeMultipliers(int band) override;
    void RearmRefresh() override;

  private:
    using Guard = std::lock_guard<std::mutex>;
    Captions CaptionsLocked() const;

    std::mutex m_lock;
    PluginState& m_state;
};
