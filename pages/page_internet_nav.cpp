#include "page_internet_nav.h"

#include "page_frame.h"
#include "resource.h"

CPPageInternetNav::CPPageInternetNav() : CPropertyPageEx(IDD_INTERNET_NAV) { m_psp.dwFlags |= PSP_HIDEHEADER; }

BOOL CPPageInternetNav::OnSetActive() {
    SetWizardButtons(*this, PSWIZB_BACK | PSWIZB_NEXT);
    ShowExtraFinishButton(*this, false);
    return CPropertyPageEx::OnSetActive();
}
