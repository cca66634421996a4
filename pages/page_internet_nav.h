// The Internet Navigation page: the browser keys on or off.
#pragma once

#include "page_frame.h"

class CPPageInternetNav : public CPageFrame {
public:
    CPPageInternetNav();

    int m_radio = -1;    // 0 enable, 1 disable, -1 none checked
    int m_enabled = -1;  // 1 on, 0 off, -1 unknown: the Save pass skips it

protected:
    DWORD WizardButtons() const override { return PSWIZB_BACK | PSWIZB_NEXT; }
    void BeforeStripJump() override { OnWizardNext(); }
};
