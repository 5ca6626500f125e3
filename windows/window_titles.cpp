#include "windows/window_titles.h"

#include "contest/text_util.h"
#include "resources/resource.h"

namespace {

const char* Pick(const Captions& c, const char* english, const char* russian) {
    return c.russian ? russian : english;
}

}  // namespace

std::string SetupTitle(const Captions& c) {
    return Format(Pick(c, "Setup KOLVEX-%s", "Установки KOLVEX-%s"), c.year.c_str());
}

std::string PrevQsoOpenedTitle(const Captions& c) {
    return Format(Pick(c, "KOLVEX-%s Previous, QSO", "KOLVEX-%s Предыдущие QSO"), c.year.c_str());
}

std::string PrevQsoTitle(const Captions& c) {
    return Format(Pick(c, "KOLVEX-%s Previous QSO", "KOLVEX-%s Предыдущие QSO"), c.year.c_str());
}

std::string WorkedWithTitle(const Captions& c, const std::string& call) {
    return Format(Pick(c, "KOLVEX-%s worked with %s ", "KOLVEX-%s Работал с %s"), c.year.c_str(),
                  call.c_str());
}

std::string MultiplierTitle(const Captions& c, const std::string& band) {
    return Format(
        Pick(c, "KOLVEX-%s EA100DX worked on %s", "KOLVEX-%s Отработано стран EA100DX на %s"),
        c.year.c_str(), band.c_str());
}

std::string ProvinceTitle(const Captions& c, const std::string& band, std::size_t worked) {
    return Format(
        Pick(c, "EA Prov - worked on %s %s of 52", "EA Провинции - отработано на %s %s из 52"),
        band.c_str(), std::to_string(worked).c_str());
}

std::string CallAreaTitle(const std::string& band) { return " Call_Area " + band; }

const std::array<SetupControlCaption, 6> kSetupControlCaptions = {{
    {IDC_SETUP_VIEW, "View", "Отображать"},
    {IDC_SETUP_EADX100, "EADX100", "EADX100 страны"},
    {IDC_SETUP_CALL_AREA, "Call_Area", "Call_Area"},
    {IDC_SETUP_PROVINCE, "Province Spain", "Провинции Испании"},
    {IDC_SETUP_ON_TOP, "Window on top", "Поверх окон"},
    {IDC_SETUP_PREV_QSO, "Previous QSO", "Предыдущие QSO"},
}};
