#include "tools/band_plan.h"

#include <cctype>

namespace host {

std::uint32_t FrequencyHz(std::string_view mhz) {
    std::size_t begin = mhz.find_first_not_of(' ');
    std::size_t end = mhz.find_last_not_of(' ');
    if (begin == std::string_view::npos) return 0;
    mhz = mhz.substr(begin, end - begin + 1);
    std::uint64_t hz = 0;
    std::uint64_t scale = 1000000;  // Hz per unit of the current digit
    bool point = false;
    bool anyDigit = false;
    for (char c : mhz) {
        if (c == '.' && !point) {
            point = true;
            continue;
        }
        if (c < '0' || c > '9') return 0;
        anyDigit = true;
        int digit = c - '0';
        if (!point) {
            hz = hz * 10 + static_cast<std::uint64_t>(digit) * 1000000;
            if (hz > 0xFFFFFFFFull) return 0;
        } else {
            scale /= 10;  // digits past 1 Hz are dropped
            hz += static_cast<std::uint64_t>(digit) * scale;
        }
    }
    if (!anyDigit || hz > 0xFFFFFFFFull) return 0;
    return static_cast<std::uint32_t>(hz);
}

std::string BandOfFrequency(std::uint32_t hz) {
    struct Range {
        std::uint32_t low, high;
        const char* band;
    };
    static const Range kBands[] = {
        {1800000, 2000000, "160m"},  {3500000, 4000000, "80m"},   {5060000, 5450000, "60m"},
        {7000000, 7300000, "40m"},   {10100000, 10150000, "30m"}, {14000000, 14350000, "20m"},
        {18068000, 18168000, "17m"}, {21000000, 21450000, "15m"}, {24890000, 24990000, "12m"},
        {28000000, 29700000, "10m"}, {50000000, 54000000, "6m"},  {144000000, 148000000, "2m"},
    };
    for (const Range& r : kBands)
        if (hz >= r.low && hz <= r.high) return r.band;
    return std::string();
}

std::string NormaliseBand(std::string_view band) {
    std::string out;
    for (char c : band)
        if (!std::isspace(static_cast<unsigned char>(c)))
            out.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
    return out;
}

}  // namespace host
