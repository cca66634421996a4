// The settings store as the wizard uses it: every subkey and value, and the
// default its readers pass. Paths are relative to the profile root.
#pragma once

#include <windows.h>

#include <string>

namespace store {

struct NumberValue {
    const char* subkey;
    const char* name;
    DWORD fallback;  // what a reader gets when the value is absent
};

struct StringValue {
    const char* subkey;
    const char* name;
    const char* fallback;
    DWORD bufferSize;  // the reader's buffer, in bytes
};

constexpr char kProfileRoot[] = "Software\\Varnholt\\Productivity";

constexpr char kButtons[] = "Buttons";
constexpr char kOsd[] = "OSD";
constexpr char kSysTrayIcon[] = "SysTrayIcon";

// "Buttons": the key groups and the print choice.
constexpr NumberValue kINavEnable{kButtons, "INavEnable", 1};
constexpr NumberValue kLumoraEnable{kButtons, "LumoraEnable", 1};
constexpr NumberValue kPrintEnable{kButtons, "PrintEnable", 0};
constexpr NumberValue kPrintSubRadioBtns{kButtons, "PrintSubRadioBtns", 1};  // 0 white on black, 1 black on white
constexpr NumberValue kOsdEnable{kButtons, "OSDEnable", 1};

// "Buttons\Aux1" to "Buttons\Aux7": the record of each launch key, k = 0 to 6.
constexpr char kKeyName[] = "DisplayName";
constexpr char kKeyType[] = "ActionType";
constexpr char kKeyCommand[] = "ActionCommand";
constexpr char kKeyParameter[] = "ActionParam1";
// The record's subkey under "Buttons" ("Aux1" for k = 0).
inline std::string KeyRecordName(int k) { return "Aux" + std::to_string(k + 1); }
// The record's subkey from the profile root ("Buttons\Aux1" for k = 0).
inline std::string KeyRecordSubkey(int k) { return std::string(kButtons) + "\\" + KeyRecordName(k); }

// "SysTrayIcon": 0 the daemon shows its tray icon, 1 it hides it.
constexpr NumberValue kTrayHide{kSysTrayIcon, "Hide", 0};

// "OSD": the display font as a whole LOGFONT, with the page's choices. Values
// with a fallback of 0 are read by the daemon only.
constexpr NumberValue kOsdHeight{kOsd, "Height", 28};
constexpr NumberValue kOsdSelSize{kOsd, "SelSize", 28};
constexpr NumberValue kOsdWeight{kOsd, "Weight", 0};
constexpr NumberValue kOsdWidth{kOsd, "Width", 0};
constexpr NumberValue kOsdEscapement{kOsd, "Esc", 0};
constexpr NumberValue kOsdOrientation{kOsd, "Orient", 0};
constexpr NumberValue kOsdItalic{kOsd, "Italic", 0};
constexpr NumberValue kOsdUnderline{kOsd, "Underline", 0};
constexpr NumberValue kOsdStrikeOut{kOsd, "StrikeOut", 0};
constexpr NumberValue kOsdOutPrecision{kOsd, "OutPrec", 0};
constexpr NumberValue kOsdClipPrecision{kOsd, "ClipPrec", 0};
constexpr NumberValue kOsdQuality{kOsd, "Quality", 0};
constexpr NumberValue kOsdPitchAndFamily{kOsd, "Pitch&Family", 0};
constexpr StringValue kOsdFaceName{kOsd, "FaceName", "Arial", 64};
constexpr NumberValue kOsdCharSet{kOsd, "CharSet", 0};
constexpr NumberValue kOsdColor{kOsd, "Color", 0x00FF00};
constexpr NumberValue kOsdColorIndex{kOsd, "ColorIndex", 10};
// Its reader's default is the first "Arial" face of the font list, not a number.
constexpr NumberValue kOsdFontIndex{kOsd, "FontIndex", 0};
constexpr NumberValue kOsdSizeIndex{kOsd, "SizeIndex", 4};
constexpr NumberValue kOsdDuration{kOsd, "Duration", 0};
constexpr NumberValue kOsdUserChanged{kOsd, "UserChanged", 0};

constexpr DWORD kDurationWritten = 1200;
constexpr DWORD kUserChangedWritten = 1;
// Japanese users get the Shift-JIS charset whatever the face's own.
constexpr LANGID kJapanese = 1041;

// The machine-wide version, outside the profile.
constexpr char kVersionValue[] = "Version";
constexpr char kVersionFallback[] = "1.0.0.2";

}  // namespace store
