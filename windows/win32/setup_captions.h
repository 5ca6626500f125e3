// The Setup window's controls whose text follows the language (UTF-8).
#pragma once

#include "resources/resource.h"

struct SetupControlCaption {
    int id;
    const char* english;
    const char* russian;
};
// Sized by its rows: no typed count to leave a row of zeros.
inline constexpr SetupControlCaption kSetupControlCaptions[] = {
    {IDC_SETUP_VIEW, "View", "Отображать"},
    {IDC_SETUP_EADX100, "EADX100", "EADX100 страны"},
    {IDC_SETUP_CALL_AREA, "Call_Area", "Call_Area"},
    {IDC_SETUP_PROVINCE, "Province Spain", "Провинции Испании"},
    {IDC_SETUP_ON_TOP, "Window on top", "Поверх окон"},
    {IDC_SETUP_PREV_QSO, "Previous QSO", "Предыдущие QSO"},
};

inline const char* TextOf(const SetupControlCaption& caption, bool russian) {
    return russian ? caption.russian : caption.english;
}
