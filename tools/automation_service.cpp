#include "tools/automation_service.h"

#include <oleauto.h>

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
constexpr DWORD kTableBoundMs = 10000;
constexpr unsigned kRegisterRetryMs = 250;

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

// The table's answers while the RPC service is not up, or starting again.
bool RpcServiceDown(HRESULT hr) {
    return hr == HRESULT_FROM_WIN32(RPC_S_SERVER_UNAVAILABLE) ||
           hr == HRESULT_FROM_WIN32(RPC_S_CALL_FAILED_DNE);
}

// The table lives in a system service that starts on first use; in a
// fresh Wine prefix the first calls can find it not yet listening, or
// going down once more while the service manager settles.  Tried again
// until it answers or the bound has passed.
HRESULT EnterRunningObjectTable(IUnknown* object, DWORD* cookie) {
    const DWORD start = GetTickCount();
    for (;;) {
        const HRESULT hr = RegisterActiveObject(object, kStandInClsid, ACTIVEOBJECT_STRONG, cookie);
        if (!RpcServiceDown(hr) || GetTickCount() - start >= kTableBoundMs) return hr;
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
