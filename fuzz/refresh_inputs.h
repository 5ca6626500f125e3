// Turns fuzzer bytes into the host's answers for one refresh pass: typed
// calls of any bytes and length (often a call of the log), failed calls and
// answers of the wrong type, and dial frequencies with their edges (zero,
// negative, NaN, infinities, huge, the whole-megahertz borders and steps of
// exactly 300 Hz from the dial last sent).
#pragma once

#include "fuzz/byte_source.h"
#include "fuzz/refresh_model.h"

namespace fuzzin {

refmodel::HostScript Host(ByteSource& in, const reference::Log& log, double lastDialHz);

}  // namespace fuzzin
