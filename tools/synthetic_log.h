// Made-up contest QSOs for load runs: valid bands and modes, Spanish
// stations with provinces, call-area stations and others with serials.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/host_qso.h"

namespace host {

// Always the same log for the same count and generator state.
std::vector<Qso> MakeSyntheticLog(int count, std::uint32_t state);

}  // namespace host
