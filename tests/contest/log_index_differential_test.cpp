// The indexed log against a plain scan of the records from the first one:
// random logs over small alphabets, so that calls, bands, countries and
// areas collide often, with removals and resets in between.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "contest/bad_qso_file.h"
#include "contest/call_checks.h"
#include "contest/contest_rules.h"
#include "contest/qso_entry.h"
#include "contest/text_util.h"
#include "tests/support/temp_folder.h"

namespace {

// ---- The scan, written as plainly as the rules read ----

struct ScanLog {
    std::vector<CInfo> records;
    std::vector<std::string> workedBands;

    // Returns 1 when entered; `dupeLines` gets the number of DUPE lines.
    int Add(const QsoArgs& q, int& dupeLines) {
        dupeLines = 0;
        if (!ValidBands().Contains(q.band)) return 0;
        if (std::find(workedBands.begin(), workedBands.end(), q.band) == workedBands.end()) {
            workedBands.push_back(q.band);
        }
        if (!ValidModes().Contains(q.mode)) return 0;
        if (q.exchReceived.empty() || q.exchSent.empty()) return 0;
        CInfo r;
        r.m_call = q.call;
        r.m_band = q.band;
        r.m_mode = q.mode;
        r.m_country = q.country;
        r.m_time = q.time;
        r.m_freqKHz = static_cast<std::int32_t>(q.freqHz / 1000);
        if (IsSpanishCountry(q.country)) {
            const std::string sent = Trim(ToUpper(q.exchReceived));
            const bool ok = q.call == "EA4URE" ? sent == "HQ" : IsProvinceCode(sent);
            if (ok) r.m_province = sent;
            if (!ok) r.m_bad = r.m_notCounted = 1;
        } else {
            SetCallArea(r, q.country, q.callPrefix);
        }
        for (const CInfo& old : records) {
            if (old.m_call == r.m_call && old.m_band == r.m_band && old.m_mode == r.m_mode) {
                r.m_dupe = r.m_notCounted = 1;
                ++dupeLines;
            }
        }
        records.push_back(r);
        return 1;
    }

    static bool SameTime(const COleDateTime& a, const COleDateTime& b) {
        if (a.GetStatus() != b.GetStatus()) return false;
        return a.GetStatus() == COleDateTime::null || a.Value() == b.Value();
    }

    void Remove(const QsoArgs& q) {
        for (size_t i = 0; i < records.size(); ++i) {
            const CInfo& r = records[i];
            if (r.m_call == q.call && r.m_band == q.band && r.m_mode == q.mode &&
                SameTime(r.m_time, q.time)) {
                records.erase(records.begin() + static_cast<long>(i));
                break;
            }
        }
        if (records.empty()) workedBands.clear();
    }

    void Reset() {
        records.clear();
        workedBands.clear();
    }

    int Judge(const std::string& hostVersion, const CheckArgs& a) const {
        const int refused = (hostVersion == "2.19" || hostVersion == "2.20") ? 1 : 4;
        if (a.hasBand && a.hasBand2 && !EqualsIgnoreCase(a.band, a.band2)) return refused;
        if (!ValidBands().Contains(a.band) || !ValidModes().Contains(a.mode)) return refused;
        if (a.country.empty()) return 1;
        CInfo scratch;
        SetCallArea(scratch, a.country, a.callPrefix);
        for (const CInfo& r : records) {
            if (r.m_call == a.call && r.m_band == a.band) return 0;
        }
        int v = 2;
        if (a.call == "EA4URE") {
            for (const CInfo& r : records) {
                if (r.m_band != a.band) continue;
                if (r.m_province != "HQ") return 2;
                v = 1;
                break;
            }
        }
        bool matched = false;
        for (const CInfo& r : records) {
            if (r.m_band != a.band) continue;
            if (r.m_country == a.country) {
                matched = true;
                break;
            }
            v = 2;
        }
        if (!matched) return v;
        if (a.country != "K" && a.country != "VE" && a.country != "VK" && a.country != "JA") {
            return 1;
        }
        v = 1;
        for (const CInfo& r : records) {
            if (r.m_band != a.band) continue;
            if ((scratch.m_areaJA != -1 && scratch.m_areaJA == r.m_areaJA) ||
                (scratch.m_areaVE != -1 && scratch.m_areaVE == r.m_areaVE) ||
                (scratch.m_areaVK != -1 && scratch.m_areaVK == r.m_areaVK) ||
                (scratch.m_areaK != -1 && scratch.m_areaK == r.m_areaK)) {
                return 1;
            }
            v = 3;
        }
        return v;
    }
};

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
        if (status == 0) return COleDateTime(value, COleDateTime::invalid);
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

class NoWindows : public MapWindows {
  public:
    bool ResetProvinceCells() override { return false; }
    bool ResetCallAreaCells() override { return false; }
};

int DupeLinesInFile(const std::string& name) {
    std::vector<std::string> lines;
    BadQso::ReadLines(name, lines);
    int count = 0;
    for (const std::string& line : lines) {
        const std::string tail = BadQso::kDupe;
        if (line.size() >= tail.size() &&
            line.compare(line.size() - tail.size(), tail.size(), tail) == 0) {
            ++count;
        }
    }
    return count;
}

// The log's records as the scan holds them, by their serial number.
void ExpectSameLog(const ContestData& data, const ScanLog& scan, int run, int step) {
    const LogStore& log = data.g_log;
    ASSERT_EQ(data.g_workedBands, scan.workedBands) << "run " << run << " step " << step;
    ASSERT_EQ(log.GetCount(), static_cast<int>(scan.records.size()))
        << "run " << run << " step " << step;
    size_t i = 0;
    for (const CInfo& got : log) {
        const CInfo& want = scan.records[i++];
        ASSERT_EQ(got.m_freqKHz, want.m_freqKHz) << "run " << run << " step " << step;
        ASSERT_EQ(got.m_dupe, want.m_dupe) << "run " << run << " step " << step;
        ASSERT_EQ(got.m_bad, want.m_bad) << "run " << run << " step " << step;
        ASSERT_EQ(got.m_notCounted, want.m_notCounted) << "run " << run << " step " << step;
        ASSERT_EQ(got.m_province, want.m_province) << "run " << run << " step " << step;
    }
}

TEST(LogIndexDifferential, AnswersLikeScanFromFirstRecord) {
    TempFolder folder;
    NoWindows windows;
    const std::vector<std::string> versions = {"MixW", "2.19", "2.20", "3.1.1"};
    int verdicts[5] = {};
    int removed = 0;
    int resets = 0;  // of logs that were not empty
    for (int run = 0; run < 300; ++run) {
        Material random(static_cast<unsigned>(run) * 7919u + 17u);
        ContestData data;
        data.g_badQsoFile = "bad.txt";
        ScanLog scan;
        std::vector<CInfo> beforeReset;  // removals may name QSOs of the log before the reset
        const std::string version = versions[static_cast<size_t>(run) % versions.size()];
        for (int step = 0; step < 60; ++step) {
            const QsoArgs qso = random.Qso(run * 1000 + step + 1);
            const int action = random.Below(40);
            if (action == 0) {
                // What a statistics reset does to the contest data.
                resets += scan.records.empty() ? 0 : 1;
                beforeReset = scan.records;
                scan.Reset();
                data.g_log.RemoveAll();
                data.g_workedBands.clear();
            } else if (action % 4 != 0) {
                BadQso::Create(data.g_badQsoFile, BadQso::kCreatedHeader);
                int dupeLines = 0;
                const int expected = scan.Add(qso, dupeLines);
                ASSERT_EQ(AddQso(data, qso), expected) << "run " << run << " step " << step;
                ASSERT_EQ(DupeLinesInFile(data.g_badQsoFile), dupeLines)
                    << "run " << run << " step " << step;
            } else {
                QsoArgs removal = qso;
                const std::vector<CInfo>& pool = random.Below(5) == 0 ? beforeReset : scan.records;
                if (!pool.empty() && random.Below(3) != 0) {
                    const CInfo& target =
                        pool[static_cast<size_t>(random.Below(static_cast<int>(pool.size())))];
                    removal.call = target.m_call;
                    removal.band = target.m_band;
                    removal.mode = target.m_mode;
                    if (random.Below(4) != 0) removal.time = target.m_time;
                }
                const size_t before = scan.records.size();
                scan.Remove(removal);
                removed += static_cast<int>(before - scan.records.size());
                RemoveQso(data, removal, windows);
            }
            ExpectSameLog(data, scan, run, step);
            for (int k = 0; k < 5; ++k) {
                const CheckArgs check = random.Check();
                const int verdict = scan.Judge(version, check);
                ++verdicts[verdict];
                ASSERT_EQ(JudgeCall(data.g_log, version, check), verdict)
                    << "run " << run << " step " << step << " call " << check.call << " band "
                    << check.band << " country " << check.country;
            }
        }
    }
    // The material reaches every verdict and many removals.
    for (int verdict = 0; verdict < 5; ++verdict) EXPECT_GT(verdicts[verdict], 500) << verdict;
    EXPECT_GT(removed, 1000);
    EXPECT_GT(resets, 200);
}

}  // namespace
