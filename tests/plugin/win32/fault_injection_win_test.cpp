// The real Stats.dll when its files fail: a read-only, locked or missing
// bad-QSO file, no "Plugins" folder, a read-only settings file, a huge host
// settings file, odd host folders, a Cabrillo file that cannot be replaced,
// a full disk.  Every export answers as usual, the log loses nothing, and
// the process goes on.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "tests/plugin/win32/export_run_win.h"
#include "tests/plugin/win32/host_calls_win.h"
#include "tests/support/import_hook_win.h"
#include "tests/support/temp_folder.h"
#include "tests/support/window_driver_win.h"

using namespace host_calls;

namespace {

const char* const kNoSmallDisk =
    "no small file system mounted (mounting needs root outside a container)";

// A null period end names the bad-QSO file with an empty date.
const char* const kBadFile = "BadQSO_StatsKOLVEX_.txt";
// A rewritten file is written whole under these names first.
const char* const kBadTempFile = "BadQSO_StatsKOLVEX_.txt.tmp";
const char* const kCabrilloFile = "EA4XYZ.cbr";
const char* const kCabrilloTempFile = "EA4XYZ.cbr.tmp";
const char* const kSettingsFile = "Plugins\\KOLVEX.ini";
constexpr double k16April2017 = 42841.0;

HostDateTime g_time1{k16April2017 + 10.0 / 1440, 0}, g_time2{k16April2017 + 20.0 / 1440, 0},
    g_time3{k16April2017 + 30.0 / 1440, 0};

// Own country EA: each of these is worth 1 point and one entity.
Qso Station(const char* call, const char* prefix, const char* country, HostDateTime* time) {
    Qso q;
    q.call = call;
    q.callPrefix = prefix;
    q.country = country;
    q.time = time;
    return q;
}
Qso Dl() { return Station("DL1ABC", "DL1", "DL", &g_time1); }
Qso Ja() { return Station("JA1XYZ", "JA1", "JA", &g_time2); }  // also the call area JA1
Qso Ua() { return Station("UA3AAA", "UA3", "UA", &g_time3); }

std::string Result() { return StatsDll::Get().GetResult0(nullptr); }
std::string Total() { return ResultLine(Result(), "Total"); }
std::string Dupes() { return ResultLine(Result(), "Dupe"); }

// The result's "Total" row: the QSOs, their points, the entities, no
// province, the Japanese call areas, and the multipliers.
std::string TotalRow(int qsos, int entities, int japaneseAreas) {
    const auto n = [](int value) { return std::to_string(value); };
    return "Total\t " + n(qsos) + "\t  " + n(qsos) + "\t   " + n(entities) + "\t  0\t" +
           n(japaneseAreas) + "\t0\t0\t0\t  " + n(entities + japaneseAreas);
}

// The verdict on a call on 160 m: 4 from most hosts, 1 from MixW 2.19 and
// 2.20, so it shows which host version the plug-in has learnt.
int RefusalVerdict() {
    Check c;
    c.band = "160m";
    return DoCheck(c);
}

bool IsDirectory(const char* name) {
    const DWORD attributes = GetFileAttributesA(name);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// A file made read-only that another program also holds open for reading,
// sharing no writes: under Wine as root the attribute alone stops no write.
class ReadOnly {
  public:
    explicit ReadOnly(const char* name) : m_name(name) {
        SetFileAttributesA(name, FILE_ATTRIBUTE_READONLY);
        m_reader = CreateFileA(name, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
    }
    ~ReadOnly() {
        if (m_reader != INVALID_HANDLE_VALUE) CloseHandle(m_reader);
        SetFileAttributesA(m_name, FILE_ATTRIBUTE_NORMAL);
    }
    ReadOnly(const ReadOnly&) = delete;
    ReadOnly& operator=(const ReadOnly&) = delete;
    bool Held() const { return m_reader != INVALID_HANDLE_VALUE; }

  private:
    const char* m_name;
    HANDLE m_reader;
};

// The plug-in's file calls, as Stats.dll makes them through its imports,
// each named with the file it concerns, while the object lives.  The flush
// fails when asked to.
class FileCalls {
  public:
    explicit FileCalls(bool failFlush = false)
        : m_open("msvcrt.dll", "_open", reinterpret_cast<void*>(&Open), Dll()),
          m_write("msvcrt.dll", "_write", reinterpret_cast<void*>(&Write), Dll()),
          m_commit("msvcrt.dll", "_commit", reinterpret_cast<void*>(&Commit), Dll()),
          m_close("msvcrt.dll", "_close", reinterpret_cast<void*>(&Close), Dll()),
          m_move("kernel32.dll", "MoveFileExA", reinterpret_cast<void*>(&Move), Dll()) {
        s_this = this;
        m_failFlush = failFlush;
    }
    ~FileCalls() { s_this = nullptr; }
    FileCalls(const FileCalls&) = delete;
    FileCalls& operator=(const FileCalls&) = delete;

    bool Installed() const {
        for (const ImportHook* hook : {&m_open, &m_write, &m_commit, &m_close, &m_move})
            if (hook->Original() == nullptr) return false;
        return true;
    }
    // The calls since the last look.
    std::vector<std::string> Take() { return std::move(m_calls); }

  private:
    static HMODULE Dll() { return StatsDll::Get().module; }
    template <typename Function>
    static Function Original(const ImportHook& hook) {
        return reinterpret_cast<Function>(hook.Original());
    }
    void Note(const std::string& call) { m_calls.push_back(call); }
    std::string NameOf(int file) { return m_names[file]; }

    // _open takes a third argument only with _O_CREAT; passing on whatever
    // the caller left there is harmless.
    static int __cdecl Open(const char* name, int flags, int mode) {
        const int file =
            Original<int(__cdecl*)(const char*, int, int)>(s_this->m_open)(name, flags, mode);
        s_this->m_names[file] = name;
        s_this->Note(std::string("open ") + name);
        return file;
    }
    static int __cdecl Write(int file, const void* data, unsigned size) {
        s_this->Note("write " + s_this->NameOf(file));
        return Original<int(__cdecl*)(int, const void*, unsigned)>(s_this->m_write)(file, data,
                                                                                    size);
    }
    static int __cdecl Commit(int file) {
        s_this->Note("flush " + s_this->NameOf(file));
        if (s_this->m_failFlush) return -1;
        return Original<int(__cdecl*)(int)>(s_this->m_commit)(file);
    }
    static int __cdecl Close(int file) {
        s_this->Note("close " + s_this->NameOf(file));
        return Original<int(__cdecl*)(int)>(s_this->m_close)(file);
    }
    static BOOL WINAPI Move(const char* from, const char* to, DWORD flags) {
        s_this->Note(std::string("move ") + from + " to " + to);
        return Original<BOOL(WINAPI*)(const char*, const char*, DWORD)>(s_this->m_move)(from, to,
                                                                                        flags);
    }

    static FileCalls* s_this;
    ImportHook m_open, m_write, m_commit, m_close, m_move;
    bool m_failFlush = false;
    std::map<int, std::string> m_names;
    std::vector<std::string> m_calls;
};
FileCalls* FileCalls::s_this = nullptr;

// Takes every byte left on the disk of the current folder.
bool FillDisk() {
    HANDLE filler = CreateFileA("filler", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (filler == INVALID_HANDLE_VALUE) return false;
    const std::string block(4096, 'f');
    DWORD written = 0;
    while (WriteFile(filler, block.data(), 4096, &written, nullptr) && written == 4096) {
    }
    CloseHandle(filler);
    return true;
}

class FaultInjection : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_NE(StatsDll::Get().module, nullptr) << "Stats.dll not found beside the test";
    }
    void TearDown() override {
        DoReset(Reset{});  // no export run, no log for the next test
        if (m_onSmallDisk) {
            for (const char* name : {"filler", kBadFile, kBadTempFile, kCabrilloFile,
                                     kCabrilloTempFile, kSettingsFile})
                DeleteFileA(name);
            RemoveDirectoryA("Plugins");
            SetCurrentDirectoryA(m_folder.Path().c_str());
        }
    }
    // The test script mounts a small file system and names its folder in
    // STATS_SMALL_DISK when the machine allows it (root, mount permitted);
    // this makes it the current folder.
    bool EnterSmallDisk() {
        const char* small = std::getenv("STATS_SMALL_DISK");
        m_onSmallDisk = small != nullptr && *small != '\0' && SetCurrentDirectoryA(small);
        return m_onSmallDisk;
    }

    TempFolder m_folder;
    bool m_onSmallDisk = false;
};

}  // namespace

TEST_F(FaultInjection, BadQsoFileMadeReadOnlyBetweenTwoAdds) {
    CreateDirectoryA("Plugins", nullptr);
    ASSERT_EQ(DoReset(Reset{}), 1);
    ASSERT_EQ(Add(Dl()), 1);
    ASSERT_EQ(Add(Dl()), 1);  // a DUPE line
    ASSERT_EQ(Add(Ja()), 1);
    const std::string lines = TempFolder::Read(kBadFile);
    ASSERT_NE(lines.find("DUPE !!!"), std::string::npos) << lines;

    {
        ReadOnly readOnly(kBadFile);
        ASSERT_TRUE(readOnly.Held());
        EXPECT_EQ(Add(Dl()), 1) << "a dupe whose lines cannot be written still enters";
        EXPECT_EQ(Add(Ua()), 1);
        EXPECT_EQ(TempFolder::Read(kBadFile), lines);
        EXPECT_EQ(Total(), TotalRow(3, 3, 1));
        EXPECT_EQ(Dupes(), "Dupe\t 2");
        EXPECT_EQ(Remove(Ja()), 1);
        EXPECT_EQ(TempFolder::Read(kBadFile), lines);
        EXPECT_FALSE(TempFolder::Exists(kBadTempFile)) << "the rewrite that failed left its copy";
        EXPECT_EQ(Total(), TotalRow(2, 2, 0));
    }
    EXPECT_EQ(Remove(Ua()), 1);
    const std::string dupeLine = lines.substr(lines.find("\r\n") + 2);
    EXPECT_EQ(TempFolder::Read(kBadFile), "KOLVEX TEST UBN file  \r\n" + dupeLine);
    EXPECT_EQ(Dupes(), "Dupe\t 2");
}

// A program that holds the file open for writing only, sharing no reading:
// the plug-in can neither read the lines nor keep them, so it leaves the
// file alone rather than rewrite it with the header alone.
TEST_F(FaultInjection, BadQsoFileThatCannotBeReadKeepsItsLines) {
    ASSERT_EQ(DoReset(Reset{}), 1);
    ASSERT_EQ(Add(Dl()), 1);
    ASSERT_EQ(Add(Dl()), 1);
    ASSERT_EQ(Add(Ja()), 1);
    const std::string lines = TempFolder::Read(kBadFile);
    HANDLE writer = CreateFileA(kBadFile, GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    EXPECT_EQ(Remove(Ja()), 1);
    EXPECT_EQ(Total(), TotalRow(1, 1, 0));
    CloseHandle(writer);
    EXPECT_EQ(TempFolder::Read(kBadFile), lines);
    EXPECT_EQ(Remove(Dl()), 1);  // readable again: the DL lines go
    EXPECT_EQ(TempFolder::Read(kBadFile), "KOLVEX TEST UBN file  \r\n");
}

TEST_F(FaultInjection, BadQsoFileNameTakenByADirectory) {
    struct Row {
        const char* when;
        bool beforeReset;
        int qsos;  // of as many entities, one of them Japanese
    };
    const Row rows[] = {{"before the reset", true, 2}, {"after the reset", false, 3}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.when);
        if (row.beforeReset) CreateDirectoryA(kBadFile, nullptr);
        ASSERT_EQ(DoReset(Reset{}), 1);
        if (!row.beforeReset) {
            ASSERT_EQ(Add(Ua()), 1);
            DeleteFileA(kBadFile);
            CreateDirectoryA(kBadFile, nullptr);
        }
        EXPECT_EQ(Add(Dl()), 1);
        EXPECT_EQ(Add(Dl()), 1);
        EXPECT_EQ(Add(Ja()), 1);
        EXPECT_EQ(Total(), TotalRow(row.qsos, row.qsos, 1));
        EXPECT_EQ(Dupes(), "Dupe\t 1");
        EXPECT_EQ(ResultLine(Result(), "Bad QSO"), "Bad QSO\t 0");
        EXPECT_EQ(Remove(Ja()), 1);
        EXPECT_EQ(Remove(Dl()), 1);
        EXPECT_TRUE(IsDirectory(kBadFile));
        EXPECT_EQ(ResultLine(Result(), "Dupe"), "Dupe\t 1");
        RemoveDirectoryA(kBadFile);
    }
}

TEST_F(FaultInjection, WithoutPluginsFolderOnlyTheSettingsAreLost) {
    for (int i = 0; i < 3; ++i) EXPECT_EQ(DoReset(Reset{}), 1);
    EXPECT_EQ(Add(Dl()), 1);
    EXPECT_EQ(Add(Ja()), 1);
    EXPECT_EQ(Total(), TotalRow(2, 2, 1));
    EXPECT_EQ(DoCheck(Check{}), 0) << "DL1ABC is in the log: a dupe";

    ASSERT_TRUE(ExportReset());
    EXPECT_EQ(Add(Dl()), 1);
    std::string result;
    EXPECT_EQ(ExportResult(&result), "File produced: EA4XYZ.cbr");
    EXPECT_EQ(ResultLine(result, "Total"), TotalRow(1, 1, 0));
    EXPECT_NE(TempFolder::Read("EA4XYZ.cbr").find("QSO: 14085 RY"), std::string::npos);
    EXPECT_FALSE(TempFolder::Exists("Plugins")) << "the plug-in never creates the folder";
    EXPECT_FALSE(TempFolder::Exists("KOLVEX.ini"));
}

TEST_F(FaultInjection, ReadOnlySettingsFileStaysAsItWas) {
    CreateDirectoryA("Plugins", nullptr);
    const std::string settings = "[Settings]\r\nStart=1\r\nClaimed=77\r\nName=Ana\r\n";
    TempFolder::Write(kSettingsFile, settings);
    ReadOnly readOnly(kSettingsFile);
    ASSERT_TRUE(readOnly.Held());
    for (int i = 0; i < 2; ++i) EXPECT_EQ(DoReset(Reset{}), 1);
    EXPECT_EQ(Add(Dl()), 1);
    EXPECT_EQ(Total(), TotalRow(1, 1, 0));
    EXPECT_EQ(TempFolder::Read(kSettingsFile), settings);
}

// The host folder's "MixW2.ini" of 50 MB.  The rows run in order: a file
// without a version line keeps the version learnt before.
TEST_F(FaultInjection, HugeHostSettingsFile) {
    const size_t kSize = 50u << 20;
    std::string binary(kSize, '\0');
    for (size_t i = 0; i < binary.size(); ++i)
        binary[i] = static_cast<char>((i * 131) % 251 + 1);  // no "MixW=" anywhere
    std::string lines;
    const std::string line(99, 'x');
    while (lines.size() < kSize) lines += line + "\r\n";
    struct Row {
        const char* what;
        std::string content;
        int verdict;
    };
    const Row rows[] = {
        {"small, MixW 2.20", "[Main]\r\nMixW=2.20\r\n", 1},
        {"binary, no version line", binary, 1},
        {"one line of 50 MB", std::string(kSize, 'x'), 1},
        {"small, MixW 3.1.1", "MixW=3.1.1\r\n", 4},
        {"50 MB of lines, the version last", lines + "MixW=2.19\r\n", 1},
    };
    for (const Row& row : rows) {
        TempFolder::Write("MixW2.ini", row.content);
        Reset r;
        r.hostDir = m_folder.Path().c_str();
        EXPECT_EQ(DoReset(r), 1) << row.what;
        EXPECT_EQ(RefusalVerdict(), row.verdict) << row.what;
        EXPECT_EQ(Add(Dl()), 1) << row.what;
        EXPECT_EQ(Total(), TotalRow(1, 1, 0)) << row.what;
    }
}

TEST_F(FaultInjection, HostFolderArgument) {
    TempFolder::Write("MixW2.ini", "MixW=2.20\r\n");
    const std::string folder = m_folder.Path();
    const std::string noSeparator = folder.substr(0, folder.size() - 1);
    const std::string longFolder = folder + std::string(10000 - folder.size(), 'd');
    struct Row {
        const char* what;
        const char* hostDir;
        int verdict;  // 1: the version 2.20 was read
    };
    const Row rows[] = {
        {"null: the current folder", nullptr, 1},
        {"empty: the current folder", "", 1},
        {"no trailing separator: the pattern lists the parent", noSeparator.c_str(), 4},
        {"10,000 characters", longFolder.c_str(), 4},
        {"the folder itself", folder.c_str(), 1},
    };
    for (const Row& row : rows) {
        DeleteFileA(kBadFile);
        Reset r;
        r.hostDir = row.hostDir;
        EXPECT_EQ(DoReset(r), 1) << row.what;
        EXPECT_EQ(RefusalVerdict(), row.verdict) << row.what;
        EXPECT_EQ(TempFolder::Read(kBadFile), "KOLVEX TEST UBN file \r\n") << row.what;
        EXPECT_EQ(Add(Ja()), 1) << row.what;
        EXPECT_EQ(Total(), TotalRow(1, 1, 1)) << row.what;
    }
}

// What stands under the Cabrillo file's name cannot be replaced: a folder,
// or an earlier export made read-only.  The export says so and leaves it as
// it was, with no temporary file beside it; once it is out of the way the
// next export works.
TEST_F(FaultInjection, CabrilloFileThatCannotBeReplacedIsReported) {
    struct Row {
        const char* what;
        bool folder;
    };
    const Row rows[] = {{"a folder of that name", true},
                        {"an earlier export made read-only", false}};
    CreateDirectoryA("Plugins", nullptr);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        ASSERT_TRUE(ExportReset());
        ASSERT_EQ(Add(Dl()), 1);
        std::string result, earlier;
        std::optional<ReadOnly> readOnly;
        if (row.folder) {
            CreateDirectoryA(kCabrilloFile, nullptr);
        } else {
            ASSERT_EQ(ExportResult(&result), "File produced: EA4XYZ.cbr");
            earlier = TempFolder::Read(kCabrilloFile);
            readOnly.emplace(kCabrilloFile);
            ASSERT_TRUE(readOnly->Held());
        }
        ASSERT_EQ(Add(Ja()), 1);
        EXPECT_EQ(ExportResult(&result), "File not produced: EA4XYZ.cbr");
        EXPECT_EQ(ResultLine(result, "Total"), TotalRow(2, 2, 1));
        if (row.folder) {
            EXPECT_TRUE(IsDirectory(kCabrilloFile));
            RemoveDirectoryA(kCabrilloFile);
        } else {
            EXPECT_EQ(TempFolder::Read(kCabrilloFile), earlier);
            readOnly.reset();
        }
        EXPECT_FALSE(TempFolder::Exists(kCabrilloTempFile));
        EXPECT_EQ(ExportResult(&result), "File produced: EA4XYZ.cbr") << "the next export works";
        EXPECT_NE(TempFolder::Read(kCabrilloFile).find("JA1XYZ"), std::string::npos);
        DeleteFileA(kCabrilloFile);
    }
}

// The new Cabrillo file is forced to the disk before it takes the earlier
// one's place, so that a power cut cannot keep the move and lose the bytes.
// The bad-QSO file's rewrite is not: every reset rebuilds it.
TEST_F(FaultInjection, CabrilloFileReachesTheDiskBeforeItReplacesTheEarlierOne) {
    ASSERT_TRUE(ExportReset());
    ASSERT_EQ(Add(Dl()), 1);
    ASSERT_EQ(Add(Dl()), 1);  // a DUPE line
    FileCalls calls;
    ASSERT_TRUE(calls.Installed());
    std::string result;
    EXPECT_EQ(ExportResult(&result), "File produced: EA4XYZ.cbr");
    EXPECT_EQ(calls.Take(),
              (std::vector<std::string>{"open EA4XYZ.cbr.tmp", "write EA4XYZ.cbr.tmp",
                                        "flush EA4XYZ.cbr.tmp", "close EA4XYZ.cbr.tmp",
                                        "move EA4XYZ.cbr.tmp to EA4XYZ.cbr"}));
    EXPECT_EQ(Remove(Dl()), 1);
    EXPECT_EQ(calls.Take(),
              (std::vector<std::string>{
                  "open BadQSO_StatsKOLVEX_.txt.tmp", "write BadQSO_StatsKOLVEX_.txt.tmp",
                  "close BadQSO_StatsKOLVEX_.txt.tmp",
                  "move BadQSO_StatsKOLVEX_.txt.tmp to BadQSO_StatsKOLVEX_.txt"}));
}

TEST_F(FaultInjection, CabrilloFileThatCannotBeFlushedIsNotProduced) {
    ASSERT_TRUE(ExportReset());
    ASSERT_EQ(Add(Dl()), 1);
    std::string result;
    ASSERT_EQ(ExportResult(&result), "File produced: EA4XYZ.cbr");
    const std::string earlier = TempFolder::Read(kCabrilloFile);
    ASSERT_EQ(Add(Ja()), 1);
    {
        FileCalls failingFlush(true);
        ASSERT_TRUE(failingFlush.Installed());
        EXPECT_EQ(ExportResult(&result), "File not produced: EA4XYZ.cbr");
    }
    EXPECT_EQ(TempFolder::Read(kCabrilloFile), earlier);
    EXPECT_FALSE(TempFolder::Exists(kCabrilloTempFile));
    DeleteFileA(kCabrilloFile);
}

// On the full disk no file is written halfway: a Cabrillo export that has
// grown beyond the room left, a removal and a reset each leave the earlier
// file as it was, and no temporary file beside it.
TEST_F(FaultInjection, FullDisk) {
    if (!EnterSmallDisk()) GTEST_SKIP() << kNoSmallDisk;
    CreateDirectoryA("Plugins", nullptr);
    ASSERT_TRUE(ExportReset());
    ASSERT_EQ(Add(Dl()), 1);
    ASSERT_EQ(Add(Dl()), 1);
    ASSERT_EQ(Add(Ja()), 1);
    ASSERT_NE(TempFolder::Read(kBadFile).find("DUPE !!!"), std::string::npos);
    std::string result;
    ASSERT_EQ(ExportResult(&result), "File produced: EA4XYZ.cbr");
    const std::string earlierExport = TempFolder::Read(kCabrilloFile);

    ASSERT_TRUE(FillDisk());
    EXPECT_EQ(Add(Ua()), 1);
    EXPECT_EQ(Add(Dl()), 1);
    // Sixty more stations: the new export is longer than all the room that
    // emptying the earlier file would give.
    std::vector<std::string> calls;
    for (int i = 0; i < 60; ++i) calls.push_back("UA3B" + std::to_string(10 + i));
    for (const std::string& call : calls) {
        Qso q = Ua();
        q.call = call.c_str();
        ASSERT_EQ(Add(q), 1) << call;
    }
    EXPECT_EQ(ExportResult(&result), "File not produced: EA4XYZ.cbr");
    EXPECT_EQ(ResultLine(result, "Total"), TotalRow(63, 3, 1));
    EXPECT_EQ(ResultLine(result, "Dupe"), "Dupe\t 2");
    EXPECT_EQ(TempFolder::Read(kCabrilloFile), earlierExport);
    EXPECT_FALSE(TempFolder::Exists(kCabrilloTempFile));

    const std::string badLines = TempFolder::Read(kBadFile);
    EXPECT_EQ(Remove(Ja()), 1);
    EXPECT_EQ(TempFolder::Read(kBadFile), badLines) << "the removal's rewrite";
    EXPECT_FALSE(TempFolder::Exists(kBadTempFile)) << "the removal's rewrite";
    EXPECT_EQ(DoReset(Reset{}), 1);
    EXPECT_EQ(TempFolder::Read(kBadFile), badLines) << "the reset's new file";
    EXPECT_FALSE(TempFolder::Exists(kBadTempFile)) << "the reset's new file";
}

// The disk takes only part of a QSO's lines: the room left in the last page
// of the bad-QSO file, less than one of its lines.  The append is taken back,
// so the file ends with a whole line, as it did before.
TEST_F(FaultInjection, AppendCutShortByAFullDiskLeavesNoHalfLine) {
    if (!EnterSmallDisk()) GTEST_SKIP() << kNoSmallDisk;
    ASSERT_EQ(DoReset(Reset{}), 1);
    const std::string longExchange(4200, '7');  // each line longer than a page
    Qso ua = Ua();
    ua.exchReceived = longExchange.c_str();
    ASSERT_EQ(Add(ua), 1);
    ASSERT_EQ(Add(ua), 1);  // one DUPE line
    const std::string before = TempFolder::Read(kBadFile);
    ASSERT_NE(before.size() % 4096, 0u) << "no room left in the file's last page";
    ASSERT_TRUE(FillDisk());

    EXPECT_EQ(Add(ua), 1) << "a dupe whose lines cannot be written still enters";
    const std::string after = TempFolder::Read(kBadFile);
    EXPECT_EQ(after.compare(0, before.size(), before), 0) << "the earlier bytes changed";
    EXPECT_EQ(after.size(), before.size())
        << "a half line of " << after.size() - before.size() << " bytes added";
    EXPECT_EQ(Dupes(), "Dupe\t 2");
}
