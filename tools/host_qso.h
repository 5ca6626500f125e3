// One QSO as the host passes it to the plug-in, taken from an ADIF record.
#pragma once

#include <cstdint>
#include <string>

#include "tools/adif_reader.h"
#include "tools/cty_file.h"
#include "tools/ole_date.h"

namespace host {

struct Qso {
    std::string call;
    std::string band;  // "20m"
    std::string mode;
    OleDate time;
    std::uint32_t freqHz = 0;
    std::string rstSent;
    std::string rstReceived;
    std::string exchSent;
    std::string exchReceived;
    std::string callPrefix;
    std::string country;  // EADX100 entity prefix, "" when unknown
};

struct QsoSourceOptions {
    const cty::CountryFile* countries = nullptr;  // optional
    bool rawBand = false;  // pass BAND exactly as logged instead of normalised
};

// The app-defined ADIF field that carries the country prefix directly.
inline constexpr const char* kCountryField = "APP_KOLVEX_CTY";

// Field by field: CALL; BAND (or the band of FREQ when BAND is missing);
// MODE; QSO_DATE + TIME_ON; FREQ; RST_SENT, RST_RCVD; STX_STRING else STX;
// SRX_STRING else SRX; PFX else derived from the call; APP_KOLVEX_CTY else
// the country file.  Texts other than the band are passed as logged.
Qso QsoFromRecord(const adif::Record& record, const QsoSourceOptions& options);

// The country prefix of a call being typed, from the country file alone.
std::string CountryOfCall(const std::string& call, const cty::CountryFile* countries);

}  // namespace host
