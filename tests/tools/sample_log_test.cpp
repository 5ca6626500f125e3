// The committed sample log must keep exercising every path of the host and
// the plug-in it is meant for; these tests notice a regenerated sample that
// lost one.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>

#include "tools/adif_reader.h"
#include "tools/cty_file.h"
#include "tools/host_qso.h"

namespace {

std::string ReadFile(const std::string& name) {
    std::ifstream in(std::string(KOLVEX_SAMPLES_DIR) + "/" + name, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class SampleLog : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        countries = new cty::CountryFile(cty::CountryFile::Parse(ReadFile("cty.dat")));
        doc = new adif::Document(adif::Parse(ReadFile("kolvex_sample.adi")));
    }
    static void TearDownTestSuite() {
        delete countries;
        delete doc;
    }
    static host::Qso At(std::size_t i) {
        host::QsoSourceOptions options;
        options.countries = countries;
        return host::QsoFromRecord(doc->records[i], options);
    }
    static cty::CountryFile* countries;
    static adif::Document* doc;
};
cty::CountryFile* SampleLog::countries = nullptr;
adif::Document* SampleLog::doc = nullptr;

TEST_F(SampleLog, ParsesCleanly) {
    EXPECT_GE(doc->records.size(), 1400u);
    EXPECT_FALSE(doc->truncated);
    EXPECT_EQ(doc->malformedTags, 0);
    EXPECT_EQ(countries->SkippedBlocks(), 0);
    EXPECT_GE(countries->Entities().size(), 40u);
}

// Where a record names its country, the country file must agree: both ways
// of finding it are meant to give the same log.
TEST_F(SampleLog, CountryFieldAndCountryFileAgree) {
    int withField = 0;
    for (const adif::Record& r : doc->records) {
        std::string fromFile = countries->PrimaryPrefix(r.Value("CALL"));
        EXPECT_FALSE(fromFile.empty()) << r.Value("CALL");
        if (!r.Has(host::kCountryField)) continue;
        ++withField;
        EXPECT_EQ(r.Value(host::kCountryField), fromFile) << r.Value("CALL");
    }
    EXPECT_GT(withField, 100);
    EXPECT_LT(withField, static_cast<int>(doc->records.size()) - 100);
}

TEST_F(SampleLog, CoversTheCasesItIsMeantFor) {
    std::map<std::string, int> bands, modes;
    std::set<std::string> countrySet;
    std::map<std::string, int> seen;
    int dupes = 0, emptyExchange = 0, hqOk = 0, hqWrong = 0;
    for (std::size_t i = 0; i < doc->records.size(); ++i) {
        host::Qso q = At(i);
        ++bands[q.band];
        ++modes[q.mode];
        countrySet.insert(q.country);
        if (seen[q.call + "|" + q.band + "|" + q.mode]++ > 0) ++dupes;
        if (q.exchReceived.empty() || q.exchSent.empty()) ++emptyExchange;
        if (q.call == "EA4URE")
            (q.exchReceived == "HQ" || q.exchReceived == "hq" ? hqOk : hqWrong)++;
    }
    for (const char* band : {"80m", "40m", "20m", "15m", "10m"}) EXPECT_GT(bands[band], 50) << band;
    EXPECT_GE(bands["160m"], 2);
    EXPECT_GE(modes["PSK"] + modes["CW"], 3);
    for (const char* c : {"EA", "EA6", "EA8", "EA9", "K", "VE", "JA", "VK"})
        EXPECT_EQ(countrySet.count(c), 1u) << c;
    EXPECT_GE(countrySet.size(), 30u);
    EXPECT_GE(dupes, 5);
    EXPECT_GE(emptyExchange, 2);
    EXPECT_GE(hqOk, 3);
    EXPECT_EQ(hqWrong, 1);
}

}  // namespace
