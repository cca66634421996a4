// What every page does with the sheet around it.
#pragma once

#include "property_page.h"

// Posts the wizard buttons that a page offers (PSWIZB_* flags) to its sheet.
void SetWizardButtons(const CPropertyPageEx& page, DWORD flags);
// Shows or hides the sheet's extra Finish button, if the sheet has made it.
void ShowExtraFinishButton(const CPropertyPageEx& page, bool show);
