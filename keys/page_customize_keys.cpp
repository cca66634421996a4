#include "page_customize_keys.h"

#include "frame_fonts.h"
#include "handle.h"
#include "key_records.h"
#include "resource.h"
#include "text_over_picture.h"
#include "win_app.h"

#include <shellapi.h>

#include <cstring>
#include <iterator>

namespace {

// The trees and the prompt of each function choice, in radio order.
constexpr int kTrees[] = {IDC_ALL_PROGRAMS_TREE, IDC_USER_PROGRAMS_TREE, IDC_FILES_TREE, IDC_FAVORITES_TREE};
constexpr int kRadios[] = {IDC_FUNCTION_ALL_PROGRAMS, IDC_FUNCTION_USER_PROGRAMS, IDC_FUNCTION_FILE,
                           IDC_FUNCTION_WEB_PAGE};
constexpr UINT kPrompts[] = {IDS_SELECT_PROGRAM, IDS_SELECT_PROGRAM, IDS_SELECT_FILE, IDS_SELECT_WEB_PAGE};
constexpr int kWebPage = 3;
constexpr int kOwnLabel = 2;

// Where the keys lie on the background picture, in client pixels.
constexpr RECT kKeyRects[kKeyCount] = {{216, 152, 256, 197}, {292, 152, 332, 197}, {366, 152, 406, 197},
                                       {438, 152, 478, 197}, {511, 152, 551, 197}, {585, 152, 625, 197},
                                       {658, 152, 698, 197}};
constexpr COLORREF kKeyNameColor = RGB(255, 255, 255);

std::string WindowText(HWND window) {
    std::string text(static_cast<size_t>(::GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<size_t>(::GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace

CPPageCustomizeKeys::CPPageCustomizeKeys()
    : CPageFrame(IDD_CUSTOMIZE_KEYS, kOwnLabel, IDB_CUSTOMIZE_BACKGROUND),
      m_backgroundBitmap(IDB_CUSTOMIZE_BACKGROUND),
      m_keyHotSpots(std::begin(kKeyRects), std::end(kKeyRects)) {}

void CPPageCustomizeKeys::DoDataExchange(CDataExchange* dx) {
    DDX_Control(dx, IDC_ALL_PROGRAMS_TREE, m_allProgramsTree);
    DDX_Control(dx, IDC_ADDRESS_EDIT, m_addressEdit);
    DDX_Control(dx, IDC_LABEL_EDIT, m_labelEdit);
    DDX_Control(dx, IDC_USER_PROGRAMS_TREE, m_userProgramsTree);
    DDX_Control(dx, IDC_FAVORITES_TREE, m_favoritesTree);
    DDX_Control(dx, IDC_FILES_TREE, m_filesTree);
    DDX_Radio(dx, IDC_FUNCTION_ALL_PROGRAMS, m_functionChoice);
}

void CPPageCustomizeKeys::OnInitPage() {
    AfxOleInit();  // the trees and the Test button work through the shell
    ResetChoosers();
    // Each tree shows its root level at once; deeper levels load when opened.
    ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT));
    const struct {
        CShellTreeCtrl& tree;
        int root;
    } trees[] = {{m_favoritesTree, CSIDL_FAVORITES},
                 {m_filesTree, CSIDL_DESKTOP},
                 {m_allProgramsTree, CSIDL_COMMON_STARTMENU},
                 {m_userProgramsTree, CSIDL_STARTMENU}};
    for (const auto& t : trees) {
        if (!t.tree.m_hWnd) continue;
        t.tree.AttachSystemImageList();
        t.tree.FillTree(t.root);
    }
    ::SetCursor(::LoadCursorA(nullptr, IDC_ARROW));
    keys::Load();
    for (int k = 0; k < kKeyCount; ++k) {
        SetTextOverPicture(GetDlgItem(IDC_KEY1_NAME + k), State().keys[k].savedName);
    }
}

void CPPageCustomizeKeys::OnActivatePage() {
    if (!State().frameFonts) return;
    const auto normalBody = reinterpret_cast<WPARAM>(State().frameFonts->Normal().body);
    for (int k = 0; k < kKeyCount; ++k) {
        if (HWND name = GetDlgItem(IDC_KEY1_NAME + k)) ::SendMessageA(name, WM_SETFONT, normalBody, TRUE);
    }
    if (HWND caption = GetDlgItem(IDC_ASSIGNMENT_CAPTION)) {
        ::SendMessageA(caption, WM_SETFONT, reinterpret_cast<WPARAM>(State().activeFonts.currentLabel), TRUE);
    }
}

bool CPPageCustomizeKeys::OwnStaticColor(HDC dc, int id) {
    if (id < IDC_KEY1_NAME || id > IDC_KEY7_NAME + 1) return false;
    ::SetTextColor(dc, kKeyNameColor);
    return true;
}

// --- choosers ---------------------------------------------------------------

void CPPageCustomizeKeys::ResetChoosers() {
    for (int id : kTrees) ::ShowWindow(GetDlgItem(id), SW_HIDE);
    for (int id : {IDC_ADDRESS_PROMPT, IDC_ADDRESS_EDIT, IDC_TEST}) ::ShowWindow(GetDlgItem(id), SW_HIDE);
    for (int id : kRadios) ::EnableWindow(GetDlgItem(id), FALSE);
    for (int id : {IDC_LABEL_EDIT, IDC_STEP2_PROMPT, IDC_STEP4_PROMPT, IDC_CHOOSER_PROMPT, IDC_APPLY}) {
        ::EnableWindow(GetDlgItem(id), FALSE);
    }
    ::ShowWindow(GetDlgItem(IDC_ASSIGNMENT_CAPTION), SW_HIDE);
    for (int k = 0; k < kKeyCount; ++k) ::ShowWindow(GetDlgItem(IDC_KEYS1_PICTURE + k), SW_HIDE);
}

void CPPageCustomizeKeys::BackToNoKey() {
    ResetChoosers();
    State().selectedKey = -1;
    m_backgroundBitmap = IDB_CUSTOMIZE_BACKGROUND;
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

// --- the mouse --------------------------------------------------------------

int CPPageCustomizeKeys::KeyUnderCursor() const {
    POINT cursor = {};
    ::GetCursorPos(&cursor);
    ::ScreenToClient(m_hWnd, &cursor);
    for (int k = 0; k < static_cast<int>(m_keyHotSpots.size()); ++k) {
        if (::PtInRect(&m_keyHotSpots[k], cursor)) return k;
    }
    return -1;
}

bool CPPageCustomizeKeys::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (msg == WM_SETCURSOR && KeyUnderCursor() >= 0) {
        ::SetCursor(::LoadCursorA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(IDC_HAND_CURSOR)));
        result = TRUE;
        return true;
    }
    if (msg == WM_LBUTTONDOWN) {
        // Any click on the page's own surface empties the label first.
        ::SetWindowTextA(m_labelEdit.m_hWnd, "");
        // A Tab strip jump leaves the page; nothing else happens.
        if (CPageFrame::OnMessage(msg, wParam, lParam, result)) return true;
        OnPickKey();
        return false;
    }
    return CPageFrame::OnMessage(msg, wParam, lParam, result);
}

void CPPageCustomizeKeys::OnPickKey() {
    const int k = KeyUnderCursor();
    if (k >= 0) PickKey(k);
}

void CPPageCustomizeKeys::PickKey(int k) {
    PlayClickSound();
    State().selectedKey = k;
    for (int id = IDC_KEYS_NONE_PICTURE; id <= IDC_KEYS7_PICTURE; ++id) ::ShowWindow(GetDlgItem(id), SW_HIDE);
    ::ShowWindow(GetDlgItem(IDC_KEYS1_PICTURE + k), SW_SHOW);

    for (int id : kRadios) ::EnableWindow(GetDlgItem(id), TRUE);
    ::EnableWindow(GetDlgItem(IDC_STEP2_PROMPT), TRUE);
    m_functionChoice = -1;
    UpdateData(FALSE);

    // The key is already the selected one, and clearing a tree's selection
    // resolves nothing, so the earlier key's pending choice stays as it was.
    for (int id : kTrees) {
        ::ShowWindow(GetDlgItem(id), SW_HIDE);
        if (CShellTreeCtrl* tree = TreeOf(id); tree && tree->m_hWnd) tree->SelectItem(nullptr);
    }
    for (int id : {IDC_ADDRESS_PROMPT, IDC_ADDRESS_EDIT, IDC_TEST}) ::ShowWindow(GetDlgItem(id), SW_HIDE);
    for (int id : {IDC_STEP4_PROMPT, IDC_CHOOSER_PROMPT, IDC_LABEL_EDIT, IDC_APPLY}) {
        ::EnableWindow(GetDlgItem(id), FALSE);
    }

    HWND caption = GetDlgItem(IDC_ASSIGNMENT_CAPTION);
    ::SetWindowTextA(caption, keys::AssignmentCaption(State().keys[k]).c_str());
    ::ShowWindow(caption, SW_SHOW);
}

// --- commands and notifications ---------------------------------------------

BOOL CPPageCustomizeKeys::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (code == BN_CLICKED) {
        for (int f = 0; f < 4; ++f) {
            if (id == kRadios[f]) {
                OnChooseFunction(f);
                return TRUE;
            }
        }
        switch (id) {
        case IDC_TEST:
            OnTest();
            return TRUE;
        case IDC_APPLY:
            OnApply();
            return TRUE;
        case IDC_RESET_DEFAULTS:
            OnResetDefaults();
            return TRUE;
        case IDC_ASSIGNMENT_CAPTION:
            return TRUE;  // a caption that looks like a button; a click does nothing
        default:
            break;
        }
    }
    if (code == EN_CHANGE && id == IDC_LABEL_EDIT) {
        OnLabelChanged();
        return TRUE;
    }
    if (code == EN_CHANGE && id == IDC_ADDRESS_EDIT) {
        OnAddressChanged();
        return TRUE;
    }
    return CPageFrame::OnCommand(wParam, lParam);
}

CShellTreeCtrl* CPPageCustomizeKeys::TreeOf(int id) {
    switch (id) {
    case IDC_ALL_PROGRAMS_TREE:
        return &m_allProgramsTree;
    case IDC_USER_PROGRAMS_TREE:
        return &m_userProgramsTree;
    case IDC_FILES_TREE:
        return &m_filesTree;
    case IDC_FAVORITES_TREE:
        return &m_favoritesTree;
    default:
        return nullptr;
    }
}

BOOL CPPageCustomizeKeys::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    CShellTreeCtrl* tree = header ? TreeOf(static_cast<int>(header->idFrom)) : nullptr;
    if (tree && tree->m_hWnd == header->hwndFrom) {
        // The parts of the notice read here are the same in its wide form.
        const auto* notify = reinterpret_cast<const NMTREEVIEWA*>(lParam);
        switch (header->code) {
        case TVN_GETDISPINFOA:
        case TVN_GETDISPINFOW:
            tree->OnGetDispInfo(reinterpret_cast<NMHDR*>(lParam));
            *result = 0;
            return TRUE;
        case TVN_ITEMEXPANDINGA:
        case TVN_ITEMEXPANDINGW:
            tree->OnItemExpanding(notify, result);
            return TRUE;
        case TVN_ITEMEXPANDEDA:
        case TVN_ITEMEXPANDEDW:
            tree->OnItemExpanded();
            *result = 0;
            return TRUE;
        case TVN_SELCHANGEDA:
        case TVN_SELCHANGEDW:
            OnChooseItem(*tree, notify, result);
            return TRUE;
        default:
            break;
        }
    }
    return CPageFrame::OnNotify(wParam, lParam, result);
}

void CPPageCustomizeKeys::OnChooseFunction(int function) {
    m_functionChoice = function;
    for (int f = 0; f < 4; ++f) ::ShowWindow(GetDlgItem(kTrees[f]), f == function ? SW_SHOW : SW_HIDE);
    if (function == kWebPage) {
        // The placeholder stays hidden from now on.
        ::ShowWindow(GetDlgItem(IDC_CHOOSER_PLACEHOLDER), SW_HIDE);
        ::ShowWindow(GetDlgItem(IDC_ADDRESS_PROMPT), SW_SHOW);
        // Emptying the address is an address change, also where an edit that
        // is empty already tells nobody: the pending command empties.
        ::SetWindowTextA(m_addressEdit.m_hWnd, "");
        OnAddressChanged();
        ::ShowWindow(m_addressEdit.m_hWnd, SW_SHOW);
        ::ShowWindow(GetDlgItem(IDC_TEST), SW_SHOW);
    } else {
        for (int id : {IDC_ADDRESS_PROMPT, IDC_ADDRESS_EDIT, IDC_TEST}) ::ShowWindow(GetDlgItem(id), SW_HIDE);
    }
    char prompt[MAX_PATH] = {};
    ::LoadStringA(AfxGetInstanceHandle(), kPrompts[function], prompt, sizeof prompt);
    SetTextOverPicture(GetDlgItem(IDC_CHOOSER_PROMPT), prompt);
    ::EnableWindow(GetDlgItem(IDC_CHOOSER_PROMPT), TRUE);
    ::EnableWindow(GetDlgItem(IDC_STEP4_PROMPT), FALSE);
    ::SetWindowTextA(m_labelEdit.m_hWnd, "");
    ::EnableWindow(m_labelEdit.m_hWnd, FALSE);
    ::EnableWindow(GetDlgItem(IDC_APPLY), FALSE);
}

void CPPageCustomizeKeys::OnChooseItem(CShellTreeCtrl& tree, const NMTREEVIEWA* notify, LRESULT* result) {
    std::string displayName;
    tree.ResolveSelection(notify, result, displayName, m_chosenCommand);
    *result = 0;
    if (!::IsWindowVisible(tree.m_hWnd)) return;
    ::SetWindowTextA(m_labelEdit.m_hWnd, displayName.c_str());
    ::EnableWindow(m_labelEdit.m_hWnd, TRUE);
    // Setting the address is an address change: it becomes the pending
    // command and the label too.
    if (&tree == &m_favoritesTree) ::SetWindowTextA(m_addressEdit.m_hWnd, m_chosenCommand.c_str());
}

void CPPageCustomizeKeys::OnLabelChanged() {
    if (::GetWindowTextLengthA(m_labelEdit.m_hWnd) > 0) ::EnableWindow(GetDlgItem(IDC_APPLY), TRUE);
}

void CPPageCustomizeKeys::OnAddressChanged() {
    const std::string address = WindowText(m_addressEdit.m_hWnd);
    if (KeyAssignment* key = State().SelectedKey()) keys::SetPendingText(*key, address.c_str());
    ::EnableWindow(GetDlgItem(IDC_TEST), TRUE);
    ::EnableWindow(GetDlgItem(IDC_STEP4_PROMPT), TRUE);
    ::EnableWindow(m_labelEdit.m_hWnd, TRUE);
    ::SetWindowTextA(m_labelEdit.m_hWnd, address.c_str());
}

void CPPageCustomizeKeys::OnTest() {
    const KeyAssignment* key = State().SelectedKey();
    if (!key) return;
    const auto* pending = reinterpret_cast<const char*>(key->pendingCommand);
    const std::string address(pending, strnlen(pending, kFieldSize));
    // An empty address opens nothing; the shell would open some folder instead.
    if (address.empty()) return;
    SHELLEXECUTEINFOA execute = {};
    execute.cbSize = sizeof execute;
    // No error box from the shell either: a test that fails is quiet.
    execute.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_DDEWAIT | SEE_MASK_FLAG_NO_UI;
    execute.hwnd = m_hWnd;
    execute.lpFile = address.c_str();
    execute.nShow = SW_SHOWDEFAULT;
    // Whatever opens the address runs on its own; its handle is let go at once.
    const CHandle opened(::ShellExecuteExA(&execute) ? execute.hProcess : nullptr);
}

void CPPageCustomizeKeys::OnApply() {
    ::PostMessageA(GetParent(), PSM_SETWIZBUTTONS, 0, PSWIZB_BACK | PSWIZB_NEXT);
    ::EnableWindow(::GetDlgItem(GetParent(), IDC_EXTRA_FINISH), TRUE);
    const std::string label = WindowText(m_labelEdit.m_hWnd);
    if (State().SelectedKey()) SetTextOverPicture(GetDlgItem(IDC_KEY1_NAME + State().selectedKey), label.c_str());
    ::SetWindowTextA(m_labelEdit.m_hWnd, "");
    keys::ApplyPending(label.c_str());
    BackToNoKey();
}

void CPPageCustomizeKeys::OnResetDefaults() {
    m_resetFlag = 1;
    keys::ResetAll();
    for (int k = 0; k < kKeyCount; ++k) SetTextOverPicture(GetDlgItem(IDC_KEY1_NAME + k), keys::DefaultName(k).c_str());
    BackToNoKey();
}
