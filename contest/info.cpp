#include "contest/info.h"

#include "contest/call_area_kinds.h"

namespace {

std::int32_t* AreaField(CInfo& info, const std::string& country) {
    for (const CallAreaKind& kind : kCallAreaKind) {
        if (country == kind.country) return &(info.*kind.field);
    }
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
