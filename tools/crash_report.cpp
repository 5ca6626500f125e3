#include "tools/crash_report.h"

#include <windows.h>

#include <cstdio>

namespace host {
namespace {

DWORD g_mainThread = 0;

// The file name of the module that holds `address`, or "no module".
void ModuleOf(const void* address, char* name, DWORD size) {
    HMODULE module = nullptr;
    if (GetModuleHandleExA(
            GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
            static_cast<const char*>(address), &module) &&
        GetModuleFileNameA(module, name, size) > 0)
        return;
    lstrcpynA(name, "no module (unloaded code?)", static_cast<int>(size));
}

LONG WINAPI ReportAndEnd(EXCEPTION_POINTERS* info) {
    const EXCEPTION_RECORD* record = info->ExceptionRecord;
    char module[MAX_PATH] = "";
    ModuleOf(record->ExceptionAddress, module, MAX_PATH);
    std::printf("crash: exception 0x%08lX at %p in %s, on %s thread\n", record->ExceptionCode,
                record->ExceptionAddress, module,
                GetCurrentThreadId() == g_mainThread ? "the host's main" : "another");
    std::fflush(stdout);
    // Not ExitProcess: the faulting thread may hold the loader lock.
    TerminateProcess(GetCurrentProcess(), kCrashExitCode);
    return EXCEPTION_EXECUTE_HANDLER;
}

}  // namespace

void ReportCrashes() {
    g_mainThread = GetCurrentThreadId();
    SetUnhandledExceptionFilter(ReportAndEnd);
}

}  // namespace host
