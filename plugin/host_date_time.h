// The host's date-time object as it lies in memory: the OLE date (double)
// followed by a 32-bit status (0 valid, 1 invalid, 2 null).
#pragma once

#include <cstdint>
#include <cstring>

#include "contest/ole_date_time.h"

struct HostDateTime {
    double dt;
    std::int32_t status;
};

// A null pointer reads as a null date; any other status word as invalid.
inline COleDateTime FromHost(const HostDateTime* p) {
    if (p == nullptr) return COleDateTime(0.0, COleDateTime::null);
    double value;
    std::int32_t status;
    std::memcpy(&value, &p->dt, sizeof value);
    std::memcpy(&status, &p->status, sizeof status);
    if (status == COleDateTime::valid) return COleDateTime(value, COleDateTime::valid);
    if (status == COleDateTime::null) return COleDateTime(value, COleDateTime::null);
    return COleDateTime(value, COleDateTime::invalid);
}
