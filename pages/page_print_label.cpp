#include "page_print_label.h"

#include "key_assignment.h"
#include "label_print.h"
#include "print_dialog.h"
#include "resource.h"
#include "store_read.h"

CPPagePrintLabel::CPPagePrintLabel() : CPageFrame(IDD_PRINT_LABEL, 3, IDB_PAGE_BACKGROUND) {}

void CPPagePrintLabel::DoDataExchange(CDataExchange* dx) {
    DDX_Radio(dx, IDC_PRINT_WHITE_ON_BLACK, m_colorRadio);
    DDX_Radio(dx, IDC_PRINT_YES, m_radio);
}

void CPPagePrintLabel::OnSetFont(HFONT font) {
    LOGFONTA logFont = {};
    if (font && ::GetObjectA(font, sizeof logFont, &logFont)) {
        logFont.lfHeight = 35;
        m_labelFont.CreateFontIndirect(logFont);
    }
    CPageFrame::OnSetFont(font);
}

void CPPagePrintLabel::OnInitPage() {
    EnableStyle(false);
    m_radio = ShowStoredChoice(ReadNumber(store::kPrintEnable), 1, [this](bool on) { ShowPrinting(on); });
    m_enabled = EnabledFlag(m_radio);
    // Taken as read: a value that names no radio checks none.
    m_colorRadio = static_cast<int>(ReadNumber(store::kPrintSubRadioBtns));
    UpdateData(FALSE);
}

DWORD CPPagePrintLabel::WizardButtons() const {
    // The radios as they are now: the members hold them only as of the last
    // time the page read them back, and Back does not.
    const bool noPrint = ::IsDlgButtonChecked(m_hWnd, IDC_PRINT_NO) == BST_CHECKED;
    const bool print = ::IsDlgButtonChecked(m_hWnd, IDC_PRINT_YES) == BST_CHECKED;
    const bool styled = m_colorRadio != -1 || ::IsDlgButtonChecked(m_hWnd, IDC_PRINT_WHITE_ON_BLACK) == BST_CHECKED ||
                        ::IsDlgButtonChecked(m_hWnd, IDC_PRINT_BLACK_ON_WHITE) == BST_CHECKED;
    return noPrint || (print && styled) ? PSWIZB_BACK | PSWIZB_NEXT : PSWIZB_BACK;
}

BOOL CPPagePrintLabel::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (HIWORD(wParam) != BN_CLICKED) return CPageFrame::OnCommand(wParam, lParam);
    // The clicks leave the print flag alone: it follows the radios only when
    // the page is left forward.
    switch (LOWORD(wParam)) {
    case IDC_PRINT_YES:
        ShowPrinting(true);
        UpdateData(TRUE);
        SetWizardButtons(m_colorRadio == -1 ? PSWIZB_BACK : PSWIZB_BACK | PSWIZB_NEXT);
        return TRUE;
    case IDC_PRINT_NO:
        ShowPrinting(false);
        SetWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
        return TRUE;
    case IDC_PRINT_WHITE_ON_BLACK:
    case IDC_PRINT_BLACK_ON_WHITE:
        SetWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
        return TRUE;
    default:
        return CPageFrame::OnCommand(wParam, lParam);
    }
}

LRESULT CPPagePrintLabel::OnWizardBack() {
    // With the Lumora Keys off there is nothing to customize.
    if (State().choices.lumora == 0) return IDD_LUMORA;
    return CPageFrame::OnWizardBack();
}

LRESULT CPPagePrintLabel::OnWizardNext() {
    UpdateData(TRUE);
    if (m_radio != -1) m_enabled = EnabledFlag(m_radio);
    State().choices.print = m_enabled;
    // Only a flag of 1 prints. A flag still unknown (a stored value the page
    // could not show, left through the Tab strip without touching the print
    // radios) means the user never asked for a label: a print dialog then
    // would be a surprise, and paper is not spent on a guess.
    if (m_enabled == 1 && m_colorRadio != -1) PrintLabel();
    return CPageFrame::OnWizardNext();
}

void CPPagePrintLabel::PrintLabel() {
    // Owned by the wizard, which waits until the dialog is closed.
    CPrintDialog dialog(PD_NOSELECTION | PD_NOPAGENUMS | PD_RETURNDC | PD_DISABLEPRINTTOFILE, GetParent());
    dialog.m_pd.nFromPage = dialog.m_pd.nToPage = 1;
    dialog.m_pd.nMinPage = dialog.m_pd.nMaxPage = 1;
    if (dialog.DoModal() != IDOK) return;
    HDC printer = dialog.GetPrinterDC();
    if (!printer) return;

    DOCINFOA document = {};
    document.cbSize = sizeof document;
    document.lpszDocName = "";
    ::StartDocA(printer, &document);
    ::SetMapMode(printer, MM_LOMETRIC);
    ::StartPage(printer);
    DrawInstructionPicture(printer);
    DrawLabelStrip(printer, m_colorRadio, m_labelFont.GetSafeHandle(), State().keys);
    ::EndPage(printer);
    ::EndDoc(printer);
}

void CPPagePrintLabel::ShowPrinting(bool printing) {
    ::ShowWindow(GetDlgItem(IDC_PRINT_PICTURE_1), printing ? SW_SHOW : SW_HIDE);
    ::ShowWindow(GetDlgItem(IDC_PRINT_PICTURE_2), printing ? SW_HIDE : SW_SHOW);
    EnableStyle(printing);
}

void CPPagePrintLabel::EnableStyle(bool enable) {
    for (int id : {IDC_PRINT_COLOUR_TEXT, IDC_PRINT_WHITE_ON_BLACK, IDC_PRINT_BLACK_ON_WHITE}) {
        ::EnableWindow(GetDlgItem(id), enable ? TRUE : FALSE);
    }
}
