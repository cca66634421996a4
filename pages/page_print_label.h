// The Print Label page: whether to print a new key label, and in which colours.
#pragma once

#include "page_frame.h"

class CPPagePrintLabel : public CPageFrame {
public:
    CPPagePrintLabel();

    int m_radio = -1;       // 0 print, 1 do not, -1 none checked
    int m_enabled = -1;     // 1 print, 0 not, -1 unknown: the Save pass skips it
    int m_colorRadio = -1;  // 0 white on black, 1 black on white, -1 none checked

protected:
    DWORD WizardButtons() const override { return PSWIZB_BACK | PSWIZB_NEXT; }
    void BeforeStripJump() override { OnWizardNext(); }
};
