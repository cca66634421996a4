// One whole walk through the wizard in English, as a person makes it, with the
// daemon stand-in running: every page by Next, a choice changed on each, a key
// assigned step by step, a label printed, Finish. Then the whole profile, value by value
// and type by type, and the daemon's log. Its screenshots of the Welcome, the
// Customize Keys and the Summary pages are the ones the README shows.
#include "key_row.h"
#include "printed_label.h"
#include "shell_items.h"
#include "tree_view.h"
#include "wizard_fixture.h"

#include <commctrl.h>
#include <shlobj.h>

#include <algorithm>

class WholeWalkTest : public WizardTest {
protected:
    void SetUp() override {
        WizardTest::SetUp();
        ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
        linkPath_ = driver::SpecialFolderPath(CSIDL_COMMON_STARTMENU) + "\\Notepad.lnk";
        target_ = driver::BinPath("DormexDaemon.exe");
        ASSERT_TRUE(driver::MakeShellLink(linkPath_, target_.c_str(), "/mode \"two words\""));
    }
    void TearDown() override {
        WizardTest::TearDown();
        DeleteFileA(linkPath_.c_str());
        CoUninitialize();
    }
    // Once the control shows, the handler that showed it is let finish.
    bool WaitFor(int id, const std::string& what) {
        return driver::WaitUntil([&] { return Shown(id) && Enabled(id); }, driver::kWaitMs, what) &&
               driver::WaitUntilPainted(sheet_, driver::kWaitMs);
    }

    // Key 3 gets the all-users program "Notepad", renamed "Notepad 2" in its
    // label, with the page's state at each step: nothing offered before a key
    // is picked, the radios open once it is, the label edit open once an item
    // is chosen, Apply once it has a label, and all closed again after Apply.
    void AssignKeyThree() {
        const int radios[] = {IDC_FUNCTION_ALL_PROGRAMS, IDC_FUNCTION_USER_PROGRAMS, IDC_FUNCTION_FILE,
                              IDC_FUNCTION_WEB_PAGE};
        auto expectClosed = [&] {
            for (int id : radios) EXPECT_FALSE(Enabled(id)) << "radio " << id;
            for (int id : {IDC_ALL_PROGRAMS_TREE, IDC_USER_PROGRAMS_TREE, IDC_FILES_TREE, IDC_FAVORITES_TREE,
                           IDC_ADDRESS_EDIT, IDC_TEST, IDC_ASSIGNMENT_CAPTION}) {
                EXPECT_FALSE(Shown(id)) << id;
            }
            EXPECT_FALSE(Enabled(IDC_APPLY));
        };
        expectClosed();
        driver::ClickAt(ShownPage(), key_row::KeyCentre(2));
        ASSERT_TRUE(WaitFor(IDC_KEYS1_PICTURE + 2, "key 3 marked"));
        ASSERT_TRUE(WaitFor(IDC_FUNCTION_ALL_PROGRAMS, "the function radios"));
        EXPECT_FALSE(driver::Text(Control(IDC_ASSIGNMENT_CAPTION)).empty()) << "the caption names the key's function";
        for (int id : radios) EXPECT_FALSE(Checked(id)) << "radio " << id;
        Click(IDC_FUNCTION_ALL_PROGRAMS);
        ASSERT_TRUE(WaitFor(IDC_ALL_PROGRAMS_TREE, "the all-users programs tree"));
        EXPECT_TRUE(Enabled(IDC_CHOOSER_PROMPT));
        EXPECT_FALSE(Enabled(IDC_LABEL_EDIT));
        HWND tree = Control(IDC_ALL_PROGRAMS_TREE);
        HTREEITEM link = driver::FindTreeItem(tree, TVI_ROOT, "Notepad");
        ASSERT_TRUE(link) << "the Start menu of all users lists the link";
        ASSERT_TRUE(driver::ClickTreeItem(tree, link));
        ASSERT_TRUE(driver::WaitUntil([&] { return driver::Text(Control(IDC_LABEL_EDIT)) == "Notepad"; },
                                      driver::kWaitMs, "the link's name in the label"));
        ASSERT_TRUE(WaitFor(IDC_LABEL_EDIT, "the label edit"));
        Click(IDC_LABEL_EDIT);
        driver::PressKeys({VK_END, VK_SPACE, '2'});
        ASSERT_TRUE(WaitFor(IDC_APPLY, "Apply, enabled by the label"));
        Click(IDC_APPLY);
        ASSERT_TRUE(driver::WaitUntil([&] { return driver::Text(Control(IDC_KEY1_NAME + 2)) == "Notepad 2"; },
                                      driver::kWaitMs, "the applied name over key 3"));
        ASSERT_TRUE(driver::WaitUntilPainted(sheet_, driver::kWaitMs));
        expectClosed();
        EXPECT_FALSE(Shown(IDC_KEYS1_PICTURE + 2)) << "key 3 still marked";
        EXPECT_EQ(driver::Text(Control(IDC_LABEL_EDIT)), "");
    }

    std::string linkPath_;
    std::string target_;
};

TEST_F(WholeWalkTest, EveryPageByNextThenFinishWritesTheWholeProfile) {
    // The store holds the other answers, so that the Summary shows the walk's
    // choices over them: the Internet Navigation keys on, the Lumora Keys off.
    ASSERT_TRUE(SetProfileNumber("Buttons", "INavEnable", 1));
    ASSERT_TRUE(SetProfileNumber("Buttons", "LumoraEnable", 0));
    driver::Process daemon = driver::Process::Start(driver::BinPath("DormexDaemon.exe"));
    ASSERT_NE(driver::WaitForWindow(DaemonWindow(), driver::kWaitMs), nullptr);
    ASSERT_TRUE(StartWizard());
    driver::SaveScreenshot("walk-0-welcome", sheet_);
    ASSERT_TRUE(Next());

    Click(IDC_INAV_DISABLE);
    ASSERT_TRUE(WaitForOffered("Back Next"));
    ASSERT_TRUE(Next());

    ASSERT_TRUE(WaitForOffered("Back Finish"));
    Click(IDC_LUMORA_ENABLE);
    ASSERT_TRUE(WaitForOffered("Back Next"));
    ASSERT_TRUE(Next());

    AssignKeyThree();
    driver::SaveScreenshot("walk-3-customize-keys", sheet_);
    ASSERT_TRUE(Next());

    Click(IDC_PRINT_YES);
    Click(IDC_PRINT_WHITE_ON_BLACK);
    ASSERT_TRUE(WaitForOffered("Back Next"));
    const FILETIME beforePrint = label_test::Now();
    ClickWithMouse(Button(wizard::kNext));
    ASSERT_TRUE(AnswerPrintDialog(IDOK));
    ASSERT_TRUE(WaitForPage(wizard::kOsdPage));
    const auto pdfs = label_test::WaitForPdfs(beforePrint, 1, 20000);
    ASSERT_EQ(pdfs.size(), 1u) << "one label printed";
    const auto words = label_test::Words(pdfs[0]);
    EXPECT_TRUE(std::any_of(words.begin(), words.end(), [](const auto& word) { return word.text == "Notepad"; }))
        << "the label carries the applied name";

    const int face = wizard::FirstArial(Control(IDC_OSD_FONT_COMBO));
    ASSERT_GE(face, 0) << "the face list has an \"Arial\" face";
    const std::string faceName = driver::ComboItemText(Control(IDC_OSD_FONT_COMBO), face);
    Click(IDC_OSD_DISABLE);
    ASSERT_TRUE(driver::WaitUntil([&] { return !Enabled(IDC_OSD_FONT_COMBO); }, driver::kWaitMs, "the face list greyed"));
    ASSERT_TRUE(Next());

    EXPECT_EQ(driver::Text(Control(IDC_SUMMARY_INAV)), "disable");
    EXPECT_EQ(driver::Text(Control(IDC_SUMMARY_LUMORA)), "enable") << "the Lumora Keys";
    EXPECT_EQ(driver::Text(Control(IDC_SUMMARY_PRINT)), "yes") << "the label printed";
    EXPECT_EQ(driver::Text(Control(IDC_SUMMARY_KEY1_NAME + 2)), "Notepad 2");
    driver::SaveScreenshot("walk-6-summary", sheet_);
    ASSERT_TRUE(FinishWithMouse());

    using driver::DwordValue;
    using driver::SzValue;
    const driver::RegistrySnapshot expected = {
        {"Buttons\\", {}},
        {"Buttons\\INavEnable", DwordValue(0)},
        {"Buttons\\LumoraEnable", DwordValue(1)},
        {"Buttons\\PrintEnable", DwordValue(1)},
        {"Buttons\\PrintSubRadioBtns", DwordValue(0)},
        {"Buttons\\OSDEnable", DwordValue(0)},
        {"Buttons\\Aux3\\", {}},
        {"Buttons\\Aux3\\DisplayName", SzValue("Notepad 2")},
        {"Buttons\\Aux3\\ActionParam1", SzValue("/mode \"two words\"")},
        {"Buttons\\Aux3\\ActionCommand", SzValue(target_)},
        {"Buttons\\Aux3\\ActionType", DwordValue(1)},
        {"OSD\\", {}},
        {"OSD\\Height", DwordValue(static_cast<DWORD>(wizard::PixelHeight(28)))},
        {"OSD\\SelSize", DwordValue(28)},
        {"OSD\\Weight", DwordValue(0)},
        {"OSD\\Width", DwordValue(0)},
        {"OSD\\Esc", DwordValue(0)},
        {"OSD\\Orient", DwordValue(0)},
        {"OSD\\Italic", DwordValue(0)},
        {"OSD\\Underline", DwordValue(0)},
        {"OSD\\StrikeOut", DwordValue(0)},
        {"OSD\\OutPrec", DwordValue(0)},
        {"OSD\\ClipPrec", DwordValue(0)},
        {"OSD\\Quality", DwordValue(0)},
        {"OSD\\Pitch&Family", DwordValue(0)},
        {"OSD\\FaceName", SzValue(faceName)},
        {"OSD\\CharSet", DwordValue(0)},
        {"OSD\\Color", DwordValue(0x00FF00)},
        {"OSD\\ColorIndex", DwordValue(10)},
        {"OSD\\FontIndex", DwordValue(static_cast<DWORD>(face))},
        {"OSD\\SizeIndex", DwordValue(4)},
        {"OSD\\Duration", DwordValue(1200)},
        {"OSD\\UserChanged", DwordValue(1)},
        {"SysTrayIcon\\", {}},
        {"SysTrayIcon\\Hide", DwordValue(0)},
    };
    EXPECT_EQ(Profile(), expected) << "the profile after Finish:\n" << driver::Describe(Profile());
    EXPECT_EQ(driver::WaitForLines(logPath_, 3, driver::kWaitMs), (std::vector<std::string>{"start", "1840", "1841"}));
}
