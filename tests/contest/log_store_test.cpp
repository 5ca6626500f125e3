#include "contest/log_store.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

CInfo Record(const std::string& call, const std::string& band = "20m",
             const std::string& mode = "RTTY", const std::string& country = "DL") {
    CInfo info;
    info.m_call = call;
    info.m_band = band;
    info.m_mode = mode;
    info.m_country = country;
    return info;
}

CInfo Area(const std::string& call, std::int32_t CInfo::*field, int area,
           const std::string& band = "20m") {
    CInfo info = Record(call, band);
    info.*field = area;
    return info;
}

std::vector<std::string> Calls(const LogStore& log) {
    std::vector<std::string> calls;
    for (const CInfo& record : log) calls.push_back(record.m_call);
    return calls;
}

TEST(LogStore, KeepsRecordsInOrderAdded) {
    LogStore log;
    log.Add(Record("C"));
    log.Add(Record("A"));
    log.Add(Record("B"));
    EXPECT_EQ(log.GetCount(), 3);
    EXPECT_EQ(Calls(log), (std::vector<std::string>{"C", "A", "B"}));
    EXPECT_EQ(log.GetAt(1).m_call, "A");
    EXPECT_EQ(log.Last()->m_call, "B");
}

TEST(LogStore, RemovingFirstShiftsTheOthersDown) {
    LogStore log;
    const LogStore::Id first = log.Add(Record("A"));
    log.Add(Record("B"));
    log.Add(Record("C"));
    log.RemoveAt(first);
    EXPECT_EQ(log.GetAt(0).m_call, "B");
    EXPECT_EQ(log.GetAt(1).m_call, "C");
    EXPECT_EQ(log.GetCount(), 2);
}

TEST(LogStore, EmptyLogHasNoLastRecord) {
    LogStore log;
    EXPECT_TRUE(log.IsEmpty());
    EXPECT_EQ(log.Last(), nullptr);
}

TEST(LogStore, LastSkipsRemovedRecordsAtTheEnd) {
    LogStore log;
    std::vector<LogStore::Id> ids;
    for (const char* call : {"A", "B", "C", "D", "E"}) ids.push_back(log.Add(Record(call)));
    log.RemoveAt(ids[3]);  // the one before the last, then the last
    log.RemoveAt(ids[4]);
    EXPECT_EQ(log.Last()->m_call, "C");
}

TEST(LogStore, RemoveAllForgetsEveryIndex) {
    LogStore log;
    log.Add(Area("JA1X", &CInfo::m_areaJA, 1));
    log.RemoveAll();
    EXPECT_TRUE(log.IsEmpty());
    EXPECT_FALSE(log.HasCallOnBand("JA1X", "20m"));
    EXPECT_EQ(log.CountSame("JA1X", "20m", "RTTY"), 0);
    EXPECT_EQ(log.FirstOnBand("20m"), nullptr);
    EXPECT_FALSE(log.HasCountryOnBand("20m", "DL"));
    EXPECT_FALSE(log.HasAreaOnBand("20m", Area("JA2X", &CInfo::m_areaJA, 1)));
}

TEST(LogStore, CallOnBandComparesExactly) {
    LogStore log;
    log.Add(Record("DL1ABC", "20m"));
    EXPECT_TRUE(log.HasCallOnBand("DL1ABC", "20m"));
    EXPECT_FALSE(log.HasCallOnBand("dl1abc", "20m"));
    EXPECT_FALSE(log.HasCallOnBand("DL1ABC", "20M"));
    EXPECT_FALSE(log.HasCallOnBand("DL1AB", "20m"));
}

TEST(LogStore, KeysOfJoinedTextsDoNotCollide) {
    LogStore log;
    log.Add(Record("AB", "C", "D", "E"));
    EXPECT_FALSE(log.HasCallOnBand("A", "BC"));
    EXPECT_EQ(log.CountSame("A", "BC", "D"), 0);
    EXPECT_EQ(log.CountSame("AB", "CD", ""), 0);
    EXPECT_FALSE(log.HasCountryOnBand("CE", ""));
}

TEST(LogStore, CountSameFollowsAddsAndRemovals) {
    LogStore log;
    const LogStore::Id first = log.Add(Record("A"));
    log.Add(Record("A"));
    log.Add(Record("A", "20m", "rtty"));
    EXPECT_EQ(log.CountSame("A", "20m", "RTTY"), 2);
    log.RemoveAt(first);
    EXPECT_EQ(log.CountSame("A", "20m", "RTTY"), 1);
    EXPECT_EQ(log.CountSame("A", "20m", "rtty"), 1);
}

TEST(LogStore, FirstOnBandIsEarliestStillInLog) {
    LogStore log;
    const LogStore::Id first = log.Add(Record("A", "40m"));
    log.Add(Record("B", "20m"));
    log.Add(Record("C", "40m"));
    EXPECT_EQ(log.FirstOnBand("40m")->m_call, "A");
    log.RemoveAt(first);
    EXPECT_EQ(log.FirstOnBand("40m")->m_call, "C");
    EXPECT_EQ(log.FirstOnBand("15m"), nullptr);
}

TEST(LogStore, CountryOnBandLastsUntilItsLastRecordGoes) {
    LogStore log;
    const LogStore::Id a = log.Add(Record("A", "20m", "RTTY", "EA8"));
    const LogStore::Id b = log.Add(Record("B", "20m", "RTTY", "EA8"));
    log.RemoveAt(a);
    EXPECT_TRUE(log.HasCountryOnBand("20m", "EA8"));
    log.RemoveAt(b);
    EXPECT_FALSE(log.HasCountryOnBand("20m", "EA8"));
}

TEST(LogStore, CountryOnBandIgnoresOtherBands) {
    LogStore log;
    log.Add(Record("A", "40m", "RTTY", "EA8"));
    EXPECT_FALSE(log.HasCountryOnBand("20m", "EA8"));
}

TEST(LogStore, AreaMatchesOnlySameKindAndBand) {
    LogStore log;
    log.Add(Area("K4X", &CInfo::m_areaK, 4));
    log.Add(Area("JA3X", &CInfo::m_areaJA, 3, "40m"));
    EXPECT_TRUE(log.HasAreaOnBand("20m", Area("W4Y", &CInfo::m_areaK, 4)));
    EXPECT_FALSE(log.HasAreaOnBand("20m", Area("VE4Y", &CInfo::m_areaVE, 4)));
    EXPECT_FALSE(log.HasAreaOnBand("20m", Area("JA3Y", &CInfo::m_areaJA, 3)));
    EXPECT_FALSE(log.HasAreaOnBand("20m", Record("K0Y")));  // -1 never matches
}

TEST(LogStore, FindQsoGivesFirstRecordOfSameTime) {
    LogStore log;
    CInfo early = Record("A");
    early.m_time = COleDateTime(100.0, COleDateTime::valid);
    CInfo late = early;
    late.m_time = COleDateTime(200.0, COleDateTime::valid);
    log.Add(early);
    const LogStore::Id second = log.Add(late);
    const LogStore::Id third = log.Add(late);
    ASSERT_NE(log.FindQso("A", "20m", "RTTY", late.m_time), nullptr);
    EXPECT_EQ(*log.FindQso("A", "20m", "RTTY", late.m_time), second);
    log.RemoveAt(second);
    EXPECT_EQ(*log.FindQso("A", "20m", "RTTY", late.m_time), third);
    EXPECT_EQ(log.FindQso("A", "20m", "RTTY", COleDateTime(300.0, COleDateTime::valid)), nullptr);
    EXPECT_EQ(log.FindQso("A", "20m", "rtty", late.m_time), nullptr);
}

TEST(LogStore, RemovingUnknownIdChangesNothing) {
    LogStore log;
    const LogStore::Id id = log.Add(Record("A"));
    log.RemoveAt(id);
    log.Add(Record("B"));
    log.RemoveAt(id);
    EXPECT_EQ(Calls(log), (std::vector<std::string>{"B"}));
}

}  // namespace
