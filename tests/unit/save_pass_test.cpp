#include "key_assignment.h"
#include "example_font.h"
#include "save_pass.h"
#include "save_steps.h"
#include "save_recorder.h"
#include "sheet.h"

#include <gtest/gtest.h>

#include <cstring>

using Log = std::vector<std::string>;

namespace {

// A sheet as Finish finds it after the user went through every page; font
// stands for the Example font, with a field of its own in every value.
void ChooseEverything(CPSheet& sheet, CFont& exampleFont, BYTE charSet) {
    sheet.m_internetNav.m_enabled = 0;
    sheet.m_lumora.m_enabled = 1;
    sheet.m_printLabel.m_enabled = 1;
    sheet.m_printLabel.m_colorRadio = 0;
    CPPageOSD& osd = sheet.m_osd;
    LOGFONTA font = {};
    font.lfHeight = -37;
    font.lfWeight = 700;
    font.lfItalic = 1;
    font.lfCharSet = charSet;
    font.lfQuality = 2;
    font.lfPitchAndFamily = 34;
    std::strcpy(font.lfFaceName, "Courier New");
    ASSERT_TRUE(exampleFont.CreateFontIndirect(font));
    osd.m_exampleFont = &exampleFont;
    osd.m_pointSize = 28;
    osd.m_color = 0x0000FF;  // pure red
    osd.m_colorIndex = 9;
    osd.m_fontIndex = 3;
    osd.m_sizeIndex = 4;
    osd.m_osdEnabled = 0;
    osd.m_trayRadio = 0;
}

Log OsdValues(const std::string& charSet) {
    return {"number OSD\\Height=" + std::to_string(static_cast<DWORD>(-37)),
            "number OSD\\SelSize=28",
            "number OSD\\Weight=700",
            "number OSD\\Width=0",
            "number OSD\\Esc=0",
            "number OSD\\Orient=0",
            "number OSD\\Italic=1",
            "number OSD\\Underline=0",
            "number OSD\\StrikeOut=0",
            "number OSD\\OutPrec=0",
            "number OSD\\ClipPrec=0",
            "number OSD\\Quality=2",
            "number OSD\\Pitch&Family=34",
            "string OSD\\FaceName=Courier New",
            "number OSD\\CharSet=" + charSet,
            "number OSD\\Color=255",
            "number OSD\\ColorIndex=9",
            "number OSD\\FontIndex=3",
            "number OSD\\SizeIndex=4",
            "number OSD\\Duration=1200",
            "number OSD\\UserChanged=1"};
}

const Log kEnableValues = {"number Buttons\\INavEnable=0", "number Buttons\\LumoraEnable=1",
                           "number Buttons\\PrintEnable=1", "number Buttons\\PrintSubRadioBtns=0",
                           "number Buttons\\OSDEnable=0"};

Log Join(Log a, const Log& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

}  // namespace

TEST(SavePass, WritesEveryValueInOrderThenNotifiesTheDaemon) {
    CPSheet sheet(0, nullptr, 0, nullptr, nullptr, nullptr);
    CFont font;
    ChooseEverything(sheet, font, RUSSIAN_CHARSET);
    SaveRecorder running(true);
    RunSavePass(sheet, running, running, 1033);
    EXPECT_EQ(running.log, Join(Join(Join(OsdValues("204"), kEnableValues), {"post 1840"}),
                                {"number SysTrayIcon\\Hide=0", "post 1841"}));

    // A stopped daemon is started last, after every value is in the store.
    SaveRecorder stopped(false);
    RunSavePass(sheet, stopped, stopped, 1033);
    EXPECT_EQ(stopped.log, Join(Join(OsdValues("204"), kEnableValues), {"number SysTrayIcon\\Hide=0", "start daemon"}));
}

TEST(SavePass, JapaneseUsersGetTheShiftJisCharset) {
    CPSheet sheet(0, nullptr, 0, nullptr, nullptr, nullptr);
    CFont font;
    ChooseEverything(sheet, font, ANSI_CHARSET);
    SaveRecorder japanese(false);
    SaveOsdSettings(sheet.m_osd, japanese, 1041);
    EXPECT_EQ(japanese.log, OsdValues("128"));

    SaveRecorder german(false);
    SaveOsdSettings(sheet.m_osd, german, 1031);
    EXPECT_EQ(german.log, OsdValues("0"));
}

TEST(SavePass, OsdValuesComeFromTheRealExampleFont) {
    // The Example font as the page makes it: only the face and the size chosen.
    CPSheet sheet(0, nullptr, 0, nullptr, nullptr, nullptr);
    CPPageOSD& osd = sheet.m_osd;
    EXPECT_EQ(MakeExampleFont(sheet.m_state.exampleFont, "Courier New", 28), 280);
    osd.m_exampleFont = &sheet.m_state.exampleFont;
    osd.m_pointSize = 28;
    osd.m_colorIndex = 15;
    osd.m_color = 0xFFFFFF;
    osd.m_fontIndex = 2;
    osd.m_sizeIndex = 4;

    // 28 points at the screen's 96 dots per inch: 37.33 pixels, stored negative.
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    const LONG height = -MulDiv(dpi, 280, 720);
    if (dpi == 96) {
        EXPECT_EQ(height, -37);
    }
    const Log expected = {"number OSD\\Height=" + std::to_string(static_cast<DWORD>(height)),
                          "number OSD\\SelSize=28",
                          "number OSD\\Weight=0",
                          "number OSD\\Width=0",
                          "number OSD\\Esc=0",
                          "number OSD\\Orient=0",
                          "number OSD\\Italic=0",
                          "number OSD\\Underline=0",
                          "number OSD\\StrikeOut=0",
                          "number OSD\\OutPrec=0",
                          "number OSD\\ClipPrec=0",
                          "number OSD\\Quality=0",
                          "number OSD\\Pitch&Family=0",
                          "string OSD\\FaceName=Courier New",
                          "number OSD\\CharSet=0",
                          "number OSD\\Color=16777215",
                          "number OSD\\ColorIndex=15",
                          "number OSD\\FontIndex=2",
                          "number OSD\\SizeIndex=4",
                          "number OSD\\Duration=1200",
                          "number OSD\\UserChanged=1"};
    SaveRecorder german(false);
    SaveOsdSettings(osd, german, 1031);
    EXPECT_EQ(german.log, expected);

    // A refresh replaces the font the one object holds: 72 points is 720 tenths.
    EXPECT_EQ(MakeExampleFont(sheet.m_state.exampleFont, "Courier New", 72), 720);
    LOGFONTA large = {};
    ASSERT_TRUE(sheet.m_state.exampleFont.GetLogFont(&large));
    EXPECT_EQ(large.lfHeight, -MulDiv(dpi, 720, 720));
}

TEST(SavePass, PagesNeverShownWriteNothing) {
    CPSheet sheet(0, nullptr, 0, nullptr, nullptr, nullptr);
    SaveRecorder stopped(false);
    RunSavePass(sheet, stopped, stopped, 1033);
    EXPECT_EQ(stopped.log, Log{}) << "no value, no Hide, no daemon start";

    SaveRecorder running(true);
    RunSavePass(sheet, running, running, 1033);
    EXPECT_EQ(running.log, Log{"post 1840"});

    // Each unknown source is skipped on its own.
    sheet.m_printLabel.m_colorRadio = 1;
    sheet.m_osd.m_osdEnabled = 1;
    SaveRecorder some(false);
    SaveEnabledFlags(sheet, some);
    EXPECT_EQ(some.log, (Log{"number Buttons\\PrintSubRadioBtns=1", "number Buttons\\OSDEnable=1"}));
}

TEST(SavePass, TrayChoiceDecidesTheDaemonNotice) {
    struct Case {
        bool running;
        int tray;
        Log expected;
    };
    const Case cases[] = {
        {true, 0, {"post 1840", "number SysTrayIcon\\Hide=0", "post 1841"}},
        {false, 0, {"number SysTrayIcon\\Hide=0", "start daemon"}},
        {true, 1, {"post 1840", "number SysTrayIcon\\Hide=1", "post 1842"}},
        {false, 1, {"number SysTrayIcon\\Hide=1"}},
        {true, -1, {"post 1840"}},
        {false, -1, {}},
        {false, 7, {}},
    };
    for (const Case& c : cases) {
        SaveRecorder recorder(c.running);
        NotifyDaemon(c.tray, recorder, recorder);
        EXPECT_EQ(recorder.log, c.expected) << "running " << c.running << ", tray " << c.tray;
    }
}

TEST(SavePass, KeyRecordsComeFirstEachInItsOwnOrder) {
    CPSheet sheet(0, nullptr, 0, nullptr, nullptr, nullptr);
    KeyAssignment* keys = sheet.m_state.keys;
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

    CFont font;
    ChooseEverything(sheet, font, RUSSIAN_CHARSET);
    const Log keyValues = {"string Buttons\\Aux2\\DisplayName=Notes",   "string Buttons\\Aux2\\ActionParam1=-n",
                           "string Buttons\\Aux2\\ActionCommand=C:\\notes.exe", "number Buttons\\Aux2\\ActionType=1",
                           "string Buttons\\Aux5\\DisplayName=Computer", "string Buttons\\Aux5\\ActionParam1=",
                           "binary Buttons\\Aux5\\ActionCommand=6 bytes", "number Buttons\\Aux5\\ActionType=6"};
    const Log rest = Join(Join(OsdValues("204"), kEnableValues), {"number SysTrayIcon\\Hide=0", "start daemon"});
    SaveRecorder plain(false);
    RunSavePass(sheet, plain, plain, 1033);
    EXPECT_EQ(plain.log, Join(keyValues, rest));

    // After Reset to defaults every key's subkey goes first, key by key.
    sheet.m_customizeKeys.m_resetFlag = 1;
    SaveRecorder reset(false);
    RunSavePass(sheet, reset, reset, 1033);
    Log expected = {"delete Buttons\\Aux1"};
    expected.push_back("delete Buttons\\Aux2");
    expected.insert(expected.end(), keyValues.begin(), keyValues.begin() + 4);
    expected.insert(expected.end(), {"delete Buttons\\Aux3", "delete Buttons\\Aux4", "delete Buttons\\Aux5"});
    expected.insert(expected.end(), keyValues.begin() + 4, keyValues.end());
    expected.insert(expected.end(), {"delete Buttons\\Aux6", "delete Buttons\\Aux7"});
    EXPECT_EQ(reset.log, Join(expected, rest));
}
