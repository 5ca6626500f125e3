// Adding a logged QSO to the contest log, and taking one out again.
#pragma once

#include <cstdint>
#include <string>

#include "contest/bad_qso_file.h"
#include "contest/contest_data.h"
#include "contest/ole_date_time.h"

struct QsoArgs {
    std::string ownCall;
    std::string call;
    COleDateTime time;
    std::uint32_t freqHz = 0;
    std::string mode;
    std::string rstSent;
    std::string rstReceived;
    std::string exchSent;
    std::string exchReceived;
    std::string callPrefix;
    std::string country;
    std::string band;
};

// The texts of the QSO as its bad-QSO lines show them.
BadQsoFields FieldsOf(const QsoArgs& qso);
// The record of the QSO before any rule is applied.
CInfo RecordOf(const QsoArgs& qso);

// Whether the QSO entered the log (flagged or not); false when refused.
bool AddQso(ContestData& data, const QsoArgs& qso);
// What a removal touched, so that the windows showing it can be reset.
struct Removal {
    bool removed = false;          // a record left the log
    int row = 0;                   // the QSO's band row (0 for a band without one)
    bool callAreaStation = false;  // a station of a call-area country
    bool spanishStation = false;   // a station whose QSO may have marked a province
};

// Takes out the first record of this QSO and its lines in the bad-QSO file.
Removal RemoveQso(ContestData& data, const QsoArgs& qso);
