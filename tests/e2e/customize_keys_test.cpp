// The Customize Keys page worked as a person works it: the mouse on the key
// row, the radios, the trees and the buttons, keys typed into the edits; the
// result read from the store after Finish. And one whole walk through the
// wizard with a key assigned on the way.
#include "driver.h"
#include "frame_probe.h"
#include "key_row.h"
#include "printed_label.h"
#include "shell_items.h"
#include "window_query.h"
#include "wizard_fixture.h"

#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>

namespace {

constexpr int kTrees[] = {IDC_ALL_PROGRAMS_TREE, IDC_USER_PROGRAMS_TREE, IDC_FILES_TREE, IDC_FAVORITES_TREE};
constexpr int kRadios[] = {IDC_FUNCTION_ALL_PROGRAMS, IDC_FUNCTION_USER_PROGRAMS, IDC_FUNCTION_FILE,
                           IDC_FUNCTION_WEB_PAGE};
constexpr char kScheme[] = "ravlentest";
constexpr char kSchemeKey[] = "Software\\Classes\\ravlentest";

}  // namespace

class CustomizeKeysTest : public WizardTest {
protected:
    void SetUp() override {
        WizardTest::SetUp();
        ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    }
    void TearDown() override {
        WizardTest::TearDown();
        for (const std::string& file : files_) DeleteFileA(file.c_str());
        driver::DeleteKey(HKEY_LOCAL_MACHINE, kSchemeKey);
        CoUninitialize();
    }

    // Starts the wizard and walks to the Customize Keys page.
    bool OpenPage() { return StartWizard() && Next() && Next() && Next() && Painted(); }
    // A control's state shows while the handler that set it may still run;
    // once it shows, the page is let finish (Painted) before the test reads on.
    bool WaitFor(int id, const std::string& what) {
        return driver::WaitUntil([&] { return Shown(id) && Enabled(id); }, driver::kWaitMs, what) && Painted();
    }
    bool WaitForText(int id, const std::string& text) {
        return driver::WaitUntil([&] { return driver::Text(Control(id)) == text; }, driver::kWaitMs,
                                 "control " + std::to_string(id) + " to read \"" + text + "\"");
    }
    void PickKey(int k) {
        driver::ClickAt(ShownPage(), key_row::KeyCentre(k));
        ASSERT_TRUE(WaitFor(IDC_KEYS1_PICTURE + k, "key " + std::to_string(k + 1) + " marked"));
        ASSERT_TRUE(WaitFor(kRadios[0], "the function radios"));
    }
    // Types into a control after giving it the focus with the mouse.
    void TypeInto(int id, std::initializer_list<WORD> keys) {
        Click(id);
        ASSERT_TRUE(driver::WaitUntil([&] { return Enabled(id); }, driver::kWaitMs, "the edit"));
        driver::PressKeys(keys);
    }
    // No chooser shown; the radios open and none checked once a key is
    // picked, else closed with Apply.
    void ExpectChoosersClosed(bool keyPicked) {
        for (int id : kTrees) EXPECT_FALSE(Shown(id)) << "tree " << id;
        for (int id : {IDC_ADDRESS_EDIT, IDC_TEST}) EXPECT_FALSE(Shown(id)) << id;
        for (int id : kRadios) {
            EXPECT_EQ(Enabled(id), keyPicked) << "radio " << id;
            EXPECT_FALSE(keyPicked && Checked(id)) << "radio " << id;
        }
        EXPECT_EQ(Shown(IDC_ASSIGNMENT_CAPTION), keyPicked);
        EXPECT_FALSE(!keyPicked && Enabled(IDC_APPLY)) << "Apply with no key picked";
    }
    // Gives the shell time to show an error box, then looks for one: the
    // program's failures are quiet.
    void ExpectNoErrorBox(const std::string& after) {
        driver::Pause(1500);
        if (HWND box = ShownDialog()) ADD_FAILURE() << "a box after " << after << ": \"" << driver::Text(box) << "\"";
    }
    std::optional<driver::RegistryValue> KeyValue(int k, const char* name) const {
        return ProfileValue("Buttons\\Aux" + std::to_string(k + 1), name);
    }

    std::vector<std::string> files_;  // made by the test, deleted after it
};

// An address typed for key 1 is tested through the shell, then left
// unapplied by picking key 2; Reset to defaults and the extra Finish button
// end the wizard with no key record left.
TEST_F(CustomizeKeysTest, AddressTestAnotherKeyResetAndExtraFinish) {
    const std::string log = driver::TempFilePath("ravlen-url");
    driver::ScopedEnvironment logEnv("RAVLEN_URL_LOG", log);
    const std::string scheme = kSchemeKey;
    ASSERT_TRUE(driver::WriteString(HKEY_LOCAL_MACHINE, scheme, "", "URL:Ravlen test"));
    ASSERT_TRUE(driver::WriteString(HKEY_LOCAL_MACHINE, scheme, "URL Protocol", ""));
    std::string handler = driver::FileBesideTest("UrlRecorder.exe");
    handler.insert(0, 1, '"');
    handler.append("\" \"%1\"");
    ASSERT_TRUE(driver::WriteString(HKEY_LOCAL_MACHINE, scheme + "\\shell\\open\\command", "", handler));
    ASSERT_TRUE(SetProfileString("Buttons\\Aux1", "DisplayName", "Old"));
    ASSERT_TRUE(SetProfileString("Buttons\\Aux1", "ActionCommand", "C:\\old.exe"));
    ASSERT_TRUE(SetProfileNumber("Buttons\\Aux1", "ActionType", 1));

    ASSERT_TRUE(OpenPage());
    EXPECT_EQ(driver::Text(Control(IDC_KEY1_NAME)), "Old");
    PickKey(0);
    EXPECT_EQ(driver::Text(Control(IDC_ASSIGNMENT_CAPTION)), "C:\\old.exe ") << "a command line shows command and arguments";
    Click(IDC_FUNCTION_WEB_PAGE);
    ASSERT_TRUE(WaitFor(IDC_ADDRESS_EDIT, "the address edit"));
    EXPECT_TRUE(Shown(IDC_FAVORITES_TREE));
    EXPECT_TRUE(Shown(IDC_TEST));
    EXPECT_FALSE(Shown(IDC_CHOOSER_PLACEHOLDER)) << "the placeholder tree goes";
    EXPECT_TRUE(Enabled(IDC_TEST)) << "emptying the address is an address change";
    EXPECT_FALSE(Enabled(IDC_LABEL_EDIT)) << "choosing a function closes the label";

    // Test with nothing to open, or with what nothing opens, shows nothing.
    Click(IDC_TEST);
    ASSERT_NO_FATAL_FAILURE(ExpectNoErrorBox("Test with an empty address"));
    TypeInto(IDC_ADDRESS_EDIT, {'Q', 'Q'});
    ASSERT_TRUE(WaitForText(IDC_LABEL_EDIT, "qq"));
    Click(IDC_TEST);
    ASSERT_NO_FATAL_FAILURE(ExpectNoErrorBox("Test with an address that opens nothing"));
    TypeInto(IDC_ADDRESS_EDIT, {VK_END, VK_BACK, VK_BACK});
    ASSERT_TRUE(WaitForText(IDC_ADDRESS_EDIT, ""));

    // The shell calls run on a thread whose COM is set up for the program's life.
    driver::FrameProbe probe;
    ASSERT_TRUE(probe.Attach(wizard_.id()));
    EXPECT_EQ(probe.Run(frame_probe::kUiComExport), std::optional<DWORD>(frame_probe::kComReady));

    // "ravlentest:ok", typed.
    TypeInto(IDC_ADDRESS_EDIT, {'R', 'A', 'V', 'L', 'E', 'N', 'T', 'E', 'S', 'T'});
    driver::PressChord({VK_SHIFT}, VK_OEM_1);
    driver::PressKeys({'O', 'K'});
    const std::string address = std::string(kScheme) + ":ok";
    ASSERT_TRUE(WaitForText(IDC_LABEL_EDIT, address)) << "the address fills the label";
    EXPECT_TRUE(Enabled(IDC_TEST));
    EXPECT_TRUE(Enabled(IDC_APPLY));
    Click(IDC_TEST);
    EXPECT_EQ(driver::WaitForLines(log, 1, driver::kWaitMs), std::vector<std::string>{address})
        << "Test hands the address to its handler";

    // Key 2 before Apply: every chooser goes, key 1 keeps its name and record.
    PickKey(1);
    ExpectChoosersClosed(true);
    EXPECT_FALSE(Shown(IDC_KEYS1_PICTURE));
    EXPECT_EQ(driver::Text(Control(IDC_KEY1_NAME)), "Old");
    EXPECT_FALSE(Enabled(IDC_LABEL_EDIT));

    // A click beside every hot spot only empties the label.
    driver::ClickAt(ShownPage(), {40, 300});
    EXPECT_TRUE(Shown(IDC_KEYS1_PICTURE + 1)) << "key 2 stays picked";

    const std::string keySeven = driver::Text(Control(IDC_KEY1_NAME + 6));
    Click(IDC_RESET_DEFAULTS);
    ASSERT_TRUE(driver::WaitUntil([&] { return driver::Text(Control(IDC_KEY1_NAME)) != "Old"; }, driver::kWaitMs,
                                  "key 1's default name back"));
    EXPECT_EQ(driver::Text(Control(IDC_KEY1_NAME + 6)), keySeven) << "untouched keys show their default names";
    EXPECT_FALSE(Shown(IDC_KEYS1_PICTURE + 1));
    const std::string keyOne = driver::Text(Control(IDC_KEY1_NAME));
    ASSERT_TRUE(Jump(wizard::kToSummary));
    EXPECT_EQ(driver::Text(Control(IDC_SUMMARY_KEY1_NAME)), keyOne) << "the Summary shows the default name";
    ASSERT_TRUE(Jump(wizard::kToCustomizeKeys));

    ASSERT_TRUE(ClickWhenOffered(IDC_EXTRA_FINISH));
    ASSERT_TRUE(WaitForWizardExit("the extra Finish"));
    for (int k = 0; k < 7; ++k) {
        EXPECT_FALSE(driver::KeyExists(HKEY_CURRENT_USER, std::string(wizard::kProfile) + "\\Buttons\\Aux" +
                                                              std::to_string(k + 1)))
            << "after a reset only keys assigned anew keep a record (key 1's old one was deleted)";
    }
    DeleteFileA(log.c_str());
}

// Key 7 gets the computer from the files tree (a shell item) and key 5 a
// favourite, whose address, not its name, becomes the label.
TEST_F(CustomizeKeysTest, ComputerAndFavouriteAreWrittenAsShellItemAndAddress) {
    files_.push_back(driver::SpecialFolderPath(CSIDL_FAVORITES) + "\\Ravlen Site.URL");
    ASSERT_TRUE(driver::MakeUrlShortcut(files_.back(), "http://example.test/site"));
    LPITEMIDLIST computer = nullptr;
    ASSERT_TRUE(SUCCEEDED(SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &computer)));
    SHFILEINFOA info = {};
    SHGetFileInfoA(reinterpret_cast<LPCSTR>(computer), 0, &info, sizeof info, SHGFI_PIDL | SHGFI_DISPLAYNAME);
    const std::string computerName = info.szDisplayName;
    const BYTE* bytes = reinterpret_cast<const BYTE*>(computer);
    const std::vector<BYTE> computerList(bytes, bytes + (bytes[0] | bytes[1] << 8) + 2);
    CoTaskMemFree(computer);

    ASSERT_TRUE(OpenPage());
    PickKey(6);
    Click(kRadios[2]);
    ASSERT_TRUE(WaitFor(IDC_FILES_TREE, "the files tree"));
    HTREEITEM item = driver::FindTreeItem(Control(IDC_FILES_TREE), TVI_ROOT, computerName);
    ASSERT_TRUE(item) << "the files tree lists " << computerName;
    ASSERT_TRUE(driver::ClickTreeItem(Control(IDC_FILES_TREE), item));
    ASSERT_TRUE(WaitForText(IDC_LABEL_EDIT, computerName));
    Click(IDC_APPLY);
    ASSERT_TRUE(WaitForText(IDC_KEY1_NAME + 6, computerName));
    PickKey(6);
    EXPECT_EQ(driver::Text(Control(IDC_ASSIGNMENT_CAPTION)), computerName) << "a shell item shows its name";

    PickKey(4);
    EXPECT_FALSE(Shown(IDC_KEYS7_PICTURE)) << "key 7 still marked";
    Click(IDC_FUNCTION_WEB_PAGE);
    ASSERT_TRUE(WaitFor(IDC_FAVORITES_TREE, "the favourites tree"));
    item = driver::FindTreeItem(Control(IDC_FAVORITES_TREE), TVI_ROOT, "Ravlen Site");
    ASSERT_TRUE(item) << "the favourites tree lists the shortcut";
    ASSERT_TRUE(driver::ClickTreeItem(Control(IDC_FAVORITES_TREE), item));
    ASSERT_TRUE(WaitForText(IDC_ADDRESS_EDIT, "http://example.test/site"));
    EXPECT_EQ(driver::Text(Control(IDC_LABEL_EDIT)), "http://example.test/site") << "the address, not the name";
    Click(IDC_APPLY);
    ASSERT_TRUE(WaitForText(IDC_KEY1_NAME + 4, "http://example.test/site"));

    ASSERT_TRUE(ClickWhenOffered(IDC_EXTRA_FINISH));
    ASSERT_TRUE(WaitForWizardExit("the extra Finish"));
    EXPECT_EQ(KeyValue(6, "ActionCommand"), (driver::RegistryValue{REG_BINARY, computerList}));
    EXPECT_EQ(KeyValue(6, "ActionType"), driver::DwordValue(6));
    EXPECT_EQ(KeyValue(6, "DisplayName"), driver::SzValue(computerName));
    EXPECT_EQ(KeyValue(4, "ActionCommand"), driver::SzValue("http://example.test/site"));
    EXPECT_EQ(KeyValue(4, "ActionParam1"), driver::SzValue(""));
    EXPECT_EQ(KeyValue(4, "ActionType"), driver::DwordValue(1));
}

// One whole walk in English, with the daemon stand-in running: every page by
// Next, a choice changed on each, a key assigned, a label printed, Finish.
// Then the whole profile, value by value and type by type, and the daemon's
// log. Its screenshots of the Welcome, the Customize Keys and the Summary
// pages are the ones the README shows.
TEST_F(CustomizeKeysTest, WholeWalkByNextThenFinishWritesTheWholeProfile) {
    files_.push_back(driver::SpecialFolderPath(CSIDL_COMMON_STARTMENU) + "\\Notepad.lnk");
    const std::string target = driver::BinPath("DormexDaemon.exe");
    ASSERT_TRUE(driver::MakeShellLink(files_.back(), target.c_str(), "/mode \"two words\""));
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

    // Key 3 gets the all-users program "Notepad", renamed "Notepad 2" in its
    // label: the label edit opens once an item is chosen, Apply once it has a
    // label, and all close again after Apply.
    ExpectChoosersClosed(false);
    PickKey(2);
    ExpectChoosersClosed(true);
    EXPECT_FALSE(driver::Text(Control(IDC_ASSIGNMENT_CAPTION)).empty()) << "the caption names the key's function";
    Click(IDC_FUNCTION_ALL_PROGRAMS);
    ASSERT_TRUE(WaitFor(IDC_ALL_PROGRAMS_TREE, "the all-users programs tree"));
    EXPECT_TRUE(Enabled(IDC_CHOOSER_PROMPT));
    EXPECT_FALSE(Enabled(IDC_LABEL_EDIT));
    HWND tree = Control(IDC_ALL_PROGRAMS_TREE);
    HTREEITEM link = driver::FindTreeItem(tree, TVI_ROOT, "Notepad");
    ASSERT_TRUE(link) << "the Start menu of all users lists the link";
    ASSERT_TRUE(driver::ClickTreeItem(tree, link));
    ASSERT_TRUE(WaitForText(IDC_LABEL_EDIT, "Notepad"));
    TypeInto(IDC_LABEL_EDIT, {VK_END, VK_SPACE, '2'});
    ASSERT_TRUE(WaitFor(IDC_APPLY, "Apply, enabled by the label"));
    Click(IDC_APPLY);
    ASSERT_TRUE(WaitForText(IDC_KEY1_NAME + 2, "Notepad 2"));
    ASSERT_TRUE(Painted());
    ExpectChoosersClosed(false);
    EXPECT_FALSE(Shown(IDC_KEYS1_PICTURE + 2)) << "key 3 still marked";
    EXPECT_EQ(driver::Text(Control(IDC_LABEL_EDIT)), "");
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
        {"Buttons\\Aux3\\ActionCommand", SzValue(target)},
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
