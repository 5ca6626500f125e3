#include "plugin/win32/host_automation.h"

#include <oleauto.h>

#include <cmath>

#include "controls/wide_text.h"

namespace {

constexpr DISPID kDialId = 2;
constexpr DISPID kTypedCallId = 8;
constexpr DISPID kMacroId = 16;
constexpr LONG kTypedCallField = 5;  // the log line's call field

}  // namespace

void HostAutomation::Connect() {
    m_host.Reset();
    if (m_closing) return;
    CLSID classId;
    if (FAILED(CLSIDFromProgID(L"MixW2.Application", &classId))) return;
    ComPtr<IUnknown> running;
    if (FAILED(GetActiveObject(classId, nullptr, running.Put())) || !running) return;
    running->QueryInterface(IID_IDispatch, m_host.PutVoid());
}

void HostAutomation::Disconnect() { m_host.Reset(); }

HRESULT HostAutomation::Invoke(DISPID id, WORD flags, VARIANT* args, UINT argCount,
                               VARIANT* result) {
    if (!m_host) return E_POINTER;
    if (m_closing) return E_ABORT;
    DISPPARAMS params = {args, nullptr, argCount, 0};
    ExceptionInfo exception;  // the host's exception texts are not ours to show
    UINT badArgument = 0;
    return m_host->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result,
                          exception.Get(), &badArgument);
}

std::optional<std::string> HostAutomation::DoTypedCall() {
    VARIANT field;
    VariantInit(&field);
    field.vt = VT_I4;
    field.lVal = kTypedCallField;
    Variant result;
    if (FAILED(Invoke(kTypedCallId, DISPATCH_METHOD, &field, 1, result.Get()))) return std::nullopt;
    const VARIANT* value = result.Get();
    // No string (or another type) reads as no call typed.
    if (value->vt != VT_BSTR || value->bstrVal == nullptr) return std::string();
    return AnsiFromWide(value->bstrVal, SysStringLen(value->bstrVal));
}

std::optional<double> HostAutomation::DoDialHz() {
    Variant result;
    if (FAILED(Invoke(kDialId, DISPATCH_PROPERTYGET, nullptr, 0, result.Get())))
        return std::nullopt;
    // Other numeric types are taken as they convert; a text or anything
    // else is no frequency.
    switch (result.Get()->vt) {
        case VT_R8:
        case VT_R4:
        case VT_I2:
        case VT_I4:
        case VT_UI2:
        case VT_UI4:
        case VT_INT:
        case VT_UINT:
            break;
        default:
            return std::nullopt;
    }
    if (FAILED(VariantChangeType(result.Get(), result.Get(), 0, VT_R8))) return std::nullopt;
    return result.Get()->dblVal;
}

bool HostAutomation::DoSendMacro(const std::string& text) {
    Variant argument;  // frees the text
    argument.Get()->bstrVal = SysAllocString(WideFromUtf8(text).c_str());
    if (argument.Get()->bstrVal == nullptr) return false;
    argument.Get()->vt = VT_BSTR;
    return SUCCEEDED(Invoke(kMacroId, DISPATCH_METHOD, argument.Get(), 1, nullptr));
}
