#include "dialog.h"

#include "dlg_init.h"
#include "win_app.h"

#include <vector>

namespace {
thread_local CDialog* t_binding = nullptr;

// Messages whose answer is the dialog procedure's own return value rather
// than DWLP_MSGRESULT.
bool ReturnsDirectly(UINT msg) {
    switch (msg) {
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
    case WM_INITDIALOG:
        return true;
    default:
        return false;
    }
}

}  // namespace

void CDialog::BindNextDialog() { t_binding = this; }

INT_PTR CDialog::DoModal(HWND parent) {
    m_modal = true;
    BindNextDialog();
    INT_PTR result = ::DialogBoxParamA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(m_nIDTemplate), parent,
                                       &CDialog::StaticDlgProc, reinterpret_cast<LPARAM>(this));
    t_binding = nullptr;
    m_modal = false;
    return result;
}

BOOL CDialog::OnCommand(WPARAM wParam, LPARAM) {
    const UINT id = LOWORD(wParam);
    if (!m_modal || HIWORD(wParam) != BN_CLICKED || (id != IDOK && id != IDCANCEL)) return FALSE;
    EndDialog(static_cast<INT_PTR>(id));
    return TRUE;
}

BOOL CDialog::UpdateData(BOOL save) {
    CDataExchange dx(this, save);
    DoDataExchange(&dx);
    return TRUE;
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

LRESULT CDialog::DefWindowProc(UINT, WPARAM, LPARAM) { return FALSE; }

INT_PTR CALLBACK CDialog::StaticDlgProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* dialog = static_cast<CDialog*>(FromHandle(window));
    if (!dialog && t_binding) {
        dialog = t_binding;
        t_binding = nullptr;
        dialog->Attach(window);
    }
    if (!dialog) return FALSE;
    // No exception may unwind through the dialog manager.
    try {
        return dialog->DialogProc(msg, wParam, lParam);
    } catch (...) {
        return FALSE;
    }
}

INT_PTR CDialog::DialogProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    bool handled = true;
    switch (msg) {
    case WM_SETFONT:
        OnSetFont(reinterpret_cast<HFONT>(wParam));
        handled = false;
        break;
    case WM_INITDIALOG:
        // The template's initialisation data (list items) is in place before the page reads its controls.
        ExecuteDlgInit(m_hWnd, m_nIDTemplate);
        return OnInitDialog();
    case WM_NCDESTROY:
        OnNcDestroy();
        return FALSE;
    case WM_COMMAND:
        handled = OnCommand(wParam, lParam) != FALSE;
        break;
    case WM_NOTIFY:
        handled = OnNotify(wParam, lParam, &result) != FALSE;
        break;
    case WM_DRAWITEM:
        // An owner-drawn control draws itself.
        handled = ReflectToControl(msg, wParam, lParam, result) || OnMessage(msg, wParam, lParam, result);
        break;
    default:
        handled = OnMessage(msg, wParam, lParam, result);
        break;
    }
    if (!handled) return FALSE;
    if (ReturnsDirectly(msg)) return static_cast<INT_PTR>(result);
    ::SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, result);
    return TRUE;
}

void DDX_Radio(CDataExchange* dx, int firstId, int& value) {
    HWND dialog = dx->m_pDlgWnd->m_hWnd;
    HWND first = ::GetDlgItem(dialog, firstId);
    if (!first) return;
    // The group runs in tab order from its first radio to the next WS_GROUP.
    std::vector<HWND> radios;
    for (HWND control = first; control; control = ::GetWindow(control, GW_HWNDNEXT)) {
        if (control != first && (::GetWindowLongA(control, GWL_STYLE) & WS_GROUP)) break;
        radios.push_back(control);
    }
    if (dx->m_bSaveAndValidate) {
        value = -1;
        for (size_t i = 0; i < radios.size(); ++i) {
            if (::SendMessageA(radios[i], BM_GETCHECK, 0, 0) == BST_CHECKED) value = static_cast<int>(i);
        }
    } else {
        for (size_t i = 0; i < radios.size(); ++i) {
            ::SendMessageA(radios[i], BM_SETCHECK, static_cast<int>(i) == value ? BST_CHECKED : BST_UNCHECKED, 0);
        }
    }
}

void DDX_Control(CDataExchange* dx, int id, CWnd& control) {
    if (!control.m_hWnd) control.SubclassDlgItem(static_cast<UINT>(id), dx->m_pDlgWnd);
}
