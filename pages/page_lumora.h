// The Lumora Keys page: the seven launch keys on or off.
#pragma once

#include "page_frame.h"

class CPPageLumora : public CPageFrame {
public:
    CPPageLumora();

    int m_radio = -1;    // 0 enable, 1 disable, -1 none checked
    int m_enabled = -1;  // 1 on, 0 off, -1 unknown: the Save pass skips it

protected:
    DWORD WizardButtons() const override { return PSWIZB_BACK | PSWIZB_NEXT; }
    void BeforeStripJump() override { OnWizardNext(); }
    // With the keys switched off the wizard ends here: the strip is inert.
    bool StripActive() const override { return m_enabled != 0; }
};
