#include "page_internet_nav.h"

#include "resource.h"
#include "store_read.h"

CPPageInternetNav::CPPageInternetNav() : CPageFrame(IDD_INTERNET_NAV, 0, IDB_PAGE_BACKGROUND) {}

void CPPageInternetNav::DoDataExchange(CDataExchange* dx) { DDX_Radio(dx, IDC_INAV_ENABLE, m_radio); }

void CPPageInternetNav::OnInitPage() {
    m_radio = ShowStoredChoice(ReadNumber(store::kINavEnable), 1, [this](bool on) { ShowKeysPicture(on); });
    m_enabled = EnabledFlag(m_radio);
    UpdateData(FALSE);
}

DWORD CPPageInternetNav::WizardButtons() const {
    return m_radio == -1 ? PSWIZB_BACK : PSWIZB_BACK | PSWIZB_NEXT;
}

BOOL CPPageInternetNav::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (HIWORD(wParam) == BN_CLICKED && (LOWORD(wParam) == IDC_INAV_ENABLE || LOWORD(wParam) == IDC_INAV_DISABLE)) {
        // The flag waits for the page to be left forward; Back keeps the old one.
        ShowKeysPicture(LOWORD(wParam) == IDC_INAV_ENABLE);
        SetWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
        return TRUE;
    }
    return CPageFrame::OnCommand(wParam, lParam);
}

LRESULT CPPageInternetNav::OnWizardNext() {
    UpdateData(TRUE);
    if (m_radio != -1) m_enabled = EnabledFlag(m_radio);
    State().choices.internetNav = m_enabled;
    return CPageFrame::OnWizardNext();
}

void CPPageInternetNav::ShowKeysPicture(bool enabled) {
    ::ShowWindow(GetDlgItem(IDC_INAV_PICTURE_OFF), enabled ? SW_HIDE : SW_SHOW);
    ::ShowWindow(GetDlgItem(IDC_INAV_PICTURE_ON), enabled ? SW_SHOW : SW_HIDE);
}
