// The one place where the fuzzer meets the refresh pass and the shared
// state it reads: runs a pass against a host that answers from a script,
// and reads back in plain types what the pass and the painters' copies
// show.  When the pass's interface or the state's door changes, only this
// file and its source follow.
#pragma once

#include "fuzz/refresh_model.h"
#include "plugin/shared_state.h"
#include "windows/info_refresh.h"

class RefreshDriver {
  public:
    // One pass, then the rows, the flag and the painters' copies after it.
    refmodel::Outcome Run(SharedState& shared, const refmodel::HostScript& script);

    // What a pass reads from the state besides the log.
    static refmodel::StateInputs Inputs(SharedState& shared);

  private:
    RefreshState m_refresh;
};
