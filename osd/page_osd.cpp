#include "page_osd.h"

#include "DormexUtil.h"
#include "resource.h"
#include "store_layout.h"

namespace {

DWORD ReadNumber(const store::NumberValue& value) {
    DWORD number = value.fallback;
    Reg_GetProfileNumber(value.subkey, value.name, &number, value.fallback);
    return number;
}

}  // namespace

CPPageOSD::CPPageOSD() : CPageFrame(IDD_OSD, 4, IDB_PAGE_BACKGROUND) {}

void CPPageOSD::DoDataExchange(CDataExchange* dx) {
    DDX_Radio(dx, IDC_OSD_ENABLE, m_osdRadio);
    DDX_Radio(dx, IDC_TRAY_SHOW, m_trayRadio);
}

void CPPageOSD::OnInitPage() {
    switch (ReadNumber(store::kOsdEnable)) {
    case 0:
        m_osdEnabled = 0;
        m_osdRadio = 1;
        break;
    case 1:
        m_osdEnabled = 1;
        m_osdRadio = 0;
        break;
    default:  // an unexpected value leaves the choice open
        break;
    }
    switch (ReadNumber(store::kTrayHide)) {
    case 0:
        m_trayRadio = 0;
        ShowTrayPictures(true);
        break;
    case 1:
        m_trayRadio = 1;
        ShowTrayPictures(false);
        break;
    default:
        break;
    }
    UpdateData(FALSE);
}

LRESULT CPPageOSD::OnWizardNext() {
    UpdateData(TRUE);
    if (m_osdRadio == 0) m_osdEnabled = 1;
    if (m_osdRadio == 1) m_osdEnabled = 0;
    return CPageFrame::OnWizardNext();
}

BOOL CPPageOSD::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == IDC_TRAY_SHOW) {
        ShowTrayPictures(true);
        return TRUE;
    }
    if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == IDC_TRAY_HIDE) {
        ShowTrayPictures(false);
        return TRUE;
    }
    return CPageFrame::OnCommand(wParam, lParam);
}

void CPPageOSD::ShowTrayPictures(bool iconShown) {
    ::ShowWindow(GetDlgItem(IDC_TRAY_PICTURE_HIDDEN), iconShown ? SW_HIDE : SW_SHOW);
    ::ShowWindow(GetDlgItem(IDC_TRAY_PICTURE_SHOWN), iconShown ? SW_SHOW : SW_HIDE);
}
