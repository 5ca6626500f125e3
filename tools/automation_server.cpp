#include "tools/automation_server.h"

#include <cstdio>
#include <limits>
#include <new>

namespace host {
namespace {

std::wstring Widen(const std::string& text) {
    if (text.empty()) return std::wstring();
    int n = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &wide[0], n);
    return wide;
}

// A BSTR's characters, embedded zeros included; null is the empty text.
std::string Narrow(BSTR text) {
    const int length = text == nullptr ? 0 : static_cast<int>(SysStringLen(text));
    if (length == 0) return std::string();
    int n = WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, length, &narrow[0], n, nullptr, nullptr);
    return narrow;
}

HRESULT PutString(const std::wstring& text, VARIANT* result) {
    BSTR copy = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    if (copy == nullptr) return E_OUTOFMEMORY;
    V_VT(result) = VT_BSTR;
    V_BSTR(result) = copy;
    return S_OK;
}

// The check that every member starts with: the right kind of call, the
// right number of plain (unnamed) arguments.
HRESULT CheckCall(WORD flags, WORD kind, const DISPPARAMS& params, UINT argCount) {
    if ((flags & kind) == 0) return DISP_E_MEMBERNOTFOUND;
    if (params.cNamedArgs != 0) return DISP_E_NONAMEDARGS;
    if (params.cArgs != argCount) return DISP_E_BADPARAMCOUNT;
    return S_OK;
}

HRESULT TypeMismatch(UINT* argError) {
    if (argError != nullptr) *argError = 0;
    return DISP_E_TYPEMISMATCH;
}

std::wstring LongCall() {
    std::wstring call(kLongCallLength, L'A');
    for (std::size_t i = 0; i < call.size(); ++i) call[i] = static_cast<wchar_t>(L'A' + i % 26);
    return call;
}

}  // namespace

std::string MacroLine(const std::string& text) {
    std::string line;
    for (char c : text) {
        if (c == '\r')
            line += "\\r";
        else if (c == '\n')
            line += "\\n";
        else
            line += c;
    }
    return line;
}

HostAutomation::HostAutomation(AutomationQuirk quirk) : m_quirk(quirk) {}

void HostAutomation::SetDialHz(double hz) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_dialHz = hz;
}

void HostAutomation::SetTypedCall(const std::string& call) {
    std::wstring wide = Widen(call);
    std::lock_guard<std::mutex> lock(m_mutex);
    m_typedCall.swap(wide);
}

void HostAutomation::BeforeNextDialAnswer(std::function<void()> act) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_beforeDial = std::move(act);
}

std::vector<std::string> HostAutomation::Macros() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_macros;
}

HRESULT STDMETHODCALLTYPE HostAutomation::QueryInterface(REFIID iid, void** out) {
    if (out == nullptr) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch)) {
        *out = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE HostAutomation::AddRef() {
    return static_cast<ULONG>(InterlockedIncrement(&m_refs));
}

ULONG STDMETHODCALLTYPE HostAutomation::Release() {
    LONG left = InterlockedDecrement(&m_refs);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
}

HRESULT STDMETHODCALLTYPE HostAutomation::GetTypeInfoCount(UINT* count) {
    if (count == nullptr) return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE HostAutomation::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info != nullptr) *info = nullptr;
    return DISP_E_BADINDEX;
}

// The members are reached by dispatch id only, as the plug-in calls them.
HRESULT STDMETHODCALLTYPE HostAutomation::GetIDsOfNames(REFIID, LPOLESTR*, UINT count, LCID,
                                                        DISPID* ids) {
    if (ids != nullptr)
        for (UINT i = 0; i < count; ++i) ids[i] = DISPID_UNKNOWN;
    return DISP_E_UNKNOWNNAME;
}

HRESULT STDMETHODCALLTYPE HostAutomation::Invoke(DISPID id, REFIID iid, LCID, WORD flags,
                                                 DISPPARAMS* params, VARIANT* result, EXCEPINFO*,
                                                 UINT* argError) {
    if (m_quirk == AutomationQuirk::fail || m_failNext.exchange(false)) return E_FAIL;
    if (!IsEqualIID(iid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
    if (id != kDispDialHz && id != kDispLogField && id != kDispRunMacro)
        return DISP_E_MEMBERNOTFOUND;
    if (params == nullptr || (params->cArgs > 0 && params->rgvarg == nullptr)) return E_INVALIDARG;
    // A caller that wants no answer passes no result; a given one may hold
    // anything, so it is overwritten, not cleared.
    VARIANT unused;
    VariantInit(&unused);
    VARIANT* answer = result != nullptr ? result : &unused;
    VariantInit(answer);
    HRESULT hr = E_UNEXPECTED;
    try {
        if (id == kDispDialHz)
            hr = DialHz(flags, *params, answer);
        else if (id == kDispLogField)
            hr = LogField(flags, *params, answer, argError);
        else
            hr = RunMacro(flags, *params, answer, argError);
    } catch (const std::bad_alloc&) {
        hr = E_OUTOFMEMORY;
    } catch (...) {
        hr = E_UNEXPECTED;
    }
    if (answer == &unused || FAILED(hr)) VariantClear(answer);
    return hr;
}

HRESULT HostAutomation::DialHz(WORD flags, const DISPPARAMS& params, VARIANT* result) {
    HRESULT hr = CheckCall(flags, DISPATCH_PROPERTYGET, params, 0);
    if (FAILED(hr)) return hr;
    std::function<void()> before;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        before.swap(m_beforeDial);
    }
    if (before) before();  // without the lock: it may set the dial
    double hz = 0.0;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        hz = m_dialHz;
    }
    switch (m_quirk) {
        case AutomationQuirk::wrongTypes:
            return PutString(std::to_wstring(static_cast<long long>(hz)), result);
        case AutomationQuirk::nanDial:
            hz = std::numeric_limits<double>::quiet_NaN();
            break;
        case AutomationQuirk::infDial:
            hz = std::numeric_limits<double>::infinity();
            break;
        case AutomationQuirk::negativeDial:
            hz = -14025000.0;
            break;
        case AutomationQuirk::floatDial:
            V_VT(result) = VT_R4;
            V_R4(result) = static_cast<float>(hz);
            return S_OK;
        default:
            break;
    }
    V_VT(result) = VT_R8;
    V_R8(result) = hz;
    return S_OK;
}

HRESULT HostAutomation::LogField(WORD flags, const DISPPARAMS& params, VARIANT* result,
                                 UINT* argError) const {
    ++m_typedCallReads;
    HRESULT hr = CheckCall(flags, DISPATCH_METHOD, params, 1);
    if (FAILED(hr)) return hr;
    const VARIANT& field = params.rgvarg[0];
    if (V_VT(&field) != VT_I4) return TypeMismatch(argError);
    // The host's other log-line fields are not played here.
    if (V_I4(&field) != kLogFieldCall) return E_INVALIDARG;
    if (m_quirk == AutomationQuirk::wrongTypes) {
        V_VT(result) = VT_I4;
        V_I4(result) = 0;
        return S_OK;
    }
    if (m_quirk == AutomationQuirk::longCall) return PutString(LongCall(), result);
    std::wstring call;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        call = m_typedCall;
    }
    return PutString(call, result);
}

HRESULT HostAutomation::RunMacro(WORD flags, const DISPPARAMS& params, VARIANT*, UINT* argError) {
    HRESULT hr = CheckCall(flags, DISPATCH_METHOD, params, 1);
    if (FAILED(hr)) return hr;
    const VARIANT& text = params.rgvarg[0];
    if (V_VT(&text) != VT_BSTR) return TypeMismatch(argError);
    std::string macro = Narrow(V_BSTR(&text));
    std::printf("macro: %s\n", MacroLine(macro).c_str());
    std::fflush(stdout);
    std::lock_guard<std::mutex> lock(m_mutex);
    m_macros.push_back(std::move(macro));
    return S_OK;
}

}  // namespace host
