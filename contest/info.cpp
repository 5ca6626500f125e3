#include "contest/info.h"

namespace {

std::int32_t* AreaField(CInfo& info, const std::string& country) {
    if (country == "K") return &info.m_areaK;
    if (country == "VE") return &info.m_areaVE;
    if (country == "VK") return &info.m_areaVK;
    if (country == "JA") return &info.m_areaJA;
    return nullptr;
}

}  // namespace

void SetCallArea(CInfo& info, const std::string& country, const std::string& prefix) {
    std::int32_t* area = AreaField(info, country);
    if (area == nullptr) return;
    for (char c : prefix) {
        if (c >= '0' && c <= '9') *area = c - '0';
    }
}
