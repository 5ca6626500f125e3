#include "fuzz/refresh_driver.h"

#include <mutex>

namespace {

using refmodel::Answer;

// The host's automation object answering as the script says, with every
// call it receives written down.
class ScriptedHost : public HostLink {
  public:
    ScriptedHost(const refmodel::HostScript& script, std::vector<std::string>& calls)
        : m_script(script), m_calls(calls) {}

    bool Connected() const override { return m_script.connected; }
    std::optional<std::string> DoTypedCall() override {
        m_calls.push_back("call");
        if (m_script.callAnswer == Answer::kFails) return std::nullopt;
        return m_script.callAnswer == Answer::kOk ? m_script.call : "";
    }
    std::optional<double> DoDialHz() override {
        m_calls.push_back("dial");
        if (m_script.dialAnswer != Answer::kOk) return std::nullopt;
        return m_script.hz;
    }
    bool DoSendMacro(const std::string& text) override {
        m_calls.push_back("macro " + text);
        return m_script.macroOk;
    }

  private:
    const refmodel::HostScript& m_script;
    std::vector<std::string>& m_calls;
};

}  // namespace

refmodel::Outcome RefreshDriver::Run(SharedState& shared, const refmodel::HostScript& script) {
    refmodel::Outcome out;
    ScriptedHost host(script, out.hostCalls);
    const RefreshView view = RunRefreshPass(shared, m_refresh, host);
    out.rowsUpdated = view.rowsUpdated;
    out.prevQsoTitle = view.prevQsoTitle;
    out.bandKnown = view.bandKnown;
    out.multiplierTitle = view.multiplierTitle;
    out.resetMaps = view.resetMaps;
    out.provinceTitle = view.provinceTitle;
    out.provinces = view.provinces;
    out.callAreaTitle = view.callAreaTitle;
    out.callAreas = view.callAreas;
    out.memory = {m_refresh.currentCall, m_refresh.lastDialHz, m_refresh.currentBand,
                  m_refresh.shownBand};
    const TableView table = TakeTableView(shared, m_refresh);
    out.tableCall = table.call;
    out.tableBand = table.currentBand;
    out.tableRows = table.rows;
    const MultiplierView multipliers = TakeMultiplierView(shared, m_refresh);
    out.multiplierBand = multipliers.currentBand;
    out.multipliers = multipliers.entries;
    const SharedState::Locked state = shared.Lock();
    out.rows = state->g_prevQsoRows;
    out.pending = state->g_refreshPending;
    return out;
}

refmodel::StateInputs RefreshDriver::Inputs(SharedState& shared) {
    const SharedState::Locked locked = shared.Lock();
    const PluginState& state = *locked;
    return refmodel::StateInputs{state.g_prevQsoRows, state.bandLists,
                                 Captions{state.g_contestYear, state.g_russianCaptions != 0}};
}
