// The indexed log against the plain reference that scans the records from
// the first one: random logs over small alphabets, so that calls, bands,
// countries, areas and times collide often, with removals and resets in
// between.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "contest/bad_qso_file.h"
#include "contest/call_checks.h"
#include "contest/qso_entry.h"
#include "tests/support/reference_scan.h"
#include "tests/support/temp_folder.h"

namespace {

// ---- Random material ----

class Material {
  public:
    explicit Material(unsigned start) : m_random(start) {}

    const char* Pick(const std::vector<const char*>& texts) {
        return texts[std::uniform_int_distribution<size_t>(0, texts.size() - 1)(m_random)];
    }
    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }

    COleDateTime Time() {
        const double value = 42778.5 + Below(3) / 1440.0;
        const int status = Below(10);
        if (status == 0) {
            return COleDateTime(Below(2) == 0 ? NAN : value, COleDateTime::invalid);
        }
        if (status == 1) return COleDateTime(Below(2), COleDateTime::null);
        return COleDateTime(value, COleDateTime::valid);
    }

    QsoArgs Qso(int serial) {
        QsoArgs q;
        q.ownCall = "DL1OWN";
        q.call = Pick({"EA4URE", "A", "AB", "B", "EA4URE", "A"});
        q.time = Time();
        q.freqHz = static_cast<std::uint32_t>(serial) * 1000u;
        q.mode = Pick({"RTTY", "RTTY", "RTTY", "rtty", "PSK"});
        q.rstSent = "599";
        q.rstReceived = "599";
        q.exchSent = Below(30) == 0 ? "" : "001";
        q.exchReceived = Pick({"M", "HQ", "XX", "hq", " m ", "12", "HQ", ""});
        q.callPrefix = Pick({"1", "4", "K4", "JA", "12", "", "9", "0", "K9"});
        q.country = Pick({"EA", "EA8", "K", "VE", "JA", "VK", "DL", "", "EA", "K", "JA"});
        q.band = Pick({"20m", "40m", "20m", "40m", "20M", "160m"});
        return q;
    }

    CheckArgs Check() {
        CheckArgs a;
        a.call = Pick({"EA4URE", "A", "AB", "B", "C"});
        a.mode = Pick({"RTTY", "rtty", "RTTY", "PSK"});
        a.callPrefix = Pick({"1", "4", "K4", "JA", "12", "", "2", "9", "0"});
        a.country = Pick({"EA", "EA8", "K", "VE", "JA", "VK", "DL", "", "K", "JA"});
        a.band = Pick({"20m", "40m", "20m", "40m", "20M", "160m", ""});
        a.hasBand = Below(20) != 0;
        if (!a.hasBand) a.band.clear();
        a.hasBand2 = Below(4) == 0;
        a.band2 = a.hasBand2 ? Pick({"20m", "20M", "40m"}) : "";
        return a;
    }

  private:
    std::mt19937 m_random;
};

// The log's records and the bad-QSO file as the reference holds them.
void ExpectSameLog(const ContestData& data, const reference::Store& ref, int run, int step) {
    const LogStore& log = data.g_log;
    ASSERT_EQ(data.g_workedBands, ref.workedBands) << "run " << run << " step " << step;
    ASSERT_EQ(TempFolder::Read(data.g_badQsoFile), TempFolder::Read(ref.badQsoFile))
        << "run " << run << " step " << step;
    ASSERT_EQ(log.GetCount(), static_cast<int>(ref.log.size()))
        << "run " << run << " step " << step;
    size_t i = 0;
    for (const CInfo& got : log) {
        const CInfo& want = ref.log[i++];
        ASSERT_EQ(got.m_freqKHz, want.m_freqKHz) << "run " << run << " step " << step;
        ASSERT_EQ(got.m_dupe, want.m_dupe) << "run " << run << " step " << step;
        ASSERT_EQ(got.m_bad, want.m_bad) << "run " << run << " step " << step;
        ASSERT_EQ(got.m_notCounted, want.m_notCounted) << "run " << run << " step " << step;
        ASSERT_EQ(got.m_province, want.m_province) << "run " << run << " step " << step;
    }
}

TEST(LogIndexDifferential, AnswersLikeScanFromFirstRecord) {
    TempFolder folder;
    const std::vector<std::string> versions = {"MixW", "2.19", "2.20", "3.1.1"};
    int verdicts[5] = {};
    int removed = 0;
    int nanRemoved = 0;  // removals matched by a NaN time
    int resets = 0;      // of logs that were not empty
    for (int run = 0; run < 300; ++run) {
        Material random(static_cast<unsigned>(run) * 7919u + 17u);
        ContestData data;
        data.g_badQsoFile = "bad.txt";
        reference::Store ref;
        ref.badQsoFile = "reference.txt";
        std::vector<CInfo> beforeReset;  // removals may name QSOs of the log before the reset
        const std::string version = versions[static_cast<size_t>(run) % versions.size()];
        for (int step = 0; step < 60; ++step) {
            const QsoArgs qso = random.Qso(run * 1000 + step + 1);
            const int action = random.Below(40);
            if (action == 0) {
                // What a statistics reset does to the contest data.
                resets += ref.log.empty() ? 0 : 1;
                beforeReset = ref.log;
                ref.log.clear();
                ref.workedBands.clear();
                data.g_log.RemoveAll();
                data.g_workedBands.clear();
            } else if (action % 4 != 0) {
                // Each file holds the lines of this one QSO.
                BadQso::Create(data.g_badQsoFile, BadQso::kCreatedHeader);
                BadQso::Create(ref.badQsoFile, BadQso::kCreatedHeader);
                const Entry entry = AddQso(data, qso);
                BadQso::Append(data.g_badQsoFile, entry.badLines);
                ASSERT_EQ(entry.entered, reference::AddQso(ref, qso))
                    << "run " << run << " step " << step;
            } else {
                QsoArgs removal = qso;
                const std::vector<CInfo>& pool = random.Below(5) == 0 ? beforeReset : ref.log;
                if (!pool.empty() && random.Below(3) != 0) {
                    const CInfo& target =
                        pool[static_cast<size_t>(random.Below(static_cast<int>(pool.size())))];
                    removal.call = target.m_call;
                    removal.band = target.m_band;
                    removal.mode = target.m_mode;
                    if (random.Below(4) != 0) removal.time = target.m_time;
                }
                const size_t before = ref.log.size();
                reference::RemoveQso(ref, removal);
                const int gone = static_cast<int>(before - ref.log.size());
                removed += gone;
                if (std::isnan(removal.time.Value())) nanRemoved += gone;
                RemoveQso(data, removal);
                DropBadLines(data.g_badQsoFile, removal);
            }
            ExpectSameLog(data, ref, run, step);
            for (int k = 0; k < 5; ++k) {
                const CheckArgs check = random.Check();
                const CallVerdict verdict = reference::JudgeCall(ref.log, version, check);
                ++verdicts[static_cast<int>(verdict)];
                ASSERT_EQ(JudgeCall(data.g_log, version, check), verdict)
                    << "run " << run << " step " << step << " call " << check.call << " band "
                    << check.band << " country " << check.country;
            }
        }
    }
    // The material reaches every verdict and many removals.
    for (int verdict = 0; verdict < 5; ++verdict) EXPECT_GT(verdicts[verdict], 500) << verdict;
    EXPECT_GT(removed, 1000);
    EXPECT_GT(nanRemoved, 20);
    EXPECT_GT(resets, 200);
}

}  // namespace
