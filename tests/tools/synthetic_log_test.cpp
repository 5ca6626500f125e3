#include "tools/synthetic_log.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

#include "contest/contest_rules.h"

namespace {

TEST(SyntheticLog, SameStateGivesSameLog) {
    std::vector<host::Qso> a = host::MakeSyntheticLog(200, 7);
    std::vector<host::Qso> b = host::MakeSyntheticLog(200, 7);
    ASSERT_EQ(a.size(), 200u);
    ASSERT_EQ(b.size(), 200u);
    for (std::size_t i = 0; i < a.size(); ++i) {
        EXPECT_EQ(a[i].call, b[i].call);
        EXPECT_EQ(a[i].band, b[i].band);
        EXPECT_EQ(a[i].exchReceived, b[i].exchReceived);
    }
}

// Load runs must stress the log, not the refusals: every QSO has to be one
// the plug-in enters.
TEST(SyntheticLog, EveryQsoIsAContestQso) {
    for (const host::Qso& q : host::MakeSyntheticLog(500, 1)) {
        EXPECT_TRUE(std::any_of(kContestBandRows.begin(), kContestBandRows.end(), [&](int row) {
            return q.band == kBands[row].text;
        })) << q.band;
        EXPECT_EQ(q.mode, "RTTY");
        EXPECT_FALSE(q.exchSent.empty());
        EXPECT_FALSE(q.exchReceived.empty());
        EXPECT_FALSE(q.country.empty());
        EXPECT_EQ(q.time.status, host::OleDate::valid);
        EXPECT_EQ(q.call.compare(0, q.callPrefix.size(), q.callPrefix), 0) << q.call;
    }
}

// Each duplicate costs the load run a line in the bad-QSO file that every
// removal reads and rewrites: the log holds one in 500 and no more.
TEST(SyntheticLog, DuplicatesAreFewAndMadeOnPurpose) {
    std::map<std::pair<std::string, std::string>, int> seen;
    int dupes = 0;
    for (const host::Qso& q : host::MakeSyntheticLog(5000, 3)) {
        if (seen[{q.call, q.band}]++ > 0) ++dupes;
    }
    EXPECT_EQ(dupes, 10);
}

}  // namespace
