#include "page_frame.h"

#include "resource.h"

void SetWizardButtons(const CPropertyPageEx& page, DWORD flags) {
    ::PostMessageA(page.GetParent(), PSM_SETWIZBUTTONS, 0, static_cast<LPARAM>(flags));
}

void ShowExtraFinishButton(const CPropertyPageEx& page, bool show) {
    if (HWND button = ::GetDlgItem(page.GetParent(), IDC_EXTRA_FINISH)) ::ShowWindow(button, show ? SW_SHOW : SW_HIDE);
}
