#include "print_dialog.h"

#include <cstring>

CPrintDialog::CPrintDialog(DWORD flags, HWND owner) {
    std::memset(&m_pd, 0, sizeof m_pd);
    m_pd.lStructSize = sizeof m_pd;
    m_pd.hwndOwner = owner;
    m_pd.Flags = flags;
}

CPrintDialog::~CPrintDialog() {
    if (m_pd.hDC) ::DeleteDC(m_pd.hDC);
    if (m_pd.hDevMode) ::GlobalFree(m_pd.hDevMode);
    if (m_pd.hDevNames) ::GlobalFree(m_pd.hDevNames);
}

INT_PTR CPrintDialog::DoModal() { return ::PrintDlgA(&m_pd) ? IDOK : IDCANCEL; }
