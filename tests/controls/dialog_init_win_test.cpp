// Reading the initial list items kept beside a dialog template.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "controls/dialog_init.h"

namespace {
void Append(std::string& data, WORD id, WORD message, DWORD length, const std::string& bytes) {
    data.append(reinterpret_cast<const char*>(&id), 2);
    data.append(reinterpret_cast<const char*>(&message), 2);
    data.append(reinterpret_cast<const char*>(&length), 4);
    data += bytes;
}

std::vector<DlgInitItem> Parse(const std::string& data) {
    return ParseDlgInit(reinterpret_cast<const unsigned char*>(data.data()), data.size());
}

std::vector<std::string> Texts(const std::vector<DlgInitItem>& items) {
    std::vector<std::string> texts;
    for (const auto& item : items) texts.push_back(item.text);
    return texts;
}
}  // namespace

TEST(DlgInit, ReadsRecordsUntilTheEndMark) {
    std::string data;
    Append(data, 1013, kDlgInitComboAdd, 10, std::string("SINGLE-OP", 10));
    Append(data, 1014, kDlgInitListAdd, 4, std::string("ALL", 4));
    data.append(2, '\0');
    Append(data, 1015, kDlgInitComboAdd, 4, std::string("NOT", 4));  // after the end mark
    const auto items = Parse(data);
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].controlId, 1013);
    EXPECT_EQ(items[0].message, kDlgInitComboAdd);
    EXPECT_EQ(items[1].controlId, 1014);
    EXPECT_EQ(items[1].message, kDlgInitListAdd);
    EXPECT_EQ(Texts(items), (std::vector<std::string>{"SINGLE-OP", "ALL"}));
}

TEST(DlgInit, DamagedDataGivesTheWholeRecordsBeforeTheDamage) {
    struct Row {
        const char* what;
        std::string data;
        std::vector<std::string> texts;
    };
    std::string good;
    Append(good, 1, kDlgInitComboAdd, 3, std::string("AB", 3));
    std::string overlong = good;
    Append(overlong, 2, kDlgInitComboAdd, 0xFFFFFFFF, "CD");
    std::string cutHeader = good + std::string("\x02\x00\x03", 3);
    std::string noTerminator;
    Append(noTerminator, 3, kDlgInitComboAdd, 2, "EF");
    const Row rows[] = {
        {"empty", "", {}},
        {"one byte", std::string(1, '\x05'), {}},
        {"no end mark", good, {"AB"}},
        {"length past the end", overlong, {"AB"}},
        {"header cut short", cutHeader, {"AB"}},
        {"text without its zero", noTerminator, {"EF"}},
    };
    for (const Row& row : rows) EXPECT_EQ(Texts(Parse(row.data)), row.texts) << row.what;
    EXPECT_TRUE(ParseDlgInit(nullptr, 100).empty());
}
