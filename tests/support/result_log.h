// The log of the results' golden tests, built so that every figure the
// result shows differs from every other: the totals, dupes, bad QSOs,
// score, last QSO's points and the four rate figures among themselves; the
// figures of one band's row (the call areas it has none of aside); and the
// two bands' rows, column by column.  A figure shown in another's place
// changes the result.
//
//          QSOs Points EADX100 Prov JA W VE VK iMults
//   40m     13    21      6      4   2 3  0  0   15
//   20m      7    13      4      3   0 2  1  0   10
//   10m      0     0      0      0   0 0  0  0    0   (its only QSO refused)
//   Total   20    34     10      7   2 5  1  0   25
//   Dupe 6, Bad QSO 9, Score 34*25 = 850, Last QSO 3 points;
//   40 m in the last hour 8 QSOs, 12 points; in the last ten minutes 4, 8.
#pragma once

#include <string>

#include "plugin/stats_plugin.h"
#include "tests/support/qso_builder.h"

// A station of a call-area country; the prefix is the call without its
// last letter.
inline Qso AreaQso(const std::string& call, const std::string& country) {
    return Qso(call).Country(country).Prefix(call.substr(0, call.size() - 1));
}

inline void FillResultLog(StatsPlugin& plugin) {
    // The last QSO is at QsoTime() on 40 m.
    const auto add = [&plugin](Qso qso, const char* band, int minutesBefore) {
        plugin.AddData(qso.Band(band).Time(Later(QsoTime(), -60.0 * minutesBefore)));
    };
    add(Qso("EA1A").Spanish("EA", "M"), "20m", 120);
    add(Qso("EA2A").Spanish("EA", "B"), "20m", 120);
    add(Qso("EA3A").Spanish("EA", "V"), "20m", 120);
    add(AreaQso("K1A", "K"), "20m", 120);
    add(AreaQso("K2A", "K"), "20m", 120);
    add(AreaQso("VE1A", "VE"), "20m", 120);
    for (int copy = 0; copy < 5; ++copy) add(Qso("DL1A"), "20m", 120);  // 4 dupes, 10 lines

    add(Qso("EA1B").Spanish("EA", "M"), "40m", 90);
    add(Qso("EA2B").Spanish("EA", "B"), "40m", 90);
    add(AreaQso("K2B", "K"), "40m", 90);
    add(AreaQso("JA2B", "JA"), "40m", 90);
    add(Qso("DL1B"), "40m", 90);
    add(Qso("DL1B"), "40m", 90);  // dupe
    add(AreaQso("K1B", "K"), "40m", 30);
    add(AreaQso("K3B", "K"), "40m", 30);
    add(AreaQso("JA1B", "JA"), "40m", 30);
    add(Qso("F1B").Country("F").Prefix("F1"), "40m", 30);
    add(Qso("DL1B"), "40m", 30);  // dupe, 2 lines
    add(Qso("EA3B").Spanish("EA", "V"), "40m", 5);
    add(Qso("I1B").Country("I").Prefix("I1"), "40m", 5);
    add(Qso("DL2B"), "40m", 5);
    add(Qso("EA4B").Spanish("EA", "TF"), "40m", 0);

    plugin.AddData(Qso("X1X").Band("10m").Mode("PSK"));  // refused, after adding its band
    plugin.AddData(Qso("Y1Y").Band("160m"));             // refused
}
