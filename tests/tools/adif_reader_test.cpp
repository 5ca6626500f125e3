#include "tools/adif_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using adif::Parse;

struct FieldCase {
    const char* name;
    std::string text;
    const char* field;
    std::string expected;  // value of `field` in the first record
};

class FirstRecordField : public ::testing::TestWithParam<FieldCase> {};

TEST_P(FirstRecordField, HasExpectedValue) {
    const FieldCase& c = GetParam();
    adif::Document doc = Parse(c.text);
    ASSERT_FALSE(doc.records.empty());
    EXPECT_EQ(doc.records[0].Value(c.field), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Adif, FirstRecordField,
    ::testing::Values(
        FieldCase{"Plain", "<CALL:6>EA4URE<EOR>", "CALL", "EA4URE"},
        FieldCase{"LowerCaseTag", "<call:5>K4ABC<eor>", "CALL", "K4ABC"},
        FieldCase{"LookupIgnoresCase", "<Srx_String:1>M<EoR>", "srx_string", "M"},
        FieldCase{"TypeIndicator", "<QSO_DATE:8:D>20170211<EOR>", "QSO_DATE", "20170211"},
        FieldCase{"LengthCountsBytes", "<CALL:3>EA4URE<EOR>", "CALL", "EA4"},
        FieldCase{"ValueKeepsBlanks", "<SRX_STRING:3> m <EOR>", "SRX_STRING", " m "},
        FieldCase{"ValueMayHoldTags", "<COMMENT:9><EOR>x<y><EOR>", "COMMENT", "<EOR>x<y>"},
        FieldCase{"ZeroLength", "<SRX:0><CALL:2>K1<EOR>", "SRX", ""},
        FieldCase{"MissingField", "<CALL:2>K1<EOR>", "SRX", ""},
        FieldCase{"FirstOfTwoWins", "<CALL:2>K1<CALL:2>K2<EOR>", "CALL", "K1"},
        FieldCase{"NewlinesBetweenFields", "<CALL:2>K1\r\n<BAND:3>20M\r\n<EOR>\r\n", "BAND", "20M"},
        FieldCase{"HighBytes", std::string("<NAME:2>\xC0\xFF<EOR>"), "NAME",
                  std::string("\xC0\xFF")},
        FieldCase{"NulInsideValue", std::string("<NAME:3>a\0b<EOR>", 16), "NAME",
                  std::string("a\0b", 3)}),
    [](const auto& param) { return std::string(param.param.name); });

struct ShapeCase {
    const char* name;
    std::string text;
    std::size_t records;
    std::size_t headerFields;
    bool truncated;
    int malformedTags;
};

class DocumentShape : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(DocumentShape, CountsRecordsAndFaults) {
    const ShapeCase& c = GetParam();
    adif::Document doc = Parse(c.text);
    EXPECT_EQ(doc.records.size(), c.records);
    EXPECT_EQ(doc.header.Fields().size(), c.headerFields);
    EXPECT_EQ(doc.truncated, c.truncated);
    EXPECT_EQ(doc.malformedTags, c.malformedTags);
}

INSTANTIATE_TEST_SUITE_P(
    Adif, DocumentShape,
    ::testing::Values(
        ShapeCase{"Empty", "", 0, 0, false, 0},
        ShapeCase{"HeaderOnly", "Log <ADIF_VER:5>3.1.0 <EOH>", 0, 1, false, 0},
        ShapeCase{"HeaderAndRecords", "hdr <PROGRAMID:4>test<eoh><CALL:2>K1<EOR><CALL:2>K2<EOR>", 2,
                  1, false, 0},
        ShapeCase{"EohInsideHeaderValue", "x <C:5><EOH> <EOH><CALL:2>K1<EOR>", 1, 1, false, 0},
        ShapeCase{"NoHeaderWhenFirstByteIsTag", "<CALL:2>K1<EOR>", 1, 0, false, 0},
        ShapeCase{"TextWithoutEohIsRecords", "junk <CALL:2>K1<EOR>", 1, 0, false, 0},
        ShapeCase{"EmptyRecordsSkipped", "<EOR><EOR><CALL:2>K1<EOR>", 1, 0, false, 0},
        ShapeCase{"TrailingPartialRecord", "<CALL:2>K1<EOR><CALL:2>K2", 1, 0, true, 0},
        ShapeCase{"CutInsideValue", "<CALL:2>K1<EOR><CALL:6>EA", 1, 0, true, 0},
        ShapeCase{"CutInsideTag", "<CALL:2>K1<EOR><CAL", 1, 0, true, 1},
        ShapeCase{"HugeLength", "<CALL:99999999999999999999999>K1<EOR>", 0, 0, true, 0},
        ShapeCase{"BadLength", "<CALL:x>K1<CALL:2>K2<EOR>", 1, 0, false, 1},
        ShapeCase{"NegativeLength", "<CALL:-2>K1<EOR>", 0, 0, false, 1},
        ShapeCase{"NoName", "<:2>K1<CALL:2>K2<EOR>", 1, 0, false, 1},
        ShapeCase{"UnclosedTagBeforeTag", "<CALL:2 <CALL:2>K2<EOR>", 1, 0, false, 1},
        ShapeCase{"LoneBrackets", "<<<>>><EOR>", 0, 0, false, 3}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(AdifFields, KeepNameTypeAndValueInOrder) {
    adif::Document doc = Parse("<call:6:s>EA4URE<Freq:6:N>14.085<EOR>");
    ASSERT_EQ(doc.records.size(), 1u);
    const std::vector<adif::Field>& fields = doc.records[0].Fields();
    ASSERT_EQ(fields.size(), 2u);
    EXPECT_EQ(fields[0].name, "CALL");
    EXPECT_EQ(fields[0].type, "S");
    EXPECT_EQ(fields[1].name, "FREQ");
    EXPECT_EQ(fields[1].type, "N");
    EXPECT_EQ(fields[1].value, "14.085");
}

// Every prefix of a well-formed log and every byte value must parse without
// fault; the records found can only be complete ones.
TEST(AdifRobustness, EveryTruncationGivesOnlyCompleteRecords) {
    const std::string log =
        "header <ADIF_VER:5>3.1.0<EOH>\n<CALL:6>EA4URE<SRX_STRING:2>HQ<EOR>\n"
        "<CALL:5>K4ABC<SRX:3>123<EOR>\n";
    for (std::size_t n = 0; n <= log.size(); ++n) {
        adif::Document doc = Parse(std::string_view(log).substr(0, n));
        for (const adif::Record& r : doc.records) {
            std::string call = r.Value("CALL");
            EXPECT_TRUE(call == "EA4URE" || call == "K4ABC") << "cut at " << n;
        }
    }
}

TEST(AdifRobustness, AllByteValuesParse) {
    std::string bytes;
    for (int round = 0; round < 4; ++round)
        for (int b = 0; b < 256; ++b) bytes.push_back(static_cast<char>((b * 37 + round) & 0xFF));
    bytes += "<CALL:2>K1<EOR>";
    adif::Document doc = Parse(bytes);
    ASSERT_FALSE(doc.records.empty());
    EXPECT_EQ(doc.records.back().Value("CALL"), "K1");
}

}  // namespace
