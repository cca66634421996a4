#include "page_print_label.h"

#include "page_frame.h"
#include "resource.h"

CPPagePrintLabel::CPPagePrintLabel() : CPropertyPageEx(IDD_PRINT_LABEL) { m_psp.dwFlags |= PSP_HIDEHEADER; }

BOOL CPPagePrintLabel::OnSetActive() {
    SetWizardButtons(*this, PSWIZB_BACK | PSWIZB_NEXT);
    ShowExtraFinishButton(*this, false);
    return CPropertyPageEx::OnSetActive();
}
