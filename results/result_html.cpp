#include "results/result_html.h"

#include <string>

#include "contest/text_util.h"

namespace {

const char* const kPageHead =
    "<html><head><style>table{ width:100%; }table, th, td{ border: 1px solid black; "
    "border-collapse: collapse; }th, td{ padding: 1px; text-align: middle; }th,td{ "
    "background-color: #fffac6; color: black; }</style></head><body>";
const char* const kTitle =
    "<center><b>%s</b></center><center>Contestant:  <b>%s</center></b><table>";
const char* const kCountRow =
    "<tr><th><center>%s</center></th><td><center>%i</center></td><td colspan=%i> </td></tr>";
const char* const kScoreRow =
    "<tr><th>%s</th><td colspan=%i><center>%i * %i = %i</center></td></tr>";
const char* const kSingleFigureRow = "<tr><th>%s</th><td colspan=%i><center>%5i</center></td></tr>";
const char* const kRateHeading = "<th colspan=%i><center>%s</center></th></tr>";
const char* const kRateRow = "<tr><th>%s</th><td colspan=%i><center>%5i /%i</center></td></tr>";

// The host's texts go into the page as text, never as markup, and on the
// page's one line.
std::string HtmlText(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : BlankLineBreaks(text)) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string ColumnHeads() {
    std::string row = "<tr><th>Band</th>";
    for (const FigureColumn& column : kFigureColumns) row += Format("<th>%s</th>", column.heading);
    return row + "</tr>";
}

std::string FigureRow(const BandFigures& f) {
    std::string row = "<tr><th><center>" + HtmlText(f.band) + "</center></th>";
    for (const FigureColumn& column : kFigureColumns) {
        row += Format("<td><center>%i</center></td>", column.Of(f));
    }
    return row + "</tr>";
}

}  // namespace

std::string ResultHtml(const ResultTitle& title, const ResultFigures& r) {
    const std::string heading =
        Format("   KOLVEX CONTEST %s-%s", title.periodStart.c_str(), title.periodEnd.c_str());
    std::string page = kPageHead;
    page += Format(kTitle, HtmlText(heading).c_str(), HtmlText(title.ownCall).c_str());
    page += ColumnHeads();
    for (const BandFigures& band : r.bands) page += FigureRow(band);
    page += FigureRow(r.total);
    page += Format(kCountRow, "Dupe", r.total.dupes, kResultColumns - 2);
    page += Format(kCountRow, "Bad QSO", r.rejected, kResultColumns - 2);
    page += Format(kScoreRow, "Score:", kResultColumns - 1, r.total.points, r.total.multipliers,
                   r.score);
    page += Format(kSingleFigureRow, "Last QSO points:", kResultColumns - 1, r.lastQsoPoints);
    page += Format(kRateHeading, kResultColumns, "Rate");
    page += Format(kRateRow, "Hourly (10min/1 hour) QSO rate:", kResultColumns - 1, r.hourQsos,
                   r.tenMinuteQsos * 6);
    page += Format(kRateRow, "Hourly (10min/1 hour) pts rate:", kResultColumns - 1, r.hourPoints,
                   r.tenMinutePoints * 6);
    page += "</table><h6 align=right>";
    page += kCreditLine;
    page += "</h6></body></html>";
    return page;
}
