// Writes the HTML and the text result of a small contest log, for the
// check that the page renders in a real browser.
#include <fstream>
#include <iostream>

#include "plugin/stats_plugin.h"
#include "tests/support/fake_environment.h"
#include "tests/support/temp_folder.h"

namespace {

void AddQso(StatsPlugin& plugin, const char* call, const char* country, const char* prefix,
            const char* band, const char* exch, int minute) {
    QsoArgs q;
    q.ownCall = "EA3XYZ";
    q.call = call;
    q.time = COleDateTime::FromParts(2017, 4, 15, 14, minute, 0);
    q.freqHz = 14085000;
    q.mode = "RTTY";
    q.rstSent = q.rstReceived = "599";
    q.exchSent = "B";
    q.exchReceived = exch;
    q.callPrefix = prefix;
    q.country = country;
    q.band = band;
    plugin.AddData(q);
}

std::string Result(StatsPlugin& plugin) { return plugin.GetResult(); }

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: html_page_writer PAGE.html TEXT.txt\n";
        return 2;
    }
    const std::string pagePath = argv[1];
    const std::string textPath = argv[2];
    FakeEnvironment env;
    MapProfileStore profile;
    StatsPlugin plugin(env, profile);
    std::string page, text;
    {
        TempFolder folder;
        ResetArgs reset;
        // Markup in the own call must show as text on the page.
        reset.ownCall = "EA3<b>&\"XYZ";
        reset.ownCountry = "EA";
        reset.start = COleDateTime::FromParts(2017, 4, 15, 12, 0, 0);
        reset.end = COleDateTime::FromParts(2017, 4, 16, 12, 0, 0);
        plugin.ResetStats(reset);
        AddQso(plugin, "EA1AA", "EA", "EA1", "20m", "M", 1);
        AddQso(plugin, "EA8BB", "EA8", "EA8", "20m", "TF", 2);
        AddQso(plugin, "K4XX", "K", "K4", "20m", "12", 3);
        AddQso(plugin, "VE4YY", "VE", "VE4", "20m", "7", 4);
        AddQso(plugin, "EA1AA", "EA", "EA1", "20m", "M", 5);
        AddQso(plugin, "JA1ZZ", "JA", "JA1", "40m", "33", 6);
        AddQso(plugin, "DL1AB", "DL", "DL1", "80m", "101", 7);
        AddQso(plugin, "EA4URE", "EA", "EA4", "80m", "HQ", 8);
        text = Result(plugin);
        plugin.SetVersion();
        page = Result(plugin);
    }
    std::ofstream(pagePath, std::ios::binary) << page;
    std::ofstream(textPath, std::ios::binary) << text;
    return 0;
}
