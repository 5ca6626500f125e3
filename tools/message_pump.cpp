#include "tools/message_pump.h"

#include <windows.h>

namespace host {

void PumpMessagesFor(unsigned ms) {
    const DWORD start = GetTickCount();
    for (;;) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        // Unsigned difference: right across the tick count's wrap.
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= ms) return;
        // MWMO_INPUTAVAILABLE: also wake for messages that were queued
        // before this wait began.
        MsgWaitForMultipleObjectsEx(0, nullptr, ms - elapsed, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
}

}  // namespace host
