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

// 1 when the QSO entered the log (flagged or not), 0 when refused.
int AddQso(ContestData& data, const QsoArgs& qso);
// Takes out the first record of this QSO and its lines in the bad-QSO file.
void RemoveQso(ContestData& data, const QsoArgs& qso, MapWindows& windows);
