// CPSheet: the wizard. It owns the seven pages, lays its buttons out to the
// pictures' width, adds an extra Finish button for the Customize Keys page,
// follows high contrast, and on Finish runs the Save pass.
#pragma once

#include "button.h"
#include "page_customize_keys.h"
#include "page_internet_nav.h"
#include "page_lumora.h"
#include "page_osd.h"
#include "page_print_label.h"
#include "page_summary.h"
#include "page_welcome.h"
#include "property_sheet.h"
#include "wizard_state.h"

class CPSheet : public CPropertySheetEx {
public:
    CPSheet(UINT captionId, CWnd* parent, UINT selectPage, HBITMAP watermark, HPALETTE palette, HBITMAP header);

    // Made before the pages and gone after them: what they share.
    WizardState m_state;
    // The pages, in page order; the Save pass reads their members.
    CPPageWelcome m_welcome;
    CPPageInternetNav m_internetNav;
    CPPageLumora m_lumora;
    CPPageCustomizeKeys m_customizeKeys;
    CPPagePrintLabel m_printLabel;
    CPPageOSD m_osd;
    CPPageSummary m_summary;

protected:
    BOOL OnInitDialog() override;
    // Finish (ID_WIZFINISH) runs the Save pass before the sheet's own handling;
    // the extra Finish button presses Finish.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void LayoutButtons();
    void OnExtraFinish();
    LRESULT OnSettingChange(WPARAM wParam, LPARAM lParam);
    BOOL QueryHighContrast();

    CButton m_extraFinish;
    BOOL m_highContrast = FALSE;  // the state when last looked at
    HIGHCONTRASTA m_hc = {};
};
