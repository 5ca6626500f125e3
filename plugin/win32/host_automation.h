// The running host's automation object "MixW2.Application", reached from
// the window thread: the typed call, the dial and macro texts, by dispatch id.
#pragma once

#include <oaidl.h>

#include <atomic>
#include <string>

#include "controls/com.h"
#include "controls/wide_text.h"
#include "windows/info_refresh.h"

class HostAutomation : public HostLink {
  public:
    // Once `closing` is set no new call goes to the host: the host thread
    // is then waiting for the window thread and may not answer.
    explicit HostAutomation(const std::atomic<bool>& closing) : m_closing(closing) {}

    // Looks the program id up and asks for the running instance; stays
    // unconnected when the host is not running or not registered.  COM must
    // be initialised on the calling thread.
    void Connect();
    // Gives up the host's object, releasing it.
    void Disconnect();

    bool Connected() const override { return static_cast<bool>(m_host); }
    std::string TitleTextOf(const std::string& call) const override { return Utf8FromAnsi(call); }

  protected:
    std::optional<std::string> DoTypedCall() override;
    std::optional<double> DoDialHz() override;
    bool DoSendMacro(const std::string& text) override;

  private:
    // One Invoke; a failed call is an answer, not an exception.
    HRESULT Invoke(DISPID id, WORD flags, VARIANT* args, UINT argCount, VARIANT* result);

    const std::atomic<bool>& m_closing;
    ComPtr<IDispatch> m_host;
};
