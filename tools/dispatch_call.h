// Calling an automation object by dispatch id, as the plug-in does, and
// showing the answers as text.
#pragma once

#include <oaidl.h>
#include <windows.h>

#include <string>
#include <vector>

namespace host {

// One argument of a call: a 32-bit integer, a text (null: a null BSTR) or
// nothing at all.
struct DispatchArg {
    VARTYPE type;  // VT_I4, VT_BSTR or VT_EMPTY
    LONG number;
    const wchar_t* text;
};
DispatchArg IntArg(LONG number);
DispatchArg TextArg(const wchar_t* text);

// How one call is put together, bad shapes included.
struct DispatchCall {
    DISPID id;
    WORD flags;
    std::vector<DispatchArg> args;  // in the member's order
    bool namedArg = false;          // pass the first argument as named
    bool nullParams = false;        // no DISPPARAMS at all
    bool argsMissing = false;       // arguments counted, array missing
    bool wantResult = true;
};

struct DispatchAnswer {
    HRESULT hr = E_UNEXPECTED;
    UINT argError = 0;  // the argument that did not fit, for DISP_E_TYPEMISMATCH
    std::string value;  // VariantText of the result, "" when none wanted
};

// Builds the DISPPARAMS (arguments reversed, as Invoke expects them) and
// calls.  A failed call is an answer, not an error.
DispatchAnswer CallDispatch(IDispatch* object, const DispatchCall& call);

// "VT_R8 14085000", "VT_BSTR 6 chars \"EA1ABC\"" (long texts cut after 40
// characters, "..." added), "VT_I4 0", "VT_EMPTY", "VT 12".
std::string VariantText(const VARIANT& value);

// "0x80020003 DISP_E_MEMBERNOTFOUND"; the name only for the usual codes.
std::string HresultText(HRESULT hr);

}  // namespace host
