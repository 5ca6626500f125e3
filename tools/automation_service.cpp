#include "tools/automation_service.h"

#include <oleauto.h>
#include <winsvc.h>

#include <cstdio>
#include <string>

#include "tools/message_pump.h"

namespace host {
namespace {

const wchar_t kProgramId[] = L"MixW2.Application";
// Made up for the stand-in host; the plug-in finds it by program id only.
const CLSID kStandInClsid = {
    0x6a3e1c58, 0x92d4, 0x4b7f, {0xa1, 0xe0, 0x5c, 0x27, 0xd9, 0xb8, 0x4f, 0x13}};

// How long the running object table may take to come up, and the pause
// between tries meanwhile.
constexpr DWORD kTableBoundMs = 60000;
constexpr unsigned kRegisterRetryMs = 250;
constexpr DWORD kAskAgainMs = 3000;

std::string ClsidText(const CLSID& clsid) {
    wchar_t wide[64] = L"";
    StringFromGUID2(clsid, wide, 64);
    std::string text;
    for (const wchar_t* c = wide; *c != L'\0'; ++c) text += static_cast<char>(*c);
    return text;
}

// <root>\MixW2.Application\CLSID, default value = the CLSID text.
bool WriteProgramId(HKEY root, const wchar_t* classesPath) {
    std::wstring path = std::wstring(classesPath) + kProgramId + L"\\CLSID";
    HKEY key = nullptr;
    if (RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return false;
    wchar_t clsid[64] = L"";
    StringFromGUID2(kStandInClsid, clsid, 64);
    DWORD bytes = static_cast<DWORD>((wcslen(clsid) + 1) * sizeof(wchar_t));
    LONG status =
        RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(clsid), bytes);
    RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

bool ProgramIdFound() {
    CLSID found{};
    return SUCCEEDED(CLSIDFromProgID(kProgramId, &found)) && IsEqualCLSID(found, kStandInClsid);
}

// The user's classes, where a program registers itself without
// administrator rights; the machine's classes when COM does not look there
// (some Wine versions merge no user classes into HKEY_CLASSES_ROOT).
const char* RegisterProgramId() {
    if (WriteProgramId(HKEY_CURRENT_USER, L"Software\\Classes\\") && ProgramIdFound())
        return "HKEY_CURRENT_USER\\Software\\Classes";
    if (WriteProgramId(HKEY_CLASSES_ROOT, L"") && ProgramIdFound()) return "HKEY_CLASSES_ROOT";
    return nullptr;
}

// The RPC service, which serves the running object table, said by the
// service manager to be not running (yet); false where that cannot be read.
bool RpcServiceStopped() {
    SC_HANDLE manager = OpenSCManagerW(nullptr, nullptr, SC_MANAGER_CONNECT);
    if (manager == nullptr) return false;
    SC_HANDLE service = OpenServiceW(manager, L"RpcSs", SERVICE_QUERY_STATUS);
    SERVICE_STATUS status{};
    const bool stopped = service != nullptr && QueryServiceStatus(service, &status) &&
                         status.dwCurrentState != SERVICE_RUNNING;
    if (service != nullptr) CloseServiceHandle(service);
    CloseServiceHandle(manager);
    return stopped;
}

// Asks for the RPC service through "net start RpcSs", a process of its own
// whose output goes nowhere.  A fresh Wine prefix's service manager was
// seen to bring the service up when another process asked for it, never
// while the process waiting for it asked itself.  Windows runs the service
// from boot, so this is never asked there.
void AskForRpcService() {
    SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE nowhere = CreateFileW(L"NUL", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                 &inherited, OPEN_EXISTING, 0, nullptr);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = startup.hStdError = nowhere;
    PROCESS_INFORMATION process{};
    wchar_t command[] = L"net.exe start RpcSs";
    if (CreateProcessW(nullptr, command, nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr,
                       &startup, &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    if (nowhere != INVALID_HANDLE_VALUE) CloseHandle(nowhere);
}

// The table's answers while the RPC service is not up, or starting again.
bool RpcServiceDown(HRESULT hr) {
    return hr == HRESULT_FROM_WIN32(RPC_S_SERVER_UNAVAILABLE) ||
           hr == HRESULT_FROM_WIN32(RPC_S_CALL_FAILED_DNE);
}

// Enters the object once the RPC service runs, waiting for it within the
// bound (messages answered meanwhile); tried again while the table does not
// listen yet.
HRESULT EnterRunningObjectTable(IUnknown* object, DWORD* cookie) {
    const DWORD start = GetTickCount();
    const auto withinBound = [start] { return GetTickCount() - start < kTableBoundMs; };
    if (RpcServiceStopped()) AskForRpcService();
    while (RpcServiceStopped() && withinBound()) PumpMessagesFor(kRegisterRetryMs);
    DWORD asked = GetTickCount();
    for (;;) {
        const HRESULT hr = RegisterActiveObject(object, kStandInClsid, ACTIVEOBJECT_STRONG, cookie);
        if (!RpcServiceDown(hr) || !withinBound()) return hr;
        // A fresh Wine prefix's service manager may end the service once
        // more, after its start took too long: asked again then.
        if (GetTickCount() - asked >= kAskAgainMs) {
            AskForRpcService();
            asked = GetTickCount();
        }
        PumpMessagesFor(kRegisterRetryMs);
    }
}

// Without the table nothing that follows can work, and each test would
// wait out its own time-out: the program ends now, saying why.
[[noreturn]] void EndWithoutTable(HRESULT hr) {
    std::printf(
        "automation: the running object table did not answer within %lu s (0x%08lX: the RPC "
        "service is not up); ending\n",
        kTableBoundMs / 1000, hr);
    std::fflush(stdout);
    ExitProcess(3);
}

}  // namespace

bool AutomationService::Start(AutomationQuirk quirk) {
    m_apartment = std::make_unique<ComApartment>();
    if (FAILED(m_apartment->Result())) {
        std::printf("automation: CoInitialize failed (0x%08lX)\n", m_apartment->Result());
        return false;
    }
    const char* where = RegisterProgramId();
    if (where == nullptr) {
        std::printf(
            "automation: CLSIDFromProgID does not find MixW2.Application after writing it\n");
        return false;
    }
    m_object = ComPtr<HostAutomation>(new HostAutomation(quirk));
    if (quirk != AutomationQuirk::registeredOnly) {
        HRESULT hr = EnterRunningObjectTable(m_object.Get(), &m_cookie);
        if (RpcServiceDown(hr)) EndWithoutTable(hr);
        if (FAILED(hr)) {
            std::printf("automation: RegisterActiveObject failed (0x%08lX)\n", hr);
            return false;
        }
        m_inTable = true;
    }
    std::printf("automation: serving MixW2.Application %s (program id in %s), quirk %s%s\n",
                ClsidText(kStandInClsid).c_str(), where, AutomationQuirkName(quirk),
                m_inTable ? "" : ", not in the running object table");
    // A script waits for this line before it starts a client.
    std::fflush(stdout);
    return true;
}

AutomationService::~AutomationService() {
    if (m_inTable) RevokeActiveObject(m_cookie, nullptr);
    // A client that still holds a proxy gets RPC_E_DISCONNECTED from now on
    // instead of keeping the object alive past this apartment.
    if (m_object) CoDisconnectObject(m_object.Get(), 0);
    m_object.Reset();
    m_apartment.reset();
}

}  // namespace host
