// What a logger works out from a call sign by itself: the normalised call,
// the part that names the country for portable calls, and the WPX-style
// call prefix whose last digit is the call area.
#pragma once

#include <string>
#include <string_view>

namespace callsign {

// Upper case, surrounding white space removed.
std::string Normalise(std::string_view call);

// A portable call split up: "EA8/DL1ABC/P" gives home "DL1ABC", designator
// "EA8"; "K4ABC/6" gives home "K4ABC", area '6'.  Operating suffixes such as
// /P, /M, /QRP are dropped.  A call without '/' is all home.
struct Parts {
    std::string home;
    std::string designator;  // a prefix the station operates under, or ""
    char area = '\0';        // a single-digit area suffix, or '\0'
};
Parts Split(std::string_view call);

// The WPX prefix: "EA4URE" -> "EA4", "EA8/DL1ABC" -> "EA8", "K4ABC/6" ->
// "K6", "PA/DL1ABC" -> "PA0", a call without digit -> first two letters + "0".
// Empty for an empty call.
std::string DerivePrefix(std::string_view call);

}  // namespace callsign
