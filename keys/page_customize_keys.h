// The Customize Keys page: a new function and name for each launch key. It
// shows the sheet's extra Finish button.
#pragma once

#include "property_page.h"

class CPPageCustomizeKeys : public CPropertyPageEx {
public:
    CPPageCustomizeKeys();

    int m_resetFlag = 0;  // 1 once the keys were reset to their defaults

protected:
    BOOL OnSetActive() override;
};
