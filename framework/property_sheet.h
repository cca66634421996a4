// CPropertySheetEx: the system's property sheet run modally, with its pages
// as C++ objects and its own window bound to this object once it is built.
#pragma once

#include "property_page.h"

#include <vector>

class CPropertySheetEx : public CWnd {
public:
    CPropertySheetEx(UINT captionId, CWnd* parent = nullptr, UINT selectPage = 0, HBITMAP watermark = nullptr,
                     HPALETTE palette = nullptr, HBITMAP header = nullptr);

    void AddPage(CPropertyPageEx* page) { m_pages.push_back(page); }
    // Runs the sheet until it closes; returns what PropertySheet returns.
    INT_PTR DoModal();

    BOOL SetActivePage(int index);
    int GetActiveIndex() const;

    // Filled by the constructor; the caller may add flags before DoModal.
    PROPSHEETHEADERA m_psh;

protected:
    // Runs once the system has built the sheet and its first page. TRUE always.
    virtual BOOL OnInitDialog() { return TRUE; }

private:
    static int CALLBACK SheetCallback(HWND sheet, UINT msg, LPARAM lParam);
    std::vector<CPropertyPageEx*> m_pages;
    std::vector<PROPSHEETPAGEA> m_pageHeaders;
};
