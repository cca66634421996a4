#include "property_sheet.h"

#include "win_app.h"

#include <cstring>

namespace {
thread_local CPropertySheetEx* t_sheet = nullptr;
}

CPropertySheetEx::CPropertySheetEx(UINT captionId, CWnd* parent, UINT selectPage, HBITMAP watermark,
                                   HPALETTE palette, HBITMAP header) {
    std::memset(&m_psh, 0, sizeof m_psh);
    m_psh.dwSize = sizeof m_psh;
    m_psh.dwFlags = PSH_PROPSHEETPAGE | PSH_USECALLBACK;
    m_psh.hwndParent = parent ? parent->m_hWnd : nullptr;
    m_psh.hInstance = AfxGetInstanceHandle();
    m_psh.pszCaption = MAKEINTRESOURCEA(captionId);
    m_psh.nStartPage = selectPage;
    m_psh.pfnCallback = &CPropertySheetEx::SheetCallback;
    if (watermark) {
        m_psh.dwFlags |= PSH_USEHBMWATERMARK | PSH_WATERMARK;
        m_psh.hbmWatermark = watermark;
    }
    if (palette) {
        m_psh.dwFlags |= PSH_USEHPLWATERMARK;
        m_psh.hplWatermark = palette;
    }
    if (header) {
        m_psh.dwFlags |= PSH_USEHBMHEADER | PSH_HEADER;
        m_psh.hbmHeader = header;
    }
}

INT_PTR CPropertySheetEx::DoModal() {
    m_pageHeaders.clear();
    for (CPropertyPageEx* page : m_pages) {
        PROPSHEETPAGEA header = page->m_psp;
        header.hInstance = m_psh.hInstance;
        m_pageHeaders.push_back(header);
    }
    m_psh.nPages = static_cast<UINT>(m_pageHeaders.size());
    m_psh.ppsp = m_pageHeaders.data();
    t_sheet = this;
    INT_PTR result = ::PropertySheetA(&m_psh);
    t_sheet = nullptr;
    return result;
}

int CALLBACK CPropertySheetEx::SheetCallback(HWND sheet, UINT msg, LPARAM) {
    // PSCB_INITIALIZED comes at the end of the sheet's own WM_INITDIALOG.
    if (msg == PSCB_INITIALIZED && t_sheet && sheet) {
        CPropertySheetEx* self = t_sheet;
        t_sheet = nullptr;
        self->SubclassWindow(sheet);
        try {
            self->OnInitDialog();
        } catch (...) {
            // The sheet runs on without the program's additions.
        }
    }
    return 0;
}

BOOL CPropertySheetEx::SetActivePage(int index) {
    return m_hWnd ? static_cast<BOOL>(SendMessage(PSM_SETCURSEL, static_cast<WPARAM>(index), 0)) : FALSE;
}

int CPropertySheetEx::GetActiveIndex() const {
    if (!m_hWnd) return static_cast<int>(m_psh.nStartPage);
    HWND page = reinterpret_cast<HWND>(SendMessage(PSM_GETCURRENTPAGEHWND));
    return static_cast<int>(SendMessage(PSM_HWNDTOINDEX, reinterpret_cast<WPARAM>(page)));
}
