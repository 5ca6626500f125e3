// Command line of the stand-in host.
#pragma once

#include <string>

#include "tools/ole_date.h"

namespace host {

struct HostOptions {
    std::string dll = "Stats.dll";
    std::string log;         // ADIF file to replay
    std::string cty;         // country file, optional
    std::string ownCall;     // default: STATION_CALLSIGN of the first QSO
    std::string ownCountry;  // default: the country file's answer for the own call
    bool ownCountryGiven = false;
    OleDate start, end;  // default: first and last QSO day
    bool startGiven = false, endGiven = false;
    bool exportRun = false;
    bool html = false;
    bool rawBand = false;
    bool typing = true;  // CheckCall0 once per typed character
    bool verbose = false;
    bool setup = false;       // also call SetupSet0 and dismiss its box
    std::string hostVersion;  // write MixW2.ini with this version first
    std::string resultFile;   // the last result, byte for byte
    int removeEvery = 0;
    int load = 0;
    bool help = false;
};

// False with a message for a bad command line.
bool ParseOptions(int argc, const char* const* argv, HostOptions* options, std::string* error);

// "YYYYMMDD", "YYYYMMDDHHMM" or "YYYYMMDDHHMMSS"; also "null" and "invalid"
// for the host's two other date states.
bool ParseDateOption(const std::string& text, OleDate* date);

extern const char kUsage[];

}  // namespace host
