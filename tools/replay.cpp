#include "tools/replay.h"

#include <cstdio>
#include <fstream>
#include <memory>

#include "tools/call_prefix.h"
#include "tools/host_files.h"
#include "tools/message_pump.h"
#include "tools/plugin_unload.h"
#include "tools/screen_capture.h"
#include "tools/window_watcher.h"

namespace host {
namespace {

const char* const kVerdictNames[] = {"dupe", "nothing new", "new country", "new call area",
                                     "refused"};

struct VerdictCount {
    int count[6] = {0, 0, 0, 0, 0, 0};  // the last one: answers outside 0..4
    int calls = 0;
    void Add(int verdict) {
        ++count[verdict >= 0 && verdict <= 4 ? verdict : 5];
        ++calls;
    }
    void Print(const char* what) const {
        std::printf("CheckCall0 %s, %d calls:", what, calls);
        for (int v = 0; v < 5; ++v) std::printf(" %s(%d) %d,", kVerdictNames[v], v, count[v]);
        std::printf(" other %d\n", count[5]);
    }
};

struct ReplayTotals {
    VerdictCount typing, complete;
    int accepted = 0, refused = 0, exchangeValid = 0, exchangeInvalid = 0;
    int buffersTouched = 0;
};

void Quote(const char* label, const std::string& text) {
    std::printf("%s\"%s\"", label, text.c_str());
}

// Line breaks shown as \r and \n, so that a field stays on one line.
std::string OneLine(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\r')
            out += "\\r";
        else if (c == '\n')
            out += "\\n";
        else
            out += c;
    }
    return out;
}

// How one QSO is typed: the pause after each letter (messages handled
// meanwhile) and, for a live QSO, the screenshots.
struct Pace {
    bool pump = false;  // handle messages after each letter
    unsigned pauseMs = 0;
    ScreenshotSeries* shots = nullptr;
};

// The operator types the call one character at a time; the host asks the
// plug-in after each character, the complete call with the logged values.
// A served automation object shows the call typed so far meanwhile.
void TypeCall(const StatsPluginApi& api, const Qso& q, const cty::CountryFile* countries,
              const HostOptions& o, const Pace& pace, HostAutomation* automation,
              ReplayTotals* totals) {
    const bool typing = o.typing, verbose = o.verbose;
    std::size_t first = typing ? 1 : q.call.size();
    for (std::size_t n = first; n <= q.call.size(); ++n) {
        bool complete = n == q.call.size();
        CallCheck check;
        check.call = q.call.substr(0, n);
        check.mode = q.mode;
        check.band = q.band;
        check.callPrefix = complete ? q.callPrefix : callsign::DerivePrefix(check.call);
        check.country = complete ? q.country : CountryOfCall(check.call, countries);
        if (automation != nullptr) automation->SetTypedCall(check.call);
        bool touched = false;
        int verdict = api.Check(check, &touched);
        if (pace.pump) PumpMessagesFor(pace.pauseMs);
        if (pace.shots != nullptr) pace.shots->Take();
        totals->buffersTouched += touched ? 1 : 0;
        (complete ? totals->complete : totals->typing).Add(verdict);
        if (verbose)
            std::printf("  CheckCall0(\"%s\", %s, %s, pfx \"%s\", cty \"%s\") = %d\n",
                        check.call.c_str(), check.band.c_str(), check.mode.c_str(),
                        check.callPrefix.c_str(), check.country.c_str(), verdict);
    }
}

void LogQso(const StatsPluginApi& api, const Qso& q, std::size_t index, const HostOptions& o,
            const std::string& ownCall, ReplayTotals* totals) {
    int valid = api.ValidExchange(q.exchReceived, q.call, q.country);
    (valid ? totals->exchangeValid : totals->exchangeInvalid)++;
    int added = api.Add(q, ownCall);
    (added ? totals->accepted : totals->refused)++;
    if (o.verbose || !added)
        std::printf("  #%zu %s %s %s rcvd \"%s\" cty \"%s\": exchange %s, %s\n", index + 1,
                    q.call.c_str(), q.band.c_str(), q.mode.c_str(), q.exchReceived.c_str(),
                    q.country.c_str(), valid ? "valid" : "invalid", added ? "entered" : "refused");
}

void PrintFile(const char* what, const std::string& name) {
    std::string bytes;
    if (!ReadWholeFile(name, &bytes)) {
        std::printf("%s %s: not there\n", what, name.c_str());
        return;
    }
    int lines = 0;
    for (char c : bytes) lines += c == '\n' ? 1 : 0;
    std::printf("%s %s (%zu bytes, %d lines):\n", what, name.c_str(), bytes.size(), lines);
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    if (!bytes.empty() && bytes.back() != '\n') std::printf("\n");
}

std::string CurrentDirectory() {
    char dir[MAX_PATH] = "";
    GetCurrentDirectoryA(MAX_PATH, dir);
    return dir;
}

// The Cabrillo file that the "Output" box announced.
void ShowCabrilloFile(const std::string& message) {
    const std::string lead = "File produced: ";
    if (message.compare(0, lead.size(), lead) != 0) {
        std::printf("Cabrillo file: the Output box did not name one\n");
        return;
    }
    std::string name = message.substr(lead.size());
    std::string bytes;
    bool there = ReadWholeFile(name, &bytes);
    int lines = 0;
    for (char c : bytes) lines += c == '\n' ? 1 : 0;
    std::printf("Cabrillo file: %s\\%s (%s, %d lines)\n", CurrentDirectory().c_str(), name.c_str(),
                there ? "written" : "missing", lines);
}

void RemoveEveryNth(const StatsPluginApi& api, const std::vector<Qso>& qsos, int every,
                    const std::string& ownCall) {
    int removed = 0, answeredOne = 0;
    for (std::size_t i = static_cast<std::size_t>(every) - 1; i < qsos.size(); i += every) {
        answeredOne += api.Remove(qsos[i], ownCall) == 1 ? 1 : 0;
        ++removed;
    }
    std::printf("RemoveData0: %d QSOs removed (every %d-th QSO), %d answered 1\n", removed, every,
                answeredOne);
}

// Which QSOs go live (typed with the pauses and photographed) and how
// the others go: as typed with the pauses when there is no live part, else
// quickly, still handling the messages that the served object needs.
struct LivePlan {
    LivePlan(const HostOptions& o, std::size_t count, bool served, ScreenshotSeries* shots_)
        : firstLive(o.live > 0 && static_cast<std::size_t>(o.live) < count ? count - o.live : 0),
          live(o.live > 0),
          // The windows show what the last result put in the band lists.
          fetchEachResult((served || live) && !o.exportRun),
          slow{served || o.typePauseMs > 0, static_cast<unsigned>(o.typePauseMs), nullptr},
          quick{served, 0, nullptr},
          shown{true, static_cast<unsigned>(o.typePauseMs), shots_},
          pauseMs(o.typePauseMs),
          shots(shots_),
          total(count) {}
    bool IsLive(std::size_t i) const { return live && i >= firstLive; }
    const Pace& PaceOf(std::size_t i) const { return !live ? slow : IsLive(i) ? shown : quick; }
    void Print() const {
        if (!live) return;
        std::printf("live: QSOs %zu to %zu typed with %d ms pauses, the %zu before quickly; ",
                    firstLive + 1, total, pauseMs, firstLive);
        std::printf("GetResult0 after each QSO");
        if (shots != nullptr)
            std::printf("; %d screenshots, %d failed", shots->Taken(), shots->Failed());
        std::printf("\n");
    }

    const std::size_t firstLive;
    const bool live, fetchEachResult;
    const Pace slow, quick, shown;
    const int pauseMs;
    ScreenshotSeries* const shots;
    const std::size_t total;
};

// GetResult0 as the host calls it after logging a QSO, its text not shown.
void FetchQuietly(const StatsPluginApi& api) {
    int out = 0;
    api.Result(&out);
}

// After a live QSO is logged the host clears its call line, which asks the
// plug-in once more (an empty call), so the windows show the new QSO.
void ShowLogged(const StatsPluginApi& api, const Qso& q, const Pace& pace) {
    CallCheck cleared;
    cleared.mode = q.mode;
    cleared.band = q.band;
    bool touched = false;
    api.Check(cleared, &touched);
    PumpMessagesFor(pace.pauseMs);
    if (pace.shots != nullptr) pace.shots->Take();
}

// The operator leaves the windows open a while, then closes the host.
void FinishAndUnload(const HostOptions& o, StatsPluginApi& api, HostAutomation* automation) {
    if (o.holdMs > 0) {
        std::printf("hold: handling messages for %d ms\n", o.holdMs);
        std::fflush(stdout);
        PumpMessagesFor(static_cast<unsigned>(o.holdMs));
    }
    if (automation != nullptr) std::printf("macros received: %zu\n", automation->Macros().size());
    PrintUnload(UnloadPlugin(api));
}

}  // namespace

std::string DateText(const OleDate& date) {
    if (date.status == OleDate::null) return "null";
    if (date.status != OleDate::valid) return "invalid";
    CivilTime t = CivilOf(date.value);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", t.year, t.month, t.day, t.hour,
                  t.minute);
    return text;
}

bool ResetWithHeaderDialog(const StatsPluginApi& api, const ResetRequest& reset) {
    std::printf("ResetStats0(");
    Quote("host dir ", reset.hostDir);
    std::printf(", export %d, ", reset.exportRun ? 1 : 0);
    Quote("call ", reset.ownCall);
    std::printf(", period %s .. %s, ", DateText(reset.start).c_str(), DateText(reset.end).c_str());
    Quote("country ", reset.ownCountry);
    std::printf(")");
    if (!reset.exportRun) {
        std::printf(" = %d\n", api.Reset(reset));
        return true;
    }
    WindowWatcher watcher("DARNOL Contest", "", FillHeaderAndConfirm);
    int answer = api.Reset(reset);
    WatchReport report = watcher.Finish();
    std::printf(" = %d\n", answer);
    if (!report.found) {
        std::printf("Cabrillo header dialog: never shown\n");
        return false;
    }
    std::printf("Cabrillo header dialog (shown -> typed):\n");
    const std::vector<HeaderField>& fields = CabrilloHeaderFields();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        std::printf("  %-21s %4d  \"%s\"", fields[i].label, fields[i].id,
                    OneLine(report.before[i].second).c_str());
        if (fields[i].text != nullptr)
            std::printf(" -> \"%s\"", OneLine(report.after[i].second).c_str());
        std::printf("\n");
    }
    return true;
}

std::string FetchResult(const StatsPluginApi& api, bool exportRun, bool* boxSeen) {
    int out = 12345;
    std::string result;
    WatchReport report;
    if (exportRun) {
        WindowWatcher watcher("Output", "", ReadAndConfirm);
        const char* text = api.Result(&out);
        report = watcher.Finish();
        result = text ? text : "";
    } else {
        const char* text = api.Result(&out);
        result = text ? text : "";
    }
    std::printf("GetResult0 (out = %d, %zu bytes):\n", out, result.size());
    std::fwrite(result.data(), 1, result.size(), stdout);
    std::printf("\n-- end of result --\n");
    *boxSeen = report.found;
    if (exportRun) {
        if (report.found) {
            std::printf("Output box: \"%s\"\n", report.message.c_str());
            ShowCabrilloFile(report.message);
        } else {
            std::printf("Output box: never shown\n");
        }
    }
    return result;
}

int Replay(const HostOptions& o, StatsPluginApi& api, const ResetRequest& reset,
           const std::vector<Qso>& qsos, const cty::CountryFile* countries,
           HostAutomation* automation) {
    bool dialogSeen = ResetWithHeaderDialog(api, reset);
    // Time for the plug-in's window thread to connect to the host.
    if (automation != nullptr) PumpMessagesFor(kConnectPauseMs);
    ReplayTotals totals;
    std::unique_ptr<ScreenshotSeries> shots;
    if (!o.screenshotDir.empty()) shots = std::make_unique<ScreenshotSeries>(o.screenshotDir);
    const LivePlan plan(o, qsos.size(), automation != nullptr, shots.get());
    for (std::size_t i = 0; i < qsos.size(); ++i) {
        // The radio stays where it was for a QSO logged without frequency.
        if (automation != nullptr && qsos[i].freqHz != 0) automation->SetDialHz(qsos[i].freqHz);
        TypeCall(api, qsos[i], countries, o, plan.PaceOf(i), automation, &totals);
        LogQso(api, qsos[i], i, o, reset.ownCall, &totals);
        if (automation != nullptr) automation->SetTypedCall("");
        if (plan.fetchEachResult) FetchQuietly(api);
        if (plan.IsLive(i)) ShowLogged(api, qsos[i], plan.PaceOf(i));
    }
    plan.Print();
    std::printf("QSOs: %zu replayed; AddData0 entered %d, refused %d\n", qsos.size(),
                totals.accepted, totals.refused);
    std::printf("IsValidExchg0: valid %d, invalid %d\n", totals.exchangeValid,
                totals.exchangeInvalid);
    if (o.typing) totals.typing.Print("while typing");
    totals.complete.Print("on complete calls");
    if (totals.buffersTouched > 0)
        std::printf("CheckCall0 wrote into the host's output buffers %d times\n",
                    totals.buffersTouched);
    bool boxSeen = false;
    std::string result = FetchResult(api, reset.exportRun, &boxSeen);
    if (o.removeEvery > 0) {
        RemoveEveryNth(api, qsos, o.removeEvery, reset.ownCall);
        bool again = false;
        result = FetchResult(api, reset.exportRun, &again);
        boxSeen = boxSeen && again;
    }
    PrintFile("Bad-QSO file", BadQsoFileName(reset.end));
    if (!o.resultFile.empty()) {
        std::ofstream(o.resultFile, std::ios::binary) << result;
    }
    FinishAndUnload(o, api, automation);
    if (reset.exportRun && !(dialogSeen && boxSeen)) return 3;
    return 0;
}

}  // namespace host
