#include "fuzz/result_parser.h"

#include <cstdlib>
#include <string_view>

#include "results/result_text.h"

namespace fuzzparse {

namespace {

// Walks a text, matching literals and reading printf "%i" / "%5i" numbers.
class Cursor {
  public:
    Cursor(const std::string& text, size_t pos) : m_text(text), m_pos(pos) {}

    bool Literal(const std::string& literal) {
        if (!m_ok || m_text.compare(m_pos, literal.size(), literal) != 0) return m_ok = false;
        m_pos += literal.size();
        return true;
    }
    bool Peek(const std::string& literal) const {
        return m_ok && m_text.compare(m_pos, literal.size(), literal) == 0;
    }
    // A number as "%i" prints it; `width` blanks of padding allowed before it.
    int Int(size_t width = 0) {
        const size_t start = m_pos;
        while (m_pos < m_text.size() && m_text[m_pos] == ' ') ++m_pos;
        const size_t digitsFrom = m_pos;
        if (m_pos < m_text.size() && m_text[m_pos] == '-') ++m_pos;
        while (m_pos < m_text.size() && m_text[m_pos] >= '0' && m_text[m_pos] <= '9') ++m_pos;
        const std::string number = m_text.substr(digitsFrom, m_pos - digitsFrom);
        const size_t printed = m_pos - start;
        const bool padded = digitsFrom > start;
        if (number.empty() || number == "-" || (padded && printed != width) ||
            (!padded && number.size() < width)) {
            m_ok = false;
            return 0;
        }
        return static_cast<int>(std::strtoll(number.c_str(), nullptr, 10));
    }
    std::string Until(const std::string& literal) {
        const size_t end = m_text.find(literal, m_pos);
        if (!m_ok || end == std::string::npos) {
            m_ok = false;
            return std::string();
        }
        std::string part = m_text.substr(m_pos, end - m_pos);
        m_pos = end + literal.size();
        return part;
    }
    bool AtEnd() const { return m_ok && m_pos == m_text.size(); }
    bool Ok() const { return m_ok; }

  private:
    const std::string& m_text;
    size_t m_pos;
    bool m_ok = true;
};

void TextRow(Cursor& c, BandFigures& f) {
    f.band = c.Until("\t ");
    f.qsos = c.Int();
    c.Literal("\t  ");
    f.points = c.Int();
    c.Literal("\t   ");
    f.entities = c.Int();
    c.Literal("\t  ");
    f.provinces = c.Int();
    for (int& column : f.areas) {
        c.Literal("\t");
        column = c.Int();
    }
    c.Literal("\t  ");
    f.multipliers = c.Int();
    c.Literal("\r\n");
}

}  // namespace

bool ParseText(const std::string& text, ResultFigures& r) {
    constexpr std::string_view heads = "\tQSOs\tPoints\tEADX100\tProv\tJA\tW\tVE\tVK\tiMults\r\n";
    const size_t at = text.rfind(heads);
    if (text.compare(0, 20, "   \t\tKOLVEX CONTEST ") != 0 || at == std::string::npos) {
        return false;
    }
    Cursor c(text, at + heads.size());
    r = ResultFigures();
    while (c.Ok() && !c.Peek("Total\t")) {
        r.bands.emplace_back();
        TextRow(c, r.bands.back());
    }
    TextRow(c, r.total);
    c.Literal("\r\nDupe\t ");
    r.total.dupes = c.Int();
    c.Literal("\r\nBad QSO\t ");
    r.rejected = c.Int();
    c.Literal("\r\n\r\nScore: ");
    const int points = c.Int();
    c.Literal("*");
    const int mults = c.Int();
    c.Literal(" = ");
    r.score = c.Int();
    c.Literal("\r\n\t\t\tRate\r\nHourly (10min) QSO rate: ");
    r.hourQsos = c.Int(5);
    c.Literal(" (");
    r.tenMinuteQsos = c.Int();
    c.Literal(") QSOs/hour\r\nHourly (10min) pts rate: ");
    r.hourPoints = c.Int(5);
    c.Literal(" (");
    r.tenMinutePoints = c.Int();
    c.Literal(") points/hour\r\n\r\nLast QSO: ");
    r.lastQsoPoints = c.Int();
    c.Literal(" points\r\n\r\n");
    c.Literal(kCreditLine);
    return c.AtEnd() && points == r.total.points && mults == r.total.multipliers;
}

namespace {

void HtmlRow(Cursor& c, BandFigures& f) {
    c.Literal("<tr><th><center>");
    f.band = c.Until("</center></th>");
    for (int* column : {&f.qsos, &f.points, &f.entities, &f.provinces, &f.areas[0], &f.areas[1],
                        &f.areas[2], &f.areas[3], &f.multipliers}) {
        c.Literal("<td><center>");
        *column = c.Int();
        c.Literal("</center></td>");
    }
    c.Literal("</tr>");
}

int HtmlCount(Cursor& c, const char* label) {
    c.Literal(std::string("<tr><th><center>") + label + "</center></th><td><center>");
    const int value = c.Int();
    c.Literal("</center></td><td colspan=8> </td></tr>");
    return value;
}

void HtmlRate(Cursor& c, const char* label, int& hour, int& tenMinutes) {
    c.Literal(std::string("<tr><th>") + label + "</th><td colspan=9><center>");
    hour = c.Int(5);
    c.Literal(" /");
    tenMinutes = c.Int();
    c.Literal("</center></td></tr>");
}

}  // namespace

bool ParseHtml(const std::string& html, ResultFigures& r) {
    constexpr std::string_view heads =
        "<tr><th>Band</th><th>QSOs</th><th>Points</th><th>EADX100</th><th>Prov</th><th>JA</th>"
        "<th>W</th><th>VE</th><th>VK</th><th>iMults</th></tr>";
    if (html.compare(0, 12, "<html><head>") != 0) return false;
    const size_t at = html.rfind(heads);
    if (at == std::string::npos) return false;
    Cursor c(html, at + heads.size());
    r = ResultFigures();
    while (c.Ok() && !c.Peek("<tr><th><center>Total<")) {
        r.bands.emplace_back();
        HtmlRow(c, r.bands.back());
    }
    HtmlRow(c, r.total);
    r.total.dupes = HtmlCount(c, "Dupe");
    r.rejected = HtmlCount(c, "Bad QSO");
    c.Literal("<tr><th>Score:</th><td colspan=9><center>");
    const int points = c.Int();
    c.Literal(" * ");
    const int mults = c.Int();
    c.Literal(" = ");
    r.score = c.Int();
    c.Literal("</center></td></tr><tr><th>Last QSO points:</th><td colspan=9><center>");
    r.lastQsoPoints = c.Int(5);
    c.Literal("</center></td></tr><th colspan=10><center>Rate</center></th></tr>");
    HtmlRate(c, "Hourly (10min/1 hour) QSO rate:", r.hourQsos, r.tenMinuteQsos);
    HtmlRate(c, "Hourly (10min/1 hour) pts rate:", r.hourPoints, r.tenMinutePoints);
    c.Literal("</table><h6 align=right>");
    c.Literal(kCreditLine);
    c.Literal("</h6></body></html>");
    return c.AtEnd() && points == r.total.points && mults == r.total.multipliers;
}

}  // namespace fuzzparse
