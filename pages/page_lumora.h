// The Lumora Keys page: the seven launch keys on or off. With the keys off
// the wizard ends here: Finish takes the place of Next and the strip is inert.
#pragma once

#include "page_frame.h"

class CPPageLumora : public CPageFrame {
public:
    CPPageLumora();

    int m_radio = -1;    // 0 enable, 1 disable, -1 none checked
    int m_enabled = -1;  // 1 on, 0 off, -1 unknown: the Save pass skips it

protected:
    void DoDataExchange(CDataExchange* dx) override;
    void OnInitPage() override;
    // None on activation: the buttons stay as the last page or radio left them.
    DWORD WizardButtons() const override { return 0; }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    // Hands the enabled flag on; 0 goes on.
    LRESULT OnWizardNext() override;
    void BeforeStripJump() override { OnWizardNext(); }
    bool StripActive() const override { return m_enabled != 0; }

private:
    void EnableKeys();
    void DisableKeys();
};
