#include "results/result_text.h"

#include "contest/text_util.h"

namespace {

std::string FigureRow(const BandFigures& f) {
    std::string row = Format("%s", f.band.c_str());
    for (const FigureColumn& column : kFigureColumns) {
        row += Format("%s%i", column.textLead, column.Of(f));
    }
    return row + "\r\n";
}

// The band's column has no heading.
std::string ColumnHeads() {
    std::string heads;
    for (const FigureColumn& column : kFigureColumns) heads += std::string("\t") + column.heading;
    return heads + "\r\n";
}

}  // namespace

std::string ResultText(const ResultTitle& title, const ResultFigures& r) {
    std::string text =
        Format("   \t\tKOLVEX CONTEST %s-%s \r\n\t\t\tContestant: %s\r\n",
               title.periodStart.c_str(), title.periodEnd.c_str(), title.ownCall.c_str());
    text += ColumnHeads();
    for (const BandFigures& band : r.bands) text += FigureRow(band);
    text += FigureRow(r.total);
    text += Format(
        "\r\nDupe\t %i\r\nBad QSO\t %i\r\n\r\nScore: %i*%i = %i\r\n\t\t\tRate\r\n"
        "Hourly (10min) QSO rate: %5i (%i) QSOs/hour\r\n"
        "Hourly (10min) pts rate: %5i (%i) points/hour\r\n\r\nLast QSO: %i points\r\n\r\n",
        r.total.dupes, r.rejected, r.total.points, r.total.multipliers, r.score, r.hourQsos,
        r.tenMinuteQsos * 6, r.hourPoints, r.tenMinutePoints * 6, r.lastQsoPoints);
    return text + kCreditLine;
}
