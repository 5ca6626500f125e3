// The export directory of the loaded Stats.dll, read from memory, the
// entries the loader resolves by name and by ordinal, and what each name
// answers.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <sstream>
#include <string>
#include <type_traits>
#include <vector>

#include "tests/plugin/win32/export_run_win.h"
#include "tests/plugin/win32/stats_dll_win.h"
#include "tests/support/temp_folder.h"

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

// The decorated name of the declaration `declared`.
const char* DecoratedName(const std::string& declared) {
    for (const ExportRow& row : kExports)
        if (std::string(row.name).rfind("?" + declared + "@@", 0) == 0) return row.name;
    return "";
}

// The exports found by their decorated names.
host::StatsExports ByDecoratedNames() {
    host::StatsExports d = StatsDll::Get();
    const auto find = [&d](auto& function, const char* declared) {
        function = Export<std::decay_t<decltype(function)>>(d.module, DecoratedName(declared));
    };
    find(d.GetNumberOfSets, "GetNumberOfSets");
    find(d.GetSetName, "GetSetName");
    find(d.setVersion, "setVersion");
    find(d.SetupSet0, "SetupSet0");
    find(d.ResetStats0, "ResetStats0");
    find(d.AddData0, "AddData0");
    find(d.RemoveData0, "RemoveData0");
    find(d.CheckCall0, "CheckCallFunc0");
    find(d.IsValidExchg0, "StatsIsValidExchg0");
    find(d.GetExchgCount0, "StatsGetExchgCount0");
    find(d.GetResult0, "GetResult0");
    return d;
}

// The parts of an answer, each followed by "|".
template <typename... Parts>
std::string Answer(const Parts&... parts) {
    std::ostringstream text;
    ((text << parts << '|'), ...);
    return text.str();
}

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

using namespace host_calls;

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

// Every export under both its names, each argument it reads given a value
// of its own, so that two arguments trading places change the answer.
TEST(ExportTable, EveryNameTakesEachArgumentInItsPlace) {
    ASSERT_NE(StatsDll::Get().module, nullptr);
    const TempFolder folder;
    CreateDirectoryA("Plugins", nullptr);
    TempFolder::Write("MixW2.ini", "MixW=2.17\r\n");
    HostDateTime start{42840.0, 0}, end{42841.0, 0}, time{42841.5, 0}, other{42842.25, 0};
    // A K station in area 3, logged twice (a dupe) or once before a check.
    const host::AddDataArgs q{"EA4XYZ", "W3ABC", &time, 14085000, "RTTY", "579", "589",
                              "012",    "345",   "W3",  "K",      "20m",  "Q9",  &other};
    const host::CheckCallArgs areaOf3{"W3QQ", "RTTY", "W3", "K", "20m"};  // 1 while q is logged
    const auto probe = [&] { return StatsDll::Get().Check(areaOf3); };
    struct Case {
        const char* name;
        std::function<std::string(const host::StatsExports&)> call;
        std::string answer;
    };
    const Case cases[] = {
        {"GetNumberOfSets",  // no arguments
         [](auto& dll) { return Answer(dll.GetNumberOfSets()); }, "1|"},
        {"GetSetName",  // one argument
         [](auto& dll) { return Answer(dll.GetSetName(0)); }, "KOLVEX Contest (C)|"},
        {"GetExchgCount0",  // its arguments are not read
         [](auto& dll) { return Answer(dll.GetExchgCount0("12", "EA1ABC", "EA")); }, "1|"},
        {"SetupSet0",  // no arguments
         [](auto& dll) {
             std::string text;
             WindowDriver box("Stats", [&](HWND b) {
                 text = ItemText(b, 0xFFFF);
                 Press(b, IDOK);
             });
             dll.SetupSet0();
             return Answer(box.Found(), text);
         },
         "1|No additional setup for this plugin|"},
        {"ResetStats0",  // the export request shows the header; the rest the result
         [&](auto& dll) {
             Reset r;  // ".\\", "EA4XYZ", "EA"
             r.start = &start;
             r.end = &end;
             r.unread = "DL";
             const bool header = ExportReset(r, dll);
             Qso spanish;  // 2 points to a Spanish operator, else 3
             spanish.country = "EA";
             spanish.exchReceived = "M";
             Add(spanish);
             std::string result;
             const std::string output = ExportResult(&result);
             DoReset(Reset{});  // ends the export run
             return Answer(header, output, result.substr(0, result.find('\r')),
                           ResultLine(result, "Total"),
                           ResultLine(TempFolder::Read("EA4XYZ.cbr"), "CREATED-BY"));
         },
         "1|File produced: EA4XYZ.cbr|   \t\tKOLVEX CONTEST 15.04-16.04.2017 |"
         "Total\t 1\t  2\t   1\t  1\t0\t0\t0\t0\t  2|CREATED-BY: MixW 2.17|"},
        {"AddData0",  // the dupe line shows most fields; the check the area
         [&](auto& dll) {
             DoReset(Reset{});
             const int first = dll.Add(q);
             const int second = dll.Add(q);
             const std::string bad = TempFolder::Read("BadQSO_StatsKOLVEX_.txt");
             return Answer(first, second, bad, probe());
         },
         "1|1|KOLVEX TEST UBN file \r\nQSO:  14085  RTTY  2017-04-16 1200  EA4XYZ  579  012  "
         "W3ABC  589  345   DUPE !!!\r\n|1|"},
        {"RemoveData0",  // its country only steers the map windows, none open here
         [&](auto& dll) {
             DoReset(Reset{});
             StatsDll::Get().Add(q);
             const int removed = dll.Remove(q);
             return Answer(removed, probe());
         },
         "1|2|"},
        {"CheckCall0",  // a new area; the unread text is the logged call
         [&](auto& dll) {
             DoReset(Reset{});
             StatsDll::Get().Add(q);
             return Answer(dll.Check({"K7/W3XYZ", "RTTY", "K7", "K", "20m", "20M", "W3ABC"}));
         },
         "3|"},
        {"IsValidExchg0",  // a province from Spain; the unread text is the HQ station
         [](auto& dll) {
             return Answer(dll.IsValidExchg0("M", "EA1ABC", "EA", "EA4URE", 5, 6, 7));
         },
         "1|"},
        {"GetResult0",  // one argument
         [](auto& dll) {
             int out = 0;
             const char* result = dll.GetResult0(&out);
             return Answer(out, result != nullptr);
         },
         "-1|1|"},
        {"setVersion",  // its one argument is not read; last, as results are HTML after it
         [](auto& dll) {
             const unsigned long answer = dll.setVersion("2.20");
             return Answer(answer, std::string(dll.GetResult0(nullptr)).rfind("<html>", 0) == 0);
         },
         "0|1|"},
    };
    const host::StatsExports decorated = ByDecoratedNames();
    for (const Case& row : cases) {
        EXPECT_EQ(row.call(StatsDll::Get()), row.answer) << row.name;
        EXPECT_EQ(row.call(decorated), row.answer) << row.name << " (decorated)";
    }
}
