// The host's own log in the stress run: every QSO it logged, accepted or
// not, in the order it logged them, with the plug-in's answer.  Replaying it
// into a fresh plug-in must give the same result as the plug-in that saw
// the whole history, so the QSOs are made such that the history leaves no
// trace a replay would not make again:
// - every QSO has a minute of the day of its own, and no call holds another
//   one, so a removal drops the bad-QSO lines of that QSO only;
// - of QSOs with the same call, band and mode only the last one is removed,
//   since a removal never re-judges the duplicates that followed;
// - one QSO on each band stays for good, so a refused QSO (whose band the
//   plug-in keeps among the worked bands) never adds a band of its own.
#pragma once

#include <cstddef>
#include <random>
#include <vector>

#include "tools/host_qso.h"

namespace stress {

struct LoggedQso {
    host::Qso qso;
    int entered = 0;  // AddData0's answer
    int minute = 0;   // minute of the day, unique in the log
};

class HostLog {
  public:
    // Holds at most this many QSOs: each one needs a minute of the day.
    static constexpr std::size_t kCapacity = 700;

    HostLog();

    // A new QSO in a free minute: mostly fresh calls, some duplicates, a few
    // that the plug-in refuses or flags.  Never called on a full log.
    host::Qso MakeQso(std::mt19937& random) const;
    void Add(const host::Qso& qso, int entered);
    // The QSO to remove next (never one of the first QSOs on each band);
    // false when there is none.
    bool PickRemoval(std::mt19937& random, std::size_t* index) const;
    void Erase(std::size_t index);

    bool Full() const { return m_entries.size() >= kCapacity; }
    const std::vector<LoggedQso>& Entries() const { return m_entries; }
    // The QSOs that stay for good, to be logged first.
    static std::vector<host::Qso> Anchors();

  private:
    int FreeMinute(int wanted) const;

    std::vector<LoggedQso> m_entries;
    std::vector<bool> m_minuteTaken;
};

}  // namespace stress
