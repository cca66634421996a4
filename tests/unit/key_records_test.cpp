#include "key_records.h"
#include "profile_fixture.h"
#include "settings_sink.h"
#include "wizard_state.h"

#include <cstring>
#include <string>
#include <vector>

using driver::KeyExists;
using driver::RegistryValue;
using Values = std::vector<std::pair<std::string, RegistryValue>>;

namespace {

RegistryValue Sz(const std::string& text) { return driver::SzValue(text); }
RegistryValue Number(DWORD number) { return driver::DwordValue(number); }
RegistryValue Block(const std::vector<BYTE>& bytes) { return RegistryValue{REG_BINARY, bytes}; }
RegistryValue Typed(DWORD type, const std::string& text) {
    return RegistryValue{type, std::vector<BYTE>(text.begin(), text.end() + 1)};
}

// The shell's "My Computer": one item and the terminator.
const std::vector<BYTE> kComputer = {20,   0,    0x1F, 0x50, 0xE0, 0x4F, 0xD0, 0x20, 0xEA, 0x3A, 0x69,
                                     0x10, 0xA2, 0xD8, 0x08, 0x00, 0x2B, 0x30, 0x30, 0x9D, 0,    0};

// A name of 150 double-byte characters in code page 932 (hiragana "a").
std::string DoubleByteName() {
    std::string name;
    for (int i = 0; i < 150; ++i) name += "\x82\xA0";
    return name;
}

Values Record(const std::string& name, const std::string& parameter, const std::string& command, DWORD type) {
    return {{"DisplayName", Sz(name)}, {"ActionParam1", Sz(parameter)}, {"ActionCommand", Sz(command)},
            {"ActionType", Number(type)}};
}

class KeyRecordsTest : public ProfileTest {
protected:
    WizardState state_;  // fresh for each test, as each wizard run has its own

    std::string Aux(int k) const { return Path(store::KeyRecordSubkey(k)); }
    void Store(int k, const Values& values) {
        for (const auto& [name, value] : values) {
            ASSERT_TRUE(driver::WriteValue(HKEY_CURRENT_USER, Aux(k), name, value.type, value.data.data(),
                                           static_cast<DWORD>(value.data.size())));
        }
    }
    static void SaveAll() {
        ProfileSink sink;
        for (int k = 0; k < kKeyCount; ++k) keys::SaveKey(k, false, sink);
    }
    void PendList(int k, const std::vector<BYTE>& list) {
        keys::SetPendingIdList(state_.keys[k], list.data(), static_cast<int>(list.size()));
    }
    // Key k selected, its pending choice made by choose, then applied as the page's Apply does.
    template <typename Choose>
    void Apply(int k, const std::string& label, Choose choose) {
        state_.selectedKey = k;
        choose(state_.keys[k]);
        keys::ApplyPending(label.c_str());
    }
    RegistryValue Value(int k, const char* name) const {
        return driver::ReadValue(HKEY_CURRENT_USER, Aux(k), name).value_or(RegistryValue{});
    }
    Values Written(int k) const {
        return {{"DisplayName", Value(k, "DisplayName")}, {"ActionParam1", Value(k, "ActionParam1")},
                {"ActionCommand", Value(k, "ActionCommand")}, {"ActionType", Value(k, "ActionType")}};
    }
};

}  // namespace

// Each stored record as the wizard reads it into key 4: what other tools and
// older versions leave, and what is hostile. Nothing is read past a field, and
// Finish after the page was shown rewrites no record the user left alone.
TEST_F(KeyRecordsTest, StoredRecordsLoadInsideTheFieldsAndStayAsStored) {
    const std::string huge(10000, 'N'), cut(259, 'N');
    const BYTE junk[3] = {1, 2, 3};
    const struct {
        const char* what;
        Values stored;
        int type;
        std::string name, parameter, caption;
        std::vector<BYTE> list = {};  // the identifier list read, if any
    } rows[] = {
        {"a command line", Record("Notes", "/n \"a b\"", "C:\\Tools\\notes.exe", 1), kActionCommand, "Notes",
         "/n \"a b\"", "C:\\Tools\\notes.exe /n \"a b\""},
        {"an unknown type, kept in memory", Record("Odd", "-x", "C:\\odd.exe", 3), 3, "Odd", "-x", "C:\\odd.exe -x"},
        {"a type as text",
         {{"DisplayName", Sz("Mail")}, {"ActionParam1", Sz("-m")}, {"ActionCommand", Sz("mailto:")},
          {"ActionType", Sz("  +1 apples")}},
         kActionCommand, "Mail", "-m", "mailto: -m"},
        {"a shell item with a leftover argument",
         {{"DisplayName", Sz("Computer")}, {"ActionCommand", Block(kComputer)}, {"ActionType", Number(6)},
          {"ActionParam1", Sz("left over")}},
         kActionShellItem, "Computer", "", "Computer", kComputer},
        {"a shell item whose type is text",
         {{"DisplayName", Sz("Also")}, {"ActionCommand", Block(kComputer)}, {"ActionType", Sz("6")}},
         kActionShellItem, "Also", "", "Also", kComputer},
        {"texts longer than a field", Record(huge, huge, huge, 1), kActionCommand, cut, cut, cut + " " + cut},
        {"a block larger than a field", {{"DisplayName", Sz("Big")}, {"ActionCommand", Block(std::vector<BYTE>(4000, 'A'))},
          {"ActionType", Number(6)}}, kActionShellItem, "Big", "", "Big"},
        {"a shell item whose command is text", Record("Text six", "", "C:\\x.exe", 6), kActionShellItem, "Text six", "",
         "Text six"},
        {"every value of the wrong kind",
         {{"DisplayName", RegistryValue{REG_BINARY, {junk, junk + 3}}}, {"ActionParam1", Number(5)},
          {"ActionType", RegistryValue{REG_BINARY, {junk, junk + 3}}}, {"ActionCommand", Number(9)}},
         kActionDefault, "Calculator", "", "Calculator"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        driver::DeleteKey(HKEY_CURRENT_USER, Path("Buttons"));
        Store(4, row.stored);
        Store(5, Record("Neighbour", "p", "C:\\n.exe", 1));
        const driver::RegistrySnapshot before = driver::Snapshot(HKEY_CURRENT_USER, root_);
        state_.keys[4] = KeyAssignment{};
        keys::Load();
        const KeyAssignment& key = state_.keys[4];
        EXPECT_EQ(key.currentType, row.type);
        EXPECT_EQ(key.currentName, row.name);
        EXPECT_EQ(key.currentParameter, row.parameter);
        EXPECT_EQ(keys::AssignmentCaption(key), row.caption);
        EXPECT_EQ(key.currentLength, static_cast<int>(row.list.size()));
        EXPECT_EQ(key.savedLength, static_cast<int>(row.list.size()));
        EXPECT_TRUE(row.list.empty() || std::memcmp(key.currentCommand, row.list.data(), row.list.size()) == 0);
        EXPECT_TRUE(!row.list.empty() || row.type != kActionShellItem || key.currentCommand[0] == 0);
        EXPECT_STREQ(state_.keys[5].currentName, "Neighbour") << "the next record is untouched";
        EXPECT_STREQ(state_.keys[5].currentParameter, "p");
        SaveAll();
        EXPECT_EQ(driver::Snapshot(HKEY_CURRENT_USER, root_), before) << "a record left alone is rewritten";
    }
}

// More records that must stay as stored byte for byte when left alone:
// values of kinds the wizard does not read, and a leftover command.
TEST_F(KeyRecordsTest, UntouchedRecordsStayAsStoredByteForByte) {
    const Values hostile[] = {
        {{"DisplayName", Sz("Env")}, {"ActionType", Number(1)}, {"ActionCommand", Sz("notepad.exe")},
         {"ActionParam1", Typed(REG_EXPAND_SZ, "%USERPROFILE%\\a.txt")}},
        {{"DisplayName", Typed(REG_EXPAND_SZ, "%USERNAME%")}, {"ActionType", Number(1)}, {"ActionCommand", Sz("C:\\b.exe")}},
        {{"DisplayName", RegistryValue{REG_MULTI_SZ, {'A', 0, 'B', 0, 0}}}, {"ActionType", Number(1)},
         {"ActionCommand", Sz("C:\\b.exe")}},
        // A default function, no type, or an unreadable one, with a leftover command.
        {{"DisplayName", Sz("Lock")}, {"ActionType", Number(0)}, {"ActionCommand", Sz("C:\\stale.exe")}},
        {{"DisplayName", Sz("Lock")}, {"ActionCommand", Sz("C:\\stale.exe")}},
        {{"DisplayName", Sz("Lock")}, {"ActionType", RegistryValue{REG_BINARY, {1, 2, 3}}},
         {"ActionCommand", Sz("C:\\stale.exe")}},
        Record(DoubleByteName(), "", "C:\\j.exe", 1),
    };
    for (const Values& record : hostile) {
        SCOPED_TRACE(testing::PrintToString(record.front().second.data.size()) + " bytes of " + record.front().first);
        driver::DeleteKey(HKEY_CURRENT_USER, Path("Buttons"));
        for (KeyAssignment& key : state_.keys) key = KeyAssignment{};
        Store(3, record);
        const driver::RegistrySnapshot before = driver::Snapshot(HKEY_CURRENT_USER, root_);
        keys::Load();
        SaveAll();
        EXPECT_EQ(driver::Snapshot(HKEY_CURRENT_USER, root_), before)
            << driver::Describe(driver::Snapshot(HKEY_CURRENT_USER, root_));
    }
}

// A record the user changed is written in full and as its kind: a text after
// a list is a command line, a list after a text a shell item with no argument
// left over, an odd type goes back as a command line, and a name cut to fit
// ends on a whole character. Nothing is applied while no key is selected.
TEST_F(KeyRecordsTest, AppliedRecordsAreWrittenWhole) {
    Store(0, Record("Notepad", "/p x", "notepad.exe", kActionCommand));
    Store(1, {{"DisplayName", Sz(DoubleByteName())}});
    Store(4, Record("Odd", "-x", "C:\\odd.exe", 3));
    keys::Load();
    // Cut before the character that does not fit: 129 whole characters in
    // code page 932, 259 single bytes elsewhere.
    EXPECT_EQ(std::string(state_.keys[1].savedName), DoubleByteName().substr(0, GetACP() == 932 ? 258 : 259));

    Apply(0, "Computer", [&](KeyAssignment&) { PendList(0, kComputer); });
    Apply(4, "Odd", [](KeyAssignment& key) { keys::SetPendingText(key, "C:\\odd.exe", "-x"); });
    state_.keys[4].currentType = 3;
    Apply(5, "Example", [&](KeyAssignment& key) {
        PendList(5, kComputer);
        EXPECT_EQ(key.pendingType, kActionShellItem);
        keys::SetPendingText(key, "http://example.test/");
    });
    Apply(6, "My Computer", [&](KeyAssignment& key) {
        keys::SetPendingText(key, "http://example.test/");
        PendList(6, kComputer);
    });
    EXPECT_EQ(keys::AssignmentCaption(state_.keys[6]), "My Computer");
    const std::string huge(10000, 'N');
    Apply(2, huge, [&](KeyAssignment& key) { keys::SetPendingText(key, huge.c_str(), huge.c_str()); });
    EXPECT_EQ(state_.keys[3].savedName, keys::DefaultName(3)) << "the next record is untouched";
    PendList(3, std::vector<BYTE>(300, 0x10));
    EXPECT_EQ(state_.keys[3].pendingLength, 0) << "a list longer than the field is refused";
    state_.selectedKey = -1;
    keys::SetPendingText(state_.keys[3], "C:\\never.exe");
    keys::ApplyPending("Never");
    SaveAll();

    EXPECT_EQ(Written(0), (Values{{"DisplayName", Sz("Computer")}, {"ActionParam1", Sz("")},
                                  {"ActionCommand", Block(kComputer)}, {"ActionType", Number(6)}}));
    EXPECT_EQ(Written(4), Record("Odd", "-x", "C:\\odd.exe", 1));
    EXPECT_EQ(state_.keys[4].currentType, 3) << "saving leaves the in-memory type";
    EXPECT_EQ(Written(5), Record("Example", "", "http://example.test/", 1));
    EXPECT_EQ(Written(6), (Values{{"DisplayName", Sz("My Computer")}, {"ActionParam1", Sz("")},
                                  {"ActionCommand", Block(kComputer)}, {"ActionType", Number(6)}}));
    EXPECT_EQ(Written(2), Record(std::string(259, 'N'), std::string(259, 'N'), std::string(259, 'N'), 1));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, Aux(3))) << "an unapplied choice is never written";
}
