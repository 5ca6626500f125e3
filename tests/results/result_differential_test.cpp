// The one-pass result against the plain reference: for each worked band, a
// scan of the whole log with local lists, on random logs, before and after
// statistics resets in the middle of a run.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "contest/contest_rules.h"
#include "results/result_text.h"
#include "tests/support/band_row_lists.h"
#include "tests/support/plugin_rig.h"
#include "tests/support/qso_builder.h"
#include "tests/support/reference_scan.h"

namespace {

int FileLines(const std::string& name) {
    const std::string content = TempFolder::Read(name);
    const int breaks = static_cast<int>(std::count(content.begin(), content.end(), '\n'));
    return (content.empty() || content.back() == '\n') ? breaks : breaks + 1;
}

struct Reference {
    std::string text;
    BandRowLists lists;
};

// The result of the log as the reference's band-by-band scan gives it; the
// lists start as the plug-in's, so rows of bands not reported keep theirs.
Reference ScanResult(const PluginState& s) {
    reference::Log log;
    for (const CInfo& record : s.g_log) log.push_back(record);
    Reference ref;
    ref.lists = s.bandLists;
    const ResultFigures figures = reference::Result(log, s.g_workedBands, s.g_ownCountry, false,
                                                    FileLines(s.g_badQsoFile), ref.lists);
    ref.text = ResultText({s.g_periodStart, s.g_periodEnd, s.g_ownCall}, figures);
    return ref;
}

Qso RandomQso(std::mt19937& random) {
    auto pick = [&random](std::vector<const char*> texts) {
        return std::string(
            texts[std::uniform_int_distribution<size_t>(0, texts.size() - 1)(random)]);
    };
    const std::string call = pick({"A", "B", "C", "D", "E", "EA4URE", ""});
    const double seconds = std::uniform_real_distribution<double>(-7200.0, 600.0)(random);
    Qso qso(call);
    qso.Time(Later(QsoTime(), seconds))
        .Band(pick({"20m", "40m", "10m", "20M", "80m", "15m", "160m"}))
        .Mode(pick({"RTTY", "RTTY", "rtty", "PSK"}))
        .Country(pick({"EA", "EA8", "K", "VE", "JA", "VK", "DL", "F", ""}))
        .Prefix(pick({"1", "4", "K4", "", "JA2", "9", "0", "W9"}))
        .Exch(pick({"M", "TF", "HQ", "XX", "12", "m"}));
    return qso;
}

// The result and the lists of the reported bands, against the scan.
void ExpectResultLikeScan(PluginRig& rig, int run, int phase) {
    // The lists of bands not reported keep what they held.
    PluginState& s = rig.State();
    test_lists::FillEveryRow(s.bandLists, "KEPT");
    const Reference ref = ScanResult(s);
    ASSERT_EQ(rig.Result(), ref.text) << "run " << run << " phase " << phase;
    for (const test_lists::Slot& slot : test_lists::kEveryBandRowList)
        ASSERT_EQ(s.bandLists.*slot.list, ref.lists.*slot.list) << "run " << run;
}

TEST(ResultDifferential, EqualsBandByBandScan) {
    int resets = 0;  // of logs that were not empty
    for (int run = 0; run < 150; ++run) {
        std::mt19937 random(static_cast<unsigned>(run) * 104729u + 3u);
        PluginRig rig;
        rig.Reset(ContestReset("DL1OWN", run % 3 == 0 ? "EA" : "DL"));
        std::vector<Qso> added;  // also the QSOs from before a reset: removing them does nothing
        int phase = 0;
        const int steps = static_cast<int>(random() % 120);
        for (int step = 0; step < steps; ++step) {
            const unsigned action = random() % 30;
            if (action == 0) {
                // The result before the reset, then a reset that may change the own country.
                ASSERT_NO_FATAL_FAILURE(ExpectResultLikeScan(rig, run, phase++));
                resets += rig.State().g_log.IsEmpty() ? 0 : 1;
                rig.Reset(ContestReset("DL1OWN", random() % 2 == 0 ? "EA" : "DL"));
                ASSERT_TRUE(rig.State().g_log.IsEmpty()) << "run " << run;
            } else if (!added.empty() && action % 6 == 0) {
                rig.plugin.RemoveData(added[random() % added.size()]);
            } else {
                added.push_back(RandomQso(random));
                rig.plugin.AddData(added.back());
            }
        }
        ASSERT_NO_FATAL_FAILURE(ExpectResultLikeScan(rig, run, phase));
    }
    EXPECT_GT(resets, 100);
}

}  // namespace
