#include "fuzz/table_rows_run.h"

#include <string>
#include <vector>

#include "contest/call_area_kinds.h"
#include "contest/contest_rules.h"
#include "fuzz/plugin_checker.h"
#include "tests/support/qso_builder.h"

namespace fuzzin {

namespace {

// The countries with a rule of their own: Spanish and call-area ones.
std::vector<std::string> RuledCountries() {
    std::vector<std::string> countries(std::begin(kSpanishCountries), std::end(kSpanishCountries));
    for (const CallAreaKind& kind : kCallAreaKind) countries.emplace_back(kind.country);
    return countries;
}

QsoArgs RowQso(const std::string& country, int band, const std::string& exchange, int serial) {
    QsoArgs q;
    q.ownCall = "UR5EQF";
    q.call = country + "1R" + std::to_string(serial);
    q.callPrefix = country + "1";
    q.country = country;
    q.band = kBands[band].text;
    q.freqHz = static_cast<std::uint32_t>(kBands[band].wholeMHz) * 1000000u;
    q.mode = "RTTY";
    q.time = Later(QsoTime(), serial);
    q.rstSent = q.rstReceived = "599";
    q.exchSent = "1";
    q.exchReceived = exchange;
    return q;
}

}  // namespace

void RunEveryTableRow() {
    PluginChecker checker;
    ResetArgs reset;
    reset.ownCall = "UR5EQF";
    reset.ownCountry = "UR";
    checker.Reset(reset, "");
    int serial = 0;
    for (int band = 0; band < kBandRows; ++band) {
        for (const std::string& country : RuledCountries()) {
            const QsoArgs q =
                RowQso(country, band, IsSpanishCountry(country) ? "M" : "1", ++serial);
            checker.Check(CheckOf(q));
            checker.Add(q);
        }
    }
    for (const char* province : kProvinceCodes) {
        const int band = kContestBandRows[static_cast<size_t>(serial) % kContestBandRows.size()];
        for (const std::string& country : RuledCountries()) {
            checker.Exchange(province, country + "1R", country);
            checker.Add(RowQso(country, band, province, ++serial));
        }
    }
    checker.Result();
}

}  // namespace fuzzin
