#include "combo_query.h"

#include "input.h"
#include "wait.h"
#include "window_query.h"

#include <string>

namespace driver {

namespace {

LRESULT Ask(HWND combo, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) {
    DWORD_PTR result = static_cast<DWORD_PTR>(CB_ERR);
    if (!SendMessageTimeoutA(combo, msg, wParam, lParam, SMTO_ABORTIFHUNG, 5000, &result)) return CB_ERR;
    return static_cast<LRESULT>(result);
}

}  // namespace

int ComboSelection(HWND combo) { return static_cast<int>(Ask(combo, CB_GETCURSEL)); }

int ComboCount(HWND combo) { return static_cast<int>(Ask(combo, CB_GETCOUNT)); }

std::string ComboItemText(HWND combo, int index) {
    // Read as Unicode: Wine hands the ANSI form of this message back to
    // another process in UTF-16.
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0, SMTO_ABORTIFHUNG, 5000, &length) ||
        static_cast<LRESULT>(length) < 0 || length > 4096) {
        return {};
    }
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()),
                             SMTO_ABORTIFHUNG, 5000, &copied) ||
        static_cast<LRESULT>(copied) < 0) {
        return {};
    }
    text.resize(copied < length ? copied : length);
    return Utf8(text);
}

bool ChooseComboItem(HWND combo, int index) {
    ClickAt(combo, CentreOf(combo));
    PressKeys({VK_ESCAPE, VK_HOME});
    for (int i = 0; i < index; ++i) PressKeys({VK_DOWN});
    return WaitUntil([&] { return ComboSelection(combo) == index; }, kWaitMs,
                     "the combo to show item " + std::to_string(index));
}

}  // namespace driver
