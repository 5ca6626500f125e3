#include "tools/call_prefix.h"

#include <array>
#include <cctype>
#include <vector>

namespace callsign {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool HasDigit(std::string_view text) {
    for (char c : text)
        if (IsDigit(c)) return true;
    return false;
}

// Suffixes that say how a station operates, not where.
bool IsOperatingSuffix(std::string_view part) {
    static const std::array<std::string_view, 9> kSuffixes = {"P",    "M", "MM", "AM", "QRP",
                                                              "QRPP", "A", "B",  "LH"};
    for (std::string_view s : kSuffixes)
        if (part == s) return true;
    return false;
}

std::vector<std::string> SplitSlashes(const std::string& call) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
        std::size_t slash = call.find('/', start);
        std::string part = call.substr(start, slash - start);
        if (!part.empty()) parts.push_back(part);
        if (slash == std::string::npos) return parts;
        start = slash + 1;
    }
}

// Everything up to and including the last digit.
std::string PrefixOfHome(const std::string& home) {
    std::size_t last = home.find_last_of("0123456789");
    if (last == std::string::npos) return home.substr(0, 2) + "0";
    return home.substr(0, last + 1);
}

}  // namespace

std::string Normalise(std::string_view call) {
    std::size_t begin = 0;
    std::size_t end = call.size();
    while (begin < end && std::isspace(static_cast<unsigned char>(call[begin]))) ++begin;
    while (end > begin && std::isspace(static_cast<unsigned char>(call[end - 1]))) --end;
    std::string out(call.substr(begin, end - begin));
    for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

Parts Split(std::string_view call) {
    Parts result;
    std::vector<std::string> parts;
    for (std::string& part : SplitSlashes(Normalise(call))) {
        if (part.size() == 1 && IsDigit(part[0]))
            result.area = part[0];
        else if (!IsOperatingSuffix(part))
            parts.push_back(part);
    }
    if (parts.empty()) return result;
    if (parts.size() == 1) {
        result.home = parts[0];
        return result;
    }
    // Of two parts, the shorter names the place (EA8/DL1ABC, DL1ABC/EA8);
    // a part without digit is a prefix only when the other one has a digit.
    std::size_t homeIndex = parts[0].size() >= parts[1].size() ? 0 : 1;
    if (!HasDigit(parts[homeIndex]) && HasDigit(parts[1 - homeIndex])) homeIndex = 1 - homeIndex;
    result.home = parts[homeIndex];
    result.designator = parts[1 - homeIndex];
    return result;
}

std::string DerivePrefix(std::string_view call) {
    Parts parts = Split(call);
    if (!parts.designator.empty()) {
        std::string prefix = parts.designator;
        if (!HasDigit(prefix)) prefix += '0';
        return prefix;
    }
    if (parts.home.empty()) return std::string();
    std::string prefix = PrefixOfHome(parts.home);
    if (parts.area != '\0') {
        std::size_t last = prefix.find_last_of("0123456789");
        if (last != std::string::npos)
            prefix = prefix.substr(0, last) + parts.area;
        else
            prefix.push_back(parts.area);
    }
    return prefix;
}

}  // namespace callsign
