#include "windows/win32/setup_captions.h"

#include "resources/resource.h"

const std::array<SetupControlCaption, 6> kSetupControlCaptions = {{
    {IDC_SETUP_VIEW, "View", "Отображать"},
    {IDC_SETUP_EADX100, "EADX100", "EADX100 страны"},
    {IDC_SETUP_CALL_AREA, "Call_Area", "Call_Area"},
    {IDC_SETUP_PROVINCE, "Province Spain", "Провинции Испании"},
    {IDC_SETUP_ON_TOP, "Window on top", "Поверх окон"},
    {IDC_SETUP_PREV_QSO, "Previous QSO", "Предыдущие QSO"},
}};
