#include "tools/host_options.h"

#include <cstdlib>
#include <cstring>

namespace host {

const char kUsage[] =
    "usage: stand_in_host [options] --log FILE.adi\n"
    "       stand_in_host [options] --load N\n"
    "       stand_in_host [options] --cycles N\n"
    "  --dll PATH          plug-in to load (default Stats.dll)\n"
    "  --log FILE          ADIF log to replay\n"
    "  --cty FILE          country file (cty.dat layout) for calls without APP_KOLVEX_CTY\n"
    "  --call CALL         own call (default: STATION_CALLSIGN of the first QSO)\n"
    "  --country PFX       own country prefix (default: from the country file)\n"
    "  --start DATE        contest start, YYYYMMDD[HHMM[SS]], null or invalid\n"
    "  --end DATE          contest end (default: last QSO day 23:59)\n"
    "  --export            export run: fill the Cabrillo header, confirm the Output box\n"
    "  --html              call setVersion first (results in HTML)\n"
    "  --mixw-version V    write MixW2.ini with MixW=V into the current folder first\n"
    "  --raw-band          pass BAND as logged (\"20M\") instead of \"20m\"\n"
    "  --no-typing         CheckCall0 on the complete call only\n"
    "  --remove N          afterwards remove every Nth QSO again and fetch the result anew\n"
    "  --load N            load run with N made-up QSOs instead of a log\n"
    "  --setup             also call SetupSet0 and dismiss its message box\n"
    "  --result-file FILE  write the last result byte for byte\n"
    "  --verbose           one line per CheckCall0, IsValidExchg0 and AddData0 call\n"
    "  --cycles N          N times: load, reset (window thread on), one CheckCall0, unload;\n"
    "                      checks that unloading is quick and leaves no window\n"
    "  --automation        serve the automation object MixW2.Application (dial, typed call,\n"
    "                      macros) while the plug-in runs\n"
    "  --automation-quirk Q  serve it with bad answers (implies --automation): wrong-types,\n"
    "                      long-call, nan-dial, inf-dial, negative-dial, float-dial, fail,\n"
    "                      registered-only\n"
    "  --type-pause-ms N   handle messages N ms after each typed letter (default 0)\n"
    "  --hold-ms N         handle messages N ms after the replay, before unloading\n"
    "  --macro-log FILE    write the macro texts received, one a line, at exit\n"
    "  --then FILE         replay this ADIF log too, after the first one\n"
    "  --live N            type only the last N QSOs with the pauses (and screenshots); the\n"
    "                      others go quickly; fetches the result after each QSO\n"
    "  --screenshots DIR   with --live: the whole screen after each typed letter and each\n"
    "                      logged QSO, as DIR\\step_0001.bmp, step_0002.bmp, ...\n";

namespace {

struct QuirkName {
    AutomationQuirk quirk;
    const char* name;
};

const QuirkName kQuirkNames[] = {
    {AutomationQuirk::none, "none"},
    {AutomationQuirk::wrongTypes, "wrong-types"},
    {AutomationQuirk::longCall, "long-call"},
    {AutomationQuirk::nanDial, "nan-dial"},
    {AutomationQuirk::infDial, "inf-dial"},
    {AutomationQuirk::negativeDial, "negative-dial"},
    {AutomationQuirk::floatDial, "float-dial"},
    {AutomationQuirk::fail, "fail"},
    {AutomationQuirk::registeredOnly, "registered-only"},
};

bool ParseCount(const char* text, int* out) {
    char* end = nullptr;
    long value = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || value < 1 || value > 100000000) return false;
    *out = static_cast<int>(value);
    return true;
}

// Milliseconds, 0 to ten minutes.
bool ParseMs(const char* text, int* out) {
    char* end = nullptr;
    long value = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || value < 0 || value > 600000) return false;
    *out = static_cast<int>(value);
    return true;
}

}  // namespace

bool ParseAutomationQuirk(const std::string& name, AutomationQuirk* quirk) {
    for (const QuirkName& q : kQuirkNames) {
        if (name == q.name) {
            *quirk = q.quirk;
            return true;
        }
    }
    return false;
}

const char* AutomationQuirkName(AutomationQuirk quirk) {
    for (const QuirkName& q : kQuirkNames)
        if (q.quirk == quirk) return q.name;
    return "none";
}

bool ParseDateOption(const std::string& text, OleDate* date) {
    if (text == "null") {
        *date = OleDate{0.0, OleDate::null};
        return true;
    }
    if (text == "invalid") {
        *date = OleDate{0.0, OleDate::invalid};
        return true;
    }
    if (text.size() != 8 && text.size() != 12 && text.size() != 14) return false;
    *date = DateFromAdif(text.substr(0, 8), text.substr(8));
    return date->status == OleDate::valid;
}

namespace {

// Options without a value; false when `arg` is none of them.
bool SetFlag(const std::string& arg, HostOptions* o) {
    if (arg == "--help" || arg == "-h")
        o->help = true;
    else if (arg == "--export")
        o->exportRun = true;
    else if (arg == "--html")
        o->html = true;
    else if (arg == "--raw-band")
        o->rawBand = true;
    else if (arg == "--no-typing")
        o->typing = false;
    else if (arg == "--verbose")
        o->verbose = true;
    else if (arg == "--setup")
        o->setup = true;
    else if (arg == "--automation")
        o->automation = true;
    else
        return false;
    return true;
}

// Options with a value; *known is false when `arg` is none of them.
bool SetValue(const std::string& arg, const char* value, HostOptions* o, bool* known) {
    *known = true;
    if (arg == "--dll")
        o->dll = value;
    else if (arg == "--log")
        o->log = value;
    else if (arg == "--cty")
        o->cty = value;
    else if (arg == "--call")
        o->ownCall = value;
    else if (arg == "--country")
        o->ownCountry = value, o->ownCountryGiven = true;
    else if (arg == "--mixw-version")
        o->hostVersion = value;
    else if (arg == "--result-file")
        o->resultFile = value;
    else if (arg == "--start")
        return o->startGiven = ParseDateOption(value, &o->start);
    else if (arg == "--end")
        return o->endGiven = ParseDateOption(value, &o->end);
    else if (arg == "--remove")
        return ParseCount(value, &o->removeEvery);
    else if (arg == "--load")
        return ParseCount(value, &o->load);
    else if (arg == "--cycles")
        return ParseCount(value, &o->cycles);
    else if (arg == "--type-pause-ms")
        return ParseMs(value, &o->typePauseMs);
    else if (arg == "--hold-ms")
        return ParseMs(value, &o->holdMs);
    else if (arg == "--macro-log")
        o->macroLog = value;
    else if (arg == "--then")
        o->thenLog = value;
    else if (arg == "--live")
        return ParseCount(value, &o->live);
    else if (arg == "--screenshots")
        o->screenshotDir = value;
    else if (arg == "--automation-quirk")
        return o->automation = ParseAutomationQuirk(value, &o->automationQuirk);
    else
        *known = false;
    return *known;
}

// Options that make no sense together; "" when the set is fine.
std::string CombinationError(const HostOptions& o) {
    if (o.help) return "";
    if (o.log.empty() && o.load == 0 && o.cycles == 0)
        return "give --log FILE, --load N or --cycles N";
    if ((!o.thenLog.empty() || o.live > 0) && o.log.empty()) return "--then and --live need --log";
    // An export run fetches the result once, with its Output box; and its
    // reset never opens the windows.
    if (o.live > 0 && o.exportRun) return "--live cannot go with --export";
    if (!o.screenshotDir.empty() && o.live == 0) return "--screenshots needs --live N";
    return "";
}

}  // namespace

bool ParseOptions(int argc, const char* const* argv, HostOptions* o, std::string* error) {
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (SetFlag(arg, o)) continue;
        const char* value = i + 1 < argc ? argv[i + 1] : "";
        bool known = false;
        bool ok = SetValue(arg, value, o, &known);
        if (!known) {
            *error = "unknown argument " + arg;
            return false;
        }
        if (i + 1 >= argc || !ok) {
            *error = "bad or missing value for " + arg;
            return false;
        }
        ++i;
    }
    *error = CombinationError(*o);
    return error->empty();
}

}  // namespace host
