#include "page_summary.h"

#include "page_frame.h"
#include "resource.h"

CPPageSummary::CPPageSummary() : CPropertyPageEx(IDD_SUMMARY) { m_psp.dwFlags |= PSP_HIDEHEADER; }

BOOL CPPageSummary::OnSetActive() {
    SetWizardButtons(*this, PSWIZB_BACK | PSWIZB_FINISH);
    ShowExtraFinishButton(*this, false);
    return CPropertyPageEx::OnSetActive();
}
