// The host's automation object as the plug-in's windows see it: an
// IDispatch with three members, called by dispatch id only.
//   2  property get, no argument      -> VT_R8, the dial frequency in Hz
//   8  method, one VT_I4 (always 5)   -> VT_BSTR, the call typed in the log line
//   16 method, one VT_BSTR            -> nothing; the text is run as a macro
// The host's main thread sets the dial and the typed call; every macro text
// received is printed ("macro: <text>") and kept in order.
#pragma once

#include <oaidl.h>
#include <windows.h>

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "tools/host_options.h"

namespace host {

enum HostDispatchId : DISPID {
    kDispDialHz = 2,
    kDispLogField = 8,
    kDispRunMacro = 16,
};
// The argument of dispatch id 8 that asks for the typed call.
constexpr LONG kLogFieldCall = 5;
// Length of the typed call that the long-call quirk answers.
constexpr std::size_t kLongCallLength = 10000;

// A macro text on one line: CR and LF shown as \r and \n.
std::string MacroLine(const std::string& text);

class HostAutomation final : public IDispatch {
  public:
    // Reference count 1, owned by the caller.
    explicit HostAutomation(AutomationQuirk quirk);
    HostAutomation(const HostAutomation&) = delete;
    HostAutomation& operator=(const HostAutomation&) = delete;

    void SetDialHz(double hz);
    // ANSI text, as the log holds it.
    void SetTypedCall(const std::string& call);
    std::vector<std::string> Macros() const;
    // How often the typed call was asked for (dispatch id 8).
    int TypedCallReads() const { return m_typedCallReads; }
    // Runs `act` once, on the serving thread, when the dial is next asked
    // for and before it is answered: a host busy while the plug-in waits.
    void BeforeNextDialAnswer(std::function<void()> act);
    // The next call, whichever it is, answers E_FAIL; the ones after as usual.
    void FailNextAnswer() { m_failNext = true; }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    // IDispatch
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID lcid,
                                            DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID lcid, WORD flags,
                                     DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                     UINT* argError) override;

  private:
    ~HostAutomation() = default;
    HRESULT DialHz(WORD flags, const DISPPARAMS& params, VARIANT* result);
    HRESULT LogField(WORD flags, const DISPPARAMS& params, VARIANT* result, UINT* argError) const;
    HRESULT RunMacro(WORD flags, const DISPPARAMS& params, VARIANT* result, UINT* argError);

    const AutomationQuirk m_quirk;
    mutable std::atomic<int> m_typedCallReads{0};
    std::atomic<bool> m_failNext{false};
    LONG m_refs = 1;
    mutable std::mutex m_mutex;  // the state below
    double m_dialHz = 0.0;
    std::wstring m_typedCall;
    std::vector<std::string> m_macros;
    std::function<void()> m_beforeDial;
};

}  // namespace host
