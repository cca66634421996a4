// The Lumora Keys page: the seven launch keys on or off.
#pragma once

#include "property_page.h"

class CPPageLumora : public CPropertyPageEx {
public:
    CPPageLumora();

    int m_radio = -1;    // 0 enable, 1 disable, -1 none checked
    int m_enabled = -1;  // 1 on, 0 off, -1 unknown: the Save pass skips it

protected:
    BOOL OnSetActive() override;
};
