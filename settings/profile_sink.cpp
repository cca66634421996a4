#include "settings_sink.h"

#include "DormexUtil.h"

void ProfileSink::SetNumber(LPCSTR subkey, LPCSTR name, DWORD value) { Reg_SetProfileNumber(subkey, name, value); }
void ProfileSink::SetString(LPCSTR subkey, LPCSTR name, LPCSTR value) { Reg_SetProfileString(subkey, name, value); }
void ProfileSink::SetBinary(LPCSTR subkey, LPCSTR name, const BYTE* data, DWORD size) {
    Reg_SetProfileBinary(subkey, name, data, size);
}
void ProfileSink::DelKey(LPCSTR parentSubkey, LPCSTR childName) { Reg_DelProfileKey(parentSubkey, childName); }
