#include "fuzz/model_rules.h"

#include <algorithm>
#include <fstream>
#include <string_view>

#include "contest/contest_rules.h"
#include "tests/support/own_rules.h"

namespace model {

namespace {

std::string Lower(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

std::string UpperTrimmed(const std::string& text) {
    const char* blanks = " \t\n\v\f\r";
    const size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos) return std::string();
    std::string out = text.substr(first, text.find_last_not_of(blanks) - first + 1);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return out;
}

std::string Trimmed(const std::string& text) {
    const char* blanks = " \t\n\v\f\r";
    const size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos) return std::string();
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

constexpr const char* kWho = "fuzz model";

bool IsSpanish(const std::string& country) { return own_rules::SpanishCountry(kWho, country); }

// The 52 provinces and the HQ's exchange.
bool IsProvince(const std::string& text) {
    static constexpr std::string_view kCodes =
        " A AB AL AV B BA BI BU C CA CC CE CO CR CS CU GC GI GR GU H HQ HU IB J L LE LO LU M MA "
        "ML MU NA O OU P PO S SA SE SG SO SS T TE TF TO V VA VI Z ZA ";
    const bool own = !text.empty() && text.find(' ') == std::string::npos &&
                     kCodes.find(" " + text + " ") != std::string_view::npos;
    return own_rules::Agreed(kWho, "province", text, own, IsProvinceCode(text));
}

// Whether a lower-case band text is a contest band of the tables.
bool IsContestBandRow(const std::string& band) {
    for (int row : kContestBandRows) {
        if (band == kBands[row].text) return true;
    }
    return false;
}

}  // namespace

bool IsValidBand(const std::string& band) {
    const std::string b = Lower(band);
    const bool own = b == "80m" || b == "40m" || b == "20m" || b == "15m" || b == "10m";
    return own_rules::Agreed(kWho, "contest band", b, own, IsContestBandRow(b));
}

AddOutcome ExpectedAdd(const QsoArgs& q, const reference::Log& log) {
    AddOutcome out;
    if (!IsValidBand(q.band)) return {0, {"   WRONG BAND !!!"}};
    if (Lower(q.mode) != "rtty") return {0, {"   WRONG MODE !!!"}};
    if (q.exchReceived.empty() || q.exchSent.empty()) return {0, {"   NO RX NUMBER !!!"}};
    out.accepted = 1;
    if (IsSpanish(q.country)) {
        const std::string sent = UpperTrimmed(q.exchReceived);
        if (q.call == "EA4URE" && sent != "HQ") {
            out.messages.push_back("  ONLY HQ POSSIBLE FROM EA4URE !!!");
        } else if (q.call != "EA4URE" && !IsProvince(sent)) {
            out.messages.push_back("   NO SPAIN PROVINCE !!!");
        }
    }
    for (const CInfo& earlier : log) {
        if (earlier.m_call == q.call && earlier.m_band == q.band && earlier.m_mode == q.mode) {
            out.messages.push_back("   DUPE !!!");
        }
    }
    return out;
}

int ExpectedExchange(const std::string& exchange, const std::string& call,
                     const std::string& country) {
    if (call == "EA4URE") return Trimmed(exchange) == "HQ";
    if (IsSpanish(country)) return IsProvince(Trimmed(exchange));
    if (exchange.empty() || exchange.size() > 4 || exchange == "599") return 0;
    return exchange.find_first_not_of("0123456789") == std::string::npos;
}

bool SplitCrLf(std::string_view text, std::vector<std::string_view>& lines) {
    lines.clear();
    size_t start = 0;
    while (start < text.size()) {
        // A line ends at the first LF, right after its only CR.  Two memchr
        // scans: a set of bytes searched byte by byte takes seconds on
        // megabytes of 64 KB lines under ASan.
        const size_t end = text.find('\n', start);
        if (end == std::string_view::npos || end == start || text[end - 1] != '\r') return false;
        const std::string_view line = text.substr(start, end - 1 - start);
        if (line.find('\r') != std::string_view::npos) return false;
        lines.push_back(line);
        start = end + 1;
    }
    return true;
}

std::string ReadFile(const std::string& name, bool& exists) {
    std::string content;
    exists = ReadFileFrom(name, 0, content);
    return content;
}

bool ReadFileFrom(const std::string& name, std::size_t offset, std::string& tail) {
    tail.clear();
    std::ifstream file(name, std::ios::binary | std::ios::ate);
    if (!file.is_open()) return false;
    const auto size = static_cast<std::size_t>(file.tellg());
    if (size < offset) return false;
    // One buffer of the size needed: files of many megabytes are read after every call.
    tail.resize(size - offset);
    file.seekg(static_cast<std::streamoff>(offset));
    file.read(&tail[0], static_cast<std::streamsize>(tail.size()));
    return true;
}

bool FileEndsWith(const std::string& name, std::size_t offset, std::string_view tail) {
    std::ifstream file(name, std::ios::binary | std::ios::ate);
    if (!file.is_open() || static_cast<std::size_t>(file.tellg()) != offset + tail.size()) {
        return false;
    }
    file.seekg(static_cast<std::streamoff>(offset));
    // A small buffer: the tail may be megabytes, and one of its size would
    // be fresh memory (page faults) on every call.
    char buffer[65536];
    for (std::size_t at = 0; at < tail.size(); at += sizeof buffer) {
        const std::size_t length = std::min(sizeof buffer, tail.size() - at);
        if (!file.read(buffer, static_cast<std::streamsize>(length)) ||
            tail.compare(at, length, std::string_view(buffer, length)) != 0) {
            return false;
        }
    }
    return true;
}

}  // namespace model
