// The previous-QSO rows of a refresh pass against a plain scan of the log in
// store order: random logs over small pools of calls, bands, countries and
// times, so that (call, band) keys collide often, with removals in between
// (enough of them that the store compacts its records).
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "contest/contest_rules.h"
#include "plugin/shared_state.h"
#include "tests/support/qso_builder.h"
#include "tests/support/reference_scan.h"
#include "tests/support/row_fields.h"
#include "tests/windows/fake_host_link.h"
#include "windows/prev_qso_rows.h"

namespace {

const char* const kCalls[] = {"DL1ABC", "dl1abc", "EA8ZZ", "K1XY", "JA1QQ", "EA", ""};
const char* const kBands[] = {"160m", "80m", "40m", "20m", "15m", "10m", "20M", "6m", ""};
const char* const kCountries[] = {"DL", "EA", "EA8", "ea", "K", ""};
const char* const kModes[] = {"RTTY", "PSK"};
const char* const kTexts[] = {"M", "TF", "012", "", "599"};

// The rows as a reset leaves their labels, then filled by the plain scan.
PrevQsoRowSet ScanRows(const std::vector<CInfo>& log, const std::string& call) {
    PrevQsoRowSet rows;
    for (int r = 0; r < kWindowBands; ++r)
        rows[static_cast<std::size_t>(r)].band = ::kBands[r].text;
    reference::FillPrevQsoRows(log, call, rows);
    return rows;
}

template <std::size_t N>
const char* Pick(std::mt19937& random, const char* const (&pool)[N]) {
    return pool[std::uniform_int_distribution<std::size_t>(0, N - 1)(random)];
}

CInfo RandomQso(std::mt19937& random) {
    CInfo q;
    q.m_call = Pick(random, kCalls);
    q.m_band = Pick(random, kBands);
    q.m_mode = Pick(random, kModes);
    q.m_country = Pick(random, kCountries);
    q.m_province = Pick(random, kTexts);
    q.m_exchReceived = Pick(random, kTexts);
    const int minute = std::uniform_int_distribution<int>(0, 24 * 60 - 1)(random);
    q.m_time = QsoTime(minute / 60, minute % 60);
    const int status = std::uniform_int_distribution<int>(0, 19)(random);
    if (status == 0) q.m_time = COleDateTime(q.m_time.Value(), COleDateTime::invalid);
    if (status == 1) q.m_time = COleDateTime(0.0, COleDateTime::null);
    return q;
}

struct Mirror {
    PluginState state;
    SharedState shared{state};
    std::vector<CInfo> log;  // the same records, in store order
    std::vector<LogStore::Id> ids;

    Mirror() { StartRows(state.g_prevQsoRows); }

    void Add(const CInfo& q) {
        ids.push_back(state.g_log.Add(q));
        log.push_back(q);
    }
    void Remove(std::size_t i) {
        state.g_log.RemoveAt(ids[i]);
        ids.erase(ids.begin() + static_cast<std::ptrdiff_t>(i));
        log.erase(log.begin() + static_cast<std::ptrdiff_t>(i));
    }
};

TEST(PrevQsoDifferential, RowsEqualAScanOfTheLog) {
    constexpr int kLogs = 60;
    constexpr int kSteps = 400;
    int checks = 0;
    for (int n = 0; n < kLogs; ++n) {
        std::mt19937 random(static_cast<std::uint32_t>(n));
        Mirror m;
        RefreshState refresh;
        FakeHostLink host;
        for (int step = 0; step < kSteps; ++step) {
            // Removals outnumber adds in the second half, so the store compacts.
            const int removeOdds = step < kSteps / 2 ? 25 : 60;
            if (!m.log.empty() && std::uniform_int_distribution<int>(0, 99)(random) < removeOdds) {
                m.Remove(std::uniform_int_distribution<std::size_t>(0, m.log.size() - 1)(random));
            } else {
                m.Add(RandomQso(random));
            }
            if (step % 10 != 0) continue;
            for (const char* call : kCalls) {
                host.call = call;
                if (host.call.size() == 1 || host.call.size() == 2) continue;  // no rows then
                RunRefreshPass(m.shared, refresh, host);
                ASSERT_EQ(RowFieldsOf(m.state.g_prevQsoRows), RowFieldsOf(ScanRows(m.log, call)))
                    << "log " << n << " step " << step << " call '" << call << "'";
                ++checks;
            }
        }
    }
    EXPECT_GT(checks, 10000);
}

}  // namespace
