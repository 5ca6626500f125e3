#include "settings/settings.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/case_name.h"
#include "tests/support/fake_environment.h"

namespace {

struct IntCase {
    const char* name;
    const char* stored;  // nullptr: key missing
    int value;
};

class SettingsReadInt : public testing::TestWithParam<IntCase> {};

TEST_P(SettingsReadInt, ConvertsLikeAtoi) {
    MapProfileStore store;
    if (GetParam().stored != nullptr) store.values["setup_x"] = GetParam().stored;
    Settings settings(store);
    EXPECT_EQ(settings.ReadInt("setup_x"), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Table, SettingsReadInt,
                         testing::Values(IntCase{"Missing", nullptr, 0}, IntCase{"Empty", "", 0},
                                         IntCase{"NotANumber", "abc", 0},
                                         IntCase{"LeadingDigitsTaken", "12abc", 12},
                                         IntCase{"Negative", "-5", -5},
                                         IntCase{"LeadingBlanks", "  7", 7},
                                         IntCase{"Zero", "0", 0}, IntCase{"Plain", "400", 400}),
                         CaseName());

TEST(SettingsFlag, NonZeroIsSet) {
    MapProfileStore store;
    store.values = {{"Province", "1"}, {"EA100DX", "0"}, {"Call_Area", "2"}};
    Settings settings(store);
    EXPECT_TRUE(settings.ReadFlag("Province"));
    EXPECT_FALSE(settings.ReadFlag("EA100DX"));
    EXPECT_TRUE(settings.ReadFlag("Call_Area"));
    EXPECT_FALSE(settings.ReadFlag("style"));
}

TEST(SettingsText, CutTo99Characters) {
    MapProfileStore store;
    store.values = {{"Name", std::string(99, 'a') + "bcd"}, {"Club", std::string(99, 'c')}};
    Settings settings(store);
    EXPECT_EQ(settings.ReadText("Name", ""), std::string(99, 'a'));
    EXPECT_EQ(settings.ReadText("Club", ""), std::string(99, 'c'));
}

TEST(SettingsText, MissingKeyGivesFallback) {
    MapProfileStore store;
    Settings settings(store);
    EXPECT_EQ(settings.ReadText("Operators", "DL1OWN"), "DL1OWN");
}

TEST(SettingsWrite, IntegersInDecimalWithSign) {
    MapProfileStore store;
    Settings settings(store);
    settings.WriteInt("setup_x", -12);
    settings.WriteInt("setup_y", 0);
    settings.WriteInt("dxcc_x", 2147483647);
    EXPECT_EQ(store.values["setup_x"], "-12");
    EXPECT_EQ(store.values["setup_y"], "0");
    EXPECT_EQ(store.values["dxcc_x"], "2147483647");
}

TEST(SettingsWrite, FlagsAsOneAndZero) {
    MapProfileStore store;
    Settings settings(store);
    settings.WriteFlag("Start", true);
    settings.WriteFlag("style", false);
    EXPECT_EQ(store.values["Start"], "1");
    EXPECT_EQ(store.values["style"], "0");
}

TEST(SettingsWrite, TextUnchanged) {
    MapProfileStore store;
    Settings settings(store);
    settings.WriteText("Address", "a<CR><LF>b ");
    EXPECT_EQ(store.values["Address"], "a<CR><LF>b ");
}

TEST(SettingsWrite, ReadsBackWrittenInteger) {
    MapProfileStore store;
    Settings settings(store);
    settings.WriteInt("ea_x", -300);
    EXPECT_EQ(settings.ReadInt("ea_x"), -300);
}

}  // namespace
