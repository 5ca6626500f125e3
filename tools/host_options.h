// Command line of the stand-in host.
#pragma once

#include <string>

#include "tools/ole_date.h"

namespace host {

// Ways the automation object can answer badly, to see how the plug-in
// takes it.
enum class AutomationQuirk {
    none,
    wrongTypes,      // typed call as VT_I4, dial as VT_BSTR
    longCall,        // a typed call of 10,000 characters
    nanDial,         // dial frequency NaN
    infDial,         // dial frequency +infinity
    negativeDial,    // dial frequency -14,025,000 Hz
    floatDial,       // dial frequency as VT_R4
    fail,            // every Invoke answers E_FAIL
    registeredOnly,  // program id registered, no running object
};

// "wrong-types", "long-call", ...; false for an unknown name.
bool ParseAutomationQuirk(const std::string& name, AutomationQuirk* quirk);
const char* AutomationQuirkName(AutomationQuirk quirk);

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
    bool automation = false;  // serve "MixW2.Application" while the plug-in runs
    AutomationQuirk automationQuirk = AutomationQuirk::none;
    int typePauseMs = 0;        // messages handled after each typed letter
    int holdMs = 0;             // messages handled after the replay, before unloading
    std::string macroLog;       // the macro texts received, one a line, written at exit
    int cycles = 0;             // load-open-unload cycles instead of a replay
    std::string thenLog;        // a second ADIF log, replayed after the first
    int live = 0;               // only the last N QSOs typed with pauses; the others quickly
    std::string screenshotDir;  // the screen after each step of a live QSO
    bool help = false;
};

// False with a message for a bad command line.
bool ParseOptions(int argc, const char* const* argv, HostOptions* options, std::string* error);

// "YYYYMMDD", "YYYYMMDDHHMM" or "YYYYMMDDHHMMSS"; also "null" and "invalid"
// for the host's two other date states.
bool ParseDateOption(const std::string& text, OleDate* date);

extern const char kUsage[];

}  // namespace host
