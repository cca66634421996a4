// Where the Save pass writes: the profile library in the program, a recorder
// in tests that check what is written and in which order.
#pragma once

#include <windows.h>

#include "store_layout.h"

class SettingsSink {
public:
    virtual ~SettingsSink() = default;
    virtual void SetNumber(LPCSTR subkey, LPCSTR name, DWORD value) = 0;
    virtual void SetString(LPCSTR subkey, LPCSTR name, LPCSTR value) = 0;
    virtual void SetBinary(LPCSTR subkey, LPCSTR name, const BYTE* data, DWORD size) = 0;
    virtual void DelKey(LPCSTR parentSubkey, LPCSTR childName) = 0;

    void Set(const store::NumberValue& value, DWORD number) { SetNumber(value.subkey, value.name, number); }
    void Set(const store::StringValue& value, LPCSTR text) { SetString(value.subkey, value.name, text); }
};

// Writes through DormexUtil.dll; failures are ignored, as the wizard shows none.
class ProfileSink : public SettingsSink {
public:
    void SetNumber(LPCSTR subkey, LPCSTR name, DWORD value) override;
    void SetString(LPCSTR subkey, LPCSTR name, LPCSTR value) override;
    void SetBinary(LPCSTR subkey, LPCSTR name, const BYTE* data, DWORD size) override;
    void DelKey(LPCSTR parentSubkey, LPCSTR childName) override;
};
