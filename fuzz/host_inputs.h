// Turns fuzzer bytes into what the host passes: texts (mostly plausible ones
// from small tables, else any bytes, short or very long), dates with any
// value and status, frequencies.
#pragma once

#include <cstdint>
#include <string>

#include "contest/call_checks.h"
#include "contest/ole_date_time.h"
#include "contest/qso_entry.h"
#include "fuzz/byte_source.h"
#include "plugin/stats_plugin.h"

namespace fuzzin {

enum class Field { kCall, kBand, kMode, kCountry, kPrefix, kExchange, kReport, kVersion };

// A byte below 200 picks a table entry: from 100 on a row of the contest's
// tables (a band, a Spanish or call-area country, a province) where the
// field has such rows, else an entry of a small table of its own; 200-249 a raw text of 0-49 bytes;
// 250-254 a raw text whose length follows; 255 a long text (a short
// pattern repeated to a length given by two bytes, within what is left of
// the input's allowance for long texts).
std::string Text(ByteSource& in, Field field);

// A value (a table of contest times and edge values, or any double) and a
// status (mostly valid; invalid, null, out of range, or any 32-bit value).
COleDateTime Date(ByteSource& in);

std::uint32_t Frequency(ByteSource& in);

QsoArgs Qso(ByteSource& in);
CheckArgs Check(ByteSource& in);
ResetArgs Reset(ByteSource& in);

}  // namespace fuzzin
