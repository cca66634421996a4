#include "key_records.h"

#include "DormexUtil.h"
#include "resource.h"
#include "store_layout.h"
#include "win_app.h"
#include "wizard_state.h"

#include <climits>
#include <cstdlib>
#include <cstring>

namespace keys {

namespace {

// The bytes of text that fit a field: at most 259, ending on a whole
// character of the ANSI code page (a lead byte without its trail byte is
// dropped, as it is half a character).
size_t FittingLength(const char* text) {
    size_t n = 0;
    while (n < kFieldSize - 1 && text[n] != '\0') {
        const bool lead = ::IsDBCSLeadByteEx(CP_ACP, static_cast<BYTE>(text[n]));
        if (lead && text[n + 1] == '\0') break;
        const size_t step = lead ? 2 : 1;
        if (n + step > kFieldSize - 1) break;
        n += step;
    }
    return n;
}

void CopyBytesAsText(BYTE (&field)[kFieldSize], const char* text) {
    const size_t n = FittingLength(text);
    std::memcpy(field, text, n);
    std::memset(field + n, 0, kFieldSize - n);
}

// A command field read as text: an identifier list in it need not hold a zero
// anywhere, so the copy stops at the field's end as well.
std::string FieldText(const BYTE (&field)[kFieldSize]) {
    const void* zero = std::memchr(field, 0, kFieldSize);
    const size_t n = zero ? static_cast<const BYTE*>(zero) - field : kFieldSize - 1;
    return std::string(reinterpret_cast<const char*>(field), n);
}

int ParseType(const char* text) {
    // strtol takes leading blanks and a sign, gives 0 without digits and
    // clamps what does not fit, as an out-of-range type is unknown anyway.
    const long value = std::strtol(text, nullptr, 10);
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

void LoadKey(int k) {
    KeyAssignment& key = WizardState::Current().keys[k];
    const std::string subkey = store::KeyRecordSubkey(k);
    const std::string fallbackName = DefaultName(k);
    Reg_GetProfileString(subkey.c_str(), store::kKeyName, key.savedName, kFieldSize, fallbackName.c_str());
    Reg_GetProfileString(subkey.c_str(), store::kKeyParameter, key.savedParameter, kFieldSize, "");

    DWORD type = kActionDefault;
    if (Reg_GetProfileNumber(subkey.c_str(), store::kKeyType, &type, kActionDefault)) {
        key.currentType = static_cast<int>(type);
    } else {
        char text[kFieldSize] = {};
        key.currentType = Reg_GetProfileString(subkey.c_str(), store::kKeyType, text, kFieldSize, "0")
                              ? ParseType(text)
                              : kActionDefault;
    }

    if (key.currentType == kActionShellItem) {
        DWORD size = kFieldSize;
        if (!Reg_GetProfileBinary(subkey.c_str(), store::kKeyCommand, key.savedCommand, &size, 0, 0)) size = 0;
        key.currentLength = static_cast<int>(size);
        key.savedLength = key.currentLength;
    } else {
        char command[kFieldSize] = {};
        Reg_GetProfileString(subkey.c_str(), store::kKeyCommand, command, kFieldSize, "");
        CopyBytesAsText(key.savedCommand, command);
    }

    CopyBytesAsText(key.currentCommand, FieldText(key.savedCommand).c_str());
    if (key.currentLength > 0) {
        std::memcpy(key.currentCommand, key.savedCommand, static_cast<size_t>(key.currentLength));
    } else {
        CopyText(key.currentParameter, key.savedParameter);
    }
    CopyText(key.currentName, key.savedName);
}

}  // namespace

void CopyText(char (&field)[kFieldSize], const char* text) {
    const size_t n = FittingLength(text);
    std::memcpy(field, text, n);
    std::memset(field + n, 0, kFieldSize - n);
}

std::string DefaultName(int k) {
    char name[kFieldSize] = {};
    ::LoadStringA(AfxGetInstanceHandle(), IDS_KEY1_NAME + k, name, kFieldSize);
    return name;
}

void Load() {
    for (int k = 0; k < kKeyCount; ++k) LoadKey(k);
}

void ResetAll() {
    KeyAssignment* table = WizardState::Current().keys;
    for (int k = 0; k < kKeyCount; ++k) {
        table[k] = KeyAssignment{};
        CopyText(table[k].currentName, DefaultName(k).c_str());
    }
}

void ApplyPending(const char* label) {
    KeyAssignment* selected = WizardState::Current().SelectedKey();
    if (!selected) return;
    KeyAssignment& key = *selected;
    CopyText(key.currentName, label);
    key.currentLength = key.pendingLength;
    key.currentType = key.pendingType;
    key.applied = true;
    if (key.currentType == kActionShellItem) {
        std::memcpy(key.currentCommand, key.pendingCommand, static_cast<size_t>(key.currentLength));
        // A shell item takes no arguments: a command line's ones do not stay behind.
        std::memset(key.currentParameter, 0, kFieldSize);
    } else {
        CopyBytesAsText(key.currentCommand, FieldText(key.pendingCommand).c_str());
        CopyText(key.currentParameter, key.pendingParameter);
    }
}

void SaveKey(int k, bool resetFlag, SettingsSink& sink) {
    KeyAssignment& key = WizardState::Current().keys[k];
    if (resetFlag) sink.DelKey(store::kButtons, store::KeyRecordName(k).c_str());
    // A record the user left alone is not rewritten: reading it may have cut
    // or dropped values this program cannot hold (long texts, other value
    // types, a type 0 with a leftover command), and the daemon reads them.
    if (!resetFlag && !key.applied) return;
    if (key.currentName[0] == '\0' || key.currentCommand[0] == 0) return;

    const std::string subkey = store::KeyRecordSubkey(k);
    sink.SetString(subkey.c_str(), store::kKeyName, key.currentName);
    sink.SetString(subkey.c_str(), store::kKeyParameter, key.currentParameter);
    CopyText(key.savedParameter, key.currentParameter);
    CopyText(key.savedName, key.currentName);
    key.savedLength = key.currentLength;

    int type = kActionCommand;
    if (key.currentLength > 0) {
        sink.SetBinary(subkey.c_str(), store::kKeyCommand, key.currentCommand, static_cast<DWORD>(key.currentLength));
        std::memcpy(key.savedCommand, key.currentCommand, static_cast<size_t>(key.currentLength));
        type = kActionShellItem;
    } else {
        const std::string command = FieldText(key.currentCommand);
        sink.SetString(subkey.c_str(), store::kKeyCommand, command.c_str());
        CopyBytesAsText(key.savedCommand, command.c_str());
    }
    sink.SetNumber(subkey.c_str(), store::kKeyType, static_cast<DWORD>(type));
}

void ClearPending(KeyAssignment& key) {
    std::memset(key.pendingCommand, 0, kFieldSize);
    std::memset(key.pendingParameter, 0, kFieldSize);
    key.pendingLength = 0;
    key.pendingType = kActionDefault;
}

void SetPendingText(KeyAssignment& key, const char* command, const char* parameter) {
    ClearPending(key);
    CopyBytesAsText(key.pendingCommand, command);
    CopyText(key.pendingParameter, parameter);
}

void SetPendingIdList(KeyAssignment& key, const BYTE* idList, int size) {
    ClearPending(key);
    if (!idList || size <= 0 || size > kFieldSize) return;
    std::memcpy(key.pendingCommand, idList, static_cast<size_t>(size));
    key.pendingLength = size;
    key.pendingType = kActionShellItem;
}

std::string AssignmentCaption(const KeyAssignment& key) {
    if (key.currentType == kActionDefault || key.currentType == kActionShellItem) return key.currentName;
    return FieldText(key.currentCommand) + " " + key.currentParameter;
}

}  // namespace keys
