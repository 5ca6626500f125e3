// The door to the state the host thread and the window thread share: the
// lock is private, the window thread reads through SharedView (one copy a
// call), and the host thread changes the state only while it holds a
// Locked.  Nothing takes the lock while it holds it: the lock is not
// recursive.
#pragma once

#include <mutex>

#include "contest/lock_rule.h"
#include "plugin/plugin_state.h"
#include "windows/shared_view.h"

class SharedState : public SharedView {
  public:
    // The lock held on the state for one scope, counted for the lock rule
    // (contest/lock_rule.h): the only way to the state.  Whatever the disk,
    // a dialog or the host needs is copied out before the scope ends, so no
    // reference into the state outlives its lock.  One exception: the text
    // GetResult hands the host stays in the state, since the host reads it
    // after the export; only the host's thread ever touches it.
    class Locked {
      public:
        Locked(std::mutex& lock, PluginState& state) : m_lock(lock), m_state(state) {
            LockRule::ExpectNoLock("the shared state's lock");
            m_lock.lock();
            LockRule::Taken();
        }
        ~Locked() {
            LockRule::Released();
            m_lock.unlock();
        }
        Locked(const Locked&) = delete;
        Locked& operator=(const Locked&) = delete;
        PluginState* operator->() const { return &m_state; }
        PluginState& operator*() const { return m_state; }

      private:
        std::mutex& m_lock;
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
    Captions CaptionsLocked() const;

    std::mutex m_lock;
    PluginState& m_state;
};
