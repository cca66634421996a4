#include "example_font.h"

int MakeExampleFont(CFont& font, const char* face, int pointSize) {
    LOGFONTA wanted = {};
    lstrcpynA(wanted.lfFaceName, face, LF_FACESIZE);
    wanted.lfHeight = pointSize * 10;
    font.CreatePointFontIndirect(wanted);
    return wanted.lfHeight;
}

void ShowExampleText(HWND example, HFONT font, const char* face) {
    ::ShowWindow(example, SW_HIDE);
    ::SetWindowTextA(example, face);
    ::SendMessageA(example, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    ::ShowWindow(example, SW_SHOW);
}
