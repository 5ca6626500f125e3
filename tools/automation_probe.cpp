// A client of the stand-in host's automation object, doing what the
// plug-in's window thread does: CLSIDFromProgID("MixW2.Application"),
// GetActiveObject, then Invoke by dispatch id.  It prints every answer on a
// line of its own so that a test script can compare them.
//   automation_probe [--wait-ms N] [--watch-ms N] [--macro TEXT]... [--bad-calls]
//   automation_probe --local [--quirk NAME]
// --local calls an object of its own, in this process, with bad shapes that
// a proxy would refuse before they reach the object (null DISPPARAMS).
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "controls/com.h"
#include "tools/automation_server.h"
#include "tools/dispatch_call.h"

namespace {

using namespace host;

struct ProbeOptions {
    int waitMs = 10000;  // how long to look for the running object
    int watchMs = 0;     // how long to follow the dial and the typed call
    std::vector<std::wstring> macros;
    bool badCalls = false;
    bool local = false;
    AutomationQuirk quirk = AutomationQuirk::none;
};

struct ProbeCase {
    const char* label;
    DispatchCall call;
    bool localOnly;
};

const WORD kGet = DISPATCH_PROPERTYGET;
const WORD kMethod = DISPATCH_METHOD;

DispatchCall Call(DISPID id, WORD flags, std::vector<DispatchArg> args) {
    DispatchCall call{id, flags, std::move(args)};
    return call;
}

DispatchCall With(DispatchCall call, bool DispatchCall::*flag, bool value) {
    call.*flag = value;
    return call;
}

// The calls the plug-in makes, then every wrong shape a caller could send.
std::vector<ProbeCase> BadCalls() {
    return {
        {"dial as a method", Call(kDispDialHz, kMethod, {}), false},
        {"dial with an argument", Call(kDispDialHz, kGet, {IntArg(5)}), false},
        {"dial without result", With(Call(kDispDialHz, kGet, {}), &DispatchCall::wantResult, false),
         false},
        {"call without argument", Call(kDispLogField, kMethod, {}), false},
        {"call with two arguments", Call(kDispLogField, kMethod, {IntArg(5), IntArg(5)}), false},
        {"call with a text argument", Call(kDispLogField, kMethod, {TextArg(L"5")}), false},
        {"call of field 4", Call(kDispLogField, kMethod, {IntArg(4)}), false},
        {"call as a property", Call(kDispLogField, kGet, {IntArg(5)}), false},
        {"call without result",
         With(Call(kDispLogField, kMethod, {IntArg(5)}), &DispatchCall::wantResult, false), false},
        {"macro with a number", Call(kDispRunMacro, kMethod, {IntArg(1)}), false},
        {"macro without argument", Call(kDispRunMacro, kMethod, {}), false},
        {"macro as a named argument",
         With(Call(kDispRunMacro, kMethod, {TextArg(L"<X>")}), &DispatchCall::namedArg, true),
         false},
        {"macro of a null text", Call(kDispRunMacro, kMethod, {TextArg(nullptr)}), false},
        {"macro with a line break", Call(kDispRunMacro, kMethod, {TextArg(L"<A>\r\n<B>")}), false},
        {"unknown id 7", Call(7, kMethod, {}), false},
        {"unknown id 0", Call(DISPID_VALUE, kGet, {}), false},
        {"dial with null DISPPARAMS",
         With(Call(kDispDialHz, kGet, {}), &DispatchCall::nullParams, true), true},
        {"call with null DISPPARAMS",
         With(Call(kDispLogField, kMethod, {}), &DispatchCall::nullParams, true), true},
        {"macro with null DISPPARAMS",
         With(Call(kDispRunMacro, kMethod, {}), &DispatchCall::nullParams, true), true},
        {"call with arguments counted but missing",
         With(Call(kDispLogField, kMethod, {IntArg(5)}), &DispatchCall::argsMissing, true), true},
    };
}

void Print(const char* label, const DispatchAnswer& a) {
    std::printf("probe: %s: %s", label, HresultText(a.hr).c_str());
    // Only a type mismatch names the argument; otherwise the value is
    // whatever the proxy or the callee left there.
    if (a.hr == DISP_E_TYPEMISMATCH) std::printf(", argument %u", a.argError);
    if (!a.value.empty()) std::printf(", %s", a.value.c_str());
    std::printf("\n");
    std::fflush(stdout);
}

void RunCase(IDispatch* object, const char* label, const DispatchCall& call) {
    Print(label, CallDispatch(object, call));
}

void ReadAndSend(IDispatch* object, const ProbeOptions& o) {
    RunCase(object, "dial", Call(kDispDialHz, kGet, {}));
    RunCase(object, "call", Call(kDispLogField, kMethod, {IntArg(kLogFieldCall)}));
    for (const std::wstring& macro : o.macros)
        RunCase(object, "macro", Call(kDispRunMacro, kMethod, {TextArg(macro.c_str())}));
}

void RunBadCalls(IDispatch* object, bool local) {
    for (const ProbeCase& c : BadCalls())
        if (local || !c.localOnly) RunCase(object, c.label, c.call);
    DISPID id = 12345;
    wchar_t name[] = L"Frequency";
    LPOLESTR names[] = {name};
    HRESULT hr = object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    std::printf("probe: GetIDsOfNames Frequency: %s, id %ld\n", HresultText(hr).c_str(), id);
    UINT count = 99;
    hr = object->GetTypeInfoCount(&count);
    std::printf("probe: GetTypeInfoCount: %s, %u\n", HresultText(hr).c_str(), count);
    ComPtr<IUnknown> unknown;
    hr = object->QueryInterface(IID_IClassFactory, reinterpret_cast<void**>(unknown.Put()));
    std::printf("probe: QueryInterface IClassFactory: %s\n", HresultText(hr).c_str());
    if (local) {
        hr = object->GetTypeInfoCount(nullptr);
        std::printf("probe: GetTypeInfoCount to null: %s\n", HresultText(hr).c_str());
        hr = object->QueryInterface(IID_IDispatch, nullptr);
        std::printf("probe: QueryInterface to null: %s\n", HresultText(hr).c_str());
    }
}

std::string TypedCall(IDispatch* object) {
    return CallDispatch(object, Call(kDispLogField, kMethod, {IntArg(kLogFieldCall)})).value;
}

// Prints the dial and the typed call each time either changes.  The host
// sets the dial before the first letter of a QSO, so a dial read between
// two equal reads of the call belongs to that call; other samples are
// dropped.
void Watch(IDispatch* object, int ms) {
    std::string last;
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < static_cast<DWORD>(ms)) {
        const std::string before = TypedCall(object);
        DispatchAnswer dial = CallDispatch(object, Call(kDispDialHz, kGet, {}));
        const std::string call = TypedCall(object);
        std::string seen = "dial " + dial.value + ", call " + call;
        if (call == before && seen != last) {
            std::printf("probe: seen %s\n", seen.c_str());
            std::fflush(stdout);
            last = seen;
        }
        Sleep(10);
    }
}

// Looks for the host's running object until it is there or time is up.
// The host registers its program id when it starts, so a probe started
// first finds neither for a while.
bool Connect(const ProbeOptions& o, ComPtr<IDispatch>* object) {
    CLSID clsid{};
    HRESULT idHr = E_FAIL, hr = E_FAIL;
    ComPtr<IUnknown> unknown;
    const DWORD start = GetTickCount();
    for (;;) {
        idHr = CLSIDFromProgID(L"MixW2.Application", &clsid);
        if (SUCCEEDED(idHr)) hr = GetActiveObject(clsid, nullptr, unknown.Put());
        if (SUCCEEDED(hr) || GetTickCount() - start >= static_cast<DWORD>(o.waitMs)) break;
        Sleep(50);
    }
    wchar_t text[64] = L"";
    StringFromGUID2(clsid, text, 64);
    std::printf("probe: CLSIDFromProgID: %s, %ls\n", HresultText(idHr).c_str(), text);
    if (FAILED(idHr)) return false;
    std::printf("probe: GetActiveObject: %s\n", HresultText(hr).c_str());
    if (FAILED(hr)) return false;
    hr = unknown->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(object->Put()));
    std::printf("probe: QueryInterface IDispatch: %s\n", HresultText(hr).c_str());
    return SUCCEEDED(hr);
}

int RunRemote(const ProbeOptions& o) {
    ComApartment apartment;
    ComPtr<IDispatch> object;
    if (!Connect(o, &object)) return 0;
    if (o.watchMs > 0) Watch(object.Get(), o.watchMs);
    ReadAndSend(object.Get(), o);
    if (o.badCalls) RunBadCalls(object.Get(), false);
    return 0;
}

int RunLocal(const ProbeOptions& o) {
    ComPtr<HostAutomation> object(new HostAutomation(o.quirk));
    object->SetDialHz(14085000.0);
    object->SetTypedCall("EA1ABC");
    ReadAndSend(object.Get(), o);
    RunBadCalls(object.Get(), true);
    std::printf("probe: macros kept: %zu\n", object->Macros().size());
    return 0;
}

bool ParseMs(const char* text, int* out) {
    char* end = nullptr;
    long value = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || value < 0 || value > 600000) return false;
    *out = static_cast<int>(value);
    return true;
}

std::wstring Widen(const char* text) {
    std::wstring wide;
    for (const char* c = text; *c != '\0'; ++c) wide += static_cast<wchar_t>(*c & 0xFF);
    return wide;
}

bool ParseProbeOptions(int argc, char** argv, ProbeOptions* o) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        if (arg == "--bad-calls") {
            o->badCalls = true;
            continue;
        }
        if (arg == "--local") {
            o->local = true;
            continue;
        }
        if (value == nullptr) return false;
        ++i;
        bool ok = true;
        if (arg == "--macro")
            o->macros.push_back(Widen(value));
        else if (arg == "--wait-ms")
            ok = ParseMs(value, &o->waitMs);
        else if (arg == "--watch-ms")
            ok = ParseMs(value, &o->watchMs);
        else if (arg == "--quirk")
            ok = ParseAutomationQuirk(value, &o->quirk);
        else
            ok = false;
        if (!ok) return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    _setmode(_fileno(stdout), _O_BINARY);
    ProbeOptions options;
    if (!ParseProbeOptions(argc, argv, &options)) {
        std::fprintf(stderr,
                     "usage: automation_probe [--wait-ms N] [--watch-ms N] [--macro TEXT]... "
                     "[--bad-calls]\n       automation_probe --local [--quirk NAME] "
                     "[--macro TEXT]...\n");
        return 2;
    }
    return options.local ? RunLocal(options) : RunRemote(options);
}
