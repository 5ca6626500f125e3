// The Cabrillo header fields in the settings file.
#pragma once

#include <string>

#include "results/cabrillo_log.h"
#include "windows/settings.h"

// The stored fields; "Operators" falls back to the own call.
StoredHeader ReadStoredHeader(Settings& settings, const std::string& callsign);
// Writes the eight keys a confirmed header changes, in the order the file keeps.
void WriteStoredHeader(Settings& settings, const StoredHeader& stored);
