#include "dlg_init.h"

#include "win_app.h"

#include <cstring>

namespace {

constexpr WORD kDlgInitType = 240;
// The data numbers the two add-string messages as 16-bit Windows did.
constexpr WORD kOldListAddString = 0x0401;
constexpr WORD kOldComboAddString = 0x0403;

}  // namespace

void ExecuteDlgInit(HWND dialog, UINT templateId) {
    HINSTANCE module = AfxGetInstanceHandle();
    // The system's lookup picks the copy for the user's language, as for the template.
    HRSRC found = ::FindResourceA(module, MAKEINTRESOURCEA(templateId), MAKEINTRESOURCEA(kDlgInitType));
    if (!found) return;
    HGLOBAL loaded = ::LoadResource(module, found);
    const auto* data = static_cast<const BYTE*>(loaded ? ::LockResource(loaded) : nullptr);
    if (!data) return;
    ExecuteDlgInitData(dialog, data, ::SizeofResource(module, found));
}

void ExecuteDlgInitData(HWND dialog, const BYTE* data, DWORD size) {
    if (!data) return;
    // Per entry: control id, message, 32-bit length, that many bytes; a 0 id ends it.
    DWORD at = 0;
    while (at + sizeof(WORD) <= size) {
        WORD control = 0;
        std::memcpy(&control, data + at, sizeof control);
        if (control == 0) break;
        WORD message = 0;
        DWORD length = 0;
        if (at + 8 > size) break;
        std::memcpy(&message, data + at + 2, sizeof message);
        std::memcpy(&length, data + at + 4, sizeof length);
        at += 8;
        if (length > size - at) break;
        const auto* text = reinterpret_cast<const char*>(data + at);
        // Only a text that ends inside its entry is sent.
        if (length > 0 && text[length - 1] == '\0') {
            if (message == kOldComboAddString) {
                ::SendDlgItemMessageA(dialog, control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
            } else if (message == kOldListAddString) {
                ::SendDlgItemMessageA(dialog, control, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
            }
        }
        at += length;
    }
}
