// The Summary page: the last page, with Back and Finish.
#pragma once

#include "property_page.h"

class CPPageSummary : public CPropertyPageEx {
public:
    CPPageSummary();

protected:
    BOOL OnSetActive() override;
};
