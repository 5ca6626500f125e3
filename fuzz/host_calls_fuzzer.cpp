// libFuzzer target: each input is a run of host calls on a fresh plug-in, in
// a folder of its own, with refresh passes of the window thread in between,
// and every answer, file and pass checked as it goes.
#include <cstddef>
#include <cstdint>
#include <filesystem>

#include "contest/contest_rules.h"
#include "fuzz/host_inputs.h"
#include "fuzz/plugin_checker.h"
#include "fuzz/rate_report.h"
#include "fuzz/refresh_checker.h"
#include "fuzz/table_rows_run.h"
#include "tests/support/temp_folder.h"

namespace {

constexpr int kMaxCalls = 256;
// A run ends once the plug-in has moved this much of its files.  A QSO added
// again gets one bad-QSO line per earlier copy, and every removal rewrites
// them all, so a few hundred bytes of input could otherwise move gigabytes;
// so could long texts exported by every result.  The bound still lets a
// long call fill a file of megabytes.
constexpr std::size_t kMaxFileTraffic = 4u << 20;

void EmptyCurrentFolder() {
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(".", ignored)) {
        std::filesystem::remove_all(entry.path(), ignored);
    }
}

std::string HostFolder(ByteSource& in) {
    switch (in.Byte() % 3) {
        case 0:
            return "";
        case 1:
            return "host/";
        default:
            return "missing/";
    }
}

// A QSO the host logged before: from the log, from earlier calls, or new.
QsoArgs KnownQso(ByteSource& in, const PluginChecker& checker,
                 const std::vector<QsoArgs>& history) {
    const std::uint8_t pick = in.Byte();
    const reference::Log& log = checker.Log();
    if (pick < 128 && !log.empty()) {
        const CInfo& q = log[pick % log.size()];
        QsoArgs args;
        args.call = q.m_call;
        args.band = q.m_band;
        args.mode = q.m_mode;
        args.country = q.m_country;
        args.time = q.m_time;
        return args;
    }
    if (pick < 224 && !history.empty()) return history[pick % history.size()];
    return fuzzin::Qso(in);
}

void RunCall(ByteSource& in, PluginChecker& checker, RefreshChecker& refresh,
             std::vector<QsoArgs>& history) {
    switch (in.Byte() % 11) {
        case 0: {
            ResetArgs args = fuzzin::Reset(in);
            args.hostDirectory = HostFolder(in);
            const std::string version = fuzzin::Text(in, fuzzin::Field::kVersion);
            checker.Reset(args, "[General]\r\nMixW=" + version + "\r\n");
            break;
        }
        case 1:
            history.push_back(fuzzin::Qso(in));
            checker.Add(history.back());
            break;
        case 2: {
            // The same QSO once more: a duplicate, or a refusal once more.
            const std::uint8_t pick = in.Byte();
            checker.Add(history.empty() ? fuzzin::Qso(in) : history[pick % history.size()]);
            break;
        }
        case 3:
            checker.Remove(KnownQso(in, checker, history));
            break;
        case 4:
            checker.Check(fuzzin::Check(in));
            break;
        case 5: {
            const std::string exchange = fuzzin::Text(in, fuzzin::Field::kExchange);
            const std::string call = fuzzin::Text(in, fuzzin::Field::kCall);
            checker.Exchange(exchange, call, fuzzin::Text(in, fuzzin::Field::kCountry));
            break;
        }
        case 6:
            checker.Result();
            break;
        case 7:
            checker.SetHtml();
            break;
        case 8:
            checker.Windows(in.Byte());
            break;
        case 9:
            checker.RefreshDone();
            break;
        default:
            refresh.Pass(in, checker);
            break;
    }
}

}  // namespace

namespace {

std::filesystem::path g_runFolder;  // where every run works
RateReport g_rateReport;

// Each run works in the folder of its own; libFuzzer's relative paths (the
// corpus folder, artifacts) keep meaning the folder it was started in.
class InRunFolder {
  public:
    InRunFolder() : m_previous(std::filesystem::current_path()) {
        std::filesystem::current_path(g_runFolder);
    }
    ~InRunFolder() { std::filesystem::current_path(m_previous); }
    InRunFolder(const InRunFolder&) = delete;
    InRunFolder& operator=(const InRunFolder&) = delete;

  private:
    std::filesystem::path m_previous;
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    const std::filesystem::path started = std::filesystem::current_path();
    static TempFolder folder;  // removed at exit
    g_runFolder = folder.Path();
    std::filesystem::current_path(started);
    // The mode list is built on first use and kept.  Built in a run, it
    // leaves it more allocations than frees, and libFuzzer then runs the
    // input a second time to look for a leak.
    ValidModes();
    {
        InRunFolder inFolder;
        fuzzin::RunEveryTableRow();
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    InRunFolder inFolder;
    EmptyCurrentFolder();
    ByteSource in(data, size);
    PluginChecker checker;
    RefreshChecker refresh;
    std::vector<QsoArgs> history;
    for (int call = 0; call < kMaxCalls && !in.Empty() && checker.FileTraffic() < kMaxFileTraffic;
         ++call)
        RunCall(in, checker, refresh, history);
    checker.Result();
    g_rateReport.InputRan();
    return 0;
}
