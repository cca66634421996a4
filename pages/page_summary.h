// The Summary page: the last page, with Back and Finish.
#pragma once

#include "page_frame.h"

class CPPageSummary : public CPageFrame {
public:
    CPPageSummary();

protected:
    DWORD WizardButtons() const override { return PSWIZB_BACK | PSWIZB_FINISH; }
};
