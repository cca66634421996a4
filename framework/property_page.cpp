#include "property_page.h"

#include "win_app.h"

#include <cstring>

CPropertyPageEx::CPropertyPageEx(UINT templateId, UINT captionId, UINT headerTitleId, UINT headerSubTitleId)
    : CDialog(templateId) {
    std::memset(&m_psp, 0, sizeof m_psp);
    m_psp.dwSize = sizeof m_psp;
    m_psp.dwFlags = PSP_USECALLBACK;
    m_psp.pszTemplate = MAKEINTRESOURCEA(templateId);
    m_psp.pfnDlgProc = &CDialog::StaticDlgProc;
    m_psp.lParam = reinterpret_cast<LPARAM>(this);
    m_psp.pfnCallback = &CPropertyPageEx::PageCallback;
    if (captionId) {
        m_psp.dwFlags |= PSP_USETITLE;
        m_psp.pszTitle = MAKEINTRESOURCEA(captionId);
    }
    if (headerTitleId) {
        m_psp.dwFlags |= PSP_USEHEADERTITLE;
        m_psp.pszHeaderTitle = MAKEINTRESOURCEA(headerTitleId);
    }
    if (headerSubTitleId) {
        m_psp.dwFlags |= PSP_USEHEADERSUBTITLE;
        m_psp.pszHeaderSubTitle = MAKEINTRESOURCEA(headerSubTitleId);
    }
}

UINT CALLBACK CPropertyPageEx::PageCallback(HWND, UINT msg, LPPROPSHEETPAGEA page) {
    // Called just before the sheet makes the page's window: bind it then, so
    // that the page object sees the window's first messages.
    if (msg == PSPCB_CREATE && page) reinterpret_cast<CPropertyPageEx*>(page->lParam)->BindNextDialog();
    return 1;
}

BOOL CPropertyPageEx::OnNotify(WPARAM, LPARAM lParam, LRESULT* result) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (!header || header->hwndFrom != GetParent()) return FALSE;
    switch (header->code) {
    case PSN_SETACTIVE:
        *result = OnSetActive() ? 0 : -1;
        return TRUE;
    case PSN_KILLACTIVE:
        *result = OnKillActive() ? FALSE : TRUE;
        return TRUE;
    case PSN_WIZNEXT:
        *result = OnWizardNext();
        return TRUE;
    case PSN_WIZBACK:
        *result = OnWizardBack();
        return TRUE;
    case PSN_WIZFINISH:
        *result = OnWizardFinish() ? FALSE : TRUE;
        return TRUE;
    default:
        return FALSE;
    }
}
