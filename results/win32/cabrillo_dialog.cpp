#include "results/win32/cabrillo_dialog.h"

#include <string>
#include <utility>

#include "controls/dialog_init.h"
#include "controls/resource_module.h"
#include "resources/resource.h"

Cabrillo::Cabrillo(CabrilloHeader& header) : ModalDialog(IDD_CABRILLO), m_header(header) {}

bool Cabrillo::Edit(CabrilloHeader& header, HWND owner) {
    // The dialog edits a copy so that Cancel (or a failure) changes nothing.
    CabrilloHeader edited = header;
    Cabrillo dialog(edited);
    if (dialog.DoModal(owner) != IDOK) return false;
    header = std::move(edited);
    return true;
}

bool Cabrillo::OnInit() {
    // The lists first: a drop-down combo keeps the text set afterwards.
    // The band list follows the contest's bands, not the template.
    FillFromDlgInit(Window(), ResourceModule(), IDD_CABRILLO);
    for (const std::string& band : CategoryBands())
        SendDlgItemMessageA(Window(), IDC_CAB_CATEGORY_BAND, CB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(band.c_str()));
    DoDataExchange(m_header, Exchange::ToControls);
    return true;
}

void Cabrillo::OnOK() {
    DoDataExchange(m_header, Exchange::FromControls);
    End(IDOK);
}

void Cabrillo::DoDataExchange(CabrilloHeader& header, Exchange direction) {
    const HWND dialog = Window();
    ExchangeText(dialog, IDC_CAB_CONTEST, header.contest, direction);
    ExchangeText(dialog, IDC_CAB_CALLSIGN, header.callsign, direction);
    ExchangeText(dialog, IDC_CAB_CLAIMED, header.claimed, direction);
    ExchangeText(dialog, IDC_CAB_CATEGORY_OPERATOR, header.categoryOperator, direction);
    ExchangeText(dialog, IDC_CAB_CATEGORY_BAND, header.categoryBand, direction);
    ExchangeText(dialog, IDC_CAB_CATEGORY_MODE, header.categoryMode, direction);
    ExchangeText(dialog, IDC_CAB_CATEGORY_POWER, header.categoryPower, direction);
    ExchangeText(dialog, IDC_CAB_CATEGORY_TRANSMITTER, header.categoryTransmitter, direction);
    ExchangeText(dialog, IDC_CAB_NAME, header.name, direction);
    ExchangeText(dialog, IDC_CAB_ADDRESS, header.address, direction);
    ExchangeText(dialog, IDC_CAB_OPERATORS, header.operators, direction);
    ExchangeText(dialog, IDC_CAB_CLUB, header.club, direction);
    ExchangeText(dialog, IDC_CAB_SOAPBOX, header.soapbox, direction);
    ExchangeText(dialog, IDC_CAB_EMAIL, header.email, direction);
}
