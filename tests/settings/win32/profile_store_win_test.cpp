// The settings store over the real profile functions, in a fresh folder
// that plays the host's current directory.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "settings/win32/profile_store_win32.h"
#include "tests/support/temp_folder.h"

namespace {
const char kIni[] = "Plugins\\KOLVEX.ini";
}

TEST(ProfileStore, FirstWriteCreatesTheFileWithItsSectionInPlugins) {
    TempFolder folder;
    ASSERT_TRUE(CreateDirectoryA("Plugins", nullptr));
    ProfileStoreWin32 store;
    store.Write("Start", "1");
    store.Write("Name", "Juan");
    EXPECT_EQ(TempFolder::Read(kIni), "[Settings]\r\nStart=1\r\nName=Juan\r\n");
}

TEST(ProfileStore, ReadsBackWhatWasWrittenAndTheFallbackForMissingKeys) {
    TempFolder folder;
    ASSERT_TRUE(CreateDirectoryA("Plugins", nullptr));
    ProfileStoreWin32 store;
    const std::string high = "\x80\xA0\xC7\xFF";
    struct Row {
        const char* key;
        std::string value;
    } const rows[] = {
        {"Start", "0"}, {"Claimed", "-12"}, {"Email", "a@b.c"}, {"Name", high}, {"Club", ""},
    };
    for (const Row& row : rows) store.Write(row.key, row.value);
    for (const Row& row : rows) EXPECT_EQ(store.Read(row.key, "fallback"), row.value) << row.key;
    EXPECT_EQ(store.Read("Missing", "fallback"), "fallback");
    EXPECT_EQ(store.Read("Missing", ""), "");
}

TEST(ProfileStore, ValuesAndFallbacksAreCutTo99Characters) {
    TempFolder folder;
    ASSERT_TRUE(CreateDirectoryA("Plugins", nullptr));
    ProfileStoreWin32 store;
    const std::string longText(150, 'x');
    store.Write("Address", longText);
    EXPECT_EQ(store.Read("Address", ""), std::string(99, 'x'));
    EXPECT_EQ(store.Read("Missing", longText), std::string(99, 'x'));
    EXPECT_EQ(TempFolder::Read(kIni), "[Settings]\r\nAddress=" + longText + "\r\n")
        << "the file keeps the whole value";
}

TEST(ProfileStore, WithoutPluginsFolderWritesAreLostAndReadsFallBack) {
    TempFolder folder;
    ProfileStoreWin32 store;
    store.Write("Start", "1");
    EXPECT_FALSE(TempFolder::Exists("Plugins")) << "the folder is not created";
    EXPECT_EQ(store.Read("Start", ""), "");
}

TEST(ProfileStore, OtherSectionsOfTheFileAreLeftAlone) {
    TempFolder folder;
    ASSERT_TRUE(CreateDirectoryA("Plugins", nullptr));
    TempFolder::Write(kIni, "[Other]\r\nStart=7\r\n");
    ProfileStoreWin32 store;
    EXPECT_EQ(store.Read("Start", "none"), "none");
    store.Write("Start", "1");
    EXPECT_EQ(TempFolder::Read(kIni), "[Other]\r\nStart=7\r\n[Settings]\r\nStart=1\r\n");
}
