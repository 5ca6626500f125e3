// An export run through the real exports, its two modal windows answered
// from a second thread as an operator would.
#pragma once

#include <string>

#include "tests/plugin/win32/host_calls_win.h"
#include "tests/support/window_driver_win.h"

namespace host_calls {

// An export run's reset, through `dll`'s ResetStats0: the header dialog is
// confirmed as it is.
inline bool ExportReset(Reset r = Reset{}, const host::StatsExports& dll = StatsDll::Get()) {
    WindowDriver header("DARNOL Contest", [](HWND dialog) { Press(dialog, IDOK); });
    r.exportRequest = 1;
    return dll.Reset(r) == 1 && header.Found();
}

// The result of an export run and the text of its "Output" box.
inline std::string ExportResult(std::string* result) {
    std::string confirmation = "(no Output box)";
    WindowDriver output("Output", [&](HWND box) {
        confirmation = ItemText(box, 0xFFFF);
        Press(box, IDOK);
    });
    *result = StatsDll::Get().GetResult0(nullptr);
    output.Found();
    return confirmation;
}

}  // namespace host_calls
