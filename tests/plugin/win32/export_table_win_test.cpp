// The export directory of the loaded Stats.dll, read from memory, and the
// entries the loader resolves by name and by ordinal.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "tests/plugin/win32/stats_dll_win.h"

namespace {
// In ordinal order (1 to 22), each with the plain export at the same entry.
struct ExportRow {
    const char* name;
    const char* twin;
};
const ExportRow kExports[] = {
    {"?AddData0@@YAHPBD0PAVCOleDateTime@@111II000000000000000HHHNN00000@Z", "AddData0"},
    {"?CheckCallFunc0@@YAHPBDII00000000000HHHNN0000000PAD1@Z", "CheckCall0"},
    {"?GetNumberOfSets@@YAHXZ", "GetNumberOfSets"},
    {"?GetResult0@@YAPBDPAH@Z", "GetResult0"},
    {"?GetSetName@@YAPBDH@Z", "GetSetName"},
    {"?RemoveData0@@YAHPBD0PAVCOleDateTime@@111II000000000000000HHHNN00000@Z", "RemoveData0"},
    {"?ResetStats0@@YAHPBDH0PAVCOleDateTime@@10000000000HHHNN000@Z", "ResetStats0"},
    {"?SetupSet0@@YAXXZ", "SetupSet0"},
    {"?StatsGetExchgCount0@@YAHPBD00@Z", "GetExchgCount0"},
    {"?StatsIsValidExchg0@@YAHPBD000HHH@Z", "IsValidExchg0"},
    {"?setVersion@@YAKPBD@Z", "setVersion"},
    {"AddData0", "AddData0"},
    {"CheckCall0", "CheckCall0"},
    {"GetExchgCount0", "GetNumberOfSets"},  // one body answers both
    {"GetNumberOfSets", "GetNumberOfSets"},
    {"GetResult0", "GetResult0"},
    {"GetSetName", "GetSetName"},
    {"IsValidExchg0", "IsValidExchg0"},
    {"RemoveData0", "RemoveData0"},
    {"ResetStats0", "ResetStats0"},
    {"SetupSet0", "SetupSet0"},
    {"setVersion", "setVersion"},
};

struct ExportDirectory {
    std::string dllName;
    DWORD base = 0;
    DWORD functions = 0;
    std::vector<std::pair<std::string, DWORD>> names;  // name, ordinal
};

ExportDirectory ReadExportDirectory(HMODULE module) {
    const auto* image = reinterpret_cast<const BYTE*>(module);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(image);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS32*>(image + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& entry =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
    const auto* dir = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(image + entry.VirtualAddress);
    ExportDirectory result;
    result.dllName = reinterpret_cast<const char*>(image + dir->Name);
    result.base = dir->Base;
    result.functions = dir->NumberOfFunctions;
    const auto* names = reinterpret_cast<const DWORD*>(image + dir->AddressOfNames);
    const auto* ordinals = reinterpret_cast<const WORD*>(image + dir->AddressOfNameOrdinals);
    for (DWORD i = 0; i < dir->NumberOfNames; ++i)
        result.names.emplace_back(reinterpret_cast<const char*>(image + names[i]),
                                  ordinals[i] + dir->Base);
    return result;
}
}  // namespace

TEST(ExportTable, NamesTheFileAndHoldsTheNamesAtTheirOrdinals) {
    const HMODULE module = StatsDll::Get().module;
    ASSERT_NE(module, nullptr);
    const ExportDirectory dir = ReadExportDirectory(module);
    EXPECT_EQ(dir.dllName, "Stats.dll");
    EXPECT_EQ(dir.base, 1u);
    EXPECT_EQ(dir.functions, std::size(kExports));
    ASSERT_EQ(dir.names.size(), std::size(kExports));
    for (size_t i = 0; i < dir.names.size(); ++i) {
        EXPECT_EQ(dir.names[i].first, kExports[i].name) << "name " << i;
        EXPECT_EQ(dir.names[i].second, i + 1) << kExports[i].name;
    }
}

TEST(ExportTable, EachNameAndOrdinalReachesTheEntryOfItsTwin) {
    const HMODULE module = StatsDll::Get().module;
    ASSERT_NE(module, nullptr);
    WORD ordinal = 1;
    for (const ExportRow& row : kExports) {
        const FARPROC byName = GetProcAddress(module, row.name);
        const FARPROC byOrdinal = GetProcAddress(module, MAKEINTRESOURCEA(ordinal++));
        ASSERT_NE(byName, nullptr) << row.name;
        EXPECT_EQ(byName, byOrdinal) << row.name;
        EXPECT_EQ(byName, GetProcAddress(module, row.twin)) << row.name << " / " << row.twin;
    }
}

TEST(ExportTable, DecoratedNamesAnswerLikeTheirTwins) {
    const HMODULE module = StatsDll::Get().module;
    ASSERT_NE(module, nullptr);
    auto count = Export<int (*)(const char*, const char*, const char*)>(
        module, "?StatsGetExchgCount0@@YAHPBD00@Z");
    auto name = Export<const char* (*)(int)>(module, "?GetSetName@@YAPBDH@Z");
    ASSERT_NE(count, nullptr);
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(count(nullptr, nullptr, nullptr), 1);
    EXPECT_STREQ(name(0), "KOLVEX Contest (C)");
}
