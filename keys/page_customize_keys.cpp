#include "page_customize_keys.h"

#include "page_frame.h"
#include "resource.h"

CPPageCustomizeKeys::CPPageCustomizeKeys() : CPropertyPageEx(IDD_CUSTOMIZE_KEYS) { m_psp.dwFlags |= PSP_HIDEHEADER; }

BOOL CPPageCustomizeKeys::OnSetActive() {
    SetWizardButtons(*this, PSWIZB_BACK | PSWIZB_NEXT);
    ShowExtraFinishButton(*this, true);
    return CPropertyPageEx::OnSetActive();
}
