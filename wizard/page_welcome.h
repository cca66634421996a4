// The Welcome page: the first page, offering only Next.
#pragma once

#include "property_page.h"

class CPPageWelcome : public CPropertyPageEx {
public:
    CPPageWelcome();

protected:
    BOOL OnSetActive() override;
};
