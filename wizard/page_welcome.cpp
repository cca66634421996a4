#include "page_welcome.h"

#include "page_frame.h"
#include "resource.h"

CPPageWelcome::CPPageWelcome() : CPropertyPageEx(IDD_WELCOME) { m_psp.dwFlags |= PSP_HIDEHEADER; }

BOOL CPPageWelcome::OnSetActive() {
    SetWizardButtons(*this, PSWIZB_NEXT);
    ShowExtraFinishButton(*this, false);
    return CPropertyPageEx::OnSetActive();
}
