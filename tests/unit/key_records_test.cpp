#include "key_records.h"
#include "profile_fixture.h"
#include "settings_sink.h"
#include "wizard_state.h"

#include <cstring>
#include <string>
#include <vector>

using driver::KeyExists;
using driver::ReadValue;
using driver::RegistryValue;
using driver::Snapshot;
using driver::WriteNumber;
using driver::WriteString;
using driver::WriteValue;

namespace {

// A stored "Buttons\AuxN" record, written with the plain registry API.
struct StoredKey {
    std::string name;
    std::string parameter;
    std::string command;
    DWORD type;
};

std::vector<BYTE> IdList(std::initializer_list<std::vector<BYTE>> items) {
    std::vector<BYTE> list;
    for (const auto& item : items) {
        const size_t size = item.size() + 2;
        list.push_back(static_cast<BYTE>(size & 0xFF));
        list.push_back(static_cast<BYTE>(size >> 8));
        for (BYTE byte : item) list.push_back(byte);
    }
    list.push_back(0);
    list.push_back(0);
    return list;
}

class KeyRecordsTest : public ProfileTest {
protected:
    WizardState state_;  // fresh for each test, as each wizard run has its own

    std::string Aux(int k) const { return Path(store::KeyRecordSubkey(k)); }
    void Store(int k, const StoredKey& key) {
        ASSERT_TRUE(WriteString(HKEY_CURRENT_USER, Aux(k), "DisplayName", key.name));
        ASSERT_TRUE(WriteString(HKEY_CURRENT_USER, Aux(k), "ActionParam1", key.parameter));
        ASSERT_TRUE(WriteString(HKEY_CURRENT_USER, Aux(k), "ActionCommand", key.command));
        ASSERT_TRUE(WriteNumber(HKEY_CURRENT_USER, Aux(k), "ActionType", key.type));
    }
    void StoreBlock(int k, const std::string& name, const std::vector<BYTE>& block) {
        ASSERT_TRUE(WriteString(HKEY_CURRENT_USER, Aux(k), "DisplayName", name));
        ASSERT_TRUE(WriteValue(HKEY_CURRENT_USER, Aux(k), "ActionCommand", REG_BINARY, block.data(),
                               static_cast<DWORD>(block.size())));
    }
    static void SaveAll(bool resetFlag) {
        ProfileSink sink;
        for (int k = 0; k < kKeyCount; ++k) keys::SaveKey(k, resetFlag, sink);
    }
    RegistryValue Value(int k, const char* name) const {
        return ReadValue(HKEY_CURRENT_USER, Aux(k), name).value_or(RegistryValue{});
    }
    static RegistryValue Text(const std::string& text) { return driver::SzValue(text); }
    static RegistryValue Number(DWORD number) { return driver::DwordValue(number); }
    static RegistryValue Block(const std::vector<BYTE>& bytes) { return RegistryValue{REG_BINARY, bytes}; }
};

const std::vector<BYTE> kComputer = IdList({{0x1F, 0x50, 0xE0, 0x4F, 0xD0, 0x20, 0xEA, 0x3A, 0x69, 0x10, 0xA2,
                                             0xD8, 0x08, 0x00, 0x2B, 0x30, 0x30, 0x9D}});

}  // namespace

TEST_F(KeyRecordsTest, EmptyProfileLoadsDefaultNamesAndSavesNothing) {
    keys::Load();
    const char* english[] = {"Lock Desktop", "My Documents", "Word Processor", "Spreadsheet",
                             "Calculator",   "E-mail",       "Internet"};
    for (int k = 0; k < kKeyCount; ++k) {
        EXPECT_STREQ(state_.keys[k].currentName, english[k]) << "key " << k + 1;
        EXPECT_STREQ(state_.keys[k].savedName, english[k]);
        EXPECT_EQ(state_.keys[k].currentType, kActionDefault);
        EXPECT_EQ(state_.keys[k].currentCommand[0], 0);
        EXPECT_EQ(state_.keys[k].currentLength, 0);
        EXPECT_STREQ(ShownKeyName(state_.keys[k]), english[k]);
    }
    SaveAll(false);
    EXPECT_TRUE(Snapshot(HKEY_CURRENT_USER, root_).empty()) << driver::Describe(Snapshot(HKEY_CURRENT_USER, root_));
}

TEST_F(KeyRecordsTest, CommandLinesRoundTripAndUnknownTypesComeBackAsOne) {
    Store(1, {"Notes", "/n \"a b\"", "C:\\Tools\\notes.exe", kActionCommand});
    Store(4, {"Odd", "-x", "C:\\odd.exe", 3});
    // A type stored as text, as older writers left it.
    ASSERT_TRUE(WriteString(HKEY_CURRENT_USER, Aux(5), "DisplayName", "Mail"));
    ASSERT_TRUE(WriteString(HKEY_CURRENT_USER, Aux(5), "ActionCommand", "mailto:"));
    ASSERT_TRUE(WriteString(HKEY_CURRENT_USER, Aux(5), "ActionType", "  +1 apples"));

    keys::Load();
    EXPECT_EQ(state_.keys[4].currentType, 3) << "an unknown type is kept in memory as it is";
    EXPECT_EQ(state_.keys[5].currentType, kActionCommand);
    EXPECT_EQ(keys::AssignmentCaption(state_.keys[1]), "C:\\Tools\\notes.exe /n \"a b\"");
    EXPECT_EQ(keys::AssignmentCaption(state_.keys[4]), "C:\\odd.exe -x") << "shown like a command line";
    EXPECT_EQ(keys::AssignmentCaption(state_.keys[0]), "Lock Desktop");

    // Applied again as it is, an odd type goes back as a command line.
    state_.selectedKey = 4;
    keys::SetPendingText(state_.keys[4], "C:\\odd.exe", "-x");
    keys::ApplyPending("Odd");
    state_.keys[4].currentType = 3;
    SaveAll(false);
    EXPECT_EQ(Value(1, "DisplayName"), Text("Notes"));
    EXPECT_EQ(Value(1, "ActionParam1"), Text("/n \"a b\""));
    EXPECT_EQ(Value(1, "ActionCommand"), Text("C:\\Tools\\notes.exe"));
    EXPECT_EQ(Value(1, "ActionType"), Number(1));
    EXPECT_EQ(Value(4, "ActionType"), Number(1)) << "type 3 written back as a command line";
    EXPECT_EQ(Value(4, "ActionCommand"), Text("C:\\odd.exe"));
    EXPECT_EQ(state_.keys[4].currentType, 3) << "saving leaves the in-memory type";
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, Aux(0))) << "keys without a command get no record";
}

TEST_F(KeyRecordsTest, ShellItemsLoadFromByteBlocksWhateverTheTypeIsStoredAs) {
    StoreBlock(2, "Computer", kComputer);
    ASSERT_TRUE(WriteNumber(HKEY_CURRENT_USER, Aux(2), "ActionType", 6));
    ASSERT_TRUE(WriteString(HKEY_CURRENT_USER, Aux(2), "ActionParam1", "left over"));
    StoreBlock(3, "Also computer", kComputer);
    ASSERT_TRUE(WriteString(HKEY_CURRENT_USER, Aux(3), "ActionType", "6"));

    keys::Load();
    for (int k : {2, 3}) {
        EXPECT_EQ(state_.keys[k].currentType, kActionShellItem) << "key " << k + 1;
        EXPECT_EQ(state_.keys[k].currentLength, static_cast<int>(kComputer.size()));
        EXPECT_EQ(state_.keys[k].savedLength, static_cast<int>(kComputer.size()));
        EXPECT_EQ(std::memcmp(state_.keys[k].currentCommand, kComputer.data(), kComputer.size()), 0);
    }
    EXPECT_EQ(keys::AssignmentCaption(state_.keys[2]), "Computer");
    EXPECT_STREQ(state_.keys[2].currentParameter, "") << "a shell item takes no arguments";

    state_.selectedKey = 3;
    keys::SetPendingIdList(state_.keys[3], kComputer.data(), static_cast<int>(kComputer.size()));
    keys::ApplyPending("Also computer");
    SaveAll(false);
    EXPECT_EQ(Value(3, "ActionCommand"), Block(kComputer));
    EXPECT_EQ(Value(3, "ActionType"), Number(6));
    EXPECT_EQ(Value(3, "ActionParam1"), Text(""));
}

TEST_F(KeyRecordsTest, ResetLeavesOnlyTheKeysAssignedAfterIt) {
    for (int k = 0; k < kKeyCount; ++k) Store(k, {"Old " + std::to_string(k), "", "C:\\old.exe", 1});
    ASSERT_TRUE(WriteNumber(HKEY_CURRENT_USER, Path("Buttons"), "INavEnable", 1));
    keys::Load();

    keys::ResetAll();
    EXPECT_STREQ(state_.keys[0].currentName, "Lock Desktop");
    EXPECT_STREQ(state_.keys[6].currentName, "Internet");
    EXPECT_EQ(state_.keys[6].currentCommand[0], 0);
    EXPECT_STREQ(state_.keys[6].savedName, "") << "the saved names go too";

    state_.selectedKey = 2;
    keys::SetPendingText(state_.keys[2], "C:\\calc.exe", "-s");
    keys::ApplyPending("Calc");
    SaveAll(true);

    for (int k = 0; k < kKeyCount; ++k) {
        EXPECT_EQ(KeyExists(HKEY_CURRENT_USER, Aux(k)), k == 2) << "Aux" << k + 1;
    }
    EXPECT_EQ(Value(2, "DisplayName"), Text("Calc"));
    EXPECT_EQ(Value(2, "ActionParam1"), Text("-s"));
    EXPECT_EQ(Value(2, "ActionCommand"), Text("C:\\calc.exe"));
    EXPECT_EQ(Value(2, "ActionType"), Number(1));
    EXPECT_TRUE(ReadValue(HKEY_CURRENT_USER, Path("Buttons"), "INavEnable")) << "only the key subkeys go";
}

TEST_F(KeyRecordsTest, AnAddressAppliedAfterAnIdListIsAText) {
    keys::Load();
    state_.selectedKey = 6;
    keys::SetPendingIdList(state_.keys[6], kComputer.data(), static_cast<int>(kComputer.size()));
    EXPECT_EQ(state_.keys[6].pendingType, kActionShellItem);
    keys::SetPendingText(state_.keys[6], "http://example.test/");
    keys::ApplyPending("Example");
    EXPECT_EQ(state_.keys[6].currentLength, 0);
    SaveAll(false);
    EXPECT_EQ(Value(6, "ActionCommand"), Text("http://example.test/"));
    EXPECT_EQ(Value(6, "ActionType"), Number(1));

    // The other way round, the list is what is kept, and the name is the caption.
    state_.selectedKey = 5;
    keys::SetPendingText(state_.keys[5], "http://example.test/");
    keys::SetPendingIdList(state_.keys[5], kComputer.data(), static_cast<int>(kComputer.size()));
    keys::ApplyPending("My Computer");
    EXPECT_EQ(keys::AssignmentCaption(state_.keys[5]), "My Computer");
    SaveAll(false);
    EXPECT_EQ(Value(5, "ActionCommand"), Block(kComputer));
    EXPECT_EQ(Value(5, "ActionType"), Number(6));

    // Nothing is applied while no key is selected; an unapplied choice is never written.
    state_.selectedKey = -1;
    keys::SetPendingText(state_.keys[0], "C:\\never.exe");
    keys::ApplyPending("Never");
    SaveAll(false);
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, Aux(0)));
}

TEST_F(KeyRecordsTest, HostileStoreContentsStayInsideTheFields) {
    const std::string huge(10000, 'N');
    ASSERT_TRUE(WriteString(HKEY_CURRENT_USER, Aux(0), "DisplayName", huge));
    ASSERT_TRUE(WriteString(HKEY_CURRENT_USER, Aux(0), "ActionParam1", huge));
    ASSERT_TRUE(WriteString(HKEY_CURRENT_USER, Aux(0), "ActionCommand", huge));
    ASSERT_TRUE(WriteNumber(HKEY_CURRENT_USER, Aux(0), "ActionType", 1));
    StoreBlock(1, "Big block", std::vector<BYTE>(4000, 0x41));
    ASSERT_TRUE(WriteNumber(HKEY_CURRENT_USER, Aux(1), "ActionType", 6));
    // Every value of the wrong kind.
    const BYTE junk[3] = {1, 2, 3};
    ASSERT_TRUE(WriteValue(HKEY_CURRENT_USER, Aux(2), "DisplayName", REG_BINARY, junk, sizeof junk));
    ASSERT_TRUE(WriteNumber(HKEY_CURRENT_USER, Aux(2), "ActionParam1", 5));
    ASSERT_TRUE(WriteValue(HKEY_CURRENT_USER, Aux(2), "ActionType", REG_BINARY, junk, sizeof junk));
    ASSERT_TRUE(WriteNumber(HKEY_CURRENT_USER, Aux(2), "ActionCommand", 9));
    // A type 6 whose command is text: no block to read.
    Store(3, {"Text six", "", "C:\\x.exe", 6});
    Store(4, {"Neighbour", "p", "C:\\n.exe", 1});

    keys::Load();
    EXPECT_EQ(std::strlen(state_.keys[0].currentName), 259u);
    EXPECT_EQ(std::strlen(state_.keys[0].currentParameter), 259u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(state_.keys[0].currentCommand)), std::string(259, 'N'));
    EXPECT_EQ(state_.keys[1].currentLength, 0) << "a block larger than the field is not read";
    EXPECT_EQ(state_.keys[1].currentCommand[0], 0);
    EXPECT_STREQ(state_.keys[2].currentName, "Word Processor");
    EXPECT_EQ(state_.keys[2].currentType, kActionDefault);
    EXPECT_STREQ(state_.keys[2].currentParameter, "");
    EXPECT_EQ(state_.keys[2].currentCommand[0], 0);
    EXPECT_EQ(state_.keys[3].currentLength, 0);
    EXPECT_STREQ(state_.keys[4].currentName, "Neighbour");
    EXPECT_STREQ(state_.keys[4].currentParameter, "p");

    // An over-long label and list are cut or refused, never written past a field.
    state_.selectedKey = 5;
    const std::vector<BYTE> longList(300, 0x10);
    keys::SetPendingIdList(state_.keys[5], longList.data(), static_cast<int>(longList.size()));
    EXPECT_EQ(state_.keys[5].pendingLength, 0);
    keys::SetPendingText(state_.keys[5], huge.c_str(), huge.c_str());
    keys::ApplyPending(huge.c_str());
    EXPECT_EQ(std::strlen(state_.keys[5].currentName), 259u);
    EXPECT_EQ(std::strlen(state_.keys[5].currentParameter), 259u);
    EXPECT_STREQ(state_.keys[6].savedName, "Internet") << "the next record is untouched";

    // The applied record is written cut; the damaged ones are left as they are.
    SaveAll(false);
    EXPECT_EQ(Value(1, "ActionCommand"), Block(std::vector<BYTE>(4000, 0x41))) << "the unread block stays";
    EXPECT_EQ(Value(5, "ActionCommand"), Text(std::string(259, 'N')));
}

namespace {

RegistryValue Typed(DWORD type, const std::string& text) {
    return RegistryValue{type, std::vector<BYTE>(text.begin(), text.end() + 1)};
}

// A name of 150 double-byte characters in code page 932 (hiragana "a").
std::string DoubleByteName() {
    std::string name;
    for (int i = 0; i < 150; ++i) name += "\x82\xA0";
    return name;
}

// A stored record as other tools and older versions left it.
struct HostileRecord {
    const char* what;
    std::vector<std::pair<std::string, RegistryValue>> values;
};

const std::vector<HostileRecord>& HostileRecords() {
    const auto sz = [](const std::string& text) { return driver::SzValue(text); };
    const auto number = [](DWORD n) { return driver::DwordValue(n); };
    static const std::vector<HostileRecord> records = {
        {"command longer than a field",
         {{"DisplayName", sz("Long")}, {"ActionType", number(1)}, {"ActionCommand", sz(std::string(300, 'c'))}}},
        {"parameter longer than a field",
         {{"DisplayName", sz("Args")}, {"ActionType", number(1)}, {"ActionCommand", sz("C:\\a.exe")},
          {"ActionParam1", sz(std::string(400, 'p'))}}},
        {"parameter with variables",
         {{"DisplayName", sz("Env")}, {"ActionType", number(1)}, {"ActionCommand", sz("notepad.exe")},
          {"ActionParam1", Typed(REG_EXPAND_SZ, "%USERPROFILE%\\a.txt")}}},
        {"name with variables",
         {{"DisplayName", Typed(REG_EXPAND_SZ, "%USERNAME%")}, {"ActionType", number(1)},
          {"ActionCommand", sz("C:\\b.exe")}}},
        {"name as several strings",
         {{"DisplayName", RegistryValue{REG_MULTI_SZ, {'A', 0, 'B', 0, 0}}}, {"ActionType", number(1)},
          {"ActionCommand", sz("C:\\b.exe")}}},
        {"default function with a leftover command",
         {{"DisplayName", sz("Lock")}, {"ActionType", number(0)}, {"ActionCommand", sz("C:\\stale.exe")}}},
        {"no type, a leftover command", {{"DisplayName", sz("Lock")}, {"ActionCommand", sz("C:\\stale.exe")}}},
        {"unreadable type, a leftover command",
         {{"DisplayName", sz("Lock")}, {"ActionType", RegistryValue{REG_BINARY, {1, 2, 3}}},
          {"ActionCommand", sz("C:\\stale.exe")}}},
        {"unknown type", {{"DisplayName", sz("Odd")}, {"ActionType", number(3)}, {"ActionCommand", sz("C:\\o.exe")}}},
        {"type as text", {{"DisplayName", sz("Mail")}, {"ActionType", sz("1")}, {"ActionCommand", sz("mailto:")}}},
        {"shell item with arguments",
         {{"DisplayName", sz("Computer")}, {"ActionType", number(6)},
          {"ActionCommand", RegistryValue{REG_BINARY, kComputer}}, {"ActionParam1", sz("left over")}}},
        {"double-byte name longer than a field",
         {{"DisplayName", sz(DoubleByteName())}, {"ActionType", number(1)}, {"ActionCommand", sz("C:\\j.exe")}}},
    };
    return records;
}

}  // namespace

// Finish after the page was shown rewrites no record the user left alone:
// every value keeps its name, type and bytes.
TEST_F(KeyRecordsTest, UntouchedRecordsStayAsStoredByteForByte) {
    for (const HostileRecord& record : HostileRecords()) {
        SCOPED_TRACE(record.what);
        driver::DeleteKey(HKEY_CURRENT_USER, Path("Buttons"));
        for (KeyAssignment& key : state_.keys) key = KeyAssignment{};
        for (const auto& [name, value] : record.values) {
            ASSERT_TRUE(WriteValue(HKEY_CURRENT_USER, Aux(3), name, value.type, value.data.data(),
                                   static_cast<DWORD>(value.data.size())));
        }
        const driver::RegistrySnapshot before = Snapshot(HKEY_CURRENT_USER, root_);
        keys::Load();
        SaveAll(false);
        EXPECT_EQ(Snapshot(HKEY_CURRENT_USER, root_), before) << driver::Describe(Snapshot(HKEY_CURRENT_USER, root_));
    }
}

// A record the user changed is written in full: a shell item over a command
// line leaves no argument behind, and a name cut to fit ends on a character.
TEST_F(KeyRecordsTest, AppliedRecordsAreWrittenWhole) {
    Store(0, {"Notepad", "/p x", "notepad.exe", kActionCommand});
    ASSERT_TRUE(WriteString(HKEY_CURRENT_USER, Aux(1), "DisplayName", DoubleByteName()));
    keys::Load();
    // Cut before the character that does not fit: 129 whole characters in
    // code page 932, 259 single bytes elsewhere.
    const size_t fitting = GetACP() == 932 ? 258 : 259;
    EXPECT_EQ(std::string(state_.keys[1].savedName), DoubleByteName().substr(0, fitting));

    state_.selectedKey = 0;
    keys::SetPendingIdList(state_.keys[0], kComputer.data(), static_cast<int>(kComputer.size()));
    keys::ApplyPending("Computer");
    SaveAll(false);
    EXPECT_EQ(Value(0, "DisplayName"), Text("Computer"));
    EXPECT_EQ(Value(0, "ActionParam1"), Text(""));
    EXPECT_EQ(Value(0, "ActionCommand"), Block(kComputer));
    EXPECT_EQ(Value(0, "ActionType"), Number(6));
}
