#include <string>
#include <vector>

#include "contest/call_area_kinds.h"
#include "contest/text_util.h"
#include "results/result_text.h"

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
// The band, the figures, one per call-area kind, the multipliers: the rows
// below the figures span as many columns.
constexpr int kColumns = 6 + kCallAreaKinds;

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
    std::vector<std::string> heads = {"Band", "QSOs", "Points", "EADX100", "Prov"};
    for (const CallAreaKind& kind : kCallAreaKind) heads.push_back(kind.resultHeading);
    heads.push_back("iMults");
    std::string row = "<tr>";
    for (const std::string& head : heads) row += "<th>" + head + "</th>";
    return row + "</tr>";
}

std::string FigureRow(const BandFigures& f) {
    std::vector<int> figures = {f.qsos, f.points, f.entities, f.provinces};
    figures.insert(figures.end(), f.areas.begin(), f.areas.end());
    figures.push_back(f.multipliers);
    std::string row = "<tr><th><center>" + HtmlText(f.band) + "</center></th>";
    for (int figure : figures) row += Format("<td><center>%i</center></td>", figure);
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
    page += Format(kCountRow, "Dupe", r.total.dupes, kColumns - 2);
    page += Format(kCountRow, "Bad QSO", r.rejected, kColumns - 2);
    page += Format(kScoreRow, "Score:", kColumns - 1, r.total.points, r.total.multipliers, r.score);
    page += Format(kSingleFigureRow, "Last QSO points:", kColumns - 1, r.lastQsoPoints);
    page += Format(kRateHeading, kColumns, "Rate");
    page += Format(kRateRow, "Hourly (10min/1 hour) QSO rate:", kColumns - 1, r.hourQsos,
                   r.tenMinuteQsos * 6);
    page += Format(kRateRow, "Hourly (10min/1 hour) pts rate:", kColumns - 1, r.hourPoints,
                   r.tenMinutePoints * 6);
    page += "</table><h6 align=right>";
    page += kCreditLine;
    page += "</h6></body></html>";
    return page;
}
