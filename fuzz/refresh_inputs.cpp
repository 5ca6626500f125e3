#include "fuzz/refresh_inputs.h"

#include <cmath>
#include <limits>
#include <string_view>

#include "contest/contest_rules.h"
#include "fuzz/host_inputs.h"

namespace fuzzin {

namespace {

using refmodel::Answer;
using Limits = std::numeric_limits<double>;

// Mostly a good answer; one in eight fails, one in eight has the wrong type.
Answer AnswerOf(std::uint8_t b) {
    switch (b % 8) {
        case 0:
            return Answer::kFails;
        case 1:
            return Answer::kWrongType;
        default:
            return Answer::kOk;
    }
}

std::string TypedCall(ByteSource& in, const reference::Log& log) {
    constexpr std::string_view kEdges[] = {"",
                                           "E",
                                           "EA",
                                           "EA4",
                                           "K1A",
                                           "\xc3\xa9",
                                           "\xc3\xa9"
                                           "A",
                                           std::string_view("EA\0X", 4),
                                           "EA4URE ",
                                           "%s%s"};
    const std::uint8_t b = in.Byte();
    if (b < 96 && !log.empty()) return log[b % log.size()].m_call;
    if (b < 144) return std::string(kEdges[b % (sizeof kEdges / sizeof *kEdges)]);
    return Text(in, Field::kCall);
}

// A frequency on or near a whole megahertz: the band edges and both sides.
// A byte from 128 on picks a band of the table.
double NearWholeMHz(ByteSource& in) {
    static const double kMHz[] = {1, 3, 7, 14, 21, 28, 0, 2, 29, 4, -14, 1000};
    const std::uint8_t b = in.Byte();
    const double mhz =
        b >= 128 ? kBands[(b - 128) % kBandRows].wholeMHz : kMHz[b % (sizeof kMHz / sizeof *kMHz)];
    switch (in.Byte() % 5) {
        case 0:
            return mhz * 1e6;
        case 1:
            return mhz * 1e6 + 85000;
        case 2:
            return std::nextafter((mhz + 1) * 1e6, -Limits::infinity());
        case 3:
            return std::nextafter(mhz * 1e6, -Limits::infinity());
        default:
            return mhz * 1e6 + in.Raw<std::uint16_t>() * 16.0;
    }
}

double Dial(ByteSource& in, double lastDialHz) {
    const std::uint8_t b = in.Byte();
    switch (b % 20) {
        case 0:
            return 0.0;
        case 1:
            return -0.0;
        case 2:
            return Limits::quiet_NaN();
        case 3:
            return Limits::infinity();
        case 4:
            return -Limits::infinity();
        case 5:
            return 1e300;
        case 6:
            return (b & 0x80) != 0 ? Limits::max() : -Limits::max();
        case 7:
            return Limits::denorm_min();
        case 8:
            return lastDialHz + 300.0;
        case 9:
            return lastDialHz - 300.0;
        case 10:
            return std::nextafter(lastDialHz + 300.0, Limits::infinity());
        case 11:
            return std::nextafter(lastDialHz - 300.0, -Limits::infinity());
        case 12:
            return lastDialHz + ((b & 0x80) != 0 ? 299.0 : -301.0);
        case 13:
            return lastDialHz;
        case 14:
            return in.Raw<double>();
        case 15:
            return -static_cast<double>(in.Raw<std::uint32_t>());
        default:
            return NearWholeMHz(in);
    }
}

}  // namespace

refmodel::HostScript Host(ByteSource& in, const reference::Log& log, double lastDialHz) {
    refmodel::HostScript host;
    const std::uint8_t how = in.Byte();
    host.connected = how % 32 != 0;
    host.callAnswer = AnswerOf(how >> 5);
    host.call = TypedCall(in, log);
    const std::uint8_t dial = in.Byte();
    host.dialAnswer = AnswerOf(dial);
    host.macroOk = (dial >> 3) % 8 != 0;
    host.hz = Dial(in, lastDialHz);
    return host;
}

}  // namespace fuzzin
