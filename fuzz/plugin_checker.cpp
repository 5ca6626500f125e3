#include "fuzz/plugin_checker.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <mutex>

#include "contest/bad_qso_file.h"
#include "fuzz/model_rules.h"
#include "fuzz/result_parser.h"
#include "tests/support/band_row_lists.h"
#include "tests/support/own_rules.h"

void FuzzFail(const char* what, const char* file, int line) {
    std::fprintf(stderr, "invariant broken at %s:%d: %s\n", file, line, what);
    std::abort();
}

namespace {

const char* const kModelFile = "reference.txt";

bool SameTime(const COleDateTime& a, const COleDateTime& b) {
    if (a.GetStatus() != b.GetStatus()) return false;
    return a.Value() == b.Value() || (std::isnan(a.Value()) && std::isnan(b.Value()));
}

bool SameRecord(const CInfo& a, const CInfo& b) {
    return a.m_call == b.m_call && a.m_country == b.m_country && a.m_band == b.m_band &&
           a.m_mode == b.m_mode && a.m_rstReceived == b.m_rstReceived &&
           a.m_rstSent == b.m_rstSent && a.m_exchReceived == b.m_exchReceived &&
           a.m_exchSent == b.m_exchSent && a.m_province == b.m_province &&
           a.m_freqKHz == b.m_freqKHz && a.m_areaJA == b.m_areaJA && a.m_areaK == b.m_areaK &&
           a.m_areaVE == b.m_areaVE && a.m_areaVK == b.m_areaVK &&
           a.m_notCounted == b.m_notCounted && a.m_bad == b.m_bad && a.m_dupe == b.m_dupe &&
           SameTime(a.m_time, b.m_time);
}

std::vector<std::string> Sorted(std::vector<std::string> texts) {
    std::sort(texts.begin(), texts.end());
    return texts;
}

}  // namespace

void PluginChecker::CompareLogs() {
    const PluginState& s = m_plugin.State();
    FUZZ_CHECK(s.g_log.GetCount() == m_count);
    FUZZ_CHECK(m_ref.log.size() == static_cast<size_t>(m_count));
    size_t i = 0;
    for (const CInfo& record : s.g_log) FUZZ_CHECK(SameRecord(record, m_ref.log[i++]));
    FUZZ_CHECK(Sorted(s.g_workedBands) == Sorted(m_ref.workedBands));
    FUZZ_CHECK(s.g_refreshPending == (m_pending ? 1 : 0));
}

// The plug-in's bad-QSO file from `offset` on, which must be what the
// model's holds from there.  One buffer serves every call: a fresh one of
// megabytes costs more in page faults than the read.
const std::string& PluginChecker::ReadBadQsoBytes(std::size_t offset) {
    FUZZ_CHECK(model::ReadFileFrom(m_badQsoFile, offset, m_readBuffer));
    FUZZ_CHECK(model::FileEndsWith(kModelFile, offset, m_readBuffer));
    m_size = offset + m_readBuffer.size();
    return m_readBuffer;
}

// Its CR LF lines under `header`.
std::vector<std::string_view> PluginChecker::ReadBadQsoFile() {
    std::vector<std::string_view> lines;
    FUZZ_CHECK(model::SplitCrLf(ReadBadQsoBytes(0), lines));
    FUZZ_CHECK(!lines.empty() && lines.front() == m_header);
    lines.erase(lines.begin());
    return lines;
}

// The lines the last call left in the bad-QSO file (its header and
// m_lines), which must still be there: counting them in the file once more
// would read megabytes on every result.
int PluginChecker::BadQsoLineCount() {
    if (m_badQsoFile.empty()) return 0;
    std::error_code error;
    FUZZ_CHECK(std::filesystem::file_size(m_badQsoFile, error) == m_size);
    return static_cast<int>(m_lines.size()) + 1;
}

void PluginChecker::Reset(const ResetArgs& args, const std::string& ini) {
    if (args.hostDirectory == "host/") {
        std::filesystem::create_directories("host");
        std::ofstream("host/MixW2.ini", std::ios::binary) << ini;
    }
    m_plugin.ResetStats(args);
    m_ref = reference::Store();
    m_ref.badQsoFile = kModelFile;
    BadQso::Create(kModelFile, BadQso::kCreatedHeader);
    m_count = 0;
    m_export = args.exportRequest != 0;
    m_ownCountry = args.ownCountry;
    m_badQsoFile = m_plugin.State().g_badQsoFile;
    FUZZ_CHECK(m_badQsoFile.rfind("BadQSO_StatsKOLVEX_", 0) == 0);
    m_header = BadQso::kCreatedHeader;
    FUZZ_CHECK(ReadBadQsoFile().empty());
    m_lines.clear();
    CompareLogs();
}

// Duplicates of a QSO get as many alike lines as there were QSOs before,
// and with a long call each line is long: alike lines in a row share one text.
void PluginChecker::KeepLine(std::string_view line) {
    if (m_lines.empty() || *m_lines.back() != line) {
        m_lines.push_back(std::make_shared<const std::string>(line));
    } else {
        m_lines.push_back(m_lines.back());
    }
}

void PluginChecker::CheckAddedLines(const std::vector<std::string>& messages) {
    if (m_badQsoFile.empty()) return;  // no reset yet: the lines are lost
    // An add only appends, so only the new tail is read: reading the whole
    // file after every call makes runs of long texts quadratic.
    std::vector<std::string_view> added;
    FUZZ_CHECK(model::SplitCrLf(ReadBadQsoBytes(m_size), added));
    FUZZ_CHECK(added.size() == messages.size());
    for (size_t i = 0; i < messages.size(); ++i) {
        const std::string_view line = added[i];
        FUZZ_CHECK(line.rfind("QSO:  ", 0) == 0);
        FUZZ_CHECK(line.size() >= messages[i].size() &&
                   line.compare(line.size() - messages[i].size(), std::string::npos, messages[i]) ==
                       0);
    }
    for (const std::string_view line : added) KeepLine(line);
}

void PluginChecker::Add(const QsoArgs& qso) {
    const model::AddOutcome expected = model::ExpectedAdd(qso, m_ref.log);
    const int accepted = m_plugin.AddData(qso);
    FUZZ_CHECK(accepted == expected.accepted);
    FUZZ_CHECK(reference::AddQso(m_ref, qso) == accepted);
    m_count += accepted;
    const std::size_t before = m_size;
    CheckAddedLines(expected.messages);
    m_traffic += m_size - before;
    CompareLogs();
}

// Every line reporting this call as a whole field in that minute must be
// gone; a line that does not even hold the call and the minute must stay.
void PluginChecker::CheckRemovedLines(const QsoArgs& qso) {
    if (m_badQsoFile.empty()) return;
    std::string call = qso.call;
    std::replace(call.begin(), call.end(), '\r', ' ');
    std::replace(call.begin(), call.end(), '\n', ' ');
    const std::string marker = " " + qso.time.Format("%H%M") + " ";
    m_header = BadQso::kRewrittenHeader;
    const std::string field = "  " + call + "  ";
    const std::vector<std::string_view> lines = ReadBadQsoFile();
    std::vector<Line> keptLines;
    size_t kept = 0;
    // Alike lines share one text: each text is searched once, as a search
    // of a long call over each of thousands of long lines takes seconds.
    const std::string* judged = nullptr;
    bool mustGo = false, mayGo = false;
    for (const Line& shared : m_lines) {
        const std::string& line = *shared;
        if (&line != judged) {
            const bool minute = line.find(marker) != std::string::npos;
            mustGo = minute && line.find(field) != std::string::npos;
            mayGo = minute && line.find(call) != std::string::npos;
            judged = &line;
        }
        if (!mustGo && kept < lines.size() && lines[kept] == line) {
            keptLines.push_back(shared);
            ++kept;
        } else {
            FUZZ_CHECK(mayGo);
        }
    }
    FUZZ_CHECK(kept == lines.size());
    m_lines = std::move(keptLines);
}

// The removal's map resets, each kind's map once if it is open.
void PluginChecker::CheckMapWindows(const QsoArgs& qso, bool found) {
    const PluginState& s = m_plugin.State();
    const std::string& c = qso.country;
    const bool areaCountry = own_rules::CallAreaCountry("fuzz checker", c) && found;
    // Any Spanish entity's QSO may have marked a province.
    const bool spanish = own_rules::SpanishCountry("fuzz checker", c) && found;
    StationKinds removed = 0;
    if (areaCountry) removed |= kCallAreaStation;
    if (spanish) removed |= kSpanishStation;
    const StationKinds reset = removed & m_env.openMaps;
    FUZZ_CHECK(m_env.mapResets ==
               (reset != 0 ? std::vector<StationKinds>{reset} : std::vector<StationKinds>{}));
    const int row = BandRow(qso.band);
    if ((reset & kCallAreaStation) != 0 && row != kNoBandRow) {
        for (const test_lists::Slot& slot : test_lists::kEveryBandRowList) {
            if (slot.kind != test_lists::Kind::kEntities)
                FUZZ_CHECK((s.bandLists.*slot.list)[static_cast<size_t>(row)].empty());
        }
    }
    if (m_count == 0) FUZZ_CHECK(test_lists::FilledRows(s.bandLists) == 0);
}

void PluginChecker::Remove(const QsoArgs& qso) {
    const bool found = reference::FindQso(m_ref.log, qso) >= 0;
    m_env.mapResets.clear();
    const int posted = m_env.refreshesPosted;
    m_plugin.RemoveData(qso);
    reference::RemoveQso(m_ref, qso);
    if (found) --m_count;
    CheckMapWindows(qso, found);
    m_pending = true;
    FUZZ_CHECK(m_env.refreshesPosted == posted + (m_env.setupRunning ? 1 : 0));
    m_traffic += m_size;  // the file as it was, read whole
    CheckRemovedLines(qso);
    m_traffic += m_size;  // and as it is now, rewritten (or kept) and read back
    CompareLogs();
}

void PluginChecker::Check(const CheckArgs& args) {
    const int posted = m_env.refreshesPosted;
    const bool post = m_env.setupRunning && m_pending;
    const CallVerdict verdict = m_plugin.CheckCall(args);
    FUZZ_CHECK(verdict == reference::JudgeCall(m_ref.log, m_plugin.State().g_hostVersion, args));
    FUZZ_CHECK(m_env.refreshesPosted == posted + (post ? 1 : 0));
    if (post) m_pending = false;
    CompareLogs();
}

void PluginChecker::Exchange(const std::string& exchange, const std::string& call,
                             const std::string& country) {
    FUZZ_CHECK(m_plugin.IsValidExchg(exchange, call, country) ==
               model::ExpectedExchange(exchange, call, country));
}

void PluginChecker::SetHtml() {
    m_plugin.SetVersion();
    m_html = true;
}

void PluginChecker::Windows(std::uint8_t open) {
    m_env.setupRunning = (open & 1) != 0;
    m_env.openMaps = 0;
    if ((open & 2) != 0) m_env.openMaps |= kSpanishStation;
    if ((open & 4) != 0) m_env.openMaps |= kCallAreaStation;
}

// What the window thread does when its refresh pass ends.
void PluginChecker::RefreshDone() {
    m_plugin.Shared().RearmRefresh();
    m_pending = true;
}

void PluginChecker::PassEnded() {
    m_pending = true;
    CompareLogs();
}

namespace {

bool SameFigures(const BandFigures& a, const BandFigures& b) {
    return a.band == b.band && a.qsos == b.qsos && a.points == b.points &&
           a.entities == b.entities && a.provinces == b.provinces && a.areas == b.areas &&
           a.multipliers == b.multipliers;
}

}  // namespace

// The table adds up, and every figure is the one the per-band scan gives.
void PluginChecker::CheckFigures(const ResultFigures& got, const ResultFigures& expected,
                                 int badLines) {
    BandFigures sum;
    sum.band = "Total";
    for (const BandFigures& band : got.bands) {
        int areas = 0;
        for (int count : band.areas) areas += count;
        FUZZ_CHECK(band.multipliers == band.entities + band.provinces + areas);
        sum.Add(band);
    }
    FUZZ_CHECK(SameFigures(sum, got.total));
    const long long product = static_cast<long long>(got.total.points) * got.total.multipliers;
    FUZZ_CHECK(got.score == static_cast<int>(static_cast<std::uint32_t>(product)));
    FUZZ_CHECK(got.rejected == std::max(badLines - got.total.dupes, 1) - 1);

    FUZZ_CHECK(got.bands.size() == expected.bands.size());
    for (size_t i = 0; i < got.bands.size(); ++i) {
        FUZZ_CHECK(SameFigures(got.bands[i], expected.bands[i]));
    }
    FUZZ_CHECK(got.total.dupes == expected.total.dupes);
    FUZZ_CHECK(got.rejected == expected.rejected && got.score == expected.score);
    FUZZ_CHECK(got.hourQsos == expected.hourQsos && got.hourPoints == expected.hourPoints);
    // The result shows the ten-minute figures scaled to an hour.
    FUZZ_CHECK(got.tenMinuteQsos == expected.tenMinuteQsos * 6);
    FUZZ_CHECK(got.tenMinutePoints == expected.tenMinutePoints * 6);
    FUZZ_CHECK(got.lastQsoPoints == expected.lastQsoPoints);
}

void PluginChecker::CheckExport(std::size_t outputsBefore) {
    FUZZ_CHECK(m_env.outputs.size() == outputsBefore + (m_export ? 1 : 0));
    if (!m_export) return;
    const std::string& output = m_env.outputs.back();
    const std::string produced = "File produced: ";
    if (output.rfind(produced, 0) != 0) {
        FUZZ_CHECK(output.rfind("File not produced: ", 0) == 0);
        return;
    }
    bool exists = false;
    const std::string log = model::ReadFile(output.substr(produced.size()), exists);
    m_traffic += log.size();
    FUZZ_CHECK(exists && log.rfind("START-OF-LOG: 2.0\r\n", 0) == 0);
    const std::string end = "END-OF-LOG:\r\n";
    FUZZ_CHECK(log.size() >= end.size() &&
               log.compare(log.size() - end.size(), end.size(), end) == 0);
    size_t qsoLines = 0;
    for (size_t at = 0; (at = log.find("\r\nQSO: ", at)) != std::string::npos; ++at) ++qsoLines;
    FUZZ_CHECK(qsoLines >= static_cast<size_t>(m_count));
}

void PluginChecker::Result() {
    const std::size_t outputs = m_env.outputs.size();
    const char* text = m_plugin.GetResult();
    PluginState& s = m_plugin.State();
    FUZZ_CHECK(text == s.g_resultText.c_str());
    if (std::getenv("FUZZ_SHOW") != nullptr) std::fprintf(stderr, "%s\n", text);

    const int badLines = BadQsoLineCount();
    m_traffic += m_size;  // its lines counted
    BandRowLists lists;
    const ResultFigures expected =
        reference::Result(m_ref.log, m_ref.workedBands, m_ownCountry, m_export, badLines, lists);
    ResultFigures got;
    FUZZ_CHECK(m_html ? fuzzparse::ParseHtml(text, got) : fuzzparse::ParseText(text, got));
    CheckFigures(got, expected, badLines);

    FUZZ_CHECK(s.g_workedBands.size() == got.bands.size());
    for (size_t i = 0; i < got.bands.size(); ++i) {
        FUZZ_CHECK(s.g_workedBands[i] == got.bands[i].band);
        const int row = BandRow(got.bands[i].band);
        if (row < 0) continue;
        const size_t r = static_cast<size_t>(row);
        for (const test_lists::Slot& slot : test_lists::kEveryBandRowList)
            FUZZ_CHECK((s.bandLists.*slot.list)[r] == (lists.*slot.list)[r]);
    }
    FUZZ_CHECK(s.g_score == got.score);
    FUZZ_CHECK(m_profile.values["Claimed"] == std::to_string(got.score));
    CheckExport(outputs);
    CompareLogs();
}
