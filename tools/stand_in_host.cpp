// The stand-in host: a console program that does with Stats.dll what the
// logging program does with it, so the plug-in can be run and watched
// without the real host.  See kUsage for the command line.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <memory>

#include "tools/automation_service.h"
#include "tools/crash_report.h"
#include "tools/host_files.h"
#include "tools/host_options.h"
#include "tools/load_run.h"
#include "tools/replay.h"
#include "tools/stats_plugin_api.h"
#include "tools/unload_cycles.h"
#include "tools/window_watcher.h"

namespace {

using namespace host;

std::string HostDirectory() {
    char dir[MAX_PATH] = "";
    GetCurrentDirectoryA(MAX_PATH, dir);
    std::string text = dir;
    if (text.empty() || text.back() != '\\') text += '\\';
    return text;
}

// The host's own settings file, from which the plug-in learns its version.
void WriteHostSettings(const std::string& version) {
    std::ofstream("MixW2.ini", std::ios::binary) << "[Main]\r\nMixW=" << version << "\r\n";
    std::printf("MixW2.ini written with MixW=%s\n", version.c_str());
}

void CallSetup(const StatsPluginApi& api) {
    WindowWatcher watcher("", "No additional setup for this plugin", ReadAndConfirm);
    api.Setup();
    WatchReport report = watcher.Finish();
    std::printf("SetupSet0: %s\n",
                report.found ? ("box \"" + report.message + "\"").c_str() : "no box seen");
}

bool LoadCountries(const HostOptions& o, std::unique_ptr<cty::CountryFile>* countries) {
    if (o.cty.empty()) return true;
    std::string text;
    if (!ReadWholeFile(o.cty, &text)) {
        std::fprintf(stderr, "cannot read %s\n", o.cty.c_str());
        return false;
    }
    countries->reset(new cty::CountryFile(cty::CountryFile::Parse(text)));
    std::printf("country file %s: %zu entities, %d blocks skipped\n", o.cty.c_str(),
                (*countries)->Entities().size(), (*countries)->SkippedBlocks());
    return true;
}

// Appends the QSOs of one ADIF file; the station call of its first record
// when `stationCall` is given.
bool ReadLogFile(const std::string& path, const HostOptions& o, const cty::CountryFile* countries,
                 std::vector<Qso>* qsos, std::string* stationCall) {
    std::string text;
    if (!ReadWholeFile(path, &text)) {
        std::fprintf(stderr, "cannot read %s\n", path.c_str());
        return false;
    }
    adif::Document doc = adif::Parse(text);
    QsoSourceOptions source;
    source.countries = countries;
    source.rawBand = o.rawBand;
    std::vector<Qso> read = QsosFromDocument(doc, source);
    qsos->insert(qsos->end(), read.begin(), read.end());
    if (stationCall != nullptr && !doc.records.empty())
        *stationCall = doc.records[0].Value("STATION_CALLSIGN");
    std::printf("log %s: %zu QSOs%s, %d unreadable tags\n", path.c_str(), read.size(),
                doc.truncated ? " (text cut off inside a QSO)" : "", doc.malformedTags);
    return true;
}

// The log, then the one to replay after it (--then).
bool ReadLog(const HostOptions& o, const cty::CountryFile* countries, std::vector<Qso>* qsos,
             std::string* stationCall) {
    if (!ReadLogFile(o.log, o, countries, qsos, stationCall)) return false;
    return o.thenLog.empty() || ReadLogFile(o.thenLog, o, countries, qsos, nullptr);
}

ResetRequest MakeReset(const HostOptions& o, const std::vector<Qso>& qsos,
                       const std::string& stationCall, const cty::CountryFile* countries) {
    ResetRequest reset;
    reset.hostDir = HostDirectory();
    reset.exportRun = o.exportRun;
    reset.ownCall = o.ownCall.empty() ? stationCall : o.ownCall;
    reset.ownCountry = o.ownCountryGiven ? o.ownCountry : CountryOfCall(reset.ownCall, countries);
    DefaultPeriod(qsos, &reset.start, &reset.end);
    if (o.startGiven) reset.start = o.start;
    if (o.endGiven) reset.end = o.end;
    return reset;
}

// One line per macro text, in the order received.
void WriteMacroLog(const std::string& path, const HostAutomation* automation) {
    std::ofstream file(path, std::ios::binary);
    if (automation != nullptr)
        for (const std::string& macro : automation->Macros()) file << MacroLine(macro) << "\r\n";
    if (!file) std::fprintf(stderr, "cannot write %s\n", path.c_str());
}

int RunLog(const HostOptions& o, HostAutomation* automation) {
    StatsPluginApi api;
    std::string error;
    if (!api.Load(o.dll, &error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    std::printf("plug-in %s: GetNumberOfSets %d, GetSetName(0) \"%s\", GetExchgCount0 %d\n",
                api.LoadedPath().c_str(), api.NumberOfSets(), api.SetName(0), api.ExchangeCount());
    if (o.html) std::printf("setVersion = %lu\n", api.SetVersion("stand-in host"));
    if (o.setup) CallSetup(api);
    std::unique_ptr<cty::CountryFile> countries;
    if (!LoadCountries(o, &countries)) return 1;
    std::vector<Qso> qsos;
    std::string stationCall;
    if (o.load > 0) return LoadRun(o, api, MakeReset(o, qsos, stationCall, countries.get()));
    if (!ReadLog(o, countries.get(), &qsos, &stationCall)) return 1;
    return Replay(o, api, MakeReset(o, qsos, stationCall, countries.get()), qsos, countries.get(),
                  automation);
}

int Run(const HostOptions& o) {
    // The plug-in keeps its settings in "Plugins\KOLVEX.ini" under the
    // host's folder, as in the host's own installation.
    CreateDirectoryA("Plugins", nullptr);
    if (!o.hostVersion.empty()) WriteHostSettings(o.hostVersion);
    // Served before the plug-in loads and withdrawn after it is gone, as
    // the real host's object outlives its plug-ins.
    AutomationService service;
    if (o.automation && !service.Start(o.automationQuirk)) return 1;
    int code = o.cycles > 0 ? RunUnloadCycles(o, service.Object()) : RunLog(o, service.Object());
    if (!o.macroLog.empty()) WriteMacroLog(o.macroLog, service.Object());
    return code;
}

}  // namespace

int main(int argc, char** argv) {
    // Results and files are shown byte for byte, CR LF included.
    _setmode(_fileno(stdout), _O_BINARY);
    host::ReportCrashes();
    host::HostOptions options;
    std::string error;
    if (!host::ParseOptions(argc, argv, &options, &error)) {
        std::fprintf(stderr, "%s\n%s", error.c_str(), host::kUsage);
        return 2;
    }
    if (options.help) {
        std::printf("%s", host::kUsage);
        return 0;
    }
    int code = Run(options);
    std::fflush(stdout);
    return code;
}
