// A host automation object for the refresh tests: scripted answers, one
// call that can be made to fail, every macro text kept.
#pragma once

#include <string>
#include <vector>

#include "windows/info_refresh.h"

class FakeHostLink : public HostLink {
  public:
    enum class Fail { kNone, kCall, kDial, kMacro };

    bool connected = true;
    std::string call;
    double dialHz = 14085000.0;
    Fail fail = Fail::kNone;

    std::vector<std::string> macros;
    int callReads = 0;
    int dialReads = 0;

    bool Connected() const override { return connected; }
    std::optional<std::string> DoTypedCall() override {
        ++callReads;
        if (fail == Fail::kCall) return std::nullopt;
        return call;
    }
    std::optional<double> DoDialHz() override {
        ++dialReads;
        if (fail == Fail::kDial) return std::nullopt;
        return dialHz;
    }
    bool DoSendMacro(const std::string& text) override {
        if (fail == Fail::kMacro) return false;
        macros.push_back(text);
        return true;
    }
};
