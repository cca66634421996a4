// The Print Label page: whether to print a new key label, and in which colours.
#pragma once

#include "property_page.h"

class CPPagePrintLabel : public CPropertyPageEx {
public:
    CPPagePrintLabel();

    int m_radio = -1;       // 0 print, 1 do not, -1 none checked
    int m_enabled = -1;     // 1 print, 0 not, -1 unknown: the Save pass skips it
    int m_colorRadio = -1;  // 0 white on black, 1 black on white, -1 none checked

protected:
    BOOL OnSetActive() override;
};
