// The refresh pass written down once more, as plainly as possible: what one
// pass must ask the host, show and remember, given the host's answers, the
// log (scanned from the first record) and the per-band lists.  Plain types
// only, so that a change of the pass's own interface touches none of this.
#pragma once

#include <string>
#include <vector>

#include "contest/band_rows.h"
#include "tests/support/reference_scan.h"
#include "windows/window_titles.h"

namespace refmodel {

// How the host answers one call.  A wrong VARIANT type reads as no call
// typed for the call field and as a failure for the dial.
enum class Answer { kOk, kFails, kWrongType };

// The host's answers for one pass.
struct HostScript {
    bool connected = true;
    Answer callAnswer = Answer::kOk;
    std::string call;
    Answer dialAnswer = Answer::kOk;
    double hz = 0.0;
    bool macroOk = true;
};

// What the pass reads from the shared state besides the log.
struct StateInputs {
    PrevQsoRowSet rows;  // the previous-QSO rows
    BandRowLists lists;
    Captions captions;
};

// The window thread's memory between passes.
struct Memory {
    std::string call;
    double lastDialHz = 0.0;
    int currentBand = -1;
    int shownBand = kBandRows;  // no band shown yet
};

// Everything one pass leaves: its answer, the host calls it made, the rows
// and memory after it, the flag and the painters' copies taken after it.
struct Outcome {
    std::vector<std::string> hostCalls;  // "call", "dial", "macro <text>"
    bool rowsUpdated = false;
    std::string prevQsoTitle;
    bool bandKnown = false;
    std::string multiplierTitle;
    bool resetMaps = false;
    std::string provinceTitle;
    std::vector<std::string> provinces;
    std::string callAreaTitle;
    std::vector<std::string> callAreas;
    PrevQsoRowSet rows;
    Memory memory;
    int pending = 1;
    std::string tableCall;
    int tableBand = -1;
    PrevQsoRowSet tableRows;
    int multiplierBand = -1;
    std::vector<std::string> multipliers;
};

Outcome ExpectedPass(const reference::Log& log, const StateInputs& state, Memory memory,
                     const HostScript& host);

}  // namespace refmodel
