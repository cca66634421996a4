// The Customize Keys page: a new function and name for each launch key. It
// shows the sheet's extra Finish button.
#pragma once

#include "page_frame.h"

class CPPageCustomizeKeys : public CPageFrame {
public:
    CPPageCustomizeKeys();

    int m_resetFlag = 0;  // 1 once the keys were reset to their defaults

protected:
    DWORD WizardButtons() const override { return PSWIZB_BACK | PSWIZB_NEXT; }
    bool ShowsExtraFinish() const override { return true; }
};
