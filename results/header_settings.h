// The Cabrillo header fields in the settings file, and the claimed score
// that each result keeps there for the header.
#pragma once

#include <string>

#include "results/cabrillo_log.h"
#include "settings/settings.h"

// The stored fields; "Operators" falls back to the own call.
StoredHeader ReadStoredHeader(Settings& settings, const std::string& callsign);
// Writes the keys a confirmed header changes, in the order the file keeps.
void WriteStoredHeader(Settings& settings, const StoredHeader& stored);
// Shows `log`'s header dialog made from the stored fields, and writes them
// back only when the operator confirms it; 1 then, else 0.
int EditStoredHeader(Settings& settings, CCabrilloLog& log, HeaderEditor& editor,
                     const std::string& callsign, const COleDateTime& start,
                     const COleDateTime& end);
// Keeps the score the header will claim; writes only when it changed.
void KeepClaimedScore(Settings& settings, const std::string& claimed);
