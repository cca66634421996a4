#include "child_view.h"

namespace {
constexpr char kChildViewClass[] = "RavlenChildView";
}

BOOL CChildView::Create(HWND frame, UINT id) {
    if (!RegisterWndClass(kChildViewClass, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW)) return FALSE;
    const RECT empty = {0, 0, 0, 0};
    return CreateEx(WS_EX_CLIENTEDGE, kChildViewClass, nullptr, WS_CHILD | WS_VISIBLE, empty, frame, id);
}

bool CChildView::OnMessage(UINT msg, WPARAM, LPARAM, LRESULT& result) {
    if (msg != WM_PAINT) return false;
    PAINTSTRUCT paint;
    ::BeginPaint(m_hWnd, &paint);
    ::EndPaint(m_hWnd, &paint);
    result = 0;
    return true;
}
