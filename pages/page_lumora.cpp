#include "page_lumora.h"

#include "resource.h"
#include "store_read.h"

CPPageLumora::CPPageLumora() : CPageFrame(IDD_LUMORA, 1, IDB_PAGE_BACKGROUND) {}

void CPPageLumora::DoDataExchange(CDataExchange* dx) { DDX_Radio(dx, IDC_LUMORA_ENABLE, m_radio); }

void CPPageLumora::OnInitPage() {
    // An unexpected value leaves both pictures, and the buttons, as they are.
    m_radio = ShowStoredChoice(ReadNumber(store::kLumoraEnable), 1, [this](bool on) { on ? EnableKeys() : DisableKeys(); });
    UpdateData(FALSE);
}

BOOL CPPageLumora::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == IDC_LUMORA_ENABLE) {
        EnableKeys();
        return TRUE;
    }
    if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == IDC_LUMORA_DISABLE) {
        DisableKeys();
        return TRUE;
    }
    return CPageFrame::OnCommand(wParam, lParam);
}

LRESULT CPPageLumora::OnWizardNext() {
    State().choices.lumora = m_enabled;
    return CPageFrame::OnWizardNext();
}

// Unlike the other pages, the flag follows the radios at once: it decides the
// buttons and the strip while the page is shown.
void CPPageLumora::EnableKeys() {
    ::ShowWindow(GetDlgItem(IDC_LUMORA_PICTURE_ON), SW_SHOW);
    ::ShowWindow(GetDlgItem(IDC_LUMORA_PICTURE_OFF), SW_HIDE);
    m_enabled = 1;
    SetWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
}

void CPPageLumora::DisableKeys() {
    ::ShowWindow(GetDlgItem(IDC_LUMORA_PICTURE_ON), SW_HIDE);
    ::ShowWindow(GetDlgItem(IDC_LUMORA_PICTURE_OFF), SW_SHOW);
    m_enabled = 0;
    SetWizardButtons(PSWIZB_BACK | PSWIZB_FINISH);
}
