// Adding a logged QSO to the contest log, and taking one out again.
#pragma once

#include <string>
#include <vector>

#include "contest/bad_qso_file.h"
#include "contest/contest_data.h"
#include "contest/contest_rules.h"
#include "contest/qso_args.h"
#include "contest/station_kinds.h"

// The record of the QSO before any rule is applied.
CInfo RecordOf(const QsoArgs& qso);

// What an add did: whether the QSO entered the log (flagged or not; false
// when refused), and the lines it adds to the bad-QSO file.  The caller
// appends them once it no longer holds the lock on the log: a slow disk
// must not hold up the windows.
struct Entry {
    bool entered = false;
    std::vector<std::string> badLines;
};
Entry AddQso(ContestData& data, const QsoArgs& qso);
// The add apart from the log it goes into: the worked bands, the refusal or
// the record with its flags, and the lines.  `earlierCopies` is the number
// of the log's records with the QSO's call, band and mode.
Entry JudgeQso(std::vector<std::string>& workedBands, const QsoArgs& qso, int earlierCopies,
               CInfo& info);
// What a removal touched, so that the windows showing it can be reset.
struct Removal {
    bool removed = false;       // a record left the log
    int row = kNoBandRow;       // the QSO's band row, if its band has one
    StationKinds stations = 0;  // the kinds of station it was
};

// Takes out the first record of this QSO.
Removal RemoveQso(ContestData& data, const QsoArgs& qso);
// The removal's part on the disk, done after RemoveQso and, like the add's
// lines, without the lock: takes the QSO's lines out of the bad-QSO file.
void DropBadLines(const std::string& badQsoFile, const QsoArgs& qso);
