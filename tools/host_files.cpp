#include "tools/host_files.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace host {

bool ReadWholeFile(const std::string& path, std::string* bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream text;
    text << in.rdbuf();
    *bytes = text.str();
    return true;
}

std::vector<Qso> QsosFromDocument(const adif::Document& doc, const QsoSourceOptions& options) {
    std::vector<Qso> qsos;
    qsos.reserve(doc.records.size());
    for (const adif::Record& record : doc.records) qsos.push_back(QsoFromRecord(record, options));
    return qsos;
}

void DefaultPeriod(const std::vector<Qso>& qsos, OleDate* start, OleDate* end) {
    *start = OleDate{};
    *end = OleDate{};
    bool any = false;
    double first = 0, last = 0;
    for (const Qso& q : qsos) {
        if (q.time.status != OleDate::valid || q.time.value < 0) continue;
        first = any ? std::fmin(first, q.time.value) : q.time.value;
        last = any ? std::fmax(last, q.time.value) : q.time.value;
        any = true;
    }
    if (!any) return;
    *start = OleDate{std::floor(first), OleDate::valid};
    *end = OleDate{std::floor(last) + 1439.0 / 1440.0, OleDate::valid};
}

std::string BadQsoFileName(const OleDate& periodEnd) {
    std::string day;
    if (periodEnd.status == OleDate::invalid) {
        day = "Invalid DateTime";
    } else if (periodEnd.status == OleDate::valid) {
        CivilTime t = CivilOf(periodEnd.value);
        char text[16];
        std::snprintf(text, sizeof text, "%02d_%02d_%04d", t.day % 100, t.month % 100,
                      t.year % 10000);
        day = text;
    }
    return "BadQSO_StatsKOLVEX_" + day + ".txt";
}

}  // namespace host
