#include "windows/window_titles.h"

#include <cstring>
#include <functional>
#include <initializer_list>
#include <iterator>

#include "contest/contest_rules.h"

namespace {

// The pattern with each "%s" replaced by the next text, byte for byte: any
// byte of a text, '%' and NUL included, goes in as it is.
std::string Fill(const char* pattern,
                 std::initializer_list<std::reference_wrapper<const std::string>> texts) {
    std::string out;
    out.reserve(64);
    auto text = texts.begin();
    for (const char* rest = pattern;;) {
        const char* mark = std::strstr(rest, "%s");
        if (mark == nullptr || text == texts.end()) return out.append(rest);
        out.append(rest, mark).append(text->get());
        ++text;
        rest = mark + 2;
    }
}

const char* Pick(const Captions& c, const char* english, const char* russian) {
    return c.russian ? russian : english;
}

}  // namespace

std::string SetupTitle(const Captions& c) {
    return Fill(Pick(c, "Setup KOLVEX-%s", "Установки KOLVEX-%s"), {c.year});
}

std::string PrevQsoOpenedTitle(const Captions& c) {
    return Fill(Pick(c, "KOLVEX-%s Previous, QSO", "KOLVEX-%s Предыдущие QSO"), {c.year});
}

std::string PrevQsoTitle(const Captions& c) {
    return Fill(Pick(c, "KOLVEX-%s Previous QSO", "KOLVEX-%s Предыдущие QSO"), {c.year});
}

std::string WorkedWithTitle(const Captions& c, const std::string& call) {
    return Fill(Pick(c, "KOLVEX-%s worked with %s ", "KOLVEX-%s Работал с %s"), {c.year, call});
}

std::string MultiplierTitle(const Captions& c, const std::string& band) {
    return Fill(
        Pick(c, "KOLVEX-%s EA100DX worked on %s", "KOLVEX-%s Отработано стран EA100DX на %s"),
        {c.year, band});
}

std::string ProvinceTitle(const Captions& c, const std::string& band, std::size_t worked) {
    const std::string count = std::to_string(worked);
    const std::string provinces = std::to_string(std::size(kProvinceCodes));
    return Fill(
        Pick(c, "EA Prov - worked on %s %s of %s", "EA Провинции - отработано на %s %s из %s"),
        {band, count, provinces});
}

std::string CallAreaTitle(const std::string& band) { return " Call_Area " + band; }
