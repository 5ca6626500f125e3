// Waiting on the host's main thread.  Once the thread serves the automation
// object, calls from the plug-in's window thread reach it as window
// messages, so every wait has to keep handling messages or both threads
// stop.
#pragma once

namespace host {

// Handles this thread's messages for `ms` milliseconds (0: only those that
// are already queued), then returns.
void PumpMessagesFor(unsigned ms);

}  // namespace host
