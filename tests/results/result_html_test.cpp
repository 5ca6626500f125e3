#include "results/result_html.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/case_name.h"
#include "tests/support/plugin_rig.h"
#include "tests/support/qso_builder.h"
#include "tests/support/result_log.h"

namespace {

const std::string kPageHead =
    "<html><head><style>table{ width:100%; }table, th, td{ border: 1px solid black; "
    "border-collapse: collapse; }th, td{ padding: 1px; text-align: middle; }th,td{ "
    "background-color: #fffac6; color: black; }</style></head><body>";
const std::string kTitleAndHeads =
    "<center><b>   KOLVEX CONTEST 15.04-16.04.2017</b></center>"
    "<center>Contestant:  <b>DL1OWN</center></b><table>"
    "<tr><th>Band</th><th>QSOs</th><th>Points</th><th>EADX100</th><th>Prov</th><th>JA</th>"
    "<th>W</th><th>VE</th><th>VK</th><th>iMults</th></tr>";

std::string FigureRow(const std::string& label, const std::string& figures) {
    std::string row = "<tr><th><center>" + label + "</center></th>";
    size_t start = 0;
    for (size_t comma; start <= figures.size(); start = comma + 1) {
        comma = figures.find(',', start);
        if (comma == std::string::npos) comma = figures.size();
        row += "<td><center>" + figures.substr(start, comma - start) + "</center></td>";
    }
    return row + "</tr>";
}

std::string Tail() {
    return std::string("</table><h6 align=right>") + kCreditLine + "</h6></body></html>";
}

TEST(ResultHtml, EmptyLogPage) {
    PluginRig rig;
    rig.Reset();
    rig.plugin.SetVersion();
    EXPECT_EQ(rig.Result(),
              kPageHead + kTitleAndHeads + FigureRow("Total", "0,0,0,0,0,0,0,0,0") +
                  "<tr><th><center>Dupe</center></th><td><center>0</center></td>"
                  "<td colspan=8> </td></tr>"
                  "<tr><th><center>Bad QSO</center></th><td><center>0</center></td>"
                  "<td colspan=8> </td></tr>"
                  "<tr><th>Score:</th><td colspan=9><center>0 * 0 = 0</center></td></tr>"
                  "<tr><th>Last QSO points:</th><td colspan=9><center>    0</center></td></tr>"
                  "<th colspan=10><center>Rate</center></th></tr>"
                  "<tr><th>Hourly (10min/1 hour) QSO rate:</th><td colspan=9><center>    0 /0"
                  "</center></td></tr>"
                  "<tr><th>Hourly (10min/1 hour) pts rate:</th><td colspan=9><center>    0 /0"
                  "</center></td></tr>" +
                  Tail());
}

TEST(ResultHtml, ResultLogPage) {
    PluginRig rig;
    rig.Reset();
    rig.plugin.SetVersion();
    FillResultLog(rig.plugin);
    EXPECT_EQ(rig.Result(),
              kPageHead + kTitleAndHeads + FigureRow("40m", "13,21,6,4,2,3,0,0,15") +
                  FigureRow("20m", "7,13,4,3,0,2,1,0,10") + FigureRow("10m", "0,0,0,0,0,0,0,0,0") +
                  FigureRow("Total", "20,34,10,7,2,5,1,0,25") +
                  "<tr><th><center>Dupe</center></th><td><center>6</center></td>"
                  "<td colspan=8> </td></tr>"
                  "<tr><th><center>Bad QSO</center></th><td><center>9</center></td>"
                  "<td colspan=8> </td></tr>"
                  "<tr><th>Score:</th><td colspan=9><center>34 * 25 = 850</center></td></tr>"
                  "<tr><th>Last QSO points:</th><td colspan=9><center>    3</center></td></tr>"
                  "<th colspan=10><center>Rate</center></th></tr>"
                  "<tr><th>Hourly (10min/1 hour) QSO rate:</th><td colspan=9><center>    8 /24"
                  "</center></td></tr>"
                  "<tr><th>Hourly (10min/1 hour) pts rate:</th><td colspan=9><center>   12 /48"
                  "</center></td></tr>" +
                  Tail());
}

TEST(ResultHtml, RateRowPadsHourFigure) {
    PluginRig rig;
    rig.Reset();
    rig.plugin.SetVersion();
    for (int i = 0; i < 30; ++i) {
        const int minutesBefore = i < 23 ? 55 - 2 * i : 6 - (i - 23);
        rig.plugin.AddData(
            Qso("DL" + std::to_string(i) + "A").Time(Later(QsoTime(), -60.0 * minutesBefore)));
    }
    EXPECT_NE(rig.Result().find("QSO rate:</th><td colspan=9><center>   30 /42</center>"),
              std::string::npos);
}

TEST(ResultHtml, HoldsNoLineBreakAnywhere) {
    PluginRig rig;
    rig.Reset(ContestReset("DL1\r\nOWN"));
    rig.plugin.SetVersion();
    rig.plugin.AddData(Qso("EA1A").Spanish("EA", "M"));
    rig.plugin.AddData(Qso("DL1A").Band("1\r\n0m").Mode("PSK"));
    const std::string page = rig.Result();
    ASSERT_FALSE(page.empty());
    EXPECT_EQ(page.find_first_of("\r\n"), std::string::npos);
}

struct OwnCallCase {
    const char* name;
    const char* ownCall;
    const char* shown;  // as it stands between <b> and </center> in the title
};

const OwnCallCase kOwnCalls[] = {
    {"Plain", "EA3XYZ/P", "EA3XYZ/P"},
    {"Ampersand", "EA3&XYZ", "EA3&amp;XYZ"},
    {"TagLike", "<b>&", "&lt;b&gt;&amp;"},
    {"Quote", "EA\"3\"", "EA&quot;3&quot;"},
    {"AlreadyEscaped", "&amp;&lt;", "&amp;amp;&amp;lt;"},
    {"LineBreakAndMarkup", "A\r\n</table>", "A  &lt;/table&gt;"},
    {"OtherBytesUnchanged", "EA3'\xE9\x01", "EA3'\xE9\x01"},
};

class HtmlOwnCall : public testing::TestWithParam<OwnCallCase> {};

TEST_P(HtmlOwnCall, TitleShowsTheCallAsText) {
    PluginRig rig;
    rig.Reset(ContestReset(GetParam().ownCall));
    rig.plugin.SetVersion();
    const std::string page = rig.Result();
    const std::string title =
        "<center><b>   KOLVEX CONTEST 15.04-16.04.2017</b></center>"
        "<center>Contestant:  <b>" +
        std::string(GetParam().shown) + "</center></b><table>";
    EXPECT_EQ(page.substr(0, kPageHead.size() + title.size()), kPageHead + title);
}

INSTANTIATE_TEST_SUITE_P(OwnCalls, HtmlOwnCall, testing::ValuesIn(kOwnCalls), CaseName());

TEST(ResultHtml, TextResultKeepsTheCallAsItCame) {
    PluginRig rig;
    rig.Reset(ContestReset("<b>&\""));
    EXPECT_NE(rig.Result().find("\t\t\tContestant: <b>&\"\r\n"), std::string::npos);
}

}  // namespace
