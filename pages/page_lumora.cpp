#include "page_lumora.h"

#include "page_frame.h"
#include "resource.h"

CPPageLumora::CPPageLumora() : CPropertyPageEx(IDD_LUMORA) { m_psp.dwFlags |= PSP_HIDEHEADER; }

BOOL CPPageLumora::OnSetActive() {
    SetWizardButtons(*this, PSWIZB_BACK | PSWIZB_NEXT);
    ShowExtraFinishButton(*this, false);
    return CPropertyPageEx::OnSetActive();
}
