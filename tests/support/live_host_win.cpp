#include "tests/support/live_host_win.h"

#include <tlhelp32.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>

#include "controls/wide_text.h"
#include "tests/support/live_objects_win.h"
#include "tests/support/own_windows_win.h"
#include "tests/support/temp_folder.h"
#include "tools/heap_in_use.h"
#include "tools/message_pump.h"
#include "windows/win32/info_slots.h"

namespace live_host {

host::ResetRequest ContestReset(bool exportRun) {
    host::ResetRequest reset;
    reset.hostDir = ".\\";
    reset.exportRun = exportRun;
    reset.ownCall = "EA4ZZZ";
    reset.ownCountry = "EA";
    reset.start = {42777.0, host::OleDate::valid};  // 2017-02-11 00:00
    reset.end = {42778.999, host::OleDate::valid};  // 2017-02-12 23:58
    return reset;
}

CallWatch::CallWatch() : m_thread([this] { Watch(); }) {}

CallWatch::~CallWatch() {
    m_stop = true;
    if (m_thread.joinable()) m_thread.join();
}

double CallWatch::Time(const std::string& what, const std::function<void()>& call) {
    lstrcpynA(m_what, what.c_str(), sizeof m_what);
    m_since = GetTickCount();
    m_busy = true;
    const auto start = std::chrono::steady_clock::now();
    call();
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    m_busy = false;
    return took.count();
}

void CallWatch::Watch() {
    DWORD dumped = 0;
    while (!m_stop) {
        Sleep(50);
        if (!m_busy) continue;
        const DWORD since = m_since;
        if (GetTickCount() - since >= kSlowMs && dumped != since) {
            dumped = since;
            std::printf("slow: %s still running after %lu ms; where the threads are:\n", m_what,
                        kSlowMs);
            PrintThreadStacks();
        }
        if (GetTickCount() - since < kHangMs) continue;
        std::printf("hang: %s did not return within %lu ms\n", m_what, kHangMs);
        std::fflush(stdout);
        // ExitProcess would wait for the loader lock a stuck unload holds.
        TerminateProcess(GetCurrentProcess(), kHangExitCode);
    }
}

namespace {

// Module base and offset, found without the loader lock (which a stuck
// unload holds): the base of the address's allocation.
std::string ModuleAt(DWORD address) {
    MEMORY_BASIC_INFORMATION info{};
    VirtualQuery(reinterpret_cast<void*>(address), &info, sizeof info);
    const auto base = reinterpret_cast<DWORD>(info.AllocationBase);
    char text[32];
    std::snprintf(text, sizeof text, "%08lx+0x%lx", base, address - base);
    return text;
}

// Instruction pointer and the return addresses along the frame-pointer
// chain, as far as it reads.
void PrintStack(HANDLE thread, DWORD id) {
    CONTEXT context{};
    context.ContextFlags = CONTEXT_CONTROL;
    if (SuspendThread(thread) == static_cast<DWORD>(-1)) return;
    DWORD addresses[17] = {};
    int count = 0;
    if (GetThreadContext(thread, &context)) {
        addresses[count++] = context.Eip;
        DWORD frame = context.Ebp;
        while (count < 17 && frame != 0) {
            DWORD pair[2] = {0, 0};
            SIZE_T got = 0;
            if (!ReadProcessMemory(GetCurrentProcess(), reinterpret_cast<void*>(frame), pair,
                                   sizeof pair, &got) ||
                got != sizeof pair || pair[0] <= frame)
                break;
            addresses[count++] = pair[1];
            frame = pair[0];
        }
    }
    ResumeThread(thread);
    std::printf("  thread %04lx:", id);
    for (int i = 0; i < count; ++i) std::printf(" %s", ModuleAt(addresses[i]).c_str());
    std::printf("\n");
}

// Base and name of every module, from the system's snapshot.
void PrintModules() {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, GetCurrentProcessId());
    if (snapshot == INVALID_HANDLE_VALUE) return;
    MODULEENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Module32First(snapshot, &entry); more; more = Module32Next(snapshot, &entry))
        std::printf("  module %08lx %s\n", reinterpret_cast<DWORD>(entry.modBaseAddr),
                    entry.szModule);
    CloseHandle(snapshot);
}

void DeleteKeyPair(HKEY root, const wchar_t* path) {
    const std::wstring key(path);
    RegDeleteKeyW(root, (key + L"\\CLSID").c_str());
    RegDeleteKeyW(root, key.c_str());
}

// Whether the program id names a class that a program serves (its CLSID
// key exists), as MixW's own does where MixW is installed; the stand-in's
// names a class that no key describes.
bool NamesAServedClass(const wchar_t* programId) {
    wchar_t clsid[64] = L"";
    LONG bytes = sizeof clsid;
    if (RegQueryValueW(HKEY_CLASSES_ROOT, (std::wstring(programId) + L"\\CLSID").c_str(), clsid,
                       &bytes) != ERROR_SUCCESS)
        return false;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, (L"CLSID\\" + std::wstring(clsid)).c_str(), 0, KEY_READ,
                      &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

}  // namespace

void PrintThreadStacks() {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return;
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
        if (entry.th32OwnerProcessID != GetCurrentProcessId() ||
            entry.th32ThreadID == GetCurrentThreadId())
            continue;
        HANDLE thread =
            OpenThread(THREAD_SUSPEND_RESUME | THREAD_GET_CONTEXT, FALSE, entry.th32ThreadID);
        if (thread == nullptr) continue;
        PrintStack(thread, entry.th32ThreadID);
        CloseHandle(thread);
    }
    CloseHandle(snapshot);
    PrintModules();
    std::fflush(stdout);
}

std::string AllWindowsShown() {
    std::string ini = "[Settings]\r\n";
    for (const InfoSlot& slot : kInfoSlots) ini += std::string(slot.showKey) + "=1\r\n";
    return ini;
}

POINT WriteEveryWindowSettings() {
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const POINT setup{work.left + (work.right - work.left) * 7 / 10,
                      work.top + (work.bottom - work.top) * 3 / 4};
    CreateDirectoryA("Plugins", nullptr);
    TempFolder::Write("Plugins\\KOLVEX.ini",
                      AllWindowsShown() + "setup_x=" + std::to_string(setup.x) +
                          "\r\nsetup_y=" + std::to_string(setup.y) +
                          "\r\nea_x=20\r\nea_y=20\r\narea_x=420\r\narea_y=20\r\ndxcc_x=20\r\n"
                          "dxcc_y=320\r\nprev_x=600\r\nprev_y=320\r\n");
    return setup;
}

bool PlaceSideBySide() {
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    std::vector<std::pair<HWND, POINT>> places;
    int x = work.left, y = work.top, rowHeight = 0;
    for (HWND window : PluginWindows(true)) {
        RECT r{};
        GetWindowRect(window, &r);
        if (x > work.left && x + (r.right - r.left) > work.right) {
            x = work.left;
            y += rowHeight;
            rowHeight = 0;
        }
        places.push_back({window, POINT{x, y}});
        // Asynchronous: the window thread may be waiting for this one.
        SetWindowPos(window, nullptr, x, y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_ASYNCWINDOWPOS);
        x += r.right - r.left;
        rowHeight = std::max(rowHeight, static_cast<int>(r.bottom - r.top));
    }
    return PumpUntil([&places] {
        for (const auto& [window, place] : places) {
            RECT r{};
            GetWindowRect(window, &r);
            if (r.left != place.x || r.top != place.y) return false;
        }
        return true;
    });
}

HWND VisibleWindowTitled(const std::wstring& head) {
    return FirstOwnWindow([&head](HWND window) {
        return IsWindowVisible(window) && WindowTextWide(window).compare(0, head.size(), head) == 0;
    });
}

// The plug-in's windows are those of its own thread: any but this one.
std::vector<HWND> PluginWindows(bool visibleOnly) {
    return OwnWindows([visibleOnly](HWND window) {
        return GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId() &&
               (!visibleOnly || IsWindowVisible(window));
    });
}

std::vector<HWND> PluginWindowsWith(int controlId) {
    std::vector<HWND> windows;
    for (HWND window : PluginWindows(false))
        if (GetDlgItem(window, controlId) != nullptr) windows.push_back(window);
    return windows;
}

bool PumpUntil(const std::function<bool()>& done, unsigned ms) {
    for (unsigned waited = 0; waited < ms; waited += 20) {
        if (done()) return true;
        host::PumpMessagesFor(20);
    }
    return done();
}

bool ServeSentUntil(const std::function<bool()>& done, unsigned ms) {
    for (unsigned waited = 0; waited < ms; waited += 20) {
        if (done()) return true;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_SENDMESSAGE);
        MSG msg;
        PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
    return done();
}

ResourceLevel MeasureResources() {
    ResourceLevel level;
    level.gdi = LiveObjectMark(GR_GDIOBJECTS);
    level.user = LiveObjectMark(GR_USEROBJECTS);
    level.heapBytes = host::HeapBytesInUse();
    return level;
}

std::string Describe(const ResourceLevel& level) {
    char text[128];
    std::snprintf(text, sizeof text, "GDI mark %lu, USER mark %lu, heap in use %zu bytes",
                  level.gdi, level.user, level.heapBytes);
    return text;
}

void ForgetProgramId() {
    DeleteKeyPair(HKEY_CURRENT_USER, L"Software\\Classes\\MixW2.Application");
    if (!NamesAServedClass(L"MixW2.Application"))
        DeleteKeyPair(HKEY_CLASSES_ROOT, L"MixW2.Application");
}

}  // namespace live_host
