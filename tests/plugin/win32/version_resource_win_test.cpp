// The version resource of the built Stats.dll, read back through the version
// functions the way Explorer and installers read it.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "stats_version.h"  // made by CMake from the project version
#include "tests/plugin/win32/stats_dll_win.h"
#include "tests/support/case_name.h"

namespace {

std::vector<char> VersionBlock() {
    char path[MAX_PATH] = {};
    const HMODULE module = StatsDll::Get().module;
    if (module == nullptr || GetModuleFileNameA(module, path, MAX_PATH) == 0) return {};
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeA(path, &handle);
    if (size == 0) return {};
    std::vector<char> block(size);
    if (!GetFileVersionInfoA(path, 0, size, block.data())) return {};
    return block;
}

const std::vector<char>& Block() {
    static const std::vector<char> block = VersionBlock();
    return block;
}

// Null when the block has no such value.
const void* Query(const char* subBlock, UINT* length) {
    void* value = nullptr;
    *length = 0;
    if (Block().empty()) return nullptr;
    if (!VerQueryValueA(Block().data(), subBlock, &value, length)) return nullptr;
    return value;
}

struct StringCase {
    const char* name;
    const char* expected;
};

const StringCase kStrings[] = {
    {"FileDescription", "KOLVEX Contest (C) - MixW statistics plug-in"},
    {"FileVersion", STATS_VERSION_TEXT},
    {"InternalName", "Stats"},
    {"OriginalFilename", "Stats.dll"},
    {"ProductName", "KOLVEX Contest (C) statistics"},
    {"ProductVersion", STATS_VERSION_TEXT},
};

class VersionString : public testing::TestWithParam<StringCase> {};

}  // namespace

TEST(VersionResource, FixedPartGivesTheProjectVersionOfADll) {
    constexpr WORD kVersion[] = {STATS_VERSION};  // major, minor, patch, tweak
    ASSERT_FALSE(Block().empty()) << "no version resource in Stats.dll";
    UINT length = 0;
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(Query("\\", &length));
    ASSERT_NE(fixed, nullptr);
    ASSERT_GE(length, sizeof(VS_FIXEDFILEINFO));
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(kVersion[1], kVersion[0]));
    EXPECT_EQ(fixed->dwFileVersionLS, MAKELONG(kVersion[3], kVersion[2]));
    EXPECT_EQ(fixed->dwProductVersionMS, MAKELONG(kVersion[1], kVersion[0]));
    EXPECT_EQ(fixed->dwProductVersionLS, MAKELONG(kVersion[3], kVersion[2]));
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_DLL));
    EXPECT_EQ(fixed->dwFileFlags & fixed->dwFileFlagsMask, 0u) << "debug or pre-release flag set";
}

TEST(VersionResource, TranslationIsUsEnglishInWindows1252) {
    UINT length = 0;
    const auto* translation =
        static_cast<const WORD*>(Query("\\VarFileInfo\\Translation", &length));
    ASSERT_NE(translation, nullptr);
    ASSERT_EQ(length, 2 * sizeof(WORD));
    EXPECT_EQ(translation[0], 0x0409);
    EXPECT_EQ(translation[1], 1252);
}

TEST_P(VersionString, ReadsBackUnderTheTranslationKey) {
    const std::string subBlock = std::string("\\StringFileInfo\\040904E4\\") + GetParam().name;
    UINT length = 0;
    const auto* text = static_cast<const char*>(Query(subBlock.c_str(), &length));
    ASSERT_NE(text, nullptr) << GetParam().name << " missing";
    EXPECT_STREQ(text, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Strings, VersionString, testing::ValuesIn(kStrings), CaseName());
