// Frequencies and band texts the way the host hands them to the plug-in.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace host {

// ADIF FREQ (MHz, decimal point) in Hz, without going through floating
// point.  0 when the text is not a frequency or does not fit 32 bits.
std::uint32_t FrequencyHz(std::string_view mhz);

// The amateur band holding the frequency ("20m"), or "" when none does.
std::string BandOfFrequency(std::uint32_t hz);

// The host's band text: lower case without blanks ("20M " -> "20m").
std::string NormaliseBand(std::string_view band);

}  // namespace host
