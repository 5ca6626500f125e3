// The one-pass result against a plain reading of the rules: for each worked
// band, a scan of the whole log with local lists, on random logs, before
// and after statistics resets in the middle of a run.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "contest/contest_rules.h"
#include "results/result_text.h"
#include "tests/support/plugin_rig.h"
#include "tests/support/qso_builder.h"

namespace {

bool Has(const std::vector<std::string>& list, const std::string& text) {
    return std::find(list.begin(), list.end(), text) != list.end();
}

std::string Row(const std::string& label, const long* c) {
    char buffer[512];
    std::snprintf(buffer, sizeof buffer,
                  "%s\t %li\t  %li\t   %li\t  %li\t%li\t%li\t%li\t%li\t  %li\r\n", label.c_str(),
                  c[0], c[1], c[2], c[3], c[4], c[5], c[6], c[7], c[8]);
    return buffer;
}

int FileLines(const std::string& name) {
    const std::string content = TempFolder::Read(name);
    const int breaks = static_cast<int>(std::count(content.begin(), content.end(), '\n'));
    return (content.empty() || content.back() == '\n') ? breaks : breaks + 1;
}

struct Reference {
    std::string text;
    BandRowLists lists;
};

// The result of the log as a band-by-band scan gives it.
Reference ScanResult(const PluginState& s) {
    std::vector<std::string> bands = s.g_workedBands;
    auto key = [](std::string b) {
        while (b.size() < 20) b = "0" + b;
        return b;
    };
    for (size_t i = 0; i + 1 < bands.size(); ++i)
        for (size_t j = i + 1; j < bands.size(); ++j)
            if (key(bands[i]) < key(bands[j])) std::swap(bands[i], bands[j]);

    std::vector<CInfo> log;
    for (const CInfo& record : s.g_log) log.push_back(record);
    const CInfo* last = log.empty() ? nullptr : &log.back();

    Reference ref;
    char head[512];
    std::snprintf(head, sizeof head,
                  "   \t\tKOLVEX CONTEST %s-%s \r\n\t\t\tContestant: %s\r\n"
                  "\tQSOs\tPoints\tEADX100\tProv\tJA\tW\tVE\tVK\tiMults\r\n",
                  s.g_periodStart.c_str(), s.g_periodEnd.c_str(), s.g_ownCall.c_str());
    ref.text = head;
    long total[10] = {};
    long hourQ = 0, tenQ = 0, hourP = 0, tenP = 0, lastP = 0;
    for (const std::string& b : bands) {
        const int row = BandRow(b);
        std::vector<std::string> countries, provinces, areas[4];
        long c[10] = {};  // qsos, points, entities, prov, ja, w, ve, vk, mults, dupes
        for (const CInfo& r : log) {
            if (r.m_band != b || r.m_call.empty()) continue;
            c[9] += r.m_dupe;
            if (r.m_notCounted) continue;
            const int p = !IsSpanishCountry(r.m_country)     ? 1
                          : IsSpanishCountry(s.g_ownCountry) ? 2
                                                             : 3;
            c[0] += 1;
            c[1] += p;
            if (r.m_band == last->m_band) {
                lastP = p;
                const double d = last->m_time.Value() - r.m_time.Value();
                const double minutes = std::trunc((d + (d >= 0 ? 0.5 : -0.5) / 86400) * 1440);
                if (minutes < 60) hourQ += 1, hourP += p;
                if (minutes < 10) tenQ += 1, tenP += p;
            }
            if (!Has(countries, r.m_country)) {
                countries.push_back(r.m_country);
                if (row >= 0) ref.lists.g_bandMults[row].push_back(r.m_country);
                c[2] += 1;
                c[8] += 1;
            }
            const int values[4] = {r.m_areaJA, r.m_areaK, r.m_areaVE, r.m_areaVK};
            const char* names[4] = {"JA", "K", "VE", "VK"};
            BandRowList* lists[4] = {&ref.lists.g_bandAreasJA, &ref.lists.g_bandAreasK,
                                     &ref.lists.g_bandAreasVE, &ref.lists.g_bandAreasVK};
            for (int k = 0; k < 4; ++k) {
                if (values[k] == -1) continue;
                const std::string d = std::to_string(values[k]);
                if (!Has(areas[k], d)) {
                    areas[k].push_back(d);
                    if (row >= 0) ref.lists.g_bandMults[row].push_back(names[k] + d);
                    if (row >= 0) (*lists[k])[row].push_back(names[k] + d);
                    c[4 + k] += 1;
                    c[8] += 1;
                }
                break;
            }
            if (!r.m_province.empty() && !Has(provinces, r.m_province)) {
                provinces.push_back(r.m_province);
                if (row >= 0) ref.lists.g_bandProvinces[row].push_back(r.m_province);
                c[3] += 1;
                c[8] += 1;
            }
        }
        ref.text += Row(b, c);
        for (int k = 0; k < 10; ++k) total[k] += c[k];
    }
    ref.text += Row("Total", total);
    long rejected = FileLines(s.g_badQsoFile) - total[9];
    if (rejected <= 0) rejected = 1;
    char foot[1024];
    std::snprintf(foot, sizeof foot,
                  "\r\nDupe\t %li\r\nBad QSO\t %li\r\n\r\nScore: %li*%li = %li\r\n\t\t\tRate\r\n"
                  "Hourly (10min) QSO rate: %5li (%li) QSOs/hour\r\n"
                  "Hourly (10min) pts rate: %5li (%li) points/hour\r\n\r\nLast QSO: %li "
                  "points\r\n\r\n",
                  total[9], rejected - 1, total[1], total[8], total[1] * total[8], hourQ, tenQ * 6,
                  hourP, tenP * 6, lastP);
    ref.text += foot;
    ref.text += kCreditLine;
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
    for (int row = 0; row < kBandRows; ++row) s.g_bandMults[row] = {"KEPT"};
    Reference ref = ScanResult(s);
    for (int row = 0; row < kBandRows; ++row) {
        if (!Has(s.g_workedBands, kBandTexts[row])) ref.lists.g_bandMults[row] = {"KEPT"};
    }
    ASSERT_EQ(rig.Result(), ref.text) << "run " << run << " phase " << phase;
    for (const std::string& band : s.g_workedBands) {
        const int row = BandRow(band);
        if (row < 0) continue;
        ASSERT_EQ(s.g_bandProvinces[row], ref.lists.g_bandProvinces[row]) << "run " << run;
        ASSERT_EQ(s.g_bandAreasJA[row], ref.lists.g_bandAreasJA[row]) << "run " << run;
        ASSERT_EQ(s.g_bandAreasK[row], ref.lists.g_bandAreasK[row]) << "run " << run;
        ASSERT_EQ(s.g_bandAreasVE[row], ref.lists.g_bandAreasVE[row]) << "run " << run;
        ASSERT_EQ(s.g_bandAreasVK[row], ref.lists.g_bandAreasVK[row]) << "run " << run;
    }
    for (int row = 0; row < kBandRows; ++row) {
        ASSERT_EQ(s.g_bandMults[row], ref.lists.g_bandMults[row]) << "run " << run;
    }
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
