// Writes the HTML and the text result of a small contest log, for the
// check that the page renders in a real browser.
#include <fstream>
#include <iostream>

#include "tests/support/plugin_rig.h"
#include "tests/support/qso_builder.h"

namespace {

void AddQso(PluginRig& rig, const char* call, const char* country, const char* prefix,
            const char* band, const char* exch, int minute) {
    rig.plugin.AddData(Qso(call)
                           .OwnCall("EA3XYZ")
                           .Time(COleDateTime::FromParts(2017, 4, 15, 14, minute, 0))
                           .ExchSent("B")
                           .Exch(exch)
                           .Prefix(prefix)
                           .Country(country)
                           .Band(band));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: html_page_writer PAGE.html TEXT.txt\n";
        return 2;
    }
    const std::string pagePath = argv[1];
    const std::string textPath = argv[2];
    std::string page, text;
    {
        PluginRig rig;
        // Markup in the own call must show as text on the page.
        rig.Reset(ContestReset("EA3<b>&\"XYZ", "EA"));
        AddQso(rig, "EA1AA", "EA", "EA1", "20m", "M", 1);
        AddQso(rig, "EA8BB", "EA8", "EA8", "20m", "TF", 2);
        AddQso(rig, "K4XX", "K", "K4", "20m", "12", 3);
        AddQso(rig, "VE4YY", "VE", "VE4", "20m", "7", 4);
        AddQso(rig, "EA1AA", "EA", "EA1", "20m", "M", 5);
        AddQso(rig, "JA1ZZ", "JA", "JA1", "40m", "33", 6);
        AddQso(rig, "DL1AB", "DL", "DL1", "80m", "101", 7);
        AddQso(rig, "EA4URE", "EA", "EA4", "80m", "HQ", 8);
        text = rig.Result();
        rig.plugin.SetVersion();
        page = rig.Result();
    }
    std::ofstream(pagePath, std::ios::binary) << page;
    std::ofstream(textPath, std::ios::binary) << text;
    return 0;
}
