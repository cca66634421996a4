// The Internet Navigation page: the browser keys on or off.
#pragma once

#include "page_frame.h"

class CPPageInternetNav : public CPageFrame {
public:
    CPPageInternetNav();

    int m_radio = -1;    // 0 enable, 1 disable, -1 none checked
    int m_enabled = -1;  // 1 on, 0 off, -1 unknown: the Save pass skips it

protected:
    void DoDataExchange(CDataExchange* dx) override;
    void OnInitPage() override;
    // Next only once a radio is checked.
    DWORD WizardButtons() const override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    // Takes the radio into the enabled flag and hands it on; 0 goes on.
    LRESULT OnWizardNext() override;
    void BeforeStripJump() override { OnWizardNext(); }

private:
    void ShowKeysPicture(bool enabled);
};
