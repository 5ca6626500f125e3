#include "tools/dispatch_call.h"

#include <cmath>
#include <cstdio>

#include "controls/com.h"

namespace host {
namespace {

constexpr std::size_t kShownChars = 40;

struct NamedCode {
    HRESULT hr;
    const char* name;
};

const NamedCode kCodes[] = {
    {S_OK, "S_OK"},
    {E_FAIL, "E_FAIL"},
    {E_INVALIDARG, "E_INVALIDARG"},
    {E_POINTER, "E_POINTER"},
    {E_NOINTERFACE, "E_NOINTERFACE"},
    {E_OUTOFMEMORY, "E_OUTOFMEMORY"},
    {DISP_E_MEMBERNOTFOUND, "DISP_E_MEMBERNOTFOUND"},
    {DISP_E_BADPARAMCOUNT, "DISP_E_BADPARAMCOUNT"},
    {DISP_E_TYPEMISMATCH, "DISP_E_TYPEMISMATCH"},
    {DISP_E_UNKNOWNNAME, "DISP_E_UNKNOWNNAME"},
    {DISP_E_NONAMEDARGS, "DISP_E_NONAMEDARGS"},
    {DISP_E_UNKNOWNINTERFACE, "DISP_E_UNKNOWNINTERFACE"},
    {DISP_E_BADINDEX, "DISP_E_BADINDEX"},
    {MK_E_UNAVAILABLE, "MK_E_UNAVAILABLE"},
    {REGDB_E_CLASSNOTREG, "REGDB_E_CLASSNOTREG"},
    {CO_E_CLASSSTRING, "CO_E_CLASSSTRING"},
    {RPC_E_DISCONNECTED, "RPC_E_DISCONNECTED"},
    {static_cast<HRESULT>(0x800706F4), "RPC_X_NULL_REF_POINTER"},
};

std::string NumberText(double value) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value > 0 ? "+Inf" : "-Inf";
    char text[64];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

std::string BstrText(BSTR text) {
    const UINT length = text == nullptr ? 0 : SysStringLen(text);
    std::string shown;
    for (UINT i = 0; i < length && i < kShownChars; ++i) {
        wchar_t c = text[i];
        shown += c >= 0x20 && c < 0x7F ? static_cast<char>(c) : '?';
    }
    if (length > kShownChars) shown += "...";
    return "VT_BSTR " + std::to_string(length) + " chars \"" + shown + "\"";
}

}  // namespace

DispatchArg IntArg(LONG number) { return DispatchArg{VT_I4, number, nullptr}; }
DispatchArg TextArg(const wchar_t* text) { return DispatchArg{VT_BSTR, 0, text}; }

std::string VariantText(const VARIANT& value) {
    switch (V_VT(&value)) {
        case VT_EMPTY:
            return "VT_EMPTY";
        case VT_R8:
            return "VT_R8 " + NumberText(V_R8(&value));
        case VT_I4:
            return "VT_I4 " + std::to_string(V_I4(&value));
        case VT_BSTR:
            return BstrText(V_BSTR(&value));
        default:
            return "VT " + std::to_string(V_VT(&value));
    }
}

std::string HresultText(HRESULT hr) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(hr));
    for (const NamedCode& code : kCodes)
        if (code.hr == hr) return std::string(text) + " " + code.name;
    return text;
}

DispatchAnswer CallDispatch(IDispatch* object, const DispatchCall& call) {
    const std::size_t count = call.args.size();
    std::vector<VARIANT> reversed(count);
    for (std::size_t i = 0; i < count; ++i) {
        const DispatchArg& arg = call.args[count - 1 - i];
        VARIANT& v = reversed[i];
        VariantInit(&v);
        V_VT(&v) = arg.type;
        if (arg.type == VT_I4) V_I4(&v) = arg.number;
        if (arg.type == VT_BSTR) V_BSTR(&v) = arg.text ? SysAllocString(arg.text) : nullptr;
    }
    DISPID named = 0;
    DISPPARAMS params{};
    params.cArgs = static_cast<UINT>(count);
    params.rgvarg = call.argsMissing || count == 0 ? nullptr : reversed.data();
    params.cNamedArgs = call.namedArg ? 1 : 0;
    params.rgdispidNamedArgs = call.namedArg ? &named : nullptr;
    Variant result;
    DispatchAnswer answer;
    answer.hr = object->Invoke(call.id, IID_NULL, LOCALE_USER_DEFAULT, call.flags,
                               call.nullParams ? nullptr : &params,
                               call.wantResult ? result.Get() : nullptr, nullptr, &answer.argError);
    if (call.wantResult) answer.value = VariantText(*result);
    for (VARIANT& v : reversed) VariantClear(&v);
    return answer;
}

}  // namespace host
