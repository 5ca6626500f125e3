#include "tools/host_qso.h"

#include "tools/band_plan.h"
#include "tools/call_prefix.h"

namespace host {
namespace {

std::string FirstPresent(const adif::Record& record, const char* name, const char* fallback) {
    const adif::Field* field = record.Find(name);
    if (field == nullptr) field = record.Find(fallback);
    return field ? field->value : std::string();
}

}  // namespace

std::string CountryOfCall(const std::string& call, const cty::CountryFile* countries) {
    return countries ? countries->PrimaryPrefix(call) : std::string();
}

Qso QsoFromRecord(const adif::Record& record, const QsoSourceOptions& options) {
    Qso qso;
    qso.call = record.Value("CALL");
    qso.freqHz = FrequencyHz(record.Value("FREQ"));
    const adif::Field* band = record.Find("BAND");
    if (band == nullptr)
        qso.band = BandOfFrequency(qso.freqHz);
    else
        qso.band = options.rawBand ? band->value : NormaliseBand(band->value);
    qso.mode = record.Value("MODE");
    qso.time = DateFromAdif(record.Value("QSO_DATE"), record.Value("TIME_ON"));
    qso.rstSent = record.Value("RST_SENT");
    qso.rstReceived = record.Value("RST_RCVD");
    qso.exchSent = FirstPresent(record, "STX_STRING", "STX");
    qso.exchReceived = FirstPresent(record, "SRX_STRING", "SRX");
    const adif::Field* prefix = record.Find("PFX");
    qso.callPrefix = prefix ? prefix->value : callsign::DerivePrefix(qso.call);
    const adif::Field* country = record.Find(kCountryField);
    qso.country = country ? country->value : CountryOfCall(qso.call, options.countries);
    return qso;
}

}  // namespace host
