// Random but plausible contest logs for the benchmarks: many countries, the
// contest's bands, Spanish countries, provinces and call-area countries as
// its tables have them, the HQ, a few duplicates, a few refused and badly
// copied QSOs.  The same stream number always gives the same log.
#pragma once

#include <cstdint>
#include <vector>

#include "contest/call_checks.h"
#include "contest/qso_entry.h"
#include "tests/support/plugin_rig.h"
#include "tests/support/qso_builder.h"

namespace benchlog {

// `count` QSOs in log order, one contest weekend long.
std::vector<QsoArgs> RandomQsos(std::size_t count, std::uint32_t stream);

// Calls as the operator types them: about half already in `log`, some on
// other bands, some new.
std::vector<CheckArgs> RandomChecks(const std::vector<QsoArgs>& log, std::size_t count,
                                    std::uint32_t stream);

}  // namespace benchlog
