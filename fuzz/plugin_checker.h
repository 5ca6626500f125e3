// Drives one plug-in through the host's calls and checks after every call
// that it still agrees with a plain model: the reference log (a vector that
// is scanned), the bad-QSO file line by line, the result figures, the
// refresh hand-shake and the map windows.  Any disagreement aborts.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "plugin/stats_plugin.h"
#include "tests/support/fake_environment.h"
#include "tests/support/reference_scan.h"

class PluginChecker {
  public:
    PluginChecker() : m_plugin(m_env, m_profile) {}

    // hostFolder: "" (no ini there), "host/" (holds `ini` as MixW2.ini) or a missing one.
    void Reset(const ResetArgs& args, const std::string& ini);
    void Add(const QsoArgs& qso);
    void Remove(const QsoArgs& qso);
    void Check(const CheckArgs& args);
    void Exchange(const std::string& exchange, const std::string& call, const std::string& country);
    void Result();
    void SetHtml();
    void Windows(std::uint8_t open);
    void RefreshDone();
    // A refresh pass has ended: the call check may ask again.
    void PassEnded();

    const reference::Log& Log() const { return m_ref.log; }
    // Bytes the plug-in has appended to, written or read back whole of its
    // bad-QSO and Cabrillo files since this checker began: what the run has
    // cost in file work, which the checker's own reading follows.
    std::size_t FileTraffic() const { return m_traffic; }
    SharedState& Shared() { return m_plugin.Shared(); }

  private:
    void CompareLogs();
    const std::string& ReadBadQsoBytes(std::size_t offset);
    std::vector<std::string_view> ReadBadQsoFile();
    int BadQsoLineCount();
    void KeepLine(std::string_view line);
    void CheckAddedLines(const std::vector<std::string>& messages);
    void CheckRemovedLines(const QsoArgs& qso);
    void CheckMapWindows(const QsoArgs& qso, bool found);
    void CheckFigures(const ResultFigures& parsed, const ResultFigures& expected, int badLines);
    void CheckExport(std::size_t outputsBefore);

    FakeEnvironment m_env;
    MapProfileStore m_profile;
    StatsPlugin m_plugin;
    reference::Store m_ref;
    int m_count = 0;        // accepted less removed since the last reset
    bool m_pending = true;  // the refresh hand-shake flag
    bool m_html = false;
    bool m_export = false;
    std::string m_ownCountry;
    std::string m_badQsoFile;  // the plug-in's; empty before the first reset
    std::string m_header;      // its header line
    using Line = std::shared_ptr<const std::string>;
    std::vector<Line> m_lines;  // its lines after the header
    std::size_t m_size = 0;     // its size as last read
    std::string m_readBuffer;   // what was read of it last
    std::size_t m_traffic = 0;
};

// Prints what broke and aborts, so that the fuzzer keeps the input.
[[noreturn]] void FuzzFail(const char* what, const char* file, int line);
#define FUZZ_CHECK(cond)                                  \
    do {                                                  \
        if (!(cond)) FuzzFail(#cond, __FILE__, __LINE__); \
    } while (0)
