// Files the host reads, and the names of the files the plug-in writes
// that the host shows afterwards.
#pragma once

#include <string>
#include <vector>

#include "tools/host_qso.h"
#include "tools/ole_date.h"

namespace host {

// The whole file as bytes; false when it cannot be opened.
bool ReadWholeFile(const std::string& path, std::string* bytes);

// The QSOs of an ADIF text, in log order.
std::vector<Qso> QsosFromDocument(const adif::Document& doc, const QsoSourceOptions& options);

// The period a host without contest settings passes: from midnight of the
// first QSO day to 23:59 of the last one.  Times before 30 December 1899
// (negative values) are left out.  Both null when no QSO has such a time.
void DefaultPeriod(const std::vector<Qso>& qsos, OleDate* start, OleDate* end);

// "BadQSO_StatsKOLVEX_16_04_2017.txt" for a period ending on 16 April 2017;
// the date part as the plug-in formats it: "" for a null date,
// "Invalid DateTime" for an invalid one.
std::string BadQsoFileName(const OleDate& periodEnd);

}  // namespace host
