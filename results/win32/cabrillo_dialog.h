// The Cabrillo header dialog (template IDD_CABRILLO): shows the header
// fields and, on OK, writes the edited values back.
#pragma once

#include "controls/data_exchange.h"
#include "controls/dialog.h"
#include "results/cabrillo_log.h"

class Cabrillo : public ModalDialog {
  public:
    explicit Cabrillo(CabrilloHeader& header);

    // True when the operator confirmed with OK; the header is changed
    // only then.
    static bool Edit(CabrilloHeader& header, HWND owner);

  protected:
    bool OnInit() override;
    void OnOK() override;

  private:
    void DoDataExchange(CabrilloHeader& header, Exchange direction);

    CabrilloHeader& m_header;
};
