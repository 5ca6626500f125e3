#include "tools/host_options.h"

#include <gtest/gtest.h>

#include <vector>

namespace host {
namespace {

bool Parse(std::vector<const char*> args, HostOptions* o, std::string* error) {
    args.insert(args.begin(), "stand_in_host");
    return ParseOptions(static_cast<int>(args.size()), args.data(), o, error);
}

struct AutomationCase {
    std::vector<const char*> args;
    bool automation;
    AutomationQuirk quirk;
    int typePauseMs, holdMs, cycles;
    const char* macroLog;
};

TEST(HostOptions, AutomationOptionsAreRead) {
    const AutomationCase cases[] = {
        {{"--log", "a.adi"}, false, AutomationQuirk::none, 0, 0, 0, ""},
        {{"--log", "a.adi", "--automation"}, true, AutomationQuirk::none, 0, 0, 0, ""},
        {{"--log", "a.adi", "--automation-quirk", "long-call"},
         true,
         AutomationQuirk::longCall,
         0,
         0,
         0,
         ""},
        {{"--log", "a.adi", "--automation", "--type-pause-ms", "0", "--hold-ms", "600000",
          "--macro-log", "m.txt"},
         true,
         AutomationQuirk::none,
         0,
         600000,
         0,
         "m.txt"},
        {{"--cycles", "5", "--type-pause-ms", "250"}, false, AutomationQuirk::none, 250, 0, 5, ""},
    };
    for (const AutomationCase& c : cases) {
        HostOptions o;
        std::string error;
        ASSERT_TRUE(Parse(c.args, &o, &error)) << error;
        EXPECT_EQ(c.automation, o.automation);
        EXPECT_EQ(c.quirk, o.automationQuirk);
        EXPECT_EQ(c.typePauseMs, o.typePauseMs);
        EXPECT_EQ(c.holdMs, o.holdMs);
        EXPECT_EQ(c.cycles, o.cycles);
        EXPECT_EQ(c.macroLog, o.macroLog);
    }
}

TEST(HostOptions, BadAutomationValuesAreRefused) {
    const std::vector<std::vector<const char*>> cases = {
        {"--log", "a.adi", "--automation-quirk", "bogus"},
        {"--log", "a.adi", "--automation-quirk", "Fail"},
        {"--log", "a.adi", "--type-pause-ms", "-1"},
        {"--log", "a.adi", "--type-pause-ms", "600001"},
        {"--log", "a.adi", "--hold-ms", "1s"},
        {"--log", "a.adi", "--hold-ms"},
        {"--cycles", "0"},
        {"--automation"},  // neither a log, a load run nor cycles
    };
    for (const auto& args : cases) {
        HostOptions o;
        std::string error;
        EXPECT_FALSE(Parse(args, &o, &error)) << args[args.size() - 1];
        EXPECT_FALSE(error.empty());
    }
}

struct LiveCase {
    std::vector<const char*> args;
    int live;
    const char* thenLog;
    const char* screenshotDir;
};

TEST(HostOptions, LiveOptionsAreRead) {
    const LiveCase cases[] = {
        {{"--log", "a.adi"}, 0, "", ""},
        {{"--log", "a.adi", "--then", "b.adi"}, 0, "b.adi", ""},
        {{"--log", "a.adi", "--automation", "--live", "12"}, 12, "", ""},
        {{"--log", "a.adi", "--then", "b.adi", "--live", "1", "--screenshots", "C:\\shots"},
         1,
         "b.adi",
         "C:\\shots"},
        {{"--screenshots", "s", "--live", "3", "--log", "a.adi"}, 3, "", "s"},
    };
    for (const LiveCase& c : cases) {
        HostOptions o;
        std::string error;
        ASSERT_TRUE(Parse(c.args, &o, &error)) << error;
        EXPECT_EQ(c.live, o.live);
        EXPECT_EQ(c.thenLog, o.thenLog);
        EXPECT_EQ(c.screenshotDir, o.screenshotDir);
    }
}

TEST(HostOptions, BadLiveValuesAndCombinationsAreRefused) {
    const std::vector<std::vector<const char*>> cases = {
        {"--log", "a.adi", "--live", "0"},
        {"--log", "a.adi", "--live", "-2"},
        {"--log", "a.adi", "--live", "3x"},
        {"--log", "a.adi", "--live"},
        {"--log", "a.adi", "--then"},
        {"--log", "a.adi", "--screenshots", "s"},  // screenshots of live QSOs only
        {"--log", "a.adi", "--live", "5", "--export"},
        {"--load", "100", "--live", "5"},
        {"--cycles", "2", "--then", "b.adi"},
    };
    for (const auto& args : cases) {
        HostOptions o;
        std::string error;
        EXPECT_FALSE(Parse(args, &o, &error)) << args[args.size() - 1];
        EXPECT_FALSE(error.empty());
    }
}

TEST(HostOptions, EveryQuirkNameReadsBack) {
    const AutomationQuirk all[] = {
        AutomationQuirk::none,      AutomationQuirk::wrongTypes, AutomationQuirk::longCall,
        AutomationQuirk::nanDial,   AutomationQuirk::infDial,    AutomationQuirk::negativeDial,
        AutomationQuirk::floatDial, AutomationQuirk::fail,       AutomationQuirk::registeredOnly,
    };
    for (AutomationQuirk quirk : all) {
        AutomationQuirk parsed = AutomationQuirk::none;
        ASSERT_TRUE(ParseAutomationQuirk(AutomationQuirkName(quirk), &parsed));
        EXPECT_EQ(quirk, parsed) << AutomationQuirkName(quirk);
    }
}

}  // namespace
}  // namespace host
