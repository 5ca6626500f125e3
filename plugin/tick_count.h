// A 64-bit millisecond count made from the 32-bit one that every Windows
// has.  GetTickCount wraps to 0 every 49.7 days; a value below the last one
// seen is such a wrap.
#pragma once

#include <cstdint>

// The 64-bit count after `last`, given the 32-bit count read now (read after
// `last` was, so that it can only be a later count).  A wrap is seen as long
// as the count is read at least once every 49.7 days.
inline std::uint64_t NextTickCount(std::uint64_t last, std::uint32_t now) {
    const std::uint64_t wraps = last & ~std::uint64_t{0xFFFFFFFF};
    const bool wrapped = now < static_cast<std::uint32_t>(last);
    return (wrapped ? wraps + (std::uint64_t{1} << 32) : wraps) | now;
}
