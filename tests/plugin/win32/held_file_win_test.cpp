// The real Stats.dll while another program holds one of its files (a virus
// scanner, a sync client, a viewer): each file call waits for the file
// within a bound and then works as if nothing had held it; held longer, it
// fails as it always did and loses nothing else; refused for good, it fails
// at once.  The tries are counted at Stats.dll's imports.
#include <errno.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <windows.h>

#include <map>
#include <string>

#include "contest/held_file.h"
#include "tests/plugin/win32/export_run_win.h"
#include "tests/plugin/win32/host_calls_win.h"
#include "tests/support/import_hook_win.h"
#include "tests/support/temp_folder.h"

using namespace host_calls;

namespace {

const char* const kBadFile = "BadQSO_StatsKOLVEX_.txt";
const char* const kCabrilloFile = "EA4XYZ.cbr";
constexpr DWORD kMomentMs = 150;  // well within the wait's bound of a second

HostDateTime g_time{42841.0 + 10.0 / 1440, 0};

Qso Dl() {
    Qso q;
    q.time = &g_time;
    return q;
}
Qso Ja() {
    Qso q = Dl();
    q.call = "JA1XYZ";
    q.callPrefix = "JA1";
    q.country = "JA";
    return q;
}

std::string Result() { return StatsDll::Get().GetResult0(nullptr); }
bool Contains(const std::string& text, const char* part) {
    return text.find(part) != std::string::npos;
}

// Another thread's handle on a file, sharing only `sharing`, closed after
// `ms` or when the object goes, whichever comes first.
class Holder {
  public:
    Holder(const char* name, DWORD sharing, DWORD ms)
        : m_file(CreateFileA(name, GENERIC_READ, sharing, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr)),
          m_letGo(CreateEventA(nullptr, TRUE, FALSE, nullptr)),
          m_ms(ms),
          m_thread(CreateThread(nullptr, 0, &Hold, this, 0, nullptr)) {}
    ~Holder() {
        SetEvent(m_letGo);
        WaitForSingleObject(m_thread, INFINITE);
        CloseHandle(m_thread);
        CloseHandle(m_letGo);
    }
    Holder(const Holder&) = delete;
    Holder& operator=(const Holder&) = delete;
    bool Holds() const { return m_file != INVALID_HANDLE_VALUE; }

  private:
    static DWORD WINAPI Hold(void* self) {
        auto* h = static_cast<Holder*>(self);
        WaitForSingleObject(h->m_letGo, h->m_ms);
        CloseHandle(h->m_file);
        return 0;
    }
    HANDLE m_file, m_letGo;
    DWORD m_ms;
    HANDLE m_thread;
};

// Stats.dll's opens and moves, counted by the file they name, from a clean
// error state.  The call `refused` ("open NAME", "move NAME") is refused with
// `error`, as Windows refuses a read-only file; Wine as root writes one all
// the same.  Without `waits`, the pauses between tries are summed ("pause"),
// not waited.
class Tries {
  public:
    explicit Tries(const std::string& refused = std::string(), DWORD error = 0, bool waits = true)
        : m_open("msvcrt.dll", "_open", reinterpret_cast<void*>(&Open), Dll()),
          m_fopen("msvcrt.dll", "fopen", reinterpret_cast<void*>(&FOpen), Dll()),
          m_move("kernel32.dll", "MoveFileExA", reinterpret_cast<void*>(&Move), Dll()),
          m_sleep("kernel32.dll", "Sleep", reinterpret_cast<void*>(&Pause),
                  waits ? nullptr : Dll()),
          m_refused(refused),
          m_error(error) {
        s_this = this;
        _doserrno = 0;
        SetLastError(0);
    }
    ~Tries() { s_this = nullptr; }
    Tries(const Tries&) = delete;
    Tries& operator=(const Tries&) = delete;

    bool Installed() const { return m_open.Original() && m_fopen.Original() && m_move.Original(); }
    int Of(const std::string& call) { return m_count[call]; }

  private:
    static HMODULE Dll() { return StatsDll::Get().module; }
    template <typename Function>
    static Function Original(const ImportHook& hook) {
        return reinterpret_cast<Function>(hook.Original());
    }
    static bool Refuse(const char* call, const char* name) {
        const std::string counted = std::string(call) + " " + name;
        ++s_this->m_count[counted];
        if (s_this->m_refused != counted) return false;
        _doserrno = s_this->m_error;
        errno = EACCES;
        SetLastError(s_this->m_error);
        return true;
    }
    static int __cdecl Open(const char* name, int flags, int mode) {
        if (Refuse("open", name)) return -1;
        return Original<int(__cdecl*)(const char*, int, int)>(s_this->m_open)(name, flags, mode);
    }
    static FILE* __cdecl FOpen(const char* name, const char* mode) {
        if (Refuse("open", name)) return nullptr;
        return Original<FILE*(__cdecl*)(const char*, const char*)>(s_this->m_fopen)(name, mode);
    }
    static BOOL WINAPI Move(const char* from, const char* to, DWORD flags) {
        if (Refuse("move", to)) return FALSE;
        return Original<BOOL(WINAPI*)(const char*, const char*, DWORD)>(s_this->m_move)(from, to,
                                                                                        flags);
    }

    static void WINAPI Pause(DWORD ms) { s_this->m_count["pause"] += static_cast<int>(ms); }

    static Tries* s_this;
    ImportHook m_open, m_fopen, m_move, m_sleep;
    std::string m_refused;
    DWORD m_error;
    std::map<std::string, int> m_count;
};
Tries* Tries::s_this = nullptr;

// Refusals that waiting cannot cure, by the calls they refuse ("" for both):
// an open denied (a read-only file, an access list, Controlled folder
// access), a move over a read-only file, a call failing otherwise.
const struct {
    const char* calls;
    DWORD error, attributes;  // the refusal's, the file's while refused
} kForGood[] = {
    {"open", ERROR_ACCESS_DENIED, FILE_ATTRIBUTE_NORMAL},
    {"move", ERROR_ACCESS_DENIED, FILE_ATTRIBUTE_READONLY},
    {"", ERROR_DISK_FULL, FILE_ATTRIBUTE_NORMAL},
};

// One file call of the plug-in: what comes before it, the call itself made
// while `file` is held (true when its file work was done), and what must be
// there after it failed.
struct FileCall {
    const char* name;  // the case's name
    const char* what;
    const char* file;
    DWORD sharing;      // what the holder lets others do: a scanner nothing, a viewer reading
    const char* tried;  // the call counted: "open FILE" or "move FILE"
    void (*before)();
    bool (*call)();
    void (*afterFailure)();
};

void PrintTo(const FileCall& c, std::ostream* out) { *out << c.what; }

void LogWithDupe() {
    ASSERT_EQ(DoReset(Reset{}), 1);
    ASSERT_EQ(Add(Dl()), 1);
    ASSERT_EQ(Add(Dl()), 1);  // a DUPE line
}

// One QSO on a band outside the contest: a line in the file, and the
// result's only figure that the file's lines make.
void LogWithBadQso() {
    ASSERT_EQ(DoReset(Reset{}), 1);
    Qso q = Dl();
    q.band = "160m";
    Add(q);
    ASSERT_TRUE(Contains(TempFolder::Read(kBadFile), "DL1ABC"));
}
const char* const kOneBadQso = "Bad QSO\t 1";
// The export before the call, and the result that the export's call returned
// (a result asked again would export again).
std::string g_exported, g_result;

const FileCall kCalls[] = {
    {"Append", "the append of a QSO's lines", kBadFile, 0, "open BadQSO_StatsKOLVEX_.txt",
     [] {
         ASSERT_EQ(DoReset(Reset{}), 1);
         ASSERT_EQ(Add(Dl()), 1);
     },
     [] { return Add(Dl()) == 1 && Contains(TempFolder::Read(kBadFile), "DUPE !!!"); },
     [] { EXPECT_EQ(ResultLine(Result(), "Dupe"), "Dupe\t 1") << "the QSO is in the log"; }},
    {"CountForResult", "the read that counts the lines for a result", kBadFile, 0,
     "open BadQSO_StatsKOLVEX_.txt", LogWithBadQso,
     [] { return ResultLine(Result(), "Bad QSO") == kOneBadQso; },
     [] { EXPECT_EQ(ResultLine(Result(), "Bad QSO"), kOneBadQso) << "once let go"; }},
    {"RewriteOnRemoval", "the rewrite on a removal", kBadFile, FILE_SHARE_READ,
     "move BadQSO_StatsKOLVEX_.txt", LogWithDupe,
     [] { return Remove(Dl()) == 1 && TempFolder::Read(kBadFile) == "KOLVEX TEST UBN file  \r\n"; },
     [] {
         EXPECT_TRUE(Contains(TempFolder::Read(kBadFile), "DUPE !!!"));
         EXPECT_FALSE(TempFolder::Exists(std::string(kBadFile) + ".tmp"));
         // Out of the log: the copy left is still the dupe, and counts nothing.
         EXPECT_EQ(ResultLine(Result(), "Total").substr(0, 8), "Total\t 0");
     }},
    {"CabrilloMove", "the move of a Cabrillo export into place", kCabrilloFile, FILE_SHARE_READ,
     "move EA4XYZ.cbr",
     [] {
         ASSERT_TRUE(ExportReset());
         ASSERT_EQ(Add(Dl()), 1);
         std::string result;
         ASSERT_EQ(ExportResult(&result), "File produced: EA4XYZ.cbr");
         g_exported = TempFolder::Read(kCabrilloFile);
         ASSERT_EQ(Add(Ja()), 1);
     },
     [] {
         return ExportResult(&g_result) == "File produced: EA4XYZ.cbr" &&
                Contains(TempFolder::Read(kCabrilloFile), "JA1XYZ");
     },
     [] {
         EXPECT_EQ(TempFolder::Read(kCabrilloFile), g_exported);
         EXPECT_FALSE(TempFolder::Exists(std::string(kCabrilloFile) + ".tmp"));
         EXPECT_EQ(ResultLine(g_result, "Total").substr(0, 8), "Total\t 2");
     }},
};

class HeldFileCall : public ::testing::TestWithParam<FileCall> {
  protected:
    void SetUp() override {
        ASSERT_NE(StatsDll::Get().module, nullptr) << "Stats.dll not found beside the test";
        CreateDirectoryA("Plugins", nullptr);
        ASSERT_NO_FATAL_FAILURE(GetParam().before());
    }
    void TearDown() override { DoReset(Reset{}); }

    TempFolder m_folder;
};

std::string NameOf(const ::testing::TestParamInfo<FileCall>& info) { return info.param.name; }

}  // namespace

TEST_P(HeldFileCall, HeldForAMomentTheCallWaitsAndSucceeds) {
    const FileCall& c = GetParam();
    Tries tries;
    ASSERT_TRUE(tries.Installed());
    Holder holder(c.file, c.sharing, kMomentMs);
    ASSERT_TRUE(holder.Holds());
    EXPECT_TRUE(c.call());
    EXPECT_GT(tries.Of(c.tried), 1) << "refused while held";
}

TEST_P(HeldFileCall, HeldBeyondTheBoundTheCallFailsAndNothingElseIsLost) {
    const FileCall& c = GetParam();
    Tries tries("", 0, false);  // the pauses summed, not waited
    ASSERT_TRUE(tries.Installed());
    {
        Holder holder(c.file, c.sharing, INFINITE);
        ASSERT_TRUE(holder.Holds());
        EXPECT_FALSE(c.call());
        EXPECT_EQ(tries.Of(c.tried), ::HeldFile::kTries);
        EXPECT_EQ(tries.Of("pause"), ::HeldFile::WaitMs());
    }
    c.afterFailure();
}

TEST_P(HeldFileCall, RefusedForGoodTheCallFailsAtOnce) {
    const FileCall& c = GetParam();
    for (const auto& r : kForGood) {
        if (std::string(c.tried).find(r.calls) != 0) continue;
        SCOPED_TRACE(r.error);
        ASSERT_NO_FATAL_FAILURE(c.before());
        SetFileAttributesA(c.file, r.attributes);
        {
            Tries tries(c.tried, r.error);
            ASSERT_TRUE(tries.Installed());
            EXPECT_FALSE(c.call());
            EXPECT_EQ(tries.Of(c.tried), 1);
        }
        SetFileAttributesA(c.file, FILE_ATTRIBUTE_NORMAL);
        c.afterFailure();
    }
}

INSTANTIATE_TEST_SUITE_P(FileCalls, HeldFileCall, ::testing::ValuesIn(kCalls), NameOf);
