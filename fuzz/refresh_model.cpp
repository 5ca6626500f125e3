#include "fuzz/refresh_model.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "contest/call_area_kinds.h"
#include "tests/support/own_rules.h"

namespace refmodel {

namespace {

template <std::size_t N>
constexpr bool SameMHz(const int (&mhz)[N]) {
    for (std::size_t row = 0; row < N && row < std::size(kBands); ++row) {
        if (mhz[row] != kBands[row].wholeMHz) return false;
    }
    return true;
}

// The call-area lists in the order the map's groups are marked: K, VE, JA, VK.
constexpr BandRowList BandRowLists::*kMapGroups[] = {
    &BandRowLists::g_bandAreasK, &BandRowLists::g_bandAreasVE, &BandRowLists::g_bandAreasJA,
    &BandRowLists::g_bandAreasVK};
static_assert(std::size(kMapGroups) == kCallAreaKinds, "one list per call-area country");

// The band whose whole megahertz the frequency is in, or -1.
int BandOf(double hz) {
    // The model's own copy of the bands: a band added to the rules must be added here too.
    static constexpr int kMHz[] = {1, 3, 7, 14, 21, 28};
    static_assert(std::size(kMHz) == kBandRows, "one whole megahertz per band row");
    static_assert(SameMHz(kMHz), "the model's megahertz differ from the band table's");
    const double mhz = hz / 1000000.0;
    for (int band = 0; band < kBandRows; ++band) {
        if (mhz >= kMHz[band] && mhz < kMHz[band] + 1) return band;
    }
    return -1;
}

bool BytesBefore(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
    });
}

// The flag, the memory and the painters' copies, wherever the pass ended.
Outcome Settle(Outcome out, const StateInputs& state, const Memory& memory) {
    out.memory = memory;
    out.tableCall = memory.call;
    out.tableBand = memory.currentBand;
    out.tableRows = out.rows;
    out.multiplierBand = memory.currentBand;
    if (memory.currentBand >= 0 && memory.currentBand < kBandRows) {
        out.multipliers = state.lists.g_bandMults[static_cast<size_t>(memory.currentBand)];
        std::sort(out.multipliers.begin(), out.multipliers.end(), BytesBefore);
    }
    return out;
}

void ShowBand(const StateInputs& state, int band, Memory& memory, Outcome& out) {
    const auto row = static_cast<size_t>(band);
    const std::string label = kBands[row].text;
    const BandRowLists& lists = state.lists;
    out.bandKnown = true;
    if (memory.call.empty()) out.multiplierTitle = MultiplierTitle(state.captions, label);
    out.resetMaps = band != memory.shownBand;
    out.provinces = lists.g_bandProvinces[row];
    out.provinceTitle = ProvinceTitle(state.captions, label, out.provinces.size());
    out.callAreaTitle = CallAreaTitle(label);
    for (int group = 0; group < kCallAreaKinds; ++group) {
        const auto list = kMapGroups[group];
        const CallAreaKind& kind = CallAreaKindOfMapGroup(group);
        if (kind.bandRows != list) {
            own_rules::Stop("refresh model", std::string("the tables put ") + kind.country +
                                                 " in map group " + std::to_string(group));
        }
        const std::vector<std::string>& areas = (lists.*list)[row];
        out.callAreas.insert(out.callAreas.end(), areas.begin(), areas.end());
    }
    memory.currentBand = band;
    memory.shownBand = band;
}

}  // namespace

Outcome ExpectedPass(const reference::Log& log, const StateInputs& state, Memory memory,
                     const HostScript& host) {
    Outcome out;
    out.rows = state.rows;
    if (!host.connected) return Settle(out, state, memory);
    out.hostCalls.push_back("call");
    if (host.callAnswer == Answer::kFails) return Settle(out, state, memory);
    memory.call = host.callAnswer == Answer::kOk ? host.call : "";
    if (memory.call.size() == 1 || memory.call.size() == 2) return Settle(out, state, memory);

    reference::FillPrevQsoRows(log, memory.call, out.rows);
    out.rowsUpdated = true;
    out.prevQsoTitle = memory.call.empty() ? PrevQsoTitle(state.captions)
                                           : WorkedWithTitle(state.captions, memory.call);

    out.hostCalls.push_back("dial");
    // An infinite dial is no frequency: the pass ends as on a failed read.
    if (host.dialAnswer != Answer::kOk || std::isinf(host.hz)) return Settle(out, state, memory);
    if (std::fabs(host.hz - memory.lastDialHz) > 300.0) {
        out.hostCalls.push_back("macro <SP1>");
        if (!host.macroOk) return Settle(out, state, memory);
        memory.lastDialHz = host.hz;
    }
    const int band = BandOf(host.hz);
    if (band >= 0) ShowBand(state, band, memory, out);
    return Settle(out, state, memory);
}

}  // namespace refmodel
