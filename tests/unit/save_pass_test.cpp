#include "daemon_link.h"
#include "key_assignment.h"
#include "save_pass.h"
#include "save_steps.h"
#include "settings_sink.h"
#include "sheet.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

using Log = std::vector<std::string>;

namespace {

// Records what the Save pass writes and tells the daemon, in one ordered list.
class SaveRecorder : public SettingsSink, public DaemonLink {
public:
    explicit SaveRecorder(bool daemonRunning) : running_(daemonRunning) {}

    void SetNumber(LPCSTR subkey, LPCSTR name, DWORD value) override {
        log.push_back(std::string("number ") + subkey + "\\" + name + "=" + std::to_string(value));
    }
    void SetString(LPCSTR subkey, LPCSTR name, LPCSTR value) override {
        log.push_back(std::string("string ") + subkey + "\\" + name + "=" + value);
    }
    void SetBinary(LPCSTR subkey, LPCSTR name, const BYTE*, DWORD size) override {
        log.push_back(std::string("binary ") + subkey + "\\" + name + "=" + std::to_string(size) + " bytes");
    }
    void DelKey(LPCSTR parent, LPCSTR child) override { log.push_back(std::string("delete ") + parent + "\\" + child); }

    HWND Find() override { return running_ ? HWND_BROADCAST : nullptr; }
    void Post(HWND, UINT message) override { log.push_back("post " + std::to_string(message)); }
    void Start() override { log.push_back("start daemon"); }

    std::vector<std::string> log;

private:
    bool running_;
};

Log Join(Log a, const Log& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// The On-Screen Display block in the order the daemon reads it; the font
// fields, the page's choices and the stored charset as given.
Log OsdValues(const LOGFONTA& f, const CPPageOSD& page, int charSet) {
    const auto n = [](const char* name, long value) {
        return std::string("number OSD\\") + name + "=" + std::to_string(static_cast<DWORD>(value));
    };
    return {n("Height", f.lfHeight),       n("SelSize", page.m_pointSize),     n("Weight", f.lfWeight),
            n("Width", f.lfWidth),         n("Esc", f.lfEscapement),          n("Orient", f.lfOrientation),
            n("Italic", f.lfItalic),       n("Underline", f.lfUnderline),     n("StrikeOut", f.lfStrikeOut),
            n("OutPrec", f.lfOutPrecision), n("ClipPrec", f.lfClipPrecision), n("Quality", f.lfQuality),
            n("Pitch&Family", f.lfPitchAndFamily), std::string("string OSD\\FaceName=") + f.lfFaceName,
            n("CharSet", charSet),         n("Color", static_cast<long>(page.m_color)),
            n("ColorIndex", page.m_colorIndex), n("FontIndex", page.m_fontIndex), n("SizeIndex", page.m_sizeIndex),
            n("Duration", 1200),           n("UserChanged", 1)};
}

// A font with a value of its own in every field, so that no two fields can
// be swapped unseen.
LOGFONTA DistinctFont(BYTE charSet) {
    LOGFONTA font = {-37, 3, 5, 6, 700, 7, 8, 9, charSet, 4, 1, 2, 34, "Courier New"};
    return font;
}

// A sheet as Finish finds it after the user went through every page.
void ChooseEverything(CPSheet& sheet, CFont& exampleFont, BYTE charSet) {
    sheet.m_internetNav.m_enabled = 0;
    sheet.m_lumora.m_enabled = 1;
    sheet.m_printLabel.m_enabled = 1;
    sheet.m_printLabel.m_colorRadio = 0;
    CPPageOSD& osd = sheet.m_osd;
    ASSERT_TRUE(exampleFont.CreateFontIndirect(DistinctFont(charSet)));
    osd.m_exampleFont = &exampleFont;
    osd.m_pointSize = 28;
    osd.m_color = 0x0000FF;  // pure red
    osd.m_colorIndex = 9;
    osd.m_fontIndex = 3;
    osd.m_sizeIndex = 4;
    osd.m_osdEnabled = 0;
    osd.m_trayRadio = 0;
}

const Log kEnableValues = {"number Buttons\\INavEnable=0", "number Buttons\\LumoraEnable=1",
                           "number Buttons\\PrintEnable=1", "number Buttons\\PrintSubRadioBtns=0",
                           "number Buttons\\OSDEnable=0"};

class SavePass : public ::testing::Test {
protected:
    CPSheet sheet_{0, nullptr, 0, nullptr, nullptr, nullptr};
    CFont font_;
};

}  // namespace

// A page never shown leaves its values unknown; each is skipped on its own.
TEST_F(SavePass, EachUnknownSourceIsSkippedOnItsOwn) {
    sheet_.m_printLabel.m_colorRadio = 1;
    sheet_.m_osd.m_osdEnabled = 1;
    SaveRecorder some(false);
    SaveEnabledFlags(sheet_, some);
    EXPECT_EQ(some.log, (Log{"number Buttons\\PrintSubRadioBtns=1", "number Buttons\\OSDEnable=1"}));
}

TEST(SavePassNotice, TrayChoiceDecidesTheDaemonNotice) {
    const struct {
        bool running;
        int tray;
        Log expected;
    } cases[] = {
        {true, 0, {"post 1840", "number SysTrayIcon\\Hide=0", "post 1841"}},
        {false, 0, {"number SysTrayIcon\\Hide=0", "start daemon"}},
        {true, 1, {"post 1840", "number SysTrayIcon\\Hide=1", "post 1842"}},
        {false, 1, {"number SysTrayIcon\\Hide=1"}},
        {true, -1, {"post 1840"}},
        {false, -1, {}},
        {false, 7, {}},
    };
    for (const auto& c : cases) {
        SaveRecorder recorder(c.running);
        NotifyDaemon(c.tray, recorder, recorder);
        EXPECT_EQ(recorder.log, c.expected) << "running " << c.running << ", tray " << c.tray;
    }
}

// The applied key records first, each in its own order, then every value,
// then the daemon's notice; a stopped daemon is started last, after every
// value is in the store. Japanese users get the Shift-JIS charset whatever the
// font's; others the font's.
TEST_F(SavePass, WritesKeysThenEveryValueInOrderThenNotifiesTheDaemon) {
    KeyAssignment* keys = sheet_.m_state.keys;
    std::strcpy(keys[1].currentName, "Notes");
    std::strcpy(reinterpret_cast<char*>(keys[1].currentCommand), "C:\\notes.exe");
    std::strcpy(keys[1].currentParameter, "-n");
    std::strcpy(keys[4].currentName, "Computer");
    const BYTE computer[] = {4, 0, 0x1F, 0x50, 0, 0};
    std::memcpy(keys[4].currentCommand, computer, sizeof computer);
    keys[4].currentLength = sizeof computer;
    // A name without a command, and a command without a name, write nothing.
    std::strcpy(keys[5].currentName, "No command");
    std::strcpy(reinterpret_cast<char*>(keys[6].currentCommand), "C:\\nameless.exe");
    for (int k : {1, 4, 5, 6}) keys[k].applied = true;  // as Apply leaves them

    ChooseEverything(sheet_, font_, RUSSIAN_CHARSET);
    const Log aux2 = {"string Buttons\\Aux2\\DisplayName=Notes", "string Buttons\\Aux2\\ActionParam1=-n",
                      "string Buttons\\Aux2\\ActionCommand=C:\\notes.exe", "number Buttons\\Aux2\\ActionType=1"};
    const Log aux5 = {"string Buttons\\Aux5\\DisplayName=Computer", "string Buttons\\Aux5\\ActionParam1=",
                      "binary Buttons\\Aux5\\ActionCommand=6 bytes", "number Buttons\\Aux5\\ActionType=6"};
    const Log values = Join(OsdValues(DistinctFont(0), sheet_.m_osd, RUSSIAN_CHARSET), kEnableValues);
    SaveRecorder running(true);
    RunSavePass(sheet_, running, running, 1033);
    const Log notice = {"post 1840", "number SysTrayIcon\\Hide=0", "post 1841"};
    EXPECT_EQ(running.log, Join(Join(Join(aux2, aux5), values), notice));

    // After Reset to defaults every key's subkey goes first, key by key.
    sheet_.m_customizeKeys.m_resetFlag = 1;
    SaveRecorder reset(false);
    RunSavePass(sheet_, reset, reset, 1033);
    Log expected = Join(Join({"delete Buttons\\Aux1", "delete Buttons\\Aux2"}, aux2),
                        {"delete Buttons\\Aux3", "delete Buttons\\Aux4", "delete Buttons\\Aux5"});
    expected = Join(Join(expected, aux5), {"delete Buttons\\Aux6", "delete Buttons\\Aux7"});
    EXPECT_EQ(reset.log, Join(Join(expected, values), {"number SysTrayIcon\\Hide=0", "start daemon"}));

    for (const auto& [language, charSet] : {std::pair{1041, SHIFTJIS_CHARSET}, std::pair{1031, RUSSIAN_CHARSET}}) {
        SaveRecorder recorder(false);
        SaveOsdSettings(sheet_.m_osd, recorder, static_cast<LANGID>(language));
        EXPECT_EQ(recorder.log, OsdValues(DistinctFont(0), sheet_.m_osd, charSet)) << language;
    }
}
