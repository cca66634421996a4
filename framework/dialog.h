// CDialog: a dialog from a template, modal or made by someone else (a property
// sheet), with data exchange between its controls and its members.
#pragma once

#include "wnd.h"

class CDataExchange;

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId) : m_nIDTemplate(templateId) {}

    // Runs the dialog modally; returns what EndDialog was given, or -1.
    INT_PTR DoModal(HWND parent = nullptr);
    void EndDialog(INT_PTR result) { ::EndDialog(m_hWnd, result); }

    // save TRUE: controls to members; FALSE: members to controls.
    BOOL UpdateData(BOOL save = TRUE);

protected:
    // After the controls exist. TRUE lets the system set the focus.
    virtual BOOL OnInitDialog();
    // The dialog's font, before WM_INITDIALOG.
    virtual void OnSetFont(HFONT) {}
    virtual void DoDataExchange(CDataExchange*) {}
    // A modal dialog ends with OK or Cancel (and Escape, which sends IDCANCEL).
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    // A dialog leaves unanswered messages to the dialog manager.
    LRESULT DefWindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

    // Makes the next dialog created on this thread bind to this object at its
    // first message, so that it sees WM_SETFONT too.
    void BindNextDialog();
    static INT_PTR CALLBACK StaticDlgProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

    UINT m_nIDTemplate;

private:
    bool m_modal = false;
    INT_PTR DialogProc(UINT msg, WPARAM wParam, LPARAM lParam);
};

// Carries the direction of one data exchange.
class CDataExchange {
public:
    CDataExchange(CDialog* dialog, BOOL save) : m_pDlgWnd(dialog), m_bSaveAndValidate(save) {}
    CDialog* m_pDlgWnd;
    BOOL m_bSaveAndValidate;
};

// A radio group that starts at firstId (the control with WS_GROUP) and runs to
// the next group: value is the index of the checked radio, -1 for none.
void DDX_Radio(CDataExchange* dx, int firstId, int& value);
// Binds a control of the dialog to its wrapper object, once.
void DDX_Control(CDataExchange* dx, int id, CWnd& control);
